// The edit menu's commands and their buttons: the clipboard, undo and redo,
// date and time, aligning and the line commands, all acting on
// the editor that has the user's attention.
#include "EditCommands.h"

#include "AlignLine.h"
#include "Beep.h"
#include "Clipboard.h"
#include "DateTimeForm.h"
#include "Dialogs.h"
#include "EditCommandsHost.h"
#include "EditorEx.h"
#include "EditorQueries.h"
#include "FontToolbar.h"
#include "HourGlass.h"
#include "MainMenus.h"
#include "OutlineBinding.h"
#include "PaneViews.h"
#include "StatusBarTexts.h"
#include "StatusPanel.h"
#include "StrDeleteEtc.h"
#include "SubIni.h"
#include "ToolButtonIds.h"
#include "TreeView.h"

#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QMenu>
#include <QMimeData>
#include <algorithm>

namespace {

bool TextIsEmptyOrCrLf(const TEditorEx& Editor) { return TextEmpty(Editor) || TextIsCrLf(Editor); }

class TAlignAdapter : public textconv::TAlignLineEditor {
public:
    explicit TAlignAdapter(TEditorEx& Editor) : Editor_(Editor) {}
    int Row() const override { return Editor_.Row(); }
    void SetRow(int Row) override { Editor_.SetRow(Row); }
    void SetCol(int Col) override { Editor_.SetCol(Col); }
    int RowToLine(int Row) const override { return Editor_.RowToLine(Row); }
    int LineCount() const override { return Editor_.Lines()->Count(); }
    std::string Line(int Index) const override { return Editor_.Lines()->Strings(Index); }
    void SetLine(int Index, const std::string& Text) override { Editor_.Lines()->SetStrings(Index, Text); }
    int WrapByte() const override { return Editor_.WrapOption()->WrapByte(); }

private:
    TEditorEx& Editor_;
};

} // namespace

TEditCommands::TEditCommands(IEditCommandsHost& Host, TEditCommandsParts Parts) : Host_(Host), Parts_(Parts)
{
    BindCommands();
}

TEditorEx& TEditCommands::Active() const { return *Host_.ActiveEditor(); }

void TEditCommands::BindCommands()
{
    using THandler = std::function<void()>;
    const THandler copy = [this] { EdCopyClick(); };
    const THandler addCopy = [this] { EdAddCopyClick(); };
    const THandler cut = [this] { EdCutClick(); };
    const THandler paste = [this] { EdPasteClick(); };
    const THandler allSel = [this] { EdAllSelClick(); };
    const THandler del = [this] { EdDelClick(); };
    const THandler undo = [this] { EdUndoClick(); };
    const THandler redo = [this] { EdRedoClick(); };
    const THandler reconvert = [this] { EdImeReconvClick(); };
    const THandler left = [this] { AlignLine(textconv::amLeft); };
    const THandler centre = [this] { AlignLine(textconv::amCenter); };
    const THandler right = [this] { AlignLine(textconv::amRight); };
    const TCommandBinding items[] = {
        {Cmd::EdCopy, copy},
        {Cmd::pEdCopy, copy},
        {Cmd::EdAddCopy, addCopy},
        {Cmd::pEdAddCopy, addCopy},
        {Cmd::EdCut, cut},
        {Cmd::pEdCut, cut},
        {Cmd::EdSecondCut, cut},
        {Cmd::EdPaste, paste},
        {Cmd::pEdPaste, paste},
        {Cmd::EdAllSel, allSel},
        {Cmd::pEdAllSel, allSel},
        {Cmd::EdDel, del},
        {Cmd::pEdDel, del},
        {Cmd::EdUndo, undo},
        {Cmd::pEdUndo, undo},
        {Cmd::EdRedo, redo},
        {Cmd::pEdRedo, redo},
        {Cmd::EdImeReconv, reconvert},
        {Cmd::pEdImeReconv, reconvert},
        {Cmd::EdDateCustom, [this] { EdDateCustomClick(); }},
        {Cmd::EdDate, [this] { EdDateClick(); }},
        {Cmd::EdTime, [this] { EdTimeClick(); }},
        {Cmd::EdDateTime, [this] { EdDateTimeClick(); }},
        {Cmd::EdOverWrite, [this] { EdOverWriteClick(); }},
        {Cmd::pEdLineCopy, [this] { pEdLineCopyClick(); }},
        {Cmd::pEdLineCut, [this] { pEdLineCutClick(); }},
        {Cmd::EdLeftPos, left},
        {Cmd::EdCenterPos, centre},
        {Cmd::EdRightPos, right},
        {Cmd::EdFromTop, [this] { EdFromTopClick(); }},
        {Cmd::EdToEnd, [this] { EdToEndClick(); }},
        {Cmd::EdInsRtn, [this] { EdInsRtnClick(); }},
        // What Ctrl+Space and Shift+Space do, for when an input method
        // takes those keys.
        {Cmd::EdIndent, [this] { IndentSelectedLines(true); }},
        {Cmd::EdUnIndent, [this] { IndentSelectedLines(false); }},
        {Cmd::EdParenMark, [this] { Parts_.DataMemo.JumpToBracketPair(); }},
        {Cmd::EdBeforePage,
         [this] {
             if (TTreeNode* before = Parts_.Binding.BeforePageNode())
                 Parts_.DataTree.SetSelected(before);
         }},
        // The sub-icon menu beside the tree, halfway down the editor.
        {Cmd::EdKeyImagePopUp,
         [this] {
             Parts_.Menus.Popup(Cmd::ImagePopupMenu)
                 ->Popup(Parts_.DataTree.width() + Parts_.Window.x() + 20, Active().height() / 2 + Parts_.Window.y());
         }},
        // The row commands of the line menu.
        {Cmd::EdLineDel,
         [this] {
             if (!Active().ReadOnly())
                 Active().DeleteRow(Active().Row());
         }},
        {Cmd::EdLineTop, [this] { Active().SetCol(0); }},
        // The popup's move group: to the first and the last row, and the
        // row-mark menus at the pointer.
        {Cmd::pEdGoTop, [this] { Active().SetRowCol(0, 0); }},
        {Cmd::pEdGoBottom, [this] { Active().SetRowCol(Active().RowCount(), 0); }},
        {Cmd::pEdSetMark, [this] { Parts_.Menus.Item(Cmd::EdSetMarkMenu)->SubMenu()->popup(QCursor::pos()); }},
        {Cmd::pEdJumpMark, [this] { Parts_.Menus.Item(Cmd::EdJumpMarkMenu)->SubMenu()->popup(QCursor::pos()); }},
        {Cmd::FdUndoHitCol, [this] { FdUndoHitColClick(); }},
        {Cmd::EdLineEnd,
         [this] {
             const int line = CaretLine(Active());
             const int length = line < 0 ? 0 : static_cast<int>(Active().Lines()->Strings(line).size());
             Active().SetCol(std::min(length, Parts_.FontToolbar.WrapByteCache()));
         }},
    };
    Parts_.Menus.Bind(items);

    // clang-format off
    const TCommandBinding buttons[] = {
        {Cmd::sbCopy, copy},     {Cmd::sbCut, cut},          {Cmd::sbPaste, paste},     {Cmd::sbUndo, undo}, {Cmd::sbRedo, redo},
        {Cmd::sbLeftStr, left},  {Cmd::sbCenterStr, centre}, {Cmd::sbRigthStr, right},
    };
    // clang-format on
    Host_.BindButtons(buttons);
    BindEditorKeys(Parts_.DataMemo);
}

