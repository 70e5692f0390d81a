// The commands of the menus and the toolbar buttons, bound by name (each
// area of commands binds its own items through BindItems), and the menus'
// states. A menu item whose command is not built yet
// has no handler and stays disabled.
#include "Main.h"

#include "Cp932.h"
#include "DockButton.h"
#include "MenuLayout.h"
#include "EditorEx.h"
#include "TreeView.h"

namespace {

// Menu items that run the same command as a toolbar button, and so share
// its enabled state.
constexpr std::pair<std::string_view, std::string_view> ItemButtons[] = {
    {"FlNew", "sbPageNew"},       {"FlSave", "sbSave"},           {"TreeIns", "sbIns"},
    {"pTreeIns", "sbIns"},        {"TreeAdd", "sbAdd"},           {"pTreeAdd", "sbAdd"},
    {"TreeAddChild", "sbAddChild"}, {"pTreeAddChild", "sbAddChild"}, {"TreePageUndo", "sbPageUndo"},
    {"TreePageRedo", "sbPageRedo"}, {"EdUndo", "sbUndo"},         {"pEdUndo", "sbUndo"},
    {"EdRedo", "sbRedo"},         {"pEdRedo", "sbRedo"},          {"EdCopy", "sbCopy"},
    {"pEdCopy", "sbCopy"},        {"EdCut", "sbCut"},             {"pEdCut", "sbCut"},
    {"EdPaste", "sbPaste"},       {"pEdPaste", "sbPaste"},
};

} // namespace

void TVelkForm::BindCommands()
{
    using THandler = std::function<void()>;
    const THandler newFile = [this] { FlNewClick(); };
    const THandler save = [this] { FlSaveClick(); };
    const THandler ins = [this] { Binding_->TreeInsClick(); };
    const THandler add = [this] { Binding_->TreeAddClick(); };
    const THandler addChild = [this] { Binding_->TreeAddChildClick(); };
    const THandler back = [this] { Binding_->PageBack(-1); };
    const THandler forward = [this] { Binding_->PageForward(-1); };
    const THandler undo = [this] { EdUndoClick(); };
    const THandler redo = [this] { EdRedoClick(); };
    const THandler copy = [this] { EdCopyClick(); };
    const THandler cut = [this] { EdCutClick(); };
    const THandler paste = [this] { EdPasteClick(); };
    const THandler allSel = [this] { EdAllSelClick(); };
    const TCommandBinding items[] = {
        {"FlNew", newFile},       {"FlSave", save},          {"FlOverSave", [this] { FlOverSaveClick(); }},
        {"FlExit", [this] { FlExitClick(); }},
        {"TreeIns", ins},         {"pTreeIns", ins},         {"TreeAdd", add},
        {"pTreeAdd", add},        {"TreeAddChild", addChild}, {"pTreeAddChild", addChild},
        {"TreePageUndo", back},   {"TreePageRedo", forward},
        {"EdUndo", undo},         {"pEdUndo", undo},         {"EdRedo", redo},
        {"pEdRedo", redo},        {"EdCopy", copy},          {"pEdCopy", copy},
        {"EdCut", cut},           {"pEdCut", cut},           {"EdPaste", paste},
        {"pEdPaste", paste},      {"EdAllSel", allSel},      {"pEdAllSel", allSel},
    };
    // Every command item starts disabled; the bound ones are enabled by
    // their menu's state computation.
    for (const TMenuEntry& entry : MenuLayout())
        if (entry.Kind == TMenuEntryKind::Command || entry.Kind == TMenuEntryKind::Twin ||
            entry.Kind == TMenuEntryKind::Item)
            Menus_.Item(entry.Name)->SetEnabled(false);
    BindItems(items);
    for (const TMenuEntry& entry : MenuLayout())
        if (entry.Kind == TMenuEntryKind::Menu)
            Menus_.Item(entry.Name)->OnClick = [this](TObject* Sender) { ComputeMenuStates(Sender); };

    const std::pair<std::string_view, THandler> buttons[] = {
        {"sbPageNew", newFile}, {"sbSave", save}, {"sbIns", ins},     {"sbAdd", add},     {"sbAddChild", addChild},
        {"sbPageUndo", back},   {"sbPageRedo", forward}, {"sbUndo", undo}, {"sbRedo", redo}, {"sbCopy", copy},
        {"sbCut", cut},         {"sbPaste", paste},
    };
    for (const auto& [name, handler] : buttons)
        Button(name)->OnClick = [handler](TObject*) { handler(); };
}

