// The contents of one folder as rows of a report: name, size, type,
// modified time and attributes, sorted by any column in either direction.
// Sizes and totals are 64-bit, so files of 4 GiB and more show their size.
#pragma once

#include "ShellDataItem.h"
#include "ShellFolder.h"

#include <QAbstractTableModel>
#include <QDateTime>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class TShellNamespace;

// "#,##0KB" of the size in KB rounded up ("0KB", "1KB" for 1 to 1,024
// bytes, "5,242,880KB" for 5 GiB).
QString SizeText(uint64_t Bytes);
// A file time (seconds since 1970) as local time; invalid for 0, which
// stands for a time not known.
QDateTime FileTimeToDateTime(int64_t SecondsSinceEpoch);
// Local time as "yyyy/MM/dd H:mm"; "" for a time not known.
QString ModifiedText(int64_t SecondsSinceEpoch);

struct TShellFileItem {
    TItemIDList Relative;
    QString DisplayName;
    std::string Path; // "" for an item without one
    bool Folder = false;
    uint64_t Size = 0;
    int64_t Modified = 0;
    bool ReadOnly = false;
    bool Hidden = false;
    int IconIndex = -1; // in the program's icon list; -1 until asked
    // Reads size, time and mode again (a link's target's).
    void ReadFindData();
};

class TShellFileList final : public QAbstractTableModel {
public:
    enum TColumn { colName, colSize, colType, colModified, colAttributes, ColumnCount };

    explicit TShellFileList(const TShellNamespace& Namespace, QObject* Parent = nullptr);

    bool IncludeHidden() const { return IncludeHidden_; }
    void SetIncludeHidden(bool Value) { IncludeHidden_ = Value; }
    // The virtual items listed, by the folder tree's rules.
    TShVirtuaItems ShVirtuaItems() const { return ShVirtuaItems_; }
    void SetShVirtuaItems(TShVirtuaItems Value) { ShVirtuaItems_ = Value; }
    // Asked for every entry a fill lists; Accept false leaves it out.
    std::function<void(const TShellFileItem& Item, bool& Accept)> OnFilter;
    // The attributes column holds letters ("R", "H") unless images are drawn there.
    bool AttributeLetters() const { return AttributeLetters_; }
    void SetAttributeLetters(bool Value);

    // Lists the folder of an absolute list (nothing for one that names no
    // folder), sorted by the current sort column.
    void ShowFolder(const TItemIDList& Absolute);
    // Lists the shown folder again.
    void Fill();
    // Reads every row's size, time and mode again.
    void ReadFindData();
    // Takes rows out of the list (their entries are gone).
    void RemoveRows(std::vector<int> Rows);
    const TShellNamespace& Namespace() const { return Namespace_; }
    const TItemIDList& FolderIDList() const { return FolderList_; }
    // The shown folder's path; "" for none.
    std::string FolderPath() const { return Folder_ ? Folder_->Path() : std::string(); }
    // A folder without a path shows its names only.
    bool HasPath() const { return Folder_ && !Folder_->Path().empty(); }
    const TShellFileItem& Item(int Row) const { return Items_[static_cast<size_t>(Row)]; }
    // The row's icon in Icons, looked up once.
    int IconIndex(int Row, IIconIndexer& Icons);
    int Count() const { return static_cast<int>(Items_.size()); }

    // A click on a column: the sort column again reverses its direction,
    // another one sorts ascending.
    void ColumnClick(int Column);
    int SortColumn() const { return SortColumn_; }
    bool Ascending() const { return Direction_[static_cast<size_t>(SortColumn_)] > 0; }
    // The sizes of the rows' files added up.
    uint64_t TotalSize(const std::vector<int>& Rows) const;
    // The next row from Start on (wrapping to 0 when Wrap) whose name
    // holds Text anywhere, letter case aside; -1 for none.
    int FindPartial(const QString& Text, int Start, bool Wrap) const;

    // Gives the row's entry a new name in the folder, never replacing an
    // entry that exists; false when refused.
    bool Rename(int Row, const QString& NewName);

    int rowCount(const QModelIndex& Parent = {}) const override;
    int columnCount(const QModelIndex& Parent = {}) const override;
    QVariant data(const QModelIndex& Index, int Role = Qt::DisplayRole) const override;
    QVariant headerData(int Section, Qt::Orientation Orientation, int Role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& Index) const override;
    bool setData(const QModelIndex& Index, const QVariant& Value, int Role = Qt::EditRole) override;

private:
    QString TypeName(const TShellFileItem& Item) const;
    void SortItems();

    const TShellNamespace& Namespace_;
    std::shared_ptr<const TShellFolder> Folder_;
    TItemIDList FolderList_;
    std::vector<TShellFileItem> Items_;
    bool IncludeHidden_ = true;
    bool AttributeLetters_ = true;
    TShVirtuaItems ShVirtuaItems_ = VirtuaItem(itBitBucket) | VirtuaItem(itNetWork);
    int SortColumn_ = colName;
    std::array<int, ColumnCount> Direction_{1, 1, 1, 1, 1};
};
