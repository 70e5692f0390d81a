// A flat toolbar button showing a picture of an image list, and a caption
// when given one. With a group index other than 0 it stays down when
// clicked, and setting it down releases the other buttons of its toolbar
// with the same group index. It can repeat its click while held, drop a
// menu down (from the whole button, or from an arrow part at its right),
// and shows a border while the mouse is over it: one button of the program
// at a time.
#pragma once

#include "ButtonLayout.h"
#include "Classes.h"
#include "HookService.h"

#include <QImage>
#include <QMenu>
#include <QPixmap>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <utility>

class QPainter;
class TRepeatTimer;
class TToolImageList;

// Sender, whether to show the menu, and whether presses on the button that
// closed the menu are dropped; the handler may change both.
using TButtonDropdownEvent = std::function<void(TObject* Sender, bool& ShowMenu, bool& RemoveClicks)>;
// Shows Menu at Point (screen coordinates), right-aligned to it when
// RightAligned; tests put in their own.
using TButtonPopup = std::function<void(QMenu& Menu, QPoint Point, bool RightAligned)>;

class TDockButton : public QWidget, public TObject {
    Q_OBJECT

public:
    explicit TDockButton(QWidget* Toolbar, const QString& Hint = {}, TNotifyEvent ClickHandler = {});
    ~TDockButton() override;

    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool Enabled);
    // The button's own flag: true for a button of a window not yet shown.
    bool Visible() const { return !isHidden(); }
    void SetVisible(bool Visible);
    QString Hint() const { return toolTip(); }
    void SetHint(const QString& Hint) { setToolTip(Hint); }
    int Tag() const { return Tag_; }
    void SetTag(int Tag) { Tag_ = Tag; }
    const QString& Caption() const { return Caption_; }
    void SetCaption(const QString& Caption);

    int GroupIndex() const { return GroupIndex_; }
    void SetGroupIndex(int GroupIndex);
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
    // A strip of up to five pictures side by side, for the states up,
    // disabled, down, held down and hot; used without Images.
    const QPixmap& Glyph() const { return Glyph_; }
    void SetGlyph(const QPixmap& Glyph);
    // 1 to 5; setting the glyph counts them.
    int NumGlyphs() const { return NumGlyphs_; }
    void SetNumGlyphs(int NumGlyphs);
    TButtonLayout Layout() const { return Layout_; }
    void SetLayout(TButtonLayout Layout);
    int Margin() const { return Margin_; }
    void SetMargin(int Margin);
    int Spacing() const { return Spacing_; }
    void SetSpacing(int Spacing);
    TButtonDisplayMode DisplayMode() const { return DisplayMode_; }
    void SetDisplayMode(TButtonDisplayMode DisplayMode);
    // Flat: a border only while down or under the mouse; else always a
    // raised one.
    bool Flat() const { return Flat_; }
    void SetFlat(bool Flat);
    // Never a border.
    bool NoBorder() const { return NoBorder_; }
    void SetNoBorder(bool NoBorder);
    // Paints its background; a flat button that does not lets the toolbar
    // show through.
    bool Opaque() const { return Opaque_; }
    void SetOpaque(bool Opaque);
    // A button held down in its group shows a dither pattern.
    bool HighlightWhenDown() const { return HighlightWhenDown_; }
    void SetHighlightWhenDown(bool HighlightWhenDown);

    QMenu* DropdownMenu() const { return DropdownMenu_; }
    void SetDropdownMenu(QMenu* Menu);
    // A drop-down button even without a menu (OnDropdown still runs).
    bool DropdownAlways() const { return DropdownAlways_; }
    void SetDropdownAlways(bool DropdownAlways);
    // The arrow part at the right drops the menu; the rest clicks.
    bool DropdownCombo() const { return DropdownCombo_; }
    void SetDropdownCombo(bool DropdownCombo);
    // Never below 7.
    int DropdownArrowWidth() const { return DropdownArrowWidth_; }
    void SetDropdownArrowWidth(int Width);
    // The small arrow beside the picture of a drop-down button.
    bool DropdownArrow() const { return DropdownArrow_; }
    void SetDropdownArrow(bool DropdownArrow);

    bool Repeating() const { return Repeating_; }
    void SetRepeating(bool Repeating) { Repeating_ = Repeating; }
    int RepeatDelay() const { return RepeatDelay_; }
    void SetRepeatDelay(int Ms) { RepeatDelay_ = Ms; }
    int RepeatInterval() const { return RepeatInterval_; }
    void SetRepeatInterval(int Ms) { RepeatInterval_ = Ms; }
    // The border under the mouse shows while another application is
    // active too.
    bool ShowBorderWhenInactive() const { return ShowBorderWhenInactive_; }
    void SetShowBorderWhenInactive(bool Show) { ShowBorderWhenInactive_ = Show; }

    TNotifyEvent OnClick;
    // A double click on a button that is down.
    TNotifyEvent OnDblClick;
    TButtonDropdownEvent OnDropdown;
    // The button became the one under the mouse, or stopped being it.
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseExit;

    // The one button the mouse is over, if any.
    static TDockButton* HotButton();
    // Replaces how drop-down menus are shown; returns the one replaced.
    static TButtonPopup SetPopup(TButtonPopup Popup);

    // The click, as a release of the mouse on the button does it.
    void Click();
    // Stops what a press started, as when a menu opens or the window
    // loses the focus.
    void CancelMode();

    QSize sizeHint() const override;

