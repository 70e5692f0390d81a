#include "ShellComboBox.h"

#include "ExceptionHandler.h"
#include "ShellNamespace.h"
#include "ShellTreeView.h"
#include "SystemImageList.h"

#include <QDropEvent>
#include <QFile>
#include <QFontInfo>
#include <QPainter>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <cmath>

namespace {

constexpr int LevelRole = Qt::UserRole + 1;
constexpr int OpenIconRole = Qt::UserRole + 2;

// The list part: icons of one size indented by level, so that names line
// up; a selected item shows its open icon and only its name highlighted.
class TShellComboDelegate final : public QStyledItemDelegate {
public:
    explicit TShellComboDelegate(TShellComboBox* Combo) : QStyledItemDelegate(Combo), Combo_(Combo) {}

    void paint(QPainter* Painter, const QStyleOptionViewItem& Option, const QModelIndex& Index) const override
    {
        const QRect& r = Option.rect;
        Painter->fillRect(r, Option.palette.base());
        const bool selected = Option.state & QStyle::State_Selected;
        const QSize image = Combo_->iconSize();
        const int x = r.left() + TShellComboBox::IndentPerLevel * Index.data(LevelRole).toInt();
        const QRect imageRect(x, r.top() + (r.height() - image.height()) / 2, image.width(), image.height());
        Index.data(selected ? OpenIconRole : Qt::DecorationRole)
            .value<QIcon>()
            .paint(Painter, imageRect, Qt::AlignCenter, selected ? QIcon::Selected : QIcon::Normal);
        const QString text = Index.data(Qt::DisplayRole).toString();
        const QFontMetrics metrics(Option.font);
        const QRect textRect(x + image.width() + 3, r.top() + (r.height() - metrics.height()) / 2,
                             metrics.horizontalAdvance(text) + 2, metrics.height());
        if (selected)
            Painter->fillRect(textRect, Option.palette.highlight());
        Painter->setFont(Option.font);
        Painter->setPen(Option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        Painter->drawText(textRect.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
        if (Option.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.initFrom(Combo_);
            focus.rect = textRect;
            Combo_->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, Painter, Combo_);
        }
    }
    QSize sizeHint(const QStyleOptionViewItem& Option, const QModelIndex& Index) const override
    {
        const int width = TShellComboBox::IndentPerLevel * Index.data(LevelRole).toInt() + Combo_->iconSize().width()
                          + 6 + QFontMetrics(Option.font).horizontalAdvance(Index.data(Qt::DisplayRole).toString());
        return {width, Combo_->MeasureItem(Index.row(), Option.font)};
    }

private:
    TShellComboBox* Combo_;
};

} // namespace

TShellComboBox::TShellComboBox(QWidget* Parent, TShellNamespace* Namespace)
    : QComboBox(Parent), List_(Namespace ? *Namespace : DefaultShellNamespace(), [this](TShellDataItem& Item) {
          const std::shared_ptr<const TShellFolder> folder = Item.Folder();
          return Tree_ && folder ? Tree_->EnumSubFolders(folder, Item) : std::vector<TItemIDList>();
      })
{
    setItemDelegate(new TShellComboDelegate(this));
    // Styles that open the list as a menu would show every item, whatever
    // the drop-down count.
    setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    SetDropDownCount(8);
    setAcceptDrops(true);
    connect(this, &QComboBox::activated, this, [this](int Index) { CatchExceptions([&] { Picked(Index); }); });
}

TShellComboBox::~TShellComboBox() = default;

int TShellComboBox::ItemHeightFor(const QFont& Font)
{
    return std::max(18, static_cast<int>(std::lround(QFontInfo(Font).pixelSize() * 1.2)));
}

int TShellComboBox::MeasureItem(int Index, const QFont& Font)
{
    int height = ItemHeightFor(Font);
    if (OnMeasureItem)
        OnMeasureItem(this, Index, height);
    return height;
}

void TShellComboBox::showPopup()
{
    if (OnDropDown)
        CatchExceptions([&] { OnDropDown(this); });
    QComboBox::showPopup();
}

void TShellComboBox::FillItems()
{
    List_.FillItems();
    ShowItems();
}

void TShellComboBox::SelectIDList(const TItemIDList& Absolute)
{
    List_.SelectIDList(Absolute);
    ShowItems();
}

TItemIDList TShellComboBox::SelectedIDList() const
{
    const int index = List_.ItemIndex();
    return index >= 0 ? List_[index].Item->AbsoluteIDList() : TItemIDList::Desktop();
}

int TShellComboBox::FindItem(const TItemIDList& Absolute)
{
    const int index = List_.FindItem(Absolute);
    ShowItems();
    return index;
}

QString TShellComboBox::EditText(int Index) const
{
    TShellDataItem& item = *List_[Index].Item;
    const std::string path = Index == 0 ? std::string() : item.Path();
    return path.empty() ? item.DisplayName() : QFile::decodeName(QByteArray::fromStdString(path));
}

void TShellComboBox::ShowItems()
{
    if (Showing_)
        return;
    Showing_ = true;
    const QSignalBlocker blocker(this);
    clear();
    TSystemImageList& icons = GetSystemImageList();
    for (int i = 0; i < List_.Count(); ++i) {
        TShellDataItem& item = *List_[i].Item;
        addItem(icons.Icon(item.GetIconIndex(icons)), item.DisplayName());
        setItemData(i, item.Level(), LevelRole);
        setItemData(i, icons.Icon(item.GetOpenIconIndex(icons)), OpenIconRole);
    }
    setCurrentIndex(List_.ItemIndex());
    Showing_ = false;
    update();
}

void TShellComboBox::Picked(int Index)
{
    List_.Pick(Index);
    const TItemIDList picked = SelectedIDList();
    ShowItems();
    if (Tree_)
        Tree_->SelectIDList(picked);
}

void TShellComboBox::paintEvent(QPaintEvent*)
{
    CatchExceptions([&] {
        QStylePainter painter(this);
        QStyleOptionComboBox option;
        initStyleOption(&option);
        option.currentText.clear();
        option.currentIcon = QIcon();
        painter.drawComplexControl(QStyle::CC_ComboBox, option);
        const int index = List_.ItemIndex();
        if (index < 0 || index >= List_.Count())
            return;
        const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
        TSystemImageList& icons = GetSystemImageList();
        const QSize image = iconSize();
        const QRect imageRect(field.left(), field.top() + (field.height() - image.height()) / 2, image.width(),
                              image.height());
        icons.Icon(List_[index].Item->GetIconIndex(icons)).paint(&painter, imageRect);
        const QRect textRect = field.adjusted(image.width() + 4, 0, 0, 0);
        painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
                         fontMetrics().elidedText(EditText(index), Qt::ElideLeft, textRect.width()));
    });
}

