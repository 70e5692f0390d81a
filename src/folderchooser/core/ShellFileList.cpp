#include "ShellFileList.h"

#include "ShellFileOps.h"
#include "ShellNamespace.h"

#include <QDateTime>
#include <QFile>
#include <QMimeDatabase>
#include <algorithm>
#include <sys/stat.h>

QString SizeText(uint64_t Bytes)
{
    const std::string digits = std::to_string(Bytes / 1024 + (Bytes % 1024 != 0));
    QString text;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += QLatin1Char(',');
        text += QLatin1Char(digits[i]);
    }
    return text + QStringLiteral("KB");
}

QDateTime FileTimeToDateTime(int64_t SecondsSinceEpoch)
{
    return SecondsSinceEpoch == 0 ? QDateTime() : QDateTime::fromSecsSinceEpoch(SecondsSinceEpoch);
}

QString ModifiedText(int64_t SecondsSinceEpoch)
{
    const QDateTime time = FileTimeToDateTime(SecondsSinceEpoch);
    return time.isValid() ? time.toString(QStringLiteral("yyyy/MM/dd H:mm")) : QString();
}

void TShellFileItem::ReadFindData()
{
    struct stat st;
    if (Path.empty() || stat(Path.c_str(), &st) != 0)
        return;
    Folder = S_ISDIR(st.st_mode);
    Size = static_cast<uint64_t>(st.st_size);
    Modified = st.st_mtime;
    ReadOnly = (st.st_mode & 0222) == 0;
}

TShellFileList::TShellFileList(const TShellNamespace& Namespace, QObject* Parent)
    : QAbstractTableModel(Parent), Namespace_(Namespace)
{}

void TShellFileList::ShowFolder(const TItemIDList& Absolute)
{
    FolderList_ = Absolute;
    Folder_ = Namespace_.BindToObject(Absolute);
    Fill();
}

void TShellFileList::Fill()
{
    beginResetModel();
    Items_.clear();
    std::vector<TItemIDList> children;
    if (Folder_
        && Folder_->EnumObjects(SHCONTF_FOLDERS | SHCONTF_NONFOLDERS | (IncludeHidden_ ? SHCONTF_INCLUDEHIDDEN : 0),
                                children)) {
        Items_.reserve(children.size());
        // The desktop's and Computer's children are sorted out by type.
        const int level = IDListDepth(FolderList_);
        const TShItemIDType folderType =
            level == 1 ? TShellDataItem(Namespace_, FolderList_, FolderList_).ItemType() : itUnknown;
        for (TItemIDList& child : children) {
            if (level <= 1) {
                TShellDataItem entry(Namespace_, child, ConcatIDLists(FolderList_, child), Folder_);
                if (!IsListedChild(entry, level, folderType, ShVirtuaItems_))
                    continue;
            }
            TShellFileItem item;
            item.DisplayName = Folder_->GetDisplayNameOf(child);
            item.Path = Folder_->ChildPath(child);
            item.Folder = Folder_->GetAttributesOf(child, SFGAO_FOLDER) != 0;
            item.Hidden = Folder_->GetAttributesOf(child, SFGAO_HIDDEN) != 0;
            item.Relative = std::move(child);
            item.ReadFindData();
            bool accept = true;
            if (OnFilter)
                OnFilter(item, accept);
            if (accept)
                Items_.push_back(std::move(item));
        }
    }
    SortItems();
    endResetModel();
}

int TShellFileList::IconIndex(int Row, IIconIndexer& Icons)
{
    TShellFileItem& item = Items_[static_cast<size_t>(Row)];
    if (item.IconIndex < 0)
        item.IconIndex = TShellDataItem(Namespace_, item.Relative, ConcatIDLists(FolderList_, item.Relative), Folder_)
                             .GetIconIndex(Icons);
    return item.IconIndex;
}

void TShellFileList::SetAttributeLetters(bool Value)
{
    AttributeLetters_ = Value;
    if (!Items_.empty())
        emit dataChanged(index(0, colAttributes), index(Count() - 1, colAttributes));
}

void TShellFileList::ReadFindData()
{
    for (TShellFileItem& item : Items_)
        item.ReadFindData();
    if (!Items_.empty())
        emit dataChanged(index(0, 0), index(Count() - 1, ColumnCount - 1));
}

void TShellFileList::RemoveRows(std::vector<int> Rows)
{
    std::sort(Rows.begin(), Rows.end(), std::greater<>());
    Rows.erase(std::unique(Rows.begin(), Rows.end()), Rows.end());
    for (int row : Rows) {
        if (row < 0 || row >= Count())
            continue;
        beginRemoveRows({}, row, row);
        Items_.erase(Items_.begin() + row);
        endRemoveRows();
    }
}

void TShellFileList::ColumnClick(int Column)
{
    if (Column < 0 || Column >= ColumnCount)
        return;
    auto& direction = Direction_[static_cast<size_t>(Column)];
    direction = Column == SortColumn_ ? -direction : 1;
    SortColumn_ = Column;
    emit layoutAboutToBeChanged();
    const QModelIndexList before = persistentIndexList();
    // Selected and current rows stay on their items.
    std::vector<TItemIDList> keptLists;
    for (const QModelIndex& index : before)
        keptLists.push_back(Items_[static_cast<size_t>(index.row())].Relative);
    SortItems();
    for (int i = 0; i < before.size(); ++i) {
        const auto found = std::find_if(Items_.begin(), Items_.end(), [&](const TShellFileItem& item) {
            return item.Relative == keptLists[static_cast<size_t>(i)];
        });
        changePersistentIndex(before[i], index(static_cast<int>(found - Items_.begin()), before[i].column()));
    }
    emit layoutChanged();
}

