// The status bar's panels. One panel is a sunken frame with a line of text;
// a new text repaints the panel alone (a QLabel would ask the whole bar to
// lay itself out again, and the bar and the window to repaint, on every
// keystroke). The row holds them side by side, each as wide as it is told,
// from the left, one of them taking what the others leave: what the bar has
// no room for is cut off at its right edge, and no panel ever covers
// another.
#pragma once

#include <QFrame>
#include <QString>
#include <vector>

class TStatusPanel : public QFrame {
public:
    explicit TStatusPanel(QWidget* Parent);

    const QString& text() const { return Text_; }
    void setText(const QString& Text);
    // The width that shows Text whole.
    int WidthFor(const QString& Text) const;

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    QString Text_;
};

class TStatusPanelRow : public QWidget {
public:
    explicit TStatusPanelRow(QWidget* Parent);

    // A new panel, 0 pixels wide, right of the others.
    TStatusPanel* AddPanel();
    void SetPanelWidth(TStatusPanel& Panel, int Width);
    // Panel takes the width the others leave, but never less than Minimum.
    void SetStretchPanel(TStatusPanel* Panel, int Minimum);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* Event) override;

private:
    void LayOut();

    std::vector<TStatusPanel*> Panels_;
    TStatusPanel* Stretch_ = nullptr;
    int StretchMinimum_ = 0;
};
