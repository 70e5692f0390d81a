// The key dialog: every rebindable command with its key on the left, the
// keys on offer for the chosen modifiers on the right. A double-click on a
// key (or Return or Space in the key list) gives it to the selected command
// unless a row already has it. The
// key column is a working copy; only OK writes it into the menu items, all
// at once, and the caller then saves the key file.
#pragma once

#include "Graphics.h"

#include <QDialog>
#include <string>

class IShortCutTarget;
class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSplitter;
class QTreeWidget;
class QTreeWidgetItem;

class TKeyForm : public QDialog {
public:
    // Builds the form over Target's shortcuts; FormShow fills it.
    TKeyForm(IShortCutTarget& Target, QWidget* Parent = nullptr);

    // Lists every row with its current key, selects row 0 and offers the
    // keys without modifiers.
    void FormShow();
    // Gives the selected candidate to the selected command row, or tells
    // that a row already has it.
    void ListBox1DblClick();
    // Writes every row's key into the menu items and their popup twins,
    // and closes with OK.
    void OkButtonClick();
    // Offers the set the three modifier boxes choose.
    void CkCtrlKeyClick();
    // True when a row has KeyText; "UnDefined" never counts as taken.
    bool IsKeyAssigned(const std::string& KeyText) const;
    // The row that has KeyText, null for none.
    QTreeWidgetItem* KeyHolder(const std::string& KeyText) const;
    // The colour candidate Row is drawn in.
    TColor CandidateColor(int Row, bool Selected) const;

    QTreeWidget* ListView1 = nullptr;
    QSplitter* Splitter1 = nullptr;
    QListWidget* ListBox1 = nullptr;
    QLabel* NoteLabel = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* CanButton = nullptr;
    QCheckBox* CkCtrlKey = nullptr;
    QCheckBox* CkShiftKey = nullptr;
    QCheckBox* CkAltKey = nullptr;

protected:
    // Key preview: Esc cancels and Enter confirms whichever control has the
    // focus; the candidate list's focus changes its selection colours.
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    class TCandidateDelegate;

    void FillKeyList();
    // Nothing can be chosen: the list is disabled or no row is selected.
    bool Greyed() const;
    void ListBox1Enter();
    void ListBox1Exit();
    void UpdateNote();

    IShortCutTarget& Target_;
    // The candidate set shown: 0 to 6, or -1 when all three boxes are checked.
    int KeySetIndex_ = 0;
};

// Runs the key dialog centred on Owner; true when it closed with OK, and
// Target then holds the new shortcuts.
bool ExecuteKeyForm(IShortCutTarget& Target, QWidget* Owner);
