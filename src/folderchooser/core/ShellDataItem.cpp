#include "ShellDataItem.h"

#include "ShellNamespace.h"

#include <QFile>
#include <QMimeDatabase>

TShellDataItem::TShellDataItem(const TShellNamespace& Namespace, TItemIDList Relative, TItemIDList Absolute,
                               std::shared_ptr<const TShellFolder> ParentFolder)
    : Namespace_(Namespace), Relative_(std::move(Relative)), Absolute_(std::move(Absolute)),
      ParentFolder_(std::move(ParentFolder))
{}

TItemIDList TShellDataItem::ParentIDList() const
{
    return Level() <= 1 ? TItemIDList::Desktop() : ParentOfIDList(Absolute_);
}

const TShellFolder* TShellDataItem::ParentFolder()
{
    if (!ParentFolder_)
        ParentFolder_ = Level() <= 1 ? Namespace_.Desktop() : Namespace_.BindToObject(ParentIDList());
    return ParentFolder_.get();
}

std::shared_ptr<const TShellFolder> TShellDataItem::Folder()
{
    if (!Folder_)
        Folder_ = Namespace_.BindToObject(Absolute_);
    return Folder_;
}

const QString& TShellDataItem::DisplayName()
{
    if (!DisplayName_) {
        DisplayName_ = GetItemDisplayName(ParentFolder(), Level() == 0 ? Absolute_ : Relative_);
    }
    return *DisplayName_;
}

std::string TShellDataItem::Path()
{
    std::string path;
    Namespace_.IDListToPath(Level() == 0 ? Relative_ : Absolute_, path);
    return path;
}

uint32_t TShellDataItem::Attributes(uint32_t Mask)
{
    if (Level() == 0)
        return (SFGAO_FOLDER | SFGAO_FILESYSTEM | SFGAO_FILESYSANCESTOR | SFGAO_HASSUBFOLDER) & Mask;
    const TShellFolder* parent = ParentFolder();
    return parent ? parent->GetAttributesOf(Relative_, Mask) : 0;
}

bool IsListedChild(TShellDataItem& Item, int ParentLevel, TShItemIDType ParentType, TShVirtuaItems Shown)
{
    const auto shown = [&](TShItemIDType Type) { return (Shown & VirtuaItem(Type)) != 0; };
    if (ParentLevel == 0) {
        switch (const TShItemIDType type = Item.ItemType()) {
        case itBitBucket:
        case itNetWork: return shown(type);
        case itVirtual: return false;
        default: return true;
        }
    }
    if (ParentLevel == 1 && ParentType == itMyComputer)
        return Item.ItemType() != itVirtual || shown(itVirtual);
    if (ParentLevel == 1 && ParentType == itNetWork)
        return shown(itNetWork);
    return true;
}

TShItemIDType TShellDataItem::ItemType()
{
    const int level = Level();
    if (level < 0)
        return itUnknown;
    if (level == 0)
        return itDeskTop;
    if (level == 1 && Absolute_ == ItemOf(TItemKind::Computer))
        return itMyComputer;
    if (level == 1 && Absolute_ == ItemOf(TItemKind::Trash))
        return itBitBucket;
    if (!HasAttribute(SFGAO_FILESYSTEM))
        return itVirtual;
    if (level == 2 && HasAttribute(SFGAO_FILESYSANCESTOR))
        return itRootDrive;
    return HasAttribute(SFGAO_FOLDER) ? itFolder : itFile;
}

int TShellDataItem::GetIconIndex(IIconIndexer& Icons)
{
    if (IconIndex_ < 0)
        IconIndex_ = GetItemIconIndex(Icons, false);
    return IconIndex_;
}

int TShellDataItem::GetOpenIconIndex(IIconIndexer& Icons)
{
    if (OpenIconIndex_ < 0)
        OpenIconIndex_ = GetItemIconIndex(Icons, true);
    return OpenIconIndex_;
}

TShellIconKey TShellDataItem::IconKey(bool Open)
{
    using K = TShellIconKey;
    if (Level() == 0)
        return {K::Desktop, {}};
    const std::string_view last = Absolute_.Items().back();
    switch (static_cast<TItemKind>(last[0])) {
    case TItemKind::Home: return {K::Home, {}};
    case TItemKind::Computer: return {K::Computer, {}};
    case TItemKind::Trash: return {K::Trash, {}};
    case TItemKind::Volume: {
        const TVolume* volume = Namespace_.VolumeAt(last.substr(1));
        const TVolumeKind kind = volume ? volume->Kind : TVolumeKind::Removable;
        return {kind == TVolumeKind::Fixed     ? K::FixedDrive
                : kind == TVolumeKind::Network ? K::NetworkDrive
                                               : K::RemovableDrive,
                {}};
    }
    case TItemKind::Entry: break;
    }
    if (HasAttribute(SFGAO_FOLDER))
        return {Open ? K::OpenFolder : K::Folder, {}};
    static const QMimeDatabase mimeTypes;
    return {K::File,
            mimeTypes.mimeTypeForFile(QFile::decodeName(QByteArray::fromStdString(Path()))).name().toStdString()};
}
