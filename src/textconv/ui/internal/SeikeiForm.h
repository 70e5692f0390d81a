// "指定した数値で改行": the mode and the width of the formatting command,
// with its English-wrap, indent and ruled-box options.
#pragma once

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QPushButton;
class TMySpinEdit;

// The last choice of "改行を保持する(&R)", for the ruled box that follows;
// kept for the run, not saved. The box itself opens unchecked.
bool& KeisenRtn();

class TSeikeiForm : public QDialog {
public:
    explicit TSeikeiForm(QWidget* Parent = nullptr);

    QButtonGroup* RadioGroup1 = nullptr;
    QCheckBox* CheckEnglish = nullptr;
    QCheckBox* CheckMaxStr = nullptr;
    QCheckBox* CheckIndent = nullptr;
    QCheckBox* CheckKeisenRtn = nullptr;
    QCheckBox* CheckKeisen = nullptr;
    TMySpinEdit* MySpinEdit1 = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CanButton = nullptr;

    void SetItemIndex(int Index);
    // Keeps the choices and closes with mrOk; a width that is no number of
    // 10..8192 is refused with the range, and the dialog stays open.
    void OKButtonClick();

protected:
    void showEvent(QShowEvent* Event) override;

private:
    // The options that apply to the mode chosen.
    void RadioGroup1Click();
    void CheckMaxStrClick();
};
