// The find and replace commands bound to the menu "検索(&D)", the find
// toolbar and the page keys, and the window's state that follows the
// result list.
#include "FindAndReplace.h"

#include "DockButton.h"
#include "EditorEx.h"
#include "FindAndReplaceHost.h"
#include "FindLineForm.h"
#include "FindList.h"
#include "MainMenus.h"
#include "OutlineBinding.h"
#include "OutlineHost.h"
#include "SearchCommands.h"
#include "SearchListState.h"
#include "TreeView.h"

#include <QApplication>

TFindAndReplace::TFindAndReplace(IFindAndReplaceHost& Host, TFindAndReplaceParts Parts) : Host_(Host), Parts_(Parts)
{
    BindSearchCommands();
    BindFindListCommands();
}

TFindAndReplace::~TFindAndReplace() = default;

void TFindAndReplace::BindSearchCommands()
{
    Search_ = std::make_unique<TSearchCommands>(TSearchWindow{
        .Host = Parts_.Outline,
        .Binding = Parts_.Binding,
        .Window = Parts_.Window,
        .SetSearchAgainEnabled = [this](bool Enabled) { SetSearchAgainEnabled(Enabled); },
        .ListInvalidated = [this] { EnableFindList(false); },
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
        {Cmd::FdExtractLine, [this] { FdExtractLineClick(Parts_.Outline, Parts_.Window); }},
        {Cmd::FdGoTop, [this] { Search_->FdGoTopClick(); }},
        {Cmd::FdGoBottom, [this] { Search_->FdGoBottomClick(); }},
    };
    Parts_.Menus.Bind(items);
    Host_.ToolButton(Cmd::sbFind)->OnClick = [find](TObject*) { find(); };
    Host_.ToolButton(Cmd::sbFoward)->OnClick = [forward](TObject*) { forward(); };
    Host_.ToolButton(Cmd::sbBack)->OnClick = [back](TObject*) { back(); };
}

void TFindAndReplace::BindFindListCommands()
{
    FindList_ = std::make_unique<TFindList>(TFindListWindow{
        .Host = Parts_.Outline,
        .Binding = Parts_.Binding,
        .Window = Parts_.Window,
        .SubIcons = Parts_.SubIcons,
        .SetSearchAgainEnabled = [this](bool Enabled) { SetSearchAgainEnabled(Enabled); },
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
    Parts_.Menus.Bind(items);
    Host_.ToolButton(Cmd::sbFindList)->OnClick = [showList](TObject*) { showList(); };
    TDockButton* closeButton = Host_.ToolButton(Cmd::sbFListClose);
    closeButton->OnClick = [closeList](TObject*) { closeList(); };
    closeButton->SetVisible(false);
    // With Ctrl held the buttons go to the sibling above or below; with
    // Shift both fold.
    for (const auto& [name, direction] : {std::pair{Cmd::sbPrevPage, 0}, std::pair{Cmd::sbNextPage, 1}})
        Host_.ToolButton(name)->OnClick = [this, direction](TObject*) {
            const Qt::KeyboardModifiers held = QApplication::keyboardModifiers();
            if (!SearchListState().SearchListOpen && held & Qt::ControlModifier) {
                SearchListState().FindListForward = direction == 1;
                Parts_.Binding.SelectRelative(direction + 2);
            } else if (!SearchListState().SearchListOpen && held & Qt::ShiftModifier) {
                SearchListState().FindListForward = direction == 1;
                Host_.TreePageFoldClick();
            } else {
                StepPage(direction);
            }
        };
    Parts_.Menus.Item(Cmd::FdFindListClose)->SetEnabled(false);
}

void TFindAndReplace::SetSearchAgainEnabled(bool Enabled)
{
    for (const TCommandId button : {Cmd::sbFoward, Cmd::sbBack})
        Host_.ToolButton(button)->SetEnabled(Enabled);
}

void TFindAndReplace::StepPage(int Direction)
{
    Parts_.Outline.ActiveEditor()->setFocus();
    TSearchListState& state = SearchListState();
    state.FindListForward = Direction == 1;
    if (state.SearchListOpen) {
        FindList_->StepFindList(Direction);
        if (Parts_.Outline.BrowseViewOn())
            Parts_.Outline.DataMemo()->setFocus();
    } else {
        Parts_.Binding.SelectRelative(Direction);
    }
}

void TFindAndReplace::FindListShown(bool Open)
{
    Parts_.Menus.Item(Cmd::FdFindListClose)->SetEnabled(Open);
    Host_.ToolButton(Cmd::sbFListClose)->SetVisible(Open);
    if (Open) {
        Host_.ToolButton(Cmd::sbPrevPage)->SetHint(QString::fromUtf8("上のページを閲覧（検索リスト）"));
        Host_.ToolButton(Cmd::sbNextPage)->SetHint(QString::fromUtf8("下のページを閲覧（検索リスト）"));
        Host_.ToolButton(Cmd::sbFindList)->SetEnabled(false);
        return;
    }
    Host_.UpdateButtonHints();
    const bool pages = Parts_.DataTree.Items().Count() > 0;
    // A page out in the external editor keeps the document and its pages
    // locked until its text is back.
    const bool free = !Host_.OwnExternalEditRunning();
    Host_.SetEnabled({{Cmd::sbPageNew, free},
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

void TFindAndReplace::FindListChanged()
{
    EnableFindList(!SearchListState().FoundPageList.Empty() && !SearchListState().SearchListOpen);
}

void TFindAndReplace::EnableFindList(bool Enabled)
{
    Host_.ToolButton(Cmd::sbFindList)->SetEnabled(Enabled);
    Parts_.Menus.Item(Cmd::FdFindList)->SetEnabled(Enabled);
}
