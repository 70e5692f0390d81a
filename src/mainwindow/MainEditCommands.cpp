// The edit menu's commands and their buttons: the clipboard, undo and redo,
// date and time, aligning and the line commands, all acting on
// the editor that has the user's attention.
#include "Main.h"

#include "AlignLine.h"
#include "Beep.h"
#include "Clipboard.h"
#include "DateTimeForm.h"
#include "Dialogs.h"
#include "DockButton.h"
#include "EditKeys.h"
#include "EditModes.h"
#include "EditorEx.h"
#include "EditorQueries.h"
#include "FontToolbar.h"
#include "HourGlass.h"
#include "OutlineBinding.h"
#include "StatusBarTexts.h"
#include "StatusPanel.h"
#include "StrDeleteEtc.h"
#include "Strings.h"
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

// The caret's logical line through the editor's own row mapping; -1 past
// the last line.
int CaretLogicalLine(const TEditorEx& Editor)
{
    const int line = Editor.RowToLine(Editor.Row());
    return line < Editor.Lines()->Count() ? line : -1;
}

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

void TVelkForm::BindEditCommands()
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
    std::vector<TCommandBinding> items = {
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
        {Cmd::EdParenMark, [this] { DataMemo_->JumpToBracketPair(); }},
        {Cmd::EdBeforePage,
         [this] {
             if (TTreeNode* before = Binding_->BeforePageNode())
                 DataTree_->SetSelected(before);
         }},
        // The sub-icon menu beside the tree, halfway down the editor.
        {Cmd::EdKeyImagePopUp,
         [this] {
             Menus_.Popup(Cmd::ImagePopupMenu)->Popup(DataTree_->width() + x() + 20, ActiveEditor_->height() / 2 + y());
         }},
        // The row commands of the line menu.
        {Cmd::EdLineDel,
         [this] {
             if (!ActiveEditor_->ReadOnly())
                 ActiveEditor_->DeleteRow(ActiveEditor_->Row());
         }},
        {Cmd::EdLineTop, [this] { ActiveEditor_->SetCol(0); }},
        // The popup's move group: to the first and the last row, and the
        // row-mark menus at the pointer.
        {Cmd::pEdGoTop, [this] { ActiveEditor_->SetRowCol(0, 0); }},
        {Cmd::pEdGoBottom, [this] { ActiveEditor_->SetRowCol(ActiveEditor_->RowCount(), 0); }},
        {Cmd::pEdSetMark, [this] { Menus_.Item(Cmd::EdSetMarkMenu)->SubMenu()->popup(QCursor::pos()); }},
        {Cmd::pEdJumpMark, [this] { Menus_.Item(Cmd::EdJumpMarkMenu)->SubMenu()->popup(QCursor::pos()); }},
        {Cmd::FdUndoHitCol, [this] { FdUndoHitColClick(); }},
        {Cmd::EdLineEnd,
         [this] {
             const int line = CaretLogicalLine(*ActiveEditor_);
             const int length = line < 0 ? 0 : static_cast<int>(ActiveEditor_->Lines()->Strings(line).size());
             ActiveEditor_->SetCol(std::min(length, FontToolbar_->WrapByteCache()));
         }},
    };
    for (const TEditModeInfo* mode = EditModes(); mode != EditModes() + EditModeCount; ++mode) {
        items.push_back({mode->Item, [this, value = mode->Value] { SwitchEditMode(value); }});
        TMenuItem* item = Menus_.Item(mode->Item);
        item->SetRadioItem(true);
        item->SetGroupIndex(1);
    }
    Menus_.Item(Cmd::subText)->SetChecked(true);
    BindItems(items);

    // clang-format off
    const TCommandBinding buttons[] = {
        {Cmd::sbCopy, copy},     {Cmd::sbCut, cut},          {Cmd::sbPaste, paste},     {Cmd::sbUndo, undo}, {Cmd::sbRedo, redo},
        {Cmd::sbLeftStr, left},  {Cmd::sbCenterStr, centre}, {Cmd::sbRigthStr, right},
    };
    // clang-format on
    BindButtons(buttons);
    BindEditorKeys(*DataMemo_);
}

void TVelkForm::FocusActiveEditor() { ActiveEditor_->setFocus(); }

void TVelkForm::RefreshPasteButton()
{
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    ClipboardHasText_ = mime && mime->hasText();
    Button(Cmd::sbPaste)->SetEnabled(PasteEnabled());
}

void TVelkForm::EdCopyClick()
{
    FocusActiveEditor();
    ActiveEditor_->CopyToClipboard();
    RefreshPasteButton();
    if (BoxSelectionOn())
        ActiveEditor_->SetSelectionMode(TEditorSelectionMode::smBox);
}

void TVelkForm::EdAddCopyClick()
{
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    std::string text;
    if (mime && mime->hasText()) {
        int unmapped = 0;
        text = SjisOfClipboardText(mime->text(), unmapped);
    }
    SetProgramClipboardText(text + ActiveEditor_->SelText());
    ActiveEditor_->SetSelLength(0);
    RefreshPasteButton();
    if (BoxSelectionOn())
        ActiveEditor_->SetSelectionMode(TEditorSelectionMode::smBox);
}