void TVelkForm::BindItems(std::span<const TCommandBinding> Items)
{
    for (const auto& [name, handler] : Items) {
        TMenuItem* item = Menus_.Item(name);
        item->OnClick = [handler](TObject*) { handler(); };
        item->SetEnabled(true);
    }
}

void TVelkForm::ComputeMenuStates(TObject*)
{
    for (const auto& [item, button] : ItemButtons)
        Menus_.Item(item)->SetEnabled(Button(button)->Enabled());
}

void TVelkForm::BindPopups()
{
    TPopupMenu* editPopup = Menus_.Popup("EditPopupMenu");
    TPopupMenu* treePopup = Menus_.Popup("TreePopupMenu");
    editPopup->OnPopup = [this](TObject* Sender) { ComputeMenuStates(Sender); };
    treePopup->OnPopup = [this](TObject* Sender) { ComputeMenuStates(Sender); };
    // The editor and the tree draw in their viewports, where a right click
    // lands; the keys go to the widgets themselves.
    for (QWidget* control : {static_cast<QWidget*>(DataMemo_), DataMemo_->viewport()})
        SetPopupMenu(*control, editPopup);
    for (QWidget* control : {static_cast<QWidget*>(DataTree_), DataTree_->viewport()})
        SetPopupMenu(*control, treePopup);
    SetPopupMenu(*Button("sbImage"), Menus_.Popup("ImagePopupMenu"));

    for (const TPageHistoryMenu which : {TPageHistoryMenu::UndoPopup, TPageHistoryMenu::RedoPopup}) {
        const bool undo = which == TPageHistoryMenu::UndoPopup;
        TPopupMenu* popup = Menus_.Popup(undo ? "UndoPopup" : "RedoPopup");
        popup->OnPopup = [this, which](TObject*) { BuildPageHistoryMenu(which); };
        SetPopupMenu(*Button(undo ? "sbPageUndo" : "sbPageRedo"), popup);
    }
}

// The drop-down menus of the page-history buttons list their pages newest
// first.
void TVelkForm::BuildPageHistoryMenu(TPageHistoryMenu Which)
{
    const bool undo = Which == TPageHistoryMenu::UndoPopup;
    TMenuItem& root = Menus_.Popup(undo ? "UndoPopup" : "RedoPopup")->Items();
    root.Clear();
    const std::vector<TTreeNode*>& list = undo ? BackList() : ForwardList();
    for (auto node = list.rbegin(); node != list.rend(); ++node) {
        const int index = root.Count();
        root.Add({}, EscapeMenuCaption(QString::fromStdString(SjisToUtf8((*node)->Text()))),
                 [this, Which, index](TObject*) { Binding_->PageHistoryMenuClick(Which, index); });
    }
}

void TVelkForm::EdUndoClick() { ActiveEditor_->Undo(); }
void TVelkForm::EdRedoClick() { ActiveEditor_->Redo(); }
void TVelkForm::EdCopyClick() { ActiveEditor_->CopyToClipboard(); }
void TVelkForm::EdCutClick() { ActiveEditor_->CutToClipboard(); }
void TVelkForm::EdPasteClick() { ActiveEditor_->PasteFromClipboard(); }
void TVelkForm::EdAllSelClick() { ActiveEditor_->SelectAll(); }
