#include "FastReplaceForm.h"

#include "Dialogs.h"
#include "SearchListState.h"

#include <QCheckBox>
#include <QPushButton>

TFmFastReplace::TFmFastReplace(QWidget* Parent) : TSearchDialogBase(Parent, "高速置換", true)
{
    chkWholeWord = AddCheck("chkWholeWord", "単語単位で探す(&W)");
    chkMatchCase = AddCheck("chkMatchCase", "大/小文字の区別(&C)");
    chkRegExp = AddCheck("chkRegExp", "正規表現(&Q)");
    RadioGroup1 = AddRadioGroup("RadioGroup1", "置換対象ページ",
                                {"現在のページ", "現在のページ（下の階層を含む）", "現在以降の全てのページ"});
    AddConfirmButton("btnOK", "OK", mrOk)->setDefault(true);
    AddClosingButtons();
    // A regular expression is always case-sensitive and never whole-word.
    connect(chkRegExp, &QCheckBox::clicked, this, [this] { RegExpClick(); });
    connect(chkWholeWord, &QCheckBox::clicked, this, [this] { chkRegExp->setEnabled(!chkWholeWord->isChecked()); });
}

void TFmFastReplace::RegExpClick()
{
    const bool regExp = chkRegExp->isChecked();
    chkWholeWord->setEnabled(!regExp);
    if (regExp)
        chkMatchCase->setChecked(true);
    chkMatchCase->setEnabled(!regExp);
}

void TFmFastReplace::FormShow()
{
    TSearchDialogBase::FormShow();
    chkMatchCase->setChecked(History_.MatchCase);
    chkWholeWord->setChecked(History_.WholeWord && !History_.Fuzzy);
    chkRegExp->setChecked(History_.RegExp);
    RadioGroup1->SetItemIndex(History_.Mode);
    RegExpClick();
}

TSearchOptionWord TFmFastReplace::GetOptions() const
{
    return CheckedBits({{chkWholeWord, soWholeWord}, {chkMatchCase, soMatchCase}, {chkRegExp, soRegexp}});
}

void TFmFastReplace::SaveOptions()
{
    History_.MatchCase = chkMatchCase->isChecked();
    History_.WholeWord = chkWholeWord->isChecked();
    History_.RegExp = chkRegExp->isChecked();
    History_.Mode = RadioGroup1->ItemIndex();
    SearchListState().Invalidate();
}

void TFmFastReplace::WriteHistory(TIniFile& File) { WriteFastReplaceDialogHistory(File, History_); }

bool TFmFastReplace::Execute(QWidget* Parent, std::string& Find, std::string& Replacement, int& Scope,
                             TSearchOptionWord& Options)
{
    const TSearchOptionWord callers = Options;
    Options = 0;
    TFmFastReplace form(Parent);
    form.FindText_ = Find;
    form.ReplaceText_ = Replacement;
    form.FormShow();
    const bool ok = ShowModal(form) == mrOk && !form.FindText_.empty();
    if (ok) {
        Find = form.FindBoxText_;
        Replacement = form.ReplaceBoxText_;
        Scope = form.RadioGroup1->ItemIndex();
        Options = form.GetOptions();
    } else {
        Options = callers;
    }
    return ok;
}
