// The commands of the menus and the toolbar buttons, bound by name (each
// area of commands binds its own items through BindItems), and the menus'
// states, computed from a snapshot of the window whenever a menu opens or
// a shortcut is about to run one of its items. A menu item whose command
// is not built yet has no handler and stays disabled.
#include "Main.h"

#include "Cp932.h"
#include "DockButton.h"
#include "DocumentFiles.h"
#include "EditorEx.h"
#include "EditorQueries.h"
#include "HelpCommands.h"
#include "MenuLayout.h"
#include "MenuStates.h"
#include "NodeClipboard.h"
#include "OpenMenuList.h"
#include "OutlineBinding.h"
#include "PageLinks.h"
#include "PageTitle.h"
#include "SearchListState.h"
#include "SubIcons.h"
#include "SubIni.h"
#include "ToolButtonIds.h"
#include "ToolButtonRules.h"
#include "TreeView.h"
#include "WindowParts.h"

#include <QAction>
#include <QIcon>

namespace {

constexpr size_t PageHistoryCaptionBytes = 128;

bool CaretLineHasText(const TEditorEx& Editor)
{
    const int line = CaretLine(Editor);
    return line >= 0 && !Editor.Lines()->Strings(line).empty();
}

} // namespace

void TVelkForm::BindCommands()
{
    using THandler = std::function<void()>;
    // A page added from the tree, a menu or a button is there to be
    // written: the page editor takes the keys.
    const auto thenWrite = [this](void (TOutlineBinding::*Add)()) -> THandler {
        return [this, Add] {
            (Parts_->Binding.get()->*Add)();
            DataMemo_->setFocus();
        };
    };
    const THandler ins = thenWrite(&TOutlineBinding::TreeInsClick);
    const THandler add = thenWrite(&TOutlineBinding::TreeAddClick);
    const THandler addChild = thenWrite(&TOutlineBinding::TreeAddChildClick);
    const THandler back = [this] { Parts_->Binding->PageBack(-1); };
    const THandler forward = [this] { Parts_->Binding->PageForward(-1); };
    // clang-format off
    const TCommandBinding items[] = {
        {Cmd::FlExit, [this] { FlExitClick(); }},
        {Cmd::TreeIns, ins},         {Cmd::pTreeIns, ins},         {Cmd::TreeAdd, add},
        {Cmd::pTreeAdd, add},        {Cmd::TreeAddChild, addChild}, {Cmd::pTreeAddChild, addChild},
        {Cmd::TreePageUndo, back},   {Cmd::TreePageRedo, forward},
    };
    // clang-format on
    // Every command item starts disabled; the bound ones are enabled by
    // their menu's state computation.
    for (const TMenuEntry& entry : MenuLayout())
        if (entry.Kind == TMenuEntryKind::Command || entry.Kind == TMenuEntryKind::Twin
            || entry.Kind == TMenuEntryKind::Item)
            Menus_.Item(entry.Id)->SetEnabled(false);
    BindItems(items);
    for (const TMenuEntry& entry : MenuLayout())
        if (entry.Kind == TMenuEntryKind::Menu)
            Menus_.Item(entry.Id)->OnClick = [this](TObject* Sender) { ComputeMenuStates(Sender); };

    const TCommandBinding buttons[] = {
        {Cmd::sbIns, ins},       {Cmd::sbAdd, add},          {Cmd::sbAddChild, addChild},
        {Cmd::sbPageUndo, back}, {Cmd::sbPageRedo, forward},
    };
    BindButtons(buttons);
}

void TVelkForm::BindButtons(std::span<const TCommandBinding> Buttons) const
{
    for (const auto& [id, handler] : Buttons)
        Button(id)->OnClick = [handler](TObject*) { handler(); };
}

void TVelkForm::ComputeMenuStates(TObject* Sender)
{
    using TStates = TEnablings (*)(const TMenuSnapshot&);
    static const std::pair<TCommandId, TStates> menus[] = {
        {Cmd::FileTop, FileMenuStates}, {Cmd::TreeTop, TreeMenuStates},     {Cmd::EditTop, EditMenuStates},
        {Cmd::FindTop, FindMenuStates}, {Cmd::OptionTop, OptionMenuStates}, {Cmd::HelpTop, HelpMenuStates},
    };
    const auto* item = dynamic_cast<const TMenuItem*>(Sender);
    for (const auto& [menu, states] : menus)
        if (item == Menus_.Item(menu)) {
            TMenuSnapshot snapshot = MenuSnapshot(menu == Cmd::TreeTop);
            // Only the help menu asks the disk whether the sample may open.
            snapshot.SampleAvailable = menu == Cmd::HelpTop && Parts_->HelpCommands->SampleAvailable();
            ApplyMenuStates(states(snapshot));
        }
}

// A state reaches a button, or an item that has something to run: an item
// whose command is not built yet stays disabled.
void TVelkForm::ApplyMenuStates(const TEnablings& States)
{
    for (const TEnabling& state : States) {
        if (TDockButton* button = FindButton(state.Id)) {
            button->SetEnabled(state.Enabled);
            continue;
        }
        TMenuItem* item = Menus_.Item(state.Id);
        item->SetEnabled(state.Enabled && (item->OnClick || item->Count() > 0));
    }
}

