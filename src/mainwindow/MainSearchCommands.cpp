// The find and replace commands of the menu "検索(&D)" and the find
// toolbar, the result list of found pages with the page keys that step it,
// and line extraction; the commands themselves are TSearchCommands',
// TFindList's and FdExtractLineClick's.
#include "Main.h"

#include "DockButton.h"
#include "EditorEx.h"
#include "FindLineForm.h"
#include "SearchListState.h"
#include "SubIcons.h"
#include "TreeView.h"

#include <QApplication>

void TVelkForm::BindSearchCommands()
{
    Search_ = std::make_unique<TSearchCommands>(TSearchWindow{
        .Host = *this,
        .Binding = *Binding_,
        .Window = *this,
        .SetButtonEnabled = [this](const char* Name, bool Enabled) { Button(Name)->SetEnabled(Enabled); },
        .ListInvalidated =
            [this] {
                Button("sbFindList")->SetEnabled(false);
                Menus_.Item("FdFindList")->SetEnabled(false);
            },
    });
    const auto find = [this] { Search_->FdGoFindClick(); };
    const auto forward = [this] { Search_->FdForwardFindClick(); };
    const auto back = [this] { Search_->FdBackFindClick(); };
    const TCommandBinding items[] = {
        {"FdGoFind", find},
        {"FdForwardFind", forward},
        {"FdBackFind", back},
        {"FdReplace", [this] { Search_->FdReplaceClick(); }},
        {"FdFastReplace", [this] { Search_->FdFastReplaceClick(); }},
        {"FdExtractLine", [this] { FdExtractLineClick(*this, *this); }},
        {"FdGoTop", [this] { Search_->FdGoTopClick(); }},
        {"FdGoBottom", [this] { Search_->FdGoBottomClick(); }},
    };
    BindItems(items);
    Button("sbFind")->OnClick = [find](TObject*) { find(); };
    Button("sbFoward")->OnClick = [forward](TObject*) { forward(); };
    Button("sbBack")->OnClick = [back](TObject*) { back(); };
    BindFindListCommands();
}

void TVelkForm::BindFindListCommands()
{
    FindList_ = std::make_unique<TFindList>(TFindListWindow{
        .Host = *this,
        .Binding = *Binding_,
        .Window = *this,
        .SubIcons = SubIcons_->TreeSubImageList(),
        .SetButtonEnabled = [this](const char* Name, bool Enabled) { Button(Name)->SetEnabled(Enabled); },
        .ListShown = [this](bool Open) { FindListShown(Open); },
        .ListChanged = [this] { FindListChanged(); },
    });
    Search_->OnListSearch = [this] { FindList_->ListSearch(); };
    const auto showList = [this] { FindList_->FdFindListClick(); };
    const auto closeList = [this] { FindList_->sbFListCloseClick(); };
    const TCommandBinding items[] = {
        {"FdFindList", showList},
        {"FdFindListClose", closeList},
        {"TreePagePrev", [this] { StepPage(0); }},
        {"TreePageNext", [this] { StepPage(1); }},
    };
    BindItems(items);
    Button("sbFindList")->OnClick = [showList](TObject*) { showList(); };
    Button("sbFListClose")->OnClick = [closeList](TObject*) { closeList(); };
    Button("sbFListClose")->SetVisible(false);
    // With Ctrl held the buttons go to the sibling above or below; with
    // Shift both fold.
    for (const auto& [name, direction] : {std::pair{"sbPrevPage", 0}, std::pair{"sbNextPage", 1}})
        Button(name)->OnClick = [this, direction](TObject*) {
            const Qt::KeyboardModifiers held = QApplication::keyboardModifiers();
            if (!SearchListState().SearchListOpen && held & Qt::ControlModifier) {
                SearchListState().FindListForward = direction == 1;
                Binding_->SelectRelative(direction + 2);
            } else if (!SearchListState().SearchListOpen && held & Qt::ShiftModifier) {
                SearchListState().FindListForward = direction == 1;
                TreePageFoldClick();
            } else {
                StepPage(direction);
            }
        };
    Menus_.Item("FdFindListClose")->SetEnabled(false);
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
    Menus_.Item("FdFindListClose")->SetEnabled(Open);
    Button("sbFListClose")->SetVisible(Open);
    if (Open) {
        Button("sbPrevPage")->SetHint(QString::fromUtf8("上のページを閲覧（検索リスト）"));
        Button("sbNextPage")->SetHint(QString::fromUtf8("下のページを閲覧（検索リスト）"));
        Button("sbFindList")->SetEnabled(false);
        return;
    }
    UpdateButtonHints();
    const bool pages = DataTree_->Items().Count() > 0;
    // A page out in the external editor keeps the document and its pages
    // locked until its text is back.
    const bool free = !OwnExternalEditRunning();
    SetEnabled({{"sbPageNew", free},
                {"sbOpen", free},
                {"sbLoadTreeText", free},
                {"sbIns", true},
                {"sbAdd", true},
                {"sbAddChild", true},
                {"sbPageDel", free},
                {"sbPageDevide", true},
                {"FdGoFind", true},
                {"sbFind", true},
                {"sbFindList", pages},
                {"FdFindList", pages},
                {"pTreeLoadTexToMakePage", true},
                {"FdReplace", true},
                {"FdFastReplace", true},
                {"FileTop", free},
                {"OptionTop", free}});
}

void TVelkForm::FindListChanged()
{
    const bool enabled = !SearchListState().FoundPageList.Empty() && !SearchListState().SearchListOpen;
    Button("sbFindList")->SetEnabled(enabled);
    Menus_.Item("FdFindList")->SetEnabled(enabled);
}

bool TVelkForm::FindListMode() const { return SearchListState().FindListMode; }

void TVelkForm::ShowFindListPage(TTreeNode* Node) { FindList_->ShowFindListPage(Node); }
