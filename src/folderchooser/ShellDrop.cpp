#include "ShellDrop.h"

#include "ShellDataItem.h"
#include "ShellFileOps.h"
#include "ShellHooks.h"

#include "ShellIDList.h"
#include "SysUtils.h"

#include <QAbstractScrollArea>
#include <QScrollBar>
#include <QStyle>

#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QUrl>

namespace {

std::vector<std::string> LocalFilesOf(const QMimeData& Data)
{
    std::vector<std::string> files;
    for (const QUrl& url : Data.urls())
        if (url.isLocalFile())
            files.push_back(QFile::encodeName(url.toLocalFile()).toStdString());
    return files;
}

} // namespace

TShiftState KeyStateToShiftState(Qt::KeyboardModifiers Keys, Qt::MouseButtons Buttons)
{
    TShiftState shift;
    const std::pair<bool, TShiftStateItem> held[] = {
        {Keys.testFlag(Qt::ShiftModifier), TShiftStateItem::ssShift},
        {Keys.testFlag(Qt::ControlModifier), TShiftStateItem::ssCtrl},
        {Keys.testFlag(Qt::AltModifier), TShiftStateItem::ssAlt},
        {Buttons.testFlag(Qt::LeftButton), TShiftStateItem::ssLeft},
        {Buttons.testFlag(Qt::RightButton), TShiftStateItem::ssRight},
        {Buttons.testFlag(Qt::MiddleButton), TShiftStateItem::ssMiddle},
    };
    for (const auto& [down, item] : held)
        if (down)
            shift.Include(item);
    return shift;
}

TShellDragObject::TShellDragObject(const QMimeData* MimeData, TShiftState Held, QPoint At)
    : Data(MimeData), Shift(Held), Pos(At)
{
    if (!Data)
        throw EInvalidOperation("パラメータが不正です。");
    Files = LocalFilesOf(*Data);
}

TShellDragObject TShellDragObject::Of(const QDropEvent& Event, QPoint Pos)
{
    return {Event.mimeData(), KeyStateToShiftState(Event.modifiers(), Event.buttons()), Pos};
}

QMimeData* MimeDataOf(const TShellIDList& Items)
{
    auto* mime = new QMimeData;
    QList<QUrl> urls;
    for (const std::string& path : Items.Paths())
        if (!path.empty())
            urls.push_back(QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(path))));
    mime->setUrls(urls);
    std::string lists;
    for (int i = 0; i < Items.Count(); ++i)
        lists += Items.AbsoluteIDList(i).Bytes();
    mime->setData(ShellIDListFormat, QByteArray::fromStdString(lists));
    return mime;
}

Qt::DropActions DropActionsOf(uint32_t Capabilities)
{
    Qt::DropActions allowed;
    if (Capabilities & SFGAO_CANCOPY)
        allowed |= Qt::CopyAction;
    if (Capabilities & SFGAO_CANMOVE)
        allowed |= Qt::MoveAction;
    if (Capabilities & SFGAO_CANLINK)
        allowed |= Qt::LinkAction;
    return allowed;
}

void AutoScroll(QAbstractScrollArea& View, const QPoint& Pos)
{
    const int h = View.fontMetrics().height();
    const auto extent = [&](const QScrollBar* Bar) {
        return Bar->minimum() != Bar->maximum() ? View.style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
    };
    QScrollBar* vertical = View.verticalScrollBar();
    QScrollBar* horizontal = View.horizontalScrollBar();
    if (Pos.y() < h)
        vertical->triggerAction(QAbstractSlider::SliderSingleStepSub);
    else if (Pos.y() > View.height() - h - extent(vertical))
        vertical->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    if (Pos.x() < h)
        horizontal->triggerAction(QAbstractSlider::SliderSingleStepSub);
    else if (Pos.x() > View.width() - h - extent(horizontal))
        horizontal->triggerAction(QAbstractSlider::SliderSingleStepAdd);
}

bool OffersShellItems(const QMimeData* Data) { return Data && (Data->hasUrls() || Data->hasFormat(ShellIDListFormat)); }

void EnterDrag(QDragEnterEvent& Event, const std::function<void(const TShellDragObject&, bool& Accept)>& OnEnter)
{
    bool accept = OffersShellItems(Event.mimeData());
    if (accept && OnEnter)
        OnEnter(TShellDragObject::Of(Event, Event.position().toPoint()), accept);
    if (accept)
        Event.acceptProposedAction();
    else
        Event.ignore();
}

bool IsDropTarget(TShellDataItem& Item) { return Item.Level() == 0 || Item.HasAttribute(SFGAO_DROPTARGET); }

int DropInto(TShellDataItem& Item, const QMimeData& Data, Qt::DropAction Action)
{
    const std::string folder = Item.Path();
    if (folder.empty() || !IsDropTarget(Item))
        return 0;
    const std::vector<std::string> sources = LocalFilesOf(Data);
    const TTransfer how = Action == Qt::MoveAction   ? TTransfer::Move
                          : Action == Qt::LinkAction ? TTransfer::Link
                                                     : TTransfer::Copy;
    return TransferInto(folder, sources, how);
}
