#include "EditorPopupMenu.h"


#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

bool ClipboardHasText()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

} // namespace

TEditorPopupMenu::TEditorPopupMenu(TEditorPopupClient* Editor, QWidget* Parent) : QMenu(Parent), Editor_(Editor)
{
    CreateItems();
    connect(this, &QMenu::aboutToShow, this, &TEditorPopupMenu::UpdateItems);
}

QAction* TEditorPopupMenu::AddCommand(const char* Caption, const QKeySequence& Shortcut,
                                      std::function<void(TEditorPopupClient&)> Command)
{
    QAction* item = addAction(QString::fromUtf8(Caption));
    item->setShortcut(Shortcut);
    // The editor handles its keys itself; the menu only shows them.
    item->setShortcutContext(Qt::WidgetShortcut);
    connect(item, &QAction::triggered, this, [this, Command] {
        if (Editor_)
            Command(*Editor_);
    });
    return item;
}

void TEditorPopupMenu::CreateItems()
{
    MarkSetMenu = addMenu(QString::fromUtf8("マーク設定"));
    MarkJumpMenu = addMenu(QString::fromUtf8("マークジャンプ"));
    for (int mark = 0; mark < MarkCount; ++mark) {
        const auto digit = static_cast<Qt::Key>(Qt::Key_0 + mark);
        MarkSetItems[mark] = MarkSetMenu->addAction(QString::number(mark));
        MarkSetItems[mark]->setShortcut(QKeySequence(Qt::SHIFT | Qt::CTRL | digit));
        MarkJumpItems[mark] = MarkJumpMenu->addAction(QString::number(mark));
        MarkJumpItems[mark]->setShortcut(QKeySequence(Qt::CTRL | digit));
        for (QAction* item : {MarkSetItems[mark], MarkJumpItems[mark]}) {
            item->setData(mark);
            item->setCheckable(true);
            item->setShortcutContext(Qt::WidgetShortcut);
        }
        connect(MarkSetItems[mark], &QAction::triggered, this, [this, mark] {
            if (Editor_)
                ToggleRowMark(*Editor_, mark);
        });
        connect(MarkJumpItems[mark], &QAction::triggered, this, [this, mark] {
            if (Editor_)
                Editor_->GotoRowMark(mark);
        });
    }
    addSeparator();
    UndoItem = AddCommand("元に戻す(&U)", QKeySequence(Qt::CTRL | Qt::Key_Z), &TEditorPopupClient::Undo);
    RedoItem = AddCommand("やり直し(&R)", QKeySequence(Qt::CTRL | Qt::Key_A), &TEditorPopupClient::Redo);
    addSeparator();
    CutItem = AddCommand("切り取り(&T)", QKeySequence(Qt::CTRL | Qt::Key_X), &TEditorPopupClient::CutToClipboard);
    CopyItem = AddCommand("コピー(&C)", QKeySequence(Qt::CTRL | Qt::Key_C), &TEditorPopupClient::CopyToClipboard);
    PasteItem =
        AddCommand("貼り付け(&P)", QKeySequence(Qt::CTRL | Qt::Key_V), &TEditorPopupClient::PasteFromClipboard);
    BoxPasteItem =
        AddCommand("Box貼り付け(&B)", QKeySequence(Qt::CTRL | Qt::Key_B), &TEditorPopupClient::PasteBoxFromClipboard);
    DeleteItem = AddCommand("削除(&D)", QKeySequence(), &TEditorPopupClient::ClearSelection);
    addSeparator();
    SelectAllItem = AddCommand("すべて選択(&A)", QKeySequence(), &TEditorPopupClient::SelectAll);
    addSeparator();
    BoxSelectionModeItem =
        AddCommand("Box選択モード(&K)", QKeySequence(Qt::CTRL | Qt::Key_K), [this](TEditorPopupClient& Editor) {
            Editor.SetSelectionMode(BoxSelectionModeItem->isChecked() ? TEditorSelectionMode::smBox
                                                                      : TEditorSelectionMode::smLine);
        });
    BoxSelectionModeItem->setCheckable(true);
    for (QAction* item : {UndoItem, RedoItem, CutItem, CopyItem, PasteItem, BoxPasteItem, DeleteItem, SelectAllItem})
        item->setEnabled(false);
}

void TEditorPopupMenu::UpdateItems()
{
    if (!Editor_)
        return;
    const bool selected = Editor_->SelLength() > 0;
    const bool writable = !Editor_->ReadOnly();
    const bool text = ClipboardHasText();
    UndoItem->setEnabled(Editor_->CanUndo() && writable);
    RedoItem->setEnabled(Editor_->CanRedo() && writable);
    CutItem->setEnabled(selected && writable);
    CopyItem->setEnabled(selected);
    PasteItem->setEnabled(text && writable);
    BoxPasteItem->setEnabled(text && writable);
    DeleteItem->setEnabled(selected && writable);
    SelectAllItem->setEnabled(Editor_->GetTextLen() > 0);
    BoxSelectionModeItem->setChecked(Editor_->SelectionMode() == TEditorSelectionMode::smBox);
    const uint16_t inUse = Editor_->RowMarksInUse();
    for (int mark = 0; mark < MarkCount; ++mark) {
        const bool used = (inUse >> mark & 1) != 0;
        MarkSetItems[mark]->setChecked(used);
        MarkJumpItems[mark]->setChecked(used);
    }
}

void TEditorPopupMenu::ToggleRowMark(TEditorPopupClient& Editor, int Mark)
{
    const int row = Editor.Row();
    if (Editor.RowMarks(row) >> Mark & 1)
        Editor.DeleteRowMark(row, Mark);
    else
        Editor.PutRowMark(row, Mark);
}
