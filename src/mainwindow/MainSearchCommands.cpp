// The find and replace commands of the menu "検索(&D)" and the find
// toolbar, the result list of found pages with the page keys that step it,
// and line extraction; the commands themselves are TSearchCommands',
// TFindList's and FdExtractLineClick's.
#include "Main.h"

#include "DockButton.h"
#include "EditorEx.h"
#include "FindLineForm.h"
#include "FindList.h"
#include "SearchListState.h"
#include "SubIcons.h"
#include "TreeViewCommands.h"
#include "TreeView.h"

#include <QApplication>

void TVelkForm::BindSearchCommands()
{
    Search_ = std::make_unique<TSearchCommands>(TSearchWindow{
        .Host = *this,
        .Binding = *Binding_,
        .Window = *this,
        .SetButtonEnabled = [this](const char* Name, bool Enabled) { ToolButton(Name)->SetEnabled(Enabled); },
        .ListInvalidated =
            [this] {
                Button(Cmd::sbFindList)->SetEnabled(false);
                Menus_.Item(Cmd::FdFindList)->SetEnabled(false);
            },
    });
    const auto find = [this] { Search_->FdGoFindClick(); };
    const auto forward = [this] { Search_->FdForwardFindClick(); };
    const auto back = [this] { Search_->FdBackFindClick(); };
    const TCommandBinding items[] = {
        {Cmd::FdGoFind, find},
        {Cmd::FdForwardFind, forward},
        {Cmd::FdBackFind, back},
        {Cmd::FdReplace, [this] { Search_->FdReplaceClick(); }},
        {Cmd::FdFastReplace, [this] { Search_->FdFastReplaceClick(); }},
        {Cmd::FdExtractLine, [this] { FdExtractLineClick(*this, *this); }},
        {Cmd::FdGoTop, [this] { Search_->FdGoTopClick(); }},
        {Cmd::FdGoBottom, [this] { Search_->FdGoBottomClick(); }},
    };
    BindItems(items);
    Button(Cmd::sbFind)->OnClick = [find](TObject*) { find(); };
    Button(Cmd::sbFoward)->OnClick = [forward](TObject*) { forward(); };
    Button(Cmd::sbBack)->OnClick = [back](TObject*) { back(); };
    BindFindListCommands();
}

void TVelkForm::BindFindListCommands()
{
    FindList_ = std::make_unique<TFindList>(TFindListWindow{
        .Host = *this,
        .Binding = *Binding_,
        .Window = *this,
        .SubIcons = SubIcons_->TreeSubImageList(),
        .SetButtonEnabled = [this](const char* Name, bool Enabled) { ToolButton(Name)->SetEnabled(Enabled); },
        .ListShown = [this](bool Open) { FindListShown(Open); },
        .ListChanged = [this] { FindListChanged(); },
    });
    Search_->OnListSearch = [this] { FindList_->ListSearch(); };
    const auto showList = [this] { FindList_->FdFindListClick(); };
    const auto closeList = [this] { FindList_->sbFListCloseClick(); };
    const TCommandBinding items[] = {
        {Cmd::FdFindList, showList},
        {Cmd::FdFindListClose, closeList},
        {Cmd::TreePagePrev, [this] { StepPage(0); }},
        {Cmd::TreePageNext, [this] { StepPage(1); }},
    };
    BindItems(items);
    Button(Cmd::sbFindList)->OnClick = [showList](TObject*) { showList(); };
    Button(Cmd::sbFListClose)->OnClick = [closeList](TObject*) { closeList(); };
    Button(Cmd::sbFListClose)->SetVisible(false);
    // With Ctrl held the buttons go to the sibling above or below; with
    // Shift both fold.
    for (const auto& [name, direction] : {std::pair{Cmd::sbPrevPage, 0}, std::pair{Cmd::sbNextPage, 1}})
        Button(name)->OnClick = [this, direction](TObject*) {
            const Qt::KeyboardModifiers held = QApplication::keyboardModifiers();
            if (!SearchListState().SearchListOpen && held & Qt::ControlModifier) {
                SearchListState().FindListForward = direction == 1;
                Binding_->SelectRelative(direction + 2);
            } else if (!SearchListState().SearchListOpen && held & Qt::ShiftModifier) {
                SearchListState().FindListForward = direction == 1;
                TreeViewCommands_->TreePageFoldClick();
            } else {
                StepPage(direction);
            }
        };
    Menus_.Item(Cmd::FdFindListClose)->SetEnabled(false);
}

void TVelkForm::StepPage(int Direction)
{
    ActiveEditor_->setFocus();
    TSearchListState& state = SearchListState();
    state.FindListForward = Direction == 1;
    if (state.SearchListOpen) {
        FindList_->StepFindList(Direction);
        if (BrowseViewOn())
            DataMemo_->setFocus();
    } else {
        Binding_->SelectRelative(Direction);
    }
}

void TVelkForm::FindListShown(bool Open)
{
    Menus_.Item(Cmd::FdFindListClose)->SetEnabled(Open);
    Button(Cmd::sbFListClose)->SetVisible(Open);
    if (Open) {
        Button(Cmd::sbPrevPage)->SetHint(QString::fromUtf8("上のページを閲覧（検索リスト）"));
        Button(Cmd::sbNextPage)->SetHint(QString::fromUtf8("下のページを閲覧（検索リスト）"));
        Button(Cmd::sbFindList)->SetEnabled(false);
        return;
    }
    UpdateButtonHints();
    const bool pages = DataTree_->Items().Count() > 0;
    // A page out in the external editor keeps the document and its pages
    // locked until its text is back.
    const bool free = !OwnExternalEditRunning();
    SetEnabled({{Cmd::sbPageNew, free},
                {Cmd::sbOpen, free},
                {Cmd::sbLoadTreeText, free},
                {Cmd::sbIns, true},
                {Cmd::sbAdd, true},
                {Cmd::sbAddChild, true},
                {Cmd::sbPageDel, free},
                {Cmd::sbPageDevide, true},
                {Cmd::FdGoFind, true},
                {Cmd::sbFind, true},
                {Cmd::sbFindList, pages},
                {Cmd::FdFindList, pages},
                {Cmd::pTreeLoadTexToMakePage, true},
                {Cmd::FdReplace, true},
                {Cmd::FdFastReplace, true},
                {Cmd::FileTop, free},
                {Cmd::OptionTop, free}});
}

void TVelkForm::FindListChanged()
{
    const bool enabled = !SearchListState().FoundPageList.Empty() && !SearchListState().SearchListOpen;
    Button(Cmd::sbFindList)->SetEnabled(enabled);
    Menus_.Item(Cmd::FdFindList)->SetEnabled(enabled);
}

bool TVelkForm::FindListMode() const { return SearchListState().FindListMode; }

void TVelkForm::ShowFindListPage(TTreeNode* Node) { FindList_->ShowFindListPage(Node); }
