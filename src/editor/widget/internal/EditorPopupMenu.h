// The editor's default context menu: row marks, undo and redo, the
// clipboard, select all and the box selection mode. Its states are
// computed each time it opens.
#pragma once

#include "VirtualKeys.h"

#include "edPopupClient.h"

#include <QMenu>

#include <array>
#include <functional>

class TEditorPopupMenu : public QMenu {
    Q_OBJECT

public:
    static constexpr int MarkCount = 10;

    explicit TEditorPopupMenu(TEditorPopupClient* Editor, QWidget* Parent = nullptr);

    TEditorPopupClient* Editor() const { return Editor_; }
    void SetEditor(TEditorPopupClient* Value) { Editor_ = Value; }

    // The enabled and checked states from the editor's state and the
    // clipboard's. Runs when the menu is about to show; nothing without an
    // editor.
    void UpdateItems();

    // The items, in menu order. The mark items carry their digit as data.
    QMenu* MarkSetMenu = nullptr;
    std::array<QAction*, MarkCount> MarkSetItems{};
    QMenu* MarkJumpMenu = nullptr;
    std::array<QAction*, MarkCount> MarkJumpItems{};
    QAction* UndoItem = nullptr;
    QAction* RedoItem = nullptr;
    QAction* CutItem = nullptr;
    QAction* CopyItem = nullptr;
    QAction* PasteItem = nullptr;
    QAction* BoxPasteItem = nullptr;
    QAction* DeleteItem = nullptr;
    QAction* SelectAllItem = nullptr;
    QAction* BoxSelectionModeItem = nullptr;

private:
    void CreateItems();
    // An item that runs Command on the editor, when there is one.
    QAction* AddCommand(const char* Caption, TShortCut ShortCut, std::function<void(TEditorPopupClient&)> Command);
    // Deletes row mark Mark from the caret row when the row has it, else
    // puts it there.
    void ToggleRowMark(TEditorPopupClient& Editor, int Mark);

    TEditorPopupClient* Editor_;
};