// Asking the clipboard may wait on another program, so only the tree
// menu, whose paste depends on it, asks.
TMenuSnapshot TVelkForm::MenuSnapshot(bool AskClipboard) const
{
    TMenuSnapshot s;
    for (const auto& [id, button] : Parts_->Buttons)
        if (button->Enabled())
            s.Buttons.AddInOrder(id);
    const TEditorEx& editor = *ActiveEditor_;
    const TTreeNode* selected = DataTree_->Selected();
    s.BrowseView = BrowseViewOn();
    s.BrowsePaneActive = s.BrowseView && ActiveEditor_ != DataMemo_;
    s.SelLength = editor.SelLength();
    s.LineSelection = editor.SelectionMode() == TEditorSelectionMode::smLine;
    s.CanUndo = editor.CanUndo();
    s.CanRedo = editor.CanRedo();
    s.TextEmpty = TextEmpty(editor);
    s.CaretLineHasText = CaretLineHasText(editor);
    s.Modified = editor.Modified();
    s.EditMode = EditMode();
    s.NodeSelected = selected != nullptr;
    s.NodeHasPage = selected && selected->Data();
    s.SelChildCount = selected ? selected->Count() : 0;
    s.SelHasNextSibling = selected && selected->getNextSibling();
    s.NodeCount = DataTree_->Items().Count();
    s.HasFileName = Parts_->DocumentFiles->HasFileName();
    s.ExtEditor = SettingsVars.ExtEditor;
    s.ClipMode = ClippingOn();
    s.TreeDispChecked = Menus_.Item(Cmd::TreeDisp)->Checked();
    s.TreePanelVisible = PanelL_->isVisible();
    s.ClipboardHasPages = AskClipboard && ClipboardHasNodeData();
    s.SearchListOpen = SearchListState().SearchListOpen;
    s.FindListCloseVisible = Button(Cmd::sbFListClose)->Visible();
    s.HistoryEmpty = Parts_->DocumentFiles->History().Paths().empty();
    s.TreeHistoryEmpty = Parts_->DocumentFiles->TreeHistory().Paths().empty();
    s.OtherHelpSet = !SettingsVars.OtherHelp.empty();
    s.PageLinkChooserOpen = Parts_->PageLinks->PageLinkChooser() != nullptr;
    s.SubIconFinderClosed = Parts_->SubIcons->SubIconFinder() == nullptr;
    return s;
}

// The editor's popup shows the edit menu's states and leaves the focus in
// the editor it was opened on.
void TVelkForm::EditPopupMenuPopup()
{
    ApplyMenuStates(EditMenuStates(MenuSnapshot(false)));
    ActiveEditor_->setFocus();
}

void TVelkForm::BindPopups()
{
    TPopupMenu* editPopup = Menus_.Popup(Cmd::EditPopupMenu);
    TPopupMenu* treePopup = Menus_.Popup(Cmd::TreePopupMenu);
    editPopup->OnPopup = [this](TObject*) { EditPopupMenuPopup(); };
    treePopup->OnPopup = [this](TObject*) { ApplyMenuStates(TreeMenuStates(MenuSnapshot(true))); };
    // The editor and the tree draw in their viewports, where a right click
    // lands; the keys go to the widgets themselves.
    for (QWidget* control : {static_cast<QWidget*>(DataMemo_), DataMemo_->viewport()})
        SetPopupMenu(*control, editPopup);
    for (QWidget* control : {static_cast<QWidget*>(DataTree_), DataTree_->viewport()})
        SetPopupMenu(*control, treePopup);
    SetPopupMenu(*Button(Cmd::sbImage), Menus_.Popup(Cmd::ImagePopupMenu));

    for (const TPageHistoryMenu which : {TPageHistoryMenu::UndoPopup, TPageHistoryMenu::RedoPopup}) {
        const bool undo = which == TPageHistoryMenu::UndoPopup;
        TPopupMenu* popup = Menus_.Popup(undo ? Cmd::UndoPopup : Cmd::RedoPopup);
        popup->OnPopup = [this, which](TObject*) { BuildPageHistoryMenu(which); };
    }
}

// The drop-down menus of the page-history buttons list their pages newest
// first, each with its sub-icon.
void TVelkForm::BuildPageHistoryMenu(TPageHistoryMenu Which)
{
    const bool undo = Which == TPageHistoryMenu::UndoPopup;
    TMenuItem& root = Menus_.Popup(undo ? Cmd::UndoPopup : Cmd::RedoPopup)->Items();
    root.Clear();
    const std::vector<TTreeNode*>& list =
        undo ? Parts_->Binding->History().BackList() : Parts_->Binding->History().ForwardList();
    for (auto node = list.rbegin(); node != list.rend(); ++node) {
        const int index = root.Count();
        // A long title is cut, never inside a double-byte character.
        const std::string_view title = CopyLeftDbcs((*node)->Text(), PageHistoryCaptionBytes);
        TMenuItem* item =
            root.Add({}, EscapeMenuCaption(QString::fromStdString(SjisToUtf8(title))),
                     [this, Which, index](TObject*) { Parts_->Binding->PageHistoryMenuClick(Which, index); });
        item->Action()->setIcon(Parts_->SubIcons->SubIconPicture((*node)->StateIndex()));
    }
}
