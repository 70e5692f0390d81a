// The chooser of the text outputs: thirteen outputs, whether titles are
// numbered, and whether the ruled tree puts a connecting line between its
// lines. The choice is kept for the program's lifetime and shown again at
// the next opening.
#pragma once

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QPushButton;

// The last confirmed choice: the output's index, numbered titles,
// connecting lines.
struct TTextOutputChoice {
    int Kind = 0;
    bool Numbered = false;
    bool BlankLines = false;
};
TTextOutputChoice& LastTextOutputChoice();

class TTextForm : public QDialog {
public:
    explicit TTextForm(QWidget* Parent = nullptr);

    QButtonGroup* RadioGroup1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckTree = nullptr;
    QLabel* LbNumber = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

    // The choice on the form now.
    int ItemIndex() const;
    void SetItemIndex(int Index);
    // Keeps the choice and closes the form with mrOk.
    void OKButtonClick();

protected:
    // Escape cancels and Enter confirms, wherever the focus is.
    void keyPressEvent(QKeyEvent* Event) override;

private:
    // The check boxes follow the output chosen.
    void RadioGroup1Click();
};
