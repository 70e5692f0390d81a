#include "EditorPopupMenu.h"

#include "KeyTable.h"
#include "Menus.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace {

bool ClipboardHasText()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

// The item shows the shortcut in the program's own words ("Shift+Ctrl+0"),
// after a TAB; the key sequence is what the editor's key handling looks the
// item up by.
void SetItemShortCut(QAction& Item, const QString& Caption, TShortCut ShortCut)
{
    Item.setText(CaptionWithShortCut(Caption, ShortCut));
    Item.setShortcut(ShortCutToKeySequence(ShortCut));
}

} // namespace

TEditorPopupMenu::TEditorPopupMenu(TEditorPopupClient* Editor, QWidget* Parent) : QMenu(Parent), Editor_(Editor)
{
    CreateItems();
    connect(this, &QMenu::aboutToShow, this, &TEditorPopupMenu::UpdateItems);
}

QAction* TEditorPopupMenu::AddCommand(const char* Caption, TShortCut ShortCut,
                                      std::function<void(TEditorPopupClient&)> Command)
{
    QAction* item = addAction(QString());
    SetItemShortCut(*item, QString::fromUtf8(Caption), ShortCut);
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
        const auto digit = static_cast<TShortCut>('0' + mark);
        MarkSetItems[mark] = MarkSetMenu->addAction(QString());
        SetItemShortCut(*MarkSetItems[mark], QString::number(mark), scShift | scCtrl | digit);
        MarkJumpItems[mark] = MarkJumpMenu->addAction(QString());
        SetItemShortCut(*MarkJumpItems[mark], QString::number(mark), scCtrl | digit);
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
    UndoItem = AddCommand("元に戻す(&U)", scCtrl | 'Z', &TEditorPopupClient::Undo);
    RedoItem = AddCommand("やり直し(&R)", scCtrl | 'A', &TEditorPopupClient::Redo);
    addSeparator();
    CutItem = AddCommand("切り取り(&T)", scCtrl | 'X', &TEditorPopupClient::CutToClipboard);
    CopyItem = AddCommand("コピー(&C)", scCtrl | 'C', &TEditorPopupClient::CopyToClipboard);
    PasteItem = AddCommand("貼り付け(&P)", scCtrl | 'V', &TEditorPopupClient::PasteFromClipboard);
    BoxPasteItem = AddCommand("Box貼り付け(&B)", scCtrl | 'B', &TEditorPopupClient::PasteBoxFromClipboard);
    DeleteItem = AddCommand("削除(&D)", scNone, &TEditorPopupClient::ClearSelection);
    addSeparator();
    SelectAllItem = AddCommand("すべて選択(&A)", scNone, &TEditorPopupClient::SelectAll);
    addSeparator();
    BoxSelectionModeItem = AddCommand("Box選択モード(&K)", scCtrl | 'K', [this](TEditorPopupClient& Editor) {
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
