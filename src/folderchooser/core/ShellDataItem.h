// An item of the namespace as a shell control holds it: its relative and
// absolute lists, its parent folder (bound on first use), and its name and
// icons, each asked once and kept.
#pragma once

#include "ShellFolder.h"
#include "ShellIDFunc.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class TShellNamespace;

enum TShItemIDType {
    itDeskTop,
    itMyComputer,
    itRootDrive,
    itFolder,
    itFile,
    itInterNet,
    itBitBucket,
    itNetWork,
    itVirtual,
    itUnknown
};
// A set of the virtual item types (itBitBucket..itVirtual): bit n stands
// for the type of ordinal n.
using TShVirtuaItems = uint16_t;
constexpr TShVirtuaItems VirtuaItem(TShItemIDType Type) { return static_cast<TShVirtuaItems>(1u << Type); }

class TShellDataItem;
// Whether a shell control lists Item, a child of a folder of ParentLevel
// and ParentType, when it shows the virtual items Shown: below the desktop
// Trash and the network only when shown and virtual items never; below
// Computer virtual items only when shown; deeper, everything.
bool IsListedChild(TShellDataItem& Item, int ParentLevel, TShItemIDType ParentType, TShVirtuaItems Shown);

// Which of the program's icons shows an item.
struct TShellIconKey {
    enum TKind { Desktop, Computer, Home, Trash, Folder, OpenFolder, FixedDrive, RemovableDrive, NetworkDrive, File };
    TKind Kind = Folder;
    std::string MimeType; // files only
    auto operator<=>(const TShellIconKey&) const = default;
};

// Hands out stable indexes of icons (the program's image list).
class IIconIndexer {
public:
    virtual int IndexOf(const TShellIconKey& Key) = 0;

protected:
    ~IIconIndexer() = default;
};

class TShellDataItem {
public:
    // ParentFolder may be given when the caller has it bound already.
    TShellDataItem(const TShellNamespace& Namespace, TItemIDList Relative, TItemIDList Absolute,
                   std::shared_ptr<const TShellFolder> ParentFolder = nullptr);
    virtual ~TShellDataItem() = default;

    // The item's position among all the control's items; -1 without one.
    virtual int Index() const { return -1; }
    // The depth of the absolute list (the desktop is 0).
    int Level() const { return IDListDepth(Absolute_); }
    const TItemIDList& RelativeIDList() const { return Relative_; }
    const TItemIDList& AbsoluteIDList() const { return Absolute_; }
    // The desktop's (empty) list for level 1, else the absolute list less its last item.
    TItemIDList ParentIDList() const;
    bool IsValid() const { return !Relative_.IsNil() && !Absolute_.IsNil(); }

    // The folder holding the item (the desktop for levels 0 and 1); null
    // when it cannot be bound.
    const TShellFolder* ParentFolder();
    // The item as a folder, for listing its children; null when it is none.
    std::shared_ptr<const TShellFolder> Folder();

    const QString& DisplayName();
    void SetDisplayName(QString Name) { DisplayName_ = std::move(Name); }
    // The file-system path; "" when the item has none. The desktop's is
    // its folder's.
    std::string Path();
    // The bits of Mask the item has, and whether it has every one.
    uint32_t Attributes(uint32_t Mask);
    bool HasAttribute(uint32_t Mask) { return Attributes(Mask) == Mask; }
    TShItemIDType ItemType();
    // 1 for a symbolic link, else -1 (nothing is ever shared).
    int OverlayIndex() { return OverlayIndexOf(Attributes(SFGAO_LINK)); }
    static int OverlayIndexOf(uint32_t Attributes) { return Attributes & SFGAO_LINK ? 1 : -1; }

    int GetIconIndex(IIconIndexer& Icons);
    int GetOpenIconIndex(IIconIndexer& Icons);
    void ResetIconIndexes() { IconIndex_ = OpenIconIndex_ = -1; }
    // The index in Icons of the item's icon (of the open folder when Open),
    // asked anew.
    int GetItemIconIndex(IIconIndexer& Icons, bool Open) { return Icons.IndexOf(IconKey(Open)); }

protected:
    const TShellNamespace& Namespace_;

private:
    TShellIconKey IconKey(bool Open);

    TItemIDList Relative_;
    TItemIDList Absolute_;
    std::shared_ptr<const TShellFolder> ParentFolder_;
    std::shared_ptr<const TShellFolder> Folder_;
    int OpenIconIndex_ = -1;
    int IconIndex_ = -1;
    std::optional<QString> DisplayName_;
};
