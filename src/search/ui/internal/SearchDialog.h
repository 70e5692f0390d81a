// What the three search dialogs share: the find box (and the replacement
// box) with their histories, the option boxes, the buttons, the history
// file and the confirm step. Each dialog is made for one Execute, filled
// from the history file by FormShow, and run through the dialog hook.
#pragma once

#include "RadioGroup.h"
#include "SearchHistory.h"
#include "SearchOptionWord.h"

#include <QDialog>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QPushButton;
class QVBoxLayout;

// A titled group of radio buttons, one chosen by index.
class TSearchDialogBase : public QDialog {
public:
    // Reads the history file, fills the boxes and places the dialog in the
    // middle of the screen. Each dialog adds its own rules.
    virtual void FormShow();

protected:
    // A dialog of Parent's, so that it stands over that window and ends with
    // it; WithReplacement adds the replacement box and its clear button.
    TSearchDialogBase(QWidget* Parent, const char* Caption, bool WithReplacement);

    QCheckBox* AddCheck(const char* Name, const char* Caption);
    TRadioGroup* AddRadioGroup(const char* Name, const char* Caption, std::initializer_list<const char*> Items);
    // A button that confirms the dialog with Result.
    QPushButton* AddConfirmButton(const char* Name, const char* Caption, int Result);
    // The cancel and clear buttons, after the confirming ones.
    void AddClosingButtons();

    // The confirm step: takes the boxes' texts into the histories, lets
    // the dialog note its options (SaveOptions) and write the file
    // (WriteHistory), and closes with Result. A text that Shift-JIS cannot
    // hold is refused and the dialog stays open.
    void Confirm(int Result);
    virtual void SaveOptions() = 0;
    // The bits of the boxes that are checked.
    static TSearchOptionWord CheckedBits(std::initializer_list<std::pair<QCheckBox*, TSearchOptionWord>> Boxes);
    virtual void WriteHistory(TIniFile& File) = 0;

    QComboBox* ComboBox1 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    TSearchHistory History_;
    // The find text passed in or confirmed, and the replacement.
    std::string FindText_;
    std::string ReplaceText_;
    // The boxes' texts as confirmed.
    std::string FindBoxText_;
    std::string ReplaceBoxText_;

private:
    QComboBox* AddCombo(const char* Name, const char* Caption);
    void FillCombo(QComboBox* Box, const std::string& Passed, const std::vector<std::string>& List);
    static void ClearCombo(QComboBox* Box, std::vector<std::string>& List, std::string& Field);
    QGridLayout* Texts_;
    QVBoxLayout* Options_;
    QVBoxLayout* Buttons_;
};
