// The search dialog "検索": what to find, how, in which direction, and
// whether over several pages or as a list of the pages found.
#pragma once

#include "SearchDialog.h"

class TfmSearch : public TSearchDialogBase {
public:
    explicit TfmSearch(QWidget* Parent);

    // Shows the dialog over Parent (the main window) with Find (when not
    // empty) in its box; BrowsePane keeps the search in the browse view's
    // page. True when confirmed with a find text; Find (which the user may
    // have emptied) and Options are then the dialog's. Otherwise Options is
    // left as it was.
    static bool Execute(QWidget* Parent, std::string& Find, TSearchOptionWord& Options, bool BrowsePane);

    void FormShow() override;
    TSearchOptionWord GetOptions() const;

private:
    void SaveOptions() override;
    void WriteHistory(TIniFile& File) override;
    void FollowWholeFile();
    void ListBoxesClick();

    QCheckBox* ChkMatchCase;
    QCheckBox* chkWholeWord;
    QCheckBox* chkFuzzy;
    QCheckBox* chkRegExp;
    QCheckBox* ChkWholeFile;
    QCheckBox* ChkFindList;
    QCheckBox* chkStartPos;
    TRadioGroup* RadioGroup1;
    TRadioGroup* RadioGroup2;
    bool BrowsePane_ = false;
};