void TEditCommands::FocusActiveEditor() { Active().setFocus(); }

void TEditCommands::EdCopyClick()
{
    FocusActiveEditor();
    Active().CopyToClipboard();
    Host_.RefreshPasteButton();
    if (Host_.BoxSelectionOn())
        Active().SetSelectionMode(TEditorSelectionMode::smBox);
}

void TEditCommands::EdAddCopyClick()
{
    // The clipboard's text stays as it is, characters Shift-JIS cannot
    // hold included: only the selection is added.
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    const QString before = mime && mime->hasText() ? mime->text() : QString();
    SetProgramClipboardUnicode(before + ClipboardTextOf(Active().SelText()));
    Active().SetSelLength(0);
    Host_.RefreshPasteButton();
    if (Host_.BoxSelectionOn())
        Active().SetSelectionMode(TEditorSelectionMode::smBox);
}

void TEditCommands::EdCutClick()
{
    FocusActiveEditor();
    Active().CutToClipboard();
    Host_.RefreshPasteButton();
}

void TEditCommands::EdPasteClick()
{
    FocusActiveEditor();
    Active().PasteFromClipboard();
    // A pasted first line renames the page at once.
    Parts_.Binding.StorePage(Parts_.DataTree.Selected());
}

void TEditCommands::EdAllSelClick()
{
    if (Active().SelectionMode() == TEditorSelectionMode::smBox) {
        Parts_.BoxSelectionPanel.setText({});
        Parts_.Menus.Item(Cmd::OpBoxSel)->SetChecked(false);
    }
    FocusActiveEditor();
    Active().SelectAll();
}

void TEditCommands::EdDelClick()
{
    FocusActiveEditor();
    if (!Active().ReadOnly())
        Active().DeleteSelection();
}

void TEditCommands::EdUndoClick() { UndoStep(&TEditorEx::Undo); }
void TEditCommands::EdRedoClick() { UndoStep(&TEditorEx::Redo); }

// Undo and redo never act on the read-only browse pane: they go back to
// the page editor.
void TEditCommands::UndoStep(void (TEditorEx::*Step)())
{
    if (Parts_.PaneViews.BrowseViewOn())
        Host_.SetActiveEditor(&Parts_.DataMemo);
    FocusActiveEditor();
    (Active().*Step)();
    Host_.SetEditUndoButtons(Active().CanUndo(), Active().CanRedo());
}

