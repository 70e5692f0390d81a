// A flat toolbar button showing a picture of an image list. With a group
// index other than 0 it stays down when clicked, and setting it down
// releases the other buttons of its toolbar with the same group index.
#pragma once

#include "Classes.h"

#include <QAbstractButton>

class TToolImageList;

class TDockButton : public QAbstractButton, public TObject {
    Q_OBJECT

public:
    explicit TDockButton(QWidget* Toolbar, const QString& Hint = {}, TNotifyEvent OnClick = {});

    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool Enabled) { setEnabled(Enabled); }
    // The button's own flag: true for a button of a window not yet shown.
    bool Visible() const { return !isHidden(); }
    void SetVisible(bool Visible);
    QString Hint() const { return toolTip(); }
    void SetHint(const QString& Hint) { setToolTip(Hint); }
    int Tag() const { return Tag_; }
    void SetTag(int Tag) { Tag_ = Tag; }

    int GroupIndex() const { return GroupIndex_; }
    void SetGroupIndex(int GroupIndex) { GroupIndex_ = GroupIndex; }
    // With it off, a button of a group cannot be released but by pressing
    // another of the group.
    bool AllowAllUp() const { return AllowAllUp_; }
    void SetAllowAllUp(bool AllowAllUp);
    bool Down() const { return Down_; }
    // A button of group 0 never stays down.
    void SetDown(bool Down);

    int ImageIndex() const { return ImageIndex_; }
    void SetImageIndex(int ImageIndex);
    TToolImageList* Images() const { return Images_; }
    void SetImages(TToolImageList* Images);

    TNotifyEvent OnClick;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* Event) override;
    void nextCheckState() override {}
    void enterEvent(QEnterEvent* Event) override;
    void leaveEvent(QEvent* Event) override;

private:
    void Clicked();
    void SetHot(bool Hot);
    template <class TAction>
    void ForGroup(TAction&& Action) const;

    int Tag_ = 0;
    int GroupIndex_ = 0;
    bool AllowAllUp_ = false;
    bool Down_ = false;
    bool Hot_ = false;
    int ImageIndex_ = -1;
    TToolImageList* Images_ = nullptr;
};
