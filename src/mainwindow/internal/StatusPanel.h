// One panel of the status bar: a sunken frame with a line of text. A new
// text repaints the panel alone; a QLabel would ask the whole bar to lay
// itself out again, and the bar and the window to repaint, on every
// keystroke.
#pragma once

#include <QFrame>
#include <QString>

class TStatusPanel : public QFrame {
public:
    explicit TStatusPanel(QWidget* Parent);

    const QString& text() const { return Text_; }
    void setText(const QString& Text);

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    QString Text_;
};
