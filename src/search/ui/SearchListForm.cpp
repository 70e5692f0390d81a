#include "SearchListForm.h"

#include "Cp932.h"
#include "ExceptionHandler.h"
#include "TreeImageList.h"
#include "TreeNodes.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

TSearchListfm::TSearchListfm(QWidget& MainWindow) : QWidget(&MainWindow, Qt::Tool), FindTree(new QListWidget(this))
{
    setObjectName("SearchListfm");
    FindTree->setObjectName("FindTree");
    FindTree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FindTree);
    connect(FindTree, &QListWidget::currentRowChanged, this, [this](int Row) {
        CatchExceptions([&] {
            if (Row >= 0 && OnChange)
                OnChange(Row);
        });
    });
    connect(FindTree, &QListWidget::itemClicked, this, [this](QListWidgetItem* Item) {
        CatchExceptions([&] {
            if (OnClick)
                OnClick(FindTree->row(Item));
        });
    });
}

void TSearchListfm::Fill(const std::vector<TTreeNode*>& Pages, const TTreeImageList& SubIcons)
{
    const QSignalBlocker quiet(FindTree);
    FindTree->clear();
    for (const TTreeNode* page : Pages) {
        auto* item = new QListWidgetItem(QString::fromStdString(SjisToUtf8(page->Text())), FindTree);
        if (const QPixmap* icon = SubIcons.Image(page->StateIndex()))
            item->setIcon(QIcon(*icon));
    }
}

void TSearchListfm::SetEntryIcon(int Row, const QPixmap* Icon)
{
    if (QListWidgetItem* item = FindTree->item(Row))
        item->setIcon(Icon ? QIcon(*Icon) : QIcon());
}

void TSearchListfm::SelectRow(int Row, bool AtTop)
{
    const QSignalBlocker quiet(FindTree);
    FindTree->setCurrentRow(Row);
    if (QListWidgetItem* item = FindTree->item(Row); item && AtTop)
        FindTree->scrollToItem(item, QAbstractItemView::PositionAtTop);
}

int TSearchListfm::SelectedRow() const { return FindTree->currentRow(); }

void TSearchListfm::showEvent(QShowEvent* Event)
{
    CatchExceptions([&] {
        QWidget::showEvent(Event);
        if (OnShow)
            OnShow();
    });
}

// A closed window is only hidden; the next list shows in it again.
void TSearchListfm::closeEvent(QCloseEvent* Event)
{
    CatchExceptions([&] {
        QWidget::closeEvent(Event);
        if (OnClose)
            OnClose();
    });
}

void TSearchListfm::keyPressEvent(QKeyEvent* Event)
{
    CatchExceptions([&] {
        if (Event->key() == Qt::Key_Escape)
            close();
        else
            QWidget::keyPressEvent(Event);
    });
}