void TEditCommands::EdImeReconvClick()
{
    Parts_.Window.repaint();
    if (auto* editor = dynamic_cast<TEditorEx*>(QApplication::focusWidget()))
        editor->ReconvertSelection();
}

void TEditCommands::EdDateCustomClick()
{
    TDateTimeForm form(&Parts_.Window);
    ShowModal(form);
}

void TEditCommands::InsertDateTime(TDateTimeInsertion Kind)
{
    if (Active().ReadOnly())
        return;
    const std::string text = DateTimeInsertionText(Kind, SettingsVars.IME, Clock_());
    // Empty formats give a blank or a line break at most.
    if (text.find_first_not_of(" \r\n") == std::string::npos)
        Tell("日付・時刻の書式が空です。「日付・時刻の設定」で書式を設定してください。", TMsgDlgType::mtInformation);
    else
        Active().SetSelText(text);
}

void TEditCommands::EdOverWriteClick()
{
    TMenuItem* item = Parts_.Menus.Item(Cmd::EdOverWrite);
    item->SetChecked(!item->Checked());
    Parts_.InsertModePanel.setText(QString::fromStdString(InsertModeText(item->Checked())));
    Active().SetOverWrite(item->Checked());
}

void TEditCommands::CopyCaretLine(bool Cut)
{
    TEditorEx& editor = Active();
    const int line = CaretLine(editor);
    if (TextIsEmptyOrCrLf(editor) || line < 0 || (Cut && editor.ReadOnly()))
        return;
    const std::string text = editor.Lines()->Strings(line);
    SetProgramClipboardText(Cut ? text + "\r\n" : text);
    if (Cut)
        editor.Lines()->Delete(line);
    Host_.RefreshPasteButton();
}

void TEditCommands::AlignLine(int Mode)
{
    if (Active().ReadOnly())
        return;
    TAlignAdapter editor(Active());
    textconv::AlignLine(editor, Mode);
}

void TEditCommands::EdFromTopClick() { DeleteAroundCaret(true); }
void TEditCommands::EdToEndClick() { DeleteAroundCaret(false); }

void TEditCommands::DeleteAroundCaret(bool ToLineStart)
{
    TEditorEx& editor = Active();
    const int row = editor.Row(), col = editor.Col();
    const int line = CaretLine(editor);
    const bool lastRowUnwrapped = !editor.WordWrap() && row >= editor.RowCount() - 1;
    if (editor.ReadOnly() || TextIsEmptyOrCrLf(editor) || line < 0 || lastRowUnwrapped)
        return;
    const std::string text = editor.Lines()->Strings(line);
    const int index = editor.LineCharIndex(row, col);
    if (text.empty() || index < 0)
        return;
    const auto cut = std::min(static_cast<size_t>(index), text.size());
    editor.Lines()->SetStrings(line, ToLineStart ? text.substr(cut) : text.substr(0, cut));
    // The caret's text now starts its line; where that line's first row
    // is, the editor knows (the rows above may have been re-wrapped).
    if (ToLineStart)
        editor.SetRowCol(static_cast<TEditorStrings*>(editor.Lines())->LineToRow(line), 0);
    else
        editor.SetRowCol(row, col);
}

void TEditCommands::IndentSelectedLines(bool In)
{
    TEditorEx& editor = Active();
    if ((Parts_.PaneViews.BrowseViewOn() && &editor != &Parts_.DataMemo) || editor.ReadOnly())
        return;
    // The commands take selected lines only: without any, say so.
    if (!editor.Selected()) {
        Beep();
        return;
    }
    if (In)
        editor.IndentSelection();
    else
        editor.UnIndentSelection();
}

void TEditCommands::EdInsRtnClick()
{
    TEditorEx& editor = Active();
    if (editor.ReadOnly())
        return;
    editor.SetSelLength(0);
    if (Host_.BoxSelectionOn())
        editor.SetSelectionMode(TEditorSelectionMode::smBox);
    editor.SetCol(0);
    editor.InsertString("\r\n");
    editor.SetRowCol(editor.Row() - 1, 0);
}

void TEditCommands::CleanWholeText(TEditorEx& Editor)
{
    if (Editor.ReadOnly())
        return;
    THourGlass busy;
    const std::string text = Editor.GetText();
    Editor.SelectAll();
    Editor.SetSelText(
        textconv::DeleteRepeatedEmptyLines(textconv::DeleteTrailingBlanks(textconv::DeleteLeadingSpace(text))));
    Host_.MarkModified();
}

// The hits stay found: the next find shows them again.
void TEditCommands::FdUndoHitColClick()
{
    for (TEditorEx* editor : {&Parts_.DataMemo, Parts_.PaneViews.SecondEditor()})
        if (editor)
            editor->ExMarks()->FindMark()->SetVisible(false);
}
