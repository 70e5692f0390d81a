// The editor's default context menu: what its items do to the editor, and
// the editor hearing the keys of items its owner adds or changes.
#include "EditorPopupMenu.h"

#include "EditorDriver.h"

#include <QKeySequence>
#include <gtest/gtest.h>

namespace {

class EditorPopupMenu : public testing::Test {
protected:
    void SetUp() override
    {
        menu = ed->findChild<TEditorPopupMenu*>();
        ASSERT_NE(menu, nullptr);
    }
    // Runs Item as the user can: only when enabled once the menu opens.
    void Run(QAction* Item)
    {
        menu->UpdateItems();
        ASSERT_TRUE(Item->isEnabled());
        Item->trigger();
    }

    edtest::TEditorDriver ed;
    TEditorPopupMenu* menu = nullptr;
};

TEST_F(EditorPopupMenu, ItemsRunTheirCommandsOnlyWhenEnabled)
{
    ed.SetText("abc\r\ndef\r\n");
    Run(menu->SelectAllItem);
    EXPECT_EQ(ed->SelText(), "abc\r\ndef\r\n");
    Run(menu->CopyItem);
    Run(menu->DeleteItem);
    EXPECT_EQ(ed.Text(), "");
    Run(menu->BoxPasteItem);
    EXPECT_EQ(ed.Text(), "abc\r\ndef\r\n");
    Run(menu->UndoItem);
    EXPECT_EQ(ed.Text(), "");
    Run(menu->RedoItem);
    EXPECT_EQ(ed.Text(), "abc\r\ndef\r\n");
    ed.Select({0, 0}, {0, 2});
    Run(menu->CutItem);
    EXPECT_EQ(ed.Text(), "c\r\ndef\r\n");
    Run(menu->PasteItem);
    EXPECT_EQ(ed.Text(), "abc\r\ndef\r\n");

    // A mark item toggles the caret row's mark; its jump item goes there.
    ed->SetRow(1);
    Run(menu->MarkSetItems[4]);
    EXPECT_EQ(ed->RowMarks(1), 1 << 4);
    ed->SetRow(0);
    Run(menu->MarkJumpItems[4]);
    EXPECT_EQ(ed->Row(), 1);
    Run(menu->MarkSetItems[4]);
    EXPECT_EQ(ed->RowMarks(1), 0);
    // And by their keys: Shift+Ctrl+3 puts mark 3, Ctrl+3 jumps to it.
    ed.SetText("a\r\nb\r\nc\r\n");
    ed->SetRow(2);
    ed.Key(Qt::Key_3, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(ed->RowMarks(2), 1 << 3);
    ed->SetRow(0);
    ed.Key(Qt::Key_3, Qt::ControlModifier);
    EXPECT_EQ(ed->Row(), 2);

    // Disabled items, or no editor, do nothing.
    ed->SetReadOnly(true);
    menu->UpdateItems();
    EXPECT_FALSE(menu->PasteItem->isEnabled());
    EXPECT_FALSE(menu->UndoItem->isEnabled());
    menu->SetEditor(nullptr);
    menu->MarkSetItems[1]->trigger();
    menu->SelectAllItem->trigger();
    EXPECT_EQ(ed->RowMarksInUse(), 1 << 3);
    EXPECT_FALSE(ed->Selected());
    EXPECT_EQ(ed.Text(), "a\r\nb\r\nc\r\n");
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
