// The replace dialog "置換": what to find, what to put in its place, how,
// and whether to ask before each replacement.
#pragma once

#include "SearchDialog.h"

class TFmReplace : public TSearchDialogBase {
public:
    explicit TFmReplace(QWidget* Parent);

    // Shows the dialog over Parent (the main window). True when confirmed
    // with a find text; Find, Replacement and Options are then the
    // dialog's, with soReplace for OK and soReplaceAll for "すべて置換(&A)".
    // Otherwise Options is left as it was.
    static bool Execute(QWidget* Parent, std::string& Find, std::string& Replacement, TSearchOptionWord& Options);

    void FormShow() override;
    TSearchOptionWord GetOptions() const;

private:
    void SaveOptions() override;
    void WriteHistory(TIniFile& File) override;

    QCheckBox* chkWholeWord;
    QCheckBox* chkMatchCase;
    QCheckBox* chkFuzzy;
    QCheckBox* chkReplaceConfirm;
    QCheckBox* chkRegExp;
    QCheckBox* ChkWholeFile;
    QCheckBox* chkStartPos;
};
