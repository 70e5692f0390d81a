// The edit menu's commands and their buttons (the clipboard, undo and redo,
// date and time, aligning, the line commands), all acting on the pane that
// has the user's attention; and the window's own keys in the page editor.
#pragma once

#include "DateTimeText.h"
#include "VirtualKeys.h"

#include <cstdint>
#include <functional>

class IEditCommandsHost;
class QWidget;
class TEditorEx;
class TFontToolbar;
class TObject;
class TOutlineBinding;
class TPaneViews;
class TStatusPanel;
class TTreeView;
class TVelkMenus;

// The window's parts the edit commands work on; they outlive the commands.
struct TEditCommandsParts {
    // The date and time dialog's parent; the sub-icon menu opens beside it.
    QWidget& Window;
    TVelkMenus& Menus;
    TEditorEx& DataMemo;
    TTreeView& DataTree;
    TOutlineBinding& Binding;
    TPaneViews& PaneViews;
    // EdLineEnd stops at the wrap column the font toolbar last applied.
    TFontToolbar& FontToolbar;
    // The status bar's insert mode and box selection panels.
    TStatusPanel& InsertModePanel;
    TStatusPanel& BoxSelectionPanel;
};

class TEditCommands {
public:
    // Binds the edit commands, their buttons and the page editor's keys.
    TEditCommands(IEditCommandsHost& Host, TEditCommandsParts Parts);

    // The clock the date and time commands read.
    void SetClock(std::function<TDateTimeParts()> Clock) { Clock_ = std::move(Clock); }

    // ---- Commands ----
    void EdCopyClick();
    void EdAddCopyClick();
    void EdCutClick();
    void EdPasteClick();
    void EdAllSelClick();
    void EdDelClick();
    void EdUndoClick();
    void EdRedoClick();
    void EdImeReconvClick();
    void EdDateCustomClick();
    void EdDateClick() { InsertDateTime(TDateTimeInsertion::Date); }
    void EdTimeClick() { InsertDateTime(TDateTimeInsertion::Time); }
    void EdDateTimeClick() { InsertDateTime(TDateTimeInsertion::DateTime); }
    void EdOverWriteClick();
    void pEdLineCopyClick() { CopyCaretLine(false); }
    void pEdLineCutClick() { CopyCaretLine(true); }
    void AlignLine(int Mode);
    void EdFromTopClick();
    void EdToEndClick();
    void EdInsRtnClick();
    // Hides the find hits in both panes.
    void FdUndoHitColClick();

    // ---- The page editor's keys ----
    void DataMemoKeyDown(TObject* Sender, uint16_t& Key, TShiftState Shift);
    void DataMemoKeyPress(TObject* Sender, char& Key);

private:
    void BindCommands();
    void BindEditorKeys(TEditorEx& Editor);
    TEditorEx& Active() const;
    void FocusActiveEditor();
    // Undo or redo (Step) in the page's editor, and the buttons follow.
    void UndoStep(void (TEditorEx::*Step)());
    void InsertDateTime(TDateTimeInsertion Kind);
    void CopyCaretLine(bool Cut);
    void DeleteAroundCaret(bool ToLineStart);
    void IndentSelectedLines(bool In);
    void AutoIndentReturn(TEditorEx& Editor, bool Shift);
    void CleanWholeText(TEditorEx& Editor);

    IEditCommandsHost& Host_;
    TEditCommandsParts Parts_;
    std::function<TDateTimeParts()> Clock_ = CurrentDateTimeParts;
    // The modifiers of the key whose characters OnKeyPress hears next.
    TShiftState KeyShift_;
};