TShellDataItem* TShellComboBox::Shown() const
{
    const int index = List_.ItemIndex();
    return index >= 0 && index < List_.Count() ? List_[index].Item.get() : nullptr;
}

void TShellComboBox::dragEnterEvent(QDragEnterEvent* Event)
{
    CatchExceptions([&] {
        EnterDrag(*Event, [this](const TShellDragObject& Drag, bool& Accept) {
            if (OnShDragEnter)
                OnShDragEnter(this, Drag, Accept);
        });
    });
}

void TShellComboBox::dragMoveEvent(QDragMoveEvent* Event)
{
    CatchExceptions([&] {
        TShellDataItem* item = Shown();
        if (item && IsDropTarget(*item))
            Event->acceptProposedAction();
        else
            Event->ignore();
        if (OnShDragOver)
            OnShDragOver(this, TShellDragObject::Of(*Event, Event->position().toPoint()), item);
    });
}

void TShellComboBox::dragLeaveEvent(QDragLeaveEvent* Event)
{
    CatchExceptions([&] {
        if (OnShDragLeave)
            OnShDragLeave(this);
        QComboBox::dragLeaveEvent(Event);
    });
}

void TShellComboBox::dropEvent(QDropEvent* Event)
{
    CatchExceptions([&] {
        TShellDataItem* item = Shown();
        bool defaultAction = true;
        if (OnShDragDrop)
            OnShDragDrop(this, TShellDragObject::Of(*Event, Event->position().toPoint()), item, defaultAction);
        if (defaultAction && item && DropInto(*item, *Event->mimeData(), Event->dropAction()) > 0)
            Event->acceptProposedAction();
        else
            Event->setDropAction(Qt::IgnoreAction);
    });
}
