#include "FileListBoxEx.h"

#include "ExceptionHandler.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

class TFileListDelegate final : public QStyledItemDelegate {
public:
    explicit TFileListDelegate(TFileListBoxEx* List) : QStyledItemDelegate(List), List_(List) {}

    void paint(QPainter* Painter, const QStyleOptionViewItem& Option, const QModelIndex& Index) const override
    {
        if (!List_->OnDrawItem)
            return QStyledItemDelegate::paint(Painter, Option, Index);
        CatchExceptions([&] { List_->OnDrawItem(List_, Index.row(), Option.rect, Option.state, *Painter); });
    }
    QSize sizeHint(const QStyleOptionViewItem& Option, const QModelIndex& Index) const override
    {
        return {QStyledItemDelegate::sizeHint(Option, Index).width(), List_->ItemHeight()};
    }

private:
    TFileListBoxEx* List_;
};

} // namespace

TFileListBoxEx::TFileListBoxEx(QWidget* Parent) : QListWidget(Parent)
{
    setItemDelegate(new TFileListDelegate(this));
    setUniformItemSizes(true);
}

void TFileListBoxEx::ApplyFilePath(const std::string& Path)
{
    Directory_ = Path;
    Update();
}

void TFileListBoxEx::Update()
{
    clear();
    if (Directory_.empty())
        return;
    const QDir folder(QFile::decodeName(QByteArray::fromStdString(Directory_)));
    addItems(folder.entryList(QDir::Files, QDir::Name));
}
