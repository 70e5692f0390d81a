#include "ShellDrop.h"

#include "ShellDataItem.h"
#include "ShellFileOps.h"
#include "ShellHooks.h"

#include <QFile>
#include <QMimeData>
#include <QUrl>

bool OffersShellItems(const QMimeData* Data) { return Data && (Data->hasUrls() || Data->hasFormat(ShellIDListFormat)); }

bool IsDropTarget(TShellDataItem& Item) { return Item.Level() == 0 || Item.HasAttribute(SFGAO_DROPTARGET); }

int DropInto(TShellDataItem& Item, const QMimeData& Data, Qt::DropAction Action)
{
    const std::string folder = Item.Path();
    if (folder.empty() || !IsDropTarget(Item))
        return 0;
    std::vector<std::string> sources;
    for (const QUrl& url : Data.urls())
        if (url.isLocalFile())
            sources.push_back(QFile::encodeName(url.toLocalFile()).toStdString());
    const TTransfer how = Action == Qt::MoveAction   ? TTransfer::Move
                          : Action == Qt::LinkAction ? TTransfer::Link
                                                     : TTransfer::Copy;
    return TransferInto(folder, sources, how);
}
