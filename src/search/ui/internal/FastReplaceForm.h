// The fast-replace dialog "高速置換": what to find, what to put in its
// place, and over which pages, replaced without asking.
#pragma once

#include "SearchDialog.h"

class TFmFastReplace : public TSearchDialogBase {
public:
    explicit TFmFastReplace(QWidget* Parent);

    // Shows the dialog over Parent (the main window). True when confirmed
    // with a find text; Find, Replacement, Scope (0 this page, 1 with the
    // pages under it, 2 this and every later page) and Options are then the
    // dialog's. Otherwise Options is left as it was.
    static bool Execute(QWidget* Parent, std::string& Find, std::string& Replacement, int& Scope,
                        TSearchOptionWord& Options);

    void FormShow() override;
    TSearchOptionWord GetOptions() const;

private:
    void SaveOptions() override;
    void WriteHistory(TIniFile& File) override;
    void RegExpClick();

    QCheckBox* chkWholeWord;
    QCheckBox* chkMatchCase;
    QCheckBox* chkRegExp;
    TRadioGroup* RadioGroup1;
};