void TShellFileList::SortItems()
{
    if (!Folder_)
        return;
    const int direction = Direction_[static_cast<size_t>(SortColumn_)];
    auto byName = [&](const TShellFileItem& A, const TShellFileItem& B) {
        return Folder_->CompareIDs(A.Relative, B.Relative);
    };
    auto compare = [&](const TShellFileItem& A, const TShellFileItem& B) {
        int order = 0;
        switch (SortColumn_) {
        case colSize: order = A.Size < B.Size ? -1 : A.Size > B.Size; break;
        case colType: order = TypeName(A).compare(TypeName(B)); break;
        case colModified: order = A.Modified < B.Modified ? -1 : A.Modified > B.Modified; break;
        case colAttributes: order = (A.ReadOnly * 2 + A.Hidden) - (B.ReadOnly * 2 + B.Hidden); break;
        default: break;
        }
        // Folders before files, as the shell lists them, then the column,
        // then the name, so that the order is total.
        if (A.Folder != B.Folder)
            return A.Folder;
        if (order == 0)
            order = byName(A, B);
        return order * direction < 0;
    };
    std::sort(Items_.begin(), Items_.end(), compare);
}

uint64_t TShellFileList::TotalSize(const std::vector<int>& Rows) const
{
    uint64_t total = 0;
    for (int row : Rows)
        if (row >= 0 && row < Count() && !Item(row).Folder)
            total += Item(row).Size;
    return total;
}

int TShellFileList::FindPartial(const QString& Text, int Start, bool Wrap) const
{
    const int count = Count();
    for (int step = 0; step < count; ++step) {
        const int row = Start + step;
        if (row >= count && !Wrap)
            break;
        if (Item(row % count).DisplayName.contains(Text, Qt::CaseInsensitive))
            return row % count;
    }
    return -1;
}

QString TShellFileList::TypeName(const TShellFileItem& Item) const
{
    static const QMimeDatabase mimeTypes;
    if (Item.Path.empty())
        return {};
    return mimeTypes.mimeTypeForFile(QFile::decodeName(QByteArray::fromStdString(Item.Path))).comment();
}

int TShellFileList::rowCount(const QModelIndex& Parent) const { return Parent.isValid() ? 0 : Count(); }

int TShellFileList::columnCount(const QModelIndex& Parent) const
{
    return Parent.isValid() ? 0 : HasPath() ? ColumnCount : 1;
}

QVariant TShellFileList::data(const QModelIndex& Index, int Role) const
{
    if (!Index.isValid() || Index.row() >= Count())
        return {};
    const TShellFileItem& item = Item(Index.row());
    if (Role == Qt::TextAlignmentRole)
        return Index.column() == colSize || Index.column() == colAttributes
                   ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                   : QVariant();
    if (Role == Qt::EditRole && Index.column() == colName)
        return item.DisplayName;
    if (Role != Qt::DisplayRole)
        return {};
    switch (Index.column()) {
    case colName: return item.DisplayName;
    case colSize: return item.Folder || item.Path.empty() ? QString() : SizeText(item.Size);
    case colType: return TypeName(item);
    case colModified: return item.Path.empty() ? QString() : ModifiedText(item.Modified);
    case colAttributes:
        if (!AttributeLetters_)
            return QString();
        return QString(item.ReadOnly ? QStringLiteral("R") : QString())
               + (item.Hidden ? QStringLiteral("H") : QString());
    default: return {};
    }
}

QVariant TShellFileList::headerData(int Section, Qt::Orientation Orientation, int Role) const
{
    static const char* const kCaptions[] = {"名前", "サイズ", "ファイルの種類", "更新日時", "属性"};
    if (Orientation != Qt::Horizontal || Role != Qt::DisplayRole || Section < 0 || Section >= ColumnCount)
        return {};
    return QString::fromUtf8(kCaptions[Section]);
}

Qt::ItemFlags TShellFileList::flags(const QModelIndex& Index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(Index);
    if (Index.isValid() && Index.column() == colName && Folder_
        && Folder_->GetAttributesOf(Item(Index.row()).Relative, SFGAO_CANRENAME))
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool TShellFileList::setData(const QModelIndex& Index, const QVariant& Value, int Role)
{
    return Index.isValid() && Role == Qt::EditRole && Rename(Index.row(), Value.toString());
}

bool TShellFileList::Rename(int Row, const QString& NewName)
{
    TShellFileItem& item = Items_[static_cast<size_t>(Row)];
    std::string newPath;
    if (item.Path.empty() || !RenameNoReplace(item.Path, QFile::encodeName(NewName).toStdString(), newPath))
        return false;
    item.Relative = ItemOf(TItemKind::Entry, newPath.substr(newPath.rfind('/') + 1));
    item.Path = newPath;
    item.IconIndex = -1;
    item.DisplayName = Folder_->GetDisplayNameOf(item.Relative);
    emit dataChanged(index(Row, 0), index(Row, ColumnCount - 1));
    return true;
}
