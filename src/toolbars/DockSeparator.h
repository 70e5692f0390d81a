// The gap between groups of buttons on a toolbar: an etched line, or space
// alone when Blank.
#pragma once

#include <QWidget>

class TDockSeparator : public QWidget {
    Q_OBJECT

public:
    explicit TDockSeparator(QWidget* Toolbar);

    bool Blank() const { return Blank_; }
    void SetBlank(bool Blank);
    // Its length along a horizontal and along a vertical toolbar.
    int SizeHorz() const { return SizeHorz_; }
    int SizeVert() const { return SizeVert_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    bool Blank_ = false;
    int SizeHorz_ = 6;
    int SizeVert_ = 6;
};
