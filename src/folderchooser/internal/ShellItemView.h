// One of the file list's two views, the icon view or the report. It only
// draws the rows; the mouse, drags, drops, the context menu and type-ahead
// go to its list, so that both styles behave the same.
#pragma once

#include "ExceptionHandler.h"
#include "ShellListView.h"

#include <QContextMenuEvent>
#include <QStyleOptionViewItem>

template <class TView>
class TShellItemView final : public TView {
public:
    explicit TShellItemView(TShellListView& List) : TView(&List), List_(List) {}

    // The options the view paints a row with.
    QStyleOptionViewItem OptionOf(const QModelIndex& Index) const
    {
        QStyleOptionViewItem option;
        this->initViewItemOption(&option);
        option.rect = this->visualRect(Index);
        return option;
    }

protected:
    void keyboardSearch(const QString& Search) override
    {
        CatchExceptions([&] { List_.TypeAhead(Search); });
    }
    void contextMenuEvent(QContextMenuEvent* Event) override
    {
        CatchExceptions([&] { List_.RowMenu(*Event); });
    }
    void mousePressEvent(QMouseEvent* Event) override
    {
        CatchExceptions([&] {
            TView::mousePressEvent(Event);
            List_.RowPressed(*Event);
        });
    }
    void mouseMoveEvent(QMouseEvent* Event) override
    {
        CatchExceptions([&] {
            if (!List_.PressedMove(*Event))
                TView::mouseMoveEvent(Event);
        });
    }
    void mouseReleaseEvent(QMouseEvent* Event) override
    {
        CatchExceptions([&] {
            List_.Released();
            TView::mouseReleaseEvent(Event);
        });
    }
    void dragEnterEvent(QDragEnterEvent* Event) override
    {
        CatchExceptions([&] { List_.DragEnter(*Event); });
    }
    void dragMoveEvent(QDragMoveEvent* Event) override
    {
        CatchExceptions([&] { List_.DragMove(*Event); });
    }
    void dragLeaveEvent(QDragLeaveEvent* Event) override
    {
        CatchExceptions([&] {
            List_.DragLeave();
            TView::dragLeaveEvent(Event);
        });
    }
    void dropEvent(QDropEvent* Event) override
    {
        CatchExceptions([&] { List_.Drop(*Event); });
    }

private:
    TShellListView& List_;
};
