#include "SearchForm.h"

#include "Dialogs.h"
#include "IniFiles.h"
#include "SearchListState.h"
#include "SearchOptionRules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

namespace {

// The list scope shown and kept: 0, 1, or 2 for anything else.
int ListScope(int Index) { return Index == 0 || Index == 1 ? Index : 2; }

} // namespace

TfmSearch::TfmSearch(QWidget* Parent) : TSearchDialogBase(Parent, "検索", false)
{
    ChkMatchCase = AddCheck("ChkMatchCase", "大/小文字の区別(&C)");
    chkWholeWord = AddCheck("chkWholeWord", "単語単位で探す(&W)");
    chkFuzzy = AddCheck("chkFuzzy", "あいまい検索(&Z)");
    chkRegExp = AddCheck("chkRegExp", "正規表現(&Q)");
    ChkWholeFile = AddCheck("ChkWholeFile", "複数のページ(&F)");
    ChkFindList = AddCheck("ChkFindList", "検索結果をリスト表示(&L)");
    chkStartPos = AddCheck("chkStartPos", "ページの先頭から検索(&T)");
    RadioGroup1 = AddRadioGroup("RadioGroup1", " 検索方向 ", {"↑上検索(&B)", "↓下検索(&D)"});
    RadioGroup2 = AddRadioGroup("RadioGroup2", "検索結果をリスト表示",
                                {"全てのページ", "現在以降の全てのページ", "現在のページ（下の階層を含む）"});
    AddConfirmButton("btnOK", "OK", mrOk)->setDefault(true);
    AddClosingButtons();

    TSearchOptionBoxes{ChkMatchCase, chkWholeWord, chkFuzzy, chkRegExp}.Connect();
    connect(ChkWholeFile, &QCheckBox::clicked, this, [this] { FollowWholeFile(); });
    connect(ChkFindList, &QCheckBox::clicked, this, [this] { ListBoxesClick(); });
    connect(chkStartPos, &QCheckBox::clicked, this, [this] { ListBoxesClick(); });
}

// The list is offered only over several pages; a changed list box applies
// its own rule too.
void TfmSearch::FollowWholeFile()
{
    ChkFindList->setEnabled(ChkWholeFile->isChecked());
    ChkFindList->setChecked(ChkWholeFile->isChecked());
    ListBoxesClick();
}

void TfmSearch::ListBoxesClick()
{
    RadioGroup1->setEnabled(!ChkFindList->isChecked());
    RadioGroup2->setEnabled(ChkFindList->isChecked());
}

void TfmSearch::FormShow()
{
    TSearchDialogBase::FormShow();
    ChkMatchCase->setChecked(History_.MatchCase);
    chkWholeWord->setChecked(History_.WholeWord);
    chkFuzzy->setChecked(History_.Fuzzy);
    chkRegExp->setChecked(History_.RegExp);
    ChkWholeFile->setChecked(History_.WholeFile);
    chkStartPos->setChecked(History_.StartPos);
    SearchListState().SearchListScope = History_.FindList;
    TSearchOptionBoxes{ChkMatchCase, chkWholeWord, chkFuzzy, chkRegExp}.ApplyShownState();

    // The direction is never kept: every search starts downward.
    RadioGroup1->SetItemIndex(1);
    if (BrowsePane_) {
        ChkWholeFile->setChecked(false);
        ChkWholeFile->setEnabled(false);
    }
    FollowWholeFile();
    RadioGroup2->SetItemIndex(ListScope(SearchListState().SearchListScope));
}

TSearchOptionWord TfmSearch::GetOptions() const
{
    TSearchOptionWord options = CheckedBits({{chkWholeWord, soWholeWord},
                                             {ChkMatchCase, soMatchCase},
                                             {chkFuzzy, soFuzzy},
                                             {chkRegExp, soRegexp},
                                             {ChkWholeFile, soWholeFile},
                                             {chkStartPos, soStartPos}});
    if (RadioGroup1->ItemIndex() == 1)
        options |= soDownward;
    return options;
}

void TfmSearch::SaveOptions()
{
    History_.MatchCase = ChkMatchCase->isChecked();
    History_.WholeWord = chkWholeWord->isChecked();
    History_.Fuzzy = chkFuzzy->isChecked();
    History_.RegExp = chkRegExp->isChecked();
    History_.StartPos = chkStartPos->isChecked();
    History_.WholeFile = ChkWholeFile->isChecked();
    History_.FindList = RadioGroup2->ItemIndex();
    TSearchListState& list = SearchListState();
    list.FindListMode = ChkFindList->isChecked();
    list.SearchListScope = ListScope(RadioGroup2->ItemIndex());
    list.Invalidate();
}

void TfmSearch::WriteHistory(TIniFile& File) { WriteSearchDialogHistory(File, History_); }

bool TfmSearch::Execute(QWidget* Parent, std::string& Find, TSearchOptionWord& Options, bool BrowsePane)
{
    const TSearchOptionWord callers = Options;
    Options = 0;
    TfmSearch form(Parent);
    form.FindText_ = Find;
    form.BrowsePane_ = BrowsePane;
    form.FormShow();
    const bool ok = ShowModal(form) == mrOk && !form.FindText_.empty();
    if (ok) {
        Find = form.FindBoxText_;
        Options = form.GetOptions();
    } else {
        Options = callers;
    }
    return ok;
}
