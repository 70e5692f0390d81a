// The gap between groups of controls on a toolbar: an etched line across
// the toolbar, or space alone when Blank. A press on it drags the toolbar.
#pragma once

#include <QWidget>

class TDockSeparator : public QWidget {
    Q_OBJECT

public:
    // Raises EInvalidOperation unless Toolbar is a toolbar.
    explicit TDockSeparator(QWidget* Toolbar);

    bool Blank() const { return Blank_; }
    void SetBlank(bool Blank);
    // Its length along a horizontal and along a vertical toolbar.
    int SizeHorz() const { return SizeHorz_; }
    void SetSizeHorz(int SizeHorz);
    int SizeVert() const { return SizeVert_; }
    void SetSizeVert(int SizeVert);
    // Raises EInvalidOperation unless Parent is a toolbar or none.
    void SetParent(QWidget* Parent);

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    void Rearrange();

    bool Blank_ = false;
    int SizeHorz_ = 6;
    int SizeVert_ = 6;
};
