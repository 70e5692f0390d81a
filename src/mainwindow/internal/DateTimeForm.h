// The dialog that edits the date and time insertion formats: a code box and
// a text box for each part, and four switches. OK stores them into the
// [IME] settings; Cancel stores nothing.
#pragma once

#include <QDialog>

#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;

class TDateTimeForm : public QDialog {
public:
    explicit TDateTimeForm(QWidget* Parent = nullptr);

    // Year, month, day, hour, minute, second.
    std::array<QLineEdit*, 6> NumEdits{};
    std::array<QLineEdit*, 6> KigoEdits{};
    QCheckBox* CkBoxZen = nullptr;
    QCheckBox* CkBoxZenTime = nullptr;
    QCheckBox* CkBoxYoubi = nullptr;
    QCheckBox* CkBoxEnter = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CancelButton = nullptr;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    void OkButtonClick();
    // Enter moves on from the box at Index of a row (codes or texts).
    bool EnterIn(size_t Index, bool Code);
    void CodeBoxLeft(size_t Index);
    bool Checking_ = false;
};