protected:
    void changeEvent(QEvent* Event) override;
    void paintEvent(QPaintEvent* Event) override;
    void enterEvent(QEnterEvent* Event) override;
    void leaveEvent(QEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseDoubleClickEvent(QMouseEvent* Event) override;
    void mouseMoveEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;

private:
    enum class TState { Up, Disabled, Down, Exclusive, Hot };

    bool DropdownActive() const { return DropdownAlways_ || DropdownMenu_; }
    bool Combo() const { return DropdownCombo_ && DropdownActive(); }
    int MainPartWidth() const;
    bool InsideMainPart(QPoint Point) const;
    // Makes this the button under the mouse, the one with a border.
    void TrackHot();
    void LeaveHot();
    // The hot button loses its border unless it is under Cursor (screen
    // coordinates).
    static void CheckHotButton(QPoint Cursor);
    void MouseEnter();
    void MouseExit();
    void UpdateGroup();
    void RepeatTick();
    void DropMenu();
    void PaintContent(QPainter& Painter, const QRect& Content);
    static void HookProc(THookKind Kind, QObject* Window, QEvent* Event);

    TState State_ = TState::Up;
    bool MouseInControl_ = false;
    bool Tracking_ = false;
    bool ArrowPressed_ = false;
    bool InClick_ = false;
    bool SwallowPresses_ = false;
    QPoint LastPoint_;
    int Tag_ = 0;
    QString Caption_;
    int GroupIndex_ = 0;
    bool AllowAllUp_ = false;
    bool Down_ = false;
    int ImageIndex_ = -1;
    TToolImageList* Images_ = nullptr;
    QPixmap Glyph_;
    int NumGlyphs_ = 1;
    TButtonLayout Layout_ = TButtonLayout::blGlyphLeft;
    int Margin_ = -1;
    int Spacing_ = 4;
    TButtonDisplayMode DisplayMode_ = TButtonDisplayMode::dmBoth;
    bool Flat_ = true;
    bool NoBorder_ = false;
    bool Opaque_ = true;
    bool HighlightWhenDown_ = true;
    bool DropdownArrow_ = true;
    // Cleared when the menu goes away.
    QPointer<QMenu> DropdownMenu_;
    bool DropdownAlways_ = false;
    bool DropdownCombo_ = false;
    int DropdownArrowWidth_ = 9;
    bool Repeating_ = false;
    int RepeatDelay_ = 400;
    int RepeatInterval_ = 100;
    bool ShowBorderWhenInactive_ = false;
    std::unique_ptr<TRepeatTimer> RepeatTimer_;
    // The disabled look of the picture, made again when the picture or the
    // palette changes.
    QImage DisabledGlyph_;
    std::pair<qint64, qint64> DisabledGlyphKey_{};
    QImage StatePicture() const;
};