void TVelkForm::EdCutClick()
{
    FocusActiveEditor();
    ActiveEditor_->CutToClipboard();
    RefreshPasteButton();
}

void TVelkForm::EdPasteClick()
{
    FocusActiveEditor();
    ActiveEditor_->PasteFromClipboard();
    // A pasted first line renames the page at once.
    Binding_->StorePage(DataTree_->Selected());
}

void TVelkForm::EdAllSelClick()
{
    if (ActiveEditor_->SelectionMode() == TEditorSelectionMode::smBox) {
        StatusPanels_[5]->setText({});
        Menus_.Item(Cmd::OpBoxSel)->SetChecked(false);
    }
    FocusActiveEditor();
    ActiveEditor_->SelectAll();
}

void TVelkForm::EdDelClick()
{
    FocusActiveEditor();
    if (!ActiveEditor_->ReadOnly())
        ActiveEditor_->DeleteSelection();
}

// Undo and redo never act on the read-only browse pane: they go back to
// the page editor.
void TVelkForm::EdUndoClick()
{
    if (BrowseViewOn())
        ActiveEditor_ = DataMemo_;
    FocusActiveEditor();
    ActiveEditor_->Undo();
    SetEditUndoButtons(ActiveEditor_->CanUndo(), ActiveEditor_->CanRedo());
}

void TVelkForm::EdRedoClick()
{
    if (BrowseViewOn())
        ActiveEditor_ = DataMemo_;
    FocusActiveEditor();
    ActiveEditor_->Redo();
    SetEditUndoButtons(ActiveEditor_->CanUndo(), ActiveEditor_->CanRedo());
}

void TVelkForm::EdImeReconvClick()
{
    repaint();
    if (auto* editor = dynamic_cast<TEditorEx*>(QApplication::focusWidget()))
        editor->ReconvertSelection();
}

void TVelkForm::EdDateCustomClick()
{
    TDateTimeForm form(this);
    ShowModal(form);
}

void TVelkForm::InsertDateTime(TDateTimeInsertion Kind)
{
    if (ActiveEditor_->ReadOnly())
        return;
    const std::string text = DateTimeInsertionText(Kind, SettingsVars.IME, Clock_());
    // Empty formats give a blank or a line break at most.
    if (text.find_first_not_of(" \r\n") == std::string::npos)
        Tell("日付・時刻の書式が空です。「日付・時刻の設定」で書式を設定してください。", TMsgDlgType::mtInformation);
    else
        ActiveEditor_->SetSelText(text);
}

void TVelkForm::EdOverWriteClick()
{
    TMenuItem* item = Menus_.Item(Cmd::EdOverWrite);
    item->SetChecked(!item->Checked());
    StatusPanels_[3]->setText(QString::fromStdString(InsertModeText(item->Checked())));
    ActiveEditor_->SetOverWrite(item->Checked());
}

void TVelkForm::CopyCaretLine(bool Cut)
{
    TEditorEx& editor = *ActiveEditor_;
    const int line = CaretLogicalLine(editor);
    if (TextIsEmptyOrCrLf(editor) || line < 0 || (Cut && editor.ReadOnly()))
        return;
    const std::string text = editor.Lines()->Strings(line);
    SetProgramClipboardText(Cut ? text + "\r\n" : text);
    if (Cut)
        editor.Lines()->Delete(line);
    RefreshPasteButton();
}

void TVelkForm::AlignLine(int Mode)
{
    if (ActiveEditor_->ReadOnly())
        return;
    TAlignAdapter editor(*ActiveEditor_);
    textconv::AlignLine(editor, Mode);
}

void TVelkForm::EdFromTopClick() { DeleteAroundCaret(true); }
void TVelkForm::EdToEndClick() { DeleteAroundCaret(false); }

void TVelkForm::DeleteAroundCaret(bool ToLineStart)
{
    TEditorEx& editor = *ActiveEditor_;
    const int row = editor.Row(), col = editor.Col();
    const int line = CaretLogicalLine(editor);
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

void TVelkForm::IndentSelectedLines(bool In)
{
    TEditorEx& editor = *ActiveEditor_;
    if ((BrowseViewOn() && &editor != DataMemo_) || editor.ReadOnly())
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

void TVelkForm::EdInsRtnClick()
{
    TEditorEx& editor = *ActiveEditor_;
    if (editor.ReadOnly())
        return;
    editor.SetSelLength(0);
    if (BoxSelectionOn())
        editor.SetSelectionMode(TEditorSelectionMode::smBox);
    editor.SetCol(0);
    editor.InsertString("\r\n");
    editor.SetRowCol(editor.Row() - 1, 0);
}

void TVelkForm::CleanWholeText(TEditorEx& Editor)
{
    if (Editor.ReadOnly())
        return;
    THourGlass busy;
    const std::string text = Editor.GetText();
    Editor.SelectAll();
    Editor.SetSelText(
        textconv::DeleteRepeatedEmptyLines(textconv::DeleteTrailingBlanks(textconv::DeleteLeadingSpace(text))));
    MarkModified();
}

// The hits stay found: the next find shows them again.
void TVelkForm::FdUndoHitColClick()
{
    for (TEditorEx* editor : {DataMemo_, SecondEditor()})
        if (editor)
            editor->ExMarks()->FindMark()->SetVisible(false);
}
