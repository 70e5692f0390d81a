#include "ReplaceForm.h"

#include "Dialogs.h"
#include "SearchListState.h"
#include "SearchOptionRules.h"

#include <QCheckBox>
#include <QPushButton>

TFmReplace::TFmReplace(QWidget* Parent) : TSearchDialogBase(Parent, "置換", true)
{
    chkWholeWord = AddCheck("chkWholeWord", "単語単位で探す(&W)");
    chkMatchCase = AddCheck("chkMatchCase", "大/小文字の区別(&C)");
    chkFuzzy = AddCheck("chkFuzzy", "あいまい検索(&Z)");
    chkReplaceConfirm = AddCheck("chkReplaceConfirm", "置換え動作の確認(&P)");
    chkRegExp = AddCheck("chkRegExp", "正規表現(&Q)");
    ChkWholeFile = AddCheck("ChkWholeFile", "現在以降の全てのページ(&F)");
    chkStartPos = AddCheck("chkStartPos", "ページの先頭から検索");
    AddConfirmButton("btnOK", "OK", mrOk)->setDefault(true);
    AddConfirmButton("btnAll", "すべて置換(&A)", mrAll);
    AddClosingButtons();
    TSearchOptionBoxes{chkMatchCase, chkWholeWord, chkFuzzy, chkRegExp}.Connect();
}

void TFmReplace::FormShow()
{
    TSearchDialogBase::FormShow();
    chkMatchCase->setChecked(History_.MatchCase);
    chkWholeWord->setChecked(History_.WholeWord);
    chkFuzzy->setChecked(History_.Fuzzy);
    chkRegExp->setChecked(History_.RegExp);
    ChkWholeFile->setChecked(History_.WholeFile);
    chkStartPos->setChecked(History_.StartPos);
    TSearchOptionBoxes{chkMatchCase, chkWholeWord, chkFuzzy, chkRegExp}.ApplyShownState();
    chkReplaceConfirm->setChecked(true);
}

TSearchOptionWord TFmReplace::GetOptions() const
{
    return CheckedBits({{chkWholeWord, soWholeWord},
                        {chkMatchCase, soMatchCase},
                        {chkFuzzy, soFuzzy},
                        {chkRegExp, soRegexp},
                        {chkReplaceConfirm, soReplaceConfirm},
                        {ChkWholeFile, soWholeFile},
                        {chkStartPos, soStartPos}});
}

void TFmReplace::SaveOptions()
{
    History_.MatchCase = chkMatchCase->isChecked();
    History_.WholeWord = chkWholeWord->isChecked();
    History_.RegExp = chkRegExp->isChecked();
    History_.Fuzzy = chkFuzzy->isChecked();
    History_.WholeFile = ChkWholeFile->isChecked();
    History_.StartPos = chkStartPos->isChecked();
    SearchListState().Invalidate();
}

void TFmReplace::WriteHistory(TIniFile& File) { WriteReplaceDialogHistory(File, History_); }

bool TFmReplace::Execute(QWidget* Parent, std::string& Find, std::string& Replacement, TSearchOptionWord& Options)
{
    const TSearchOptionWord callers = Options;
    Options = 0;
    TFmReplace form(Parent);
    form.FindText_ = Find;
    form.ReplaceText_ = Replacement;
    form.FormShow();
    const TModalResult result = ShowModal(form);
    const bool ok = (result == mrOk || result == mrAll) && !form.FindText_.empty();
    if (ok) {
        Find = form.FindBoxText_;
        Replacement = form.ReplaceBoxText_;
        Options = form.GetOptions() | (result == mrOk ? soReplace : soReplaceAll);
    } else {
        Options = callers;
    }
    return ok;
}
