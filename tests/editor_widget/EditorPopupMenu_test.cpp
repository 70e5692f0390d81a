// The editor's default context menu: what its items do to the editor, and
// the editor hearing the keys of items its owner adds or changes.
#include "EditorPopupMenu.h"

#include "EditorDriver.h"

#include "SysUtils.h"

#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class TFakeEditor : public TEditorPopupClient {
public:
    int SelLength() const override { return Selected; }
    bool ReadOnly() const override { return IsReadOnly; }
    bool CanUndo() const override { return Undoable; }
    bool CanRedo() const override { return Redoable; }
    int GetTextLen() const override { return TextLength; }
    TEditorSelectionMode SelectionMode() const override { return Mode; }
    void SetSelectionMode(TEditorSelectionMode Value) override { Mode = Value; }
    uint16_t RowMarksInUse() const override { return MarksInUse; }
    int Row() const override { return CaretRow; }
    uint16_t RowMarks(int ARow) const override { return ARow == CaretRow ? CaretRowMarks : 0; }

    void Undo() override { Calls.push_back("Undo"); }
    void Redo() override { Calls.push_back("Redo"); }
    void CutToClipboard() override { Calls.push_back("Cut"); }
    void CopyToClipboard() override { Calls.push_back("Copy"); }
    void PasteFromClipboard() override { Calls.push_back("Paste"); }
    void PasteBoxFromClipboard() override { Calls.push_back("PasteBox"); }
    void ClearSelection() override { Calls.push_back("Clear"); }
    void SelectAll() override { Calls.push_back("SelectAll"); }
    void PutRowMark(int ARow, int Mark) override { Calls.push_back(Format("Put %d %d", ARow, Mark)); }
    void DeleteRowMark(int ARow, int Mark) override { Calls.push_back(Format("Delete %d %d", ARow, Mark)); }
    void GotoRowMark(int Mark) override { Calls.push_back(Format("Goto %d", Mark)); }

    int Selected = 0;
    bool IsReadOnly = false;
    bool Undoable = false;
    bool Redoable = false;
    int TextLength = 0;
    TEditorSelectionMode Mode = TEditorSelectionMode::smLine;
    uint16_t MarksInUse = 0;
    int CaretRow = 3;
    uint16_t CaretRowMarks = 0;
    std::vector<std::string> Calls;
};

class EditorPopupMenu : public testing::Test {
protected:
    void SetClipboardText(const QString& Text) { QApplication::clipboard()->setText(Text); }

    TFakeEditor Editor;
    TEditorPopupMenu Menu{&Editor};
};

TEST_F(EditorPopupMenu, ItemsRunTheirCommandsOnlyWhenEnabled)
{
    SetClipboardText(QString::fromUtf8("一\n二"));
    Editor.Selected = 1;
    Editor.Undoable = Editor.Redoable = true;
    Editor.TextLength = 1;
    Editor.CaretRowMarks = 1 << 4;
    Menu.UpdateItems();
    for (QAction* item : {Menu.UndoItem, Menu.RedoItem, Menu.CutItem, Menu.CopyItem, Menu.PasteItem,
                          Menu.BoxPasteItem, Menu.DeleteItem, Menu.SelectAllItem, Menu.MarkSetItems[4],
                          Menu.MarkSetItems[5], Menu.MarkJumpItems[7]})
        item->trigger();
    EXPECT_EQ(Editor.Calls, (std::vector<std::string>{"Undo", "Redo", "Cut", "Copy", "Paste", "PasteBox", "Clear",
                                                       "SelectAll", "Delete 3 4", "Put 3 5", "Goto 7"}));

    // Disabled items, or no editor, do nothing.
    Editor.Calls.clear();
    Editor.IsReadOnly = true;
    Editor.TextLength = 0;
    Menu.UpdateItems();
    Menu.UndoItem->trigger();
    Menu.SetEditor(nullptr);
    Menu.UpdateItems();
    Menu.SelectAllItem->trigger();
    Menu.MarkSetItems[1]->trigger();
    EXPECT_FALSE(Menu.SelectAllItem->isEnabled());
    EXPECT_TRUE(Editor.Calls.empty());
}

TEST(EditorPopupMenuKeys, ItemsAddedChangedOrRemovedLaterAnswerTheirKeys)
{
    edtest::TEditorDriver ed;
    auto* menu = ed->findChild<TEditorPopupMenu*>();
    ASSERT_NE(menu, nullptr);
    ed.SetText("ab");
    // A key before the item exists.
    ed.Key(Qt::Key_J, Qt::ControlModifier);

    int runs = 0;
    QAction* item = menu->addMenu("more")->addAction("count");
    // Only the editor may run it, never Qt's own shortcut handling.
    item->setShortcutContext(Qt::WidgetShortcut);
    item->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
    QObject::connect(item, &QAction::triggered, [&] { ++runs; });
    ed.Key(Qt::Key_J, Qt::ControlModifier);
    EXPECT_EQ(runs, 1);

    item->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
    ed.Key(Qt::Key_J, Qt::ControlModifier);
    EXPECT_EQ(runs, 1);
    ed.Key(Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(runs, 2);

    delete item;
    ed.Key(Qt::Key_L, Qt::ControlModifier);
    EXPECT_EQ(runs, 2);
    EXPECT_EQ(ed.Text(), "ab");
}

} // namespace
