// A chooser of the conversion dialogs: a group of radio buttons, one per
// command, and OK/Cancel. It opens on the remembered choice; OK remembers
// the button checked and closes with mrOk, Escape cancels.
#pragma once

#include <QDialog>

#include <cstdint>
#include <span>
#include <vector>

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;

class TChooserForm : public QDialog {
public:
    // The captions are UTF-8, laid out down Columns columns; Choice is the
    // remembered index, read on opening and written by OK.
    TChooserForm(QWidget* Parent, const char* Caption, const char* GroupCaption, std::span<const char* const> Captions,
                 int Columns, int32_t& Choice);

    QGroupBox* GroupBox = nullptr;
    QButtonGroup* RadioGroup1 = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

    QRadioButton* Radio(int Index) const { return Radios_.at(Index); }
    // The index checked, -1 for none.
    int ItemIndex() const;
    // Checks the button of Index; an index without a button (a bad value
    // from the settings file) leaves none checked.
    void SetItemIndex(int Index);
    // Remembers the choice (unchanged when none is checked) and closes.
    void OKButtonClick();

protected:
    void showEvent(QShowEvent* Event) override;

private:
    std::vector<QRadioButton*> Radios_;
    int32_t& Choice_;
};
