#include "SystemImageList.h"

#include <QApplication>
#include <QMimeDatabase>
#include <QStyle>

namespace {

struct TThemeIcon {
    const char* Name;
    QStyle::StandardPixmap Fallback;
};

TThemeIcon ThemeIconOf(TShellIconKey::TKind Kind)
{
    using K = TShellIconKey;
    switch (Kind) {
    case K::Desktop: return {"user-desktop", QStyle::SP_DesktopIcon};
    case K::Computer: return {"computer", QStyle::SP_ComputerIcon};
    case K::Home: return {"user-home", QStyle::SP_DirHomeIcon};
    case K::Trash: return {"user-trash", QStyle::SP_TrashIcon};
    case K::Folder: return {"folder", QStyle::SP_DirClosedIcon};
    case K::OpenFolder: return {"folder-open", QStyle::SP_DirOpenIcon};
    case K::FixedDrive: return {"drive-harddisk", QStyle::SP_DriveHDIcon};
    case K::RemovableDrive: return {"drive-removable-media", QStyle::SP_DriveFDIcon};
    case K::NetworkDrive: return {"folder-remote", QStyle::SP_DriveNetIcon};
    case K::File: break;
    }
    return {"text-x-generic", QStyle::SP_FileIcon};
}

QIcon Resolve(const TShellIconKey& Key)
{
    const TThemeIcon theme = ThemeIconOf(Key.Kind);
    const QIcon fallback = QApplication::style()->standardIcon(theme.Fallback);
    if (Key.Kind == TShellIconKey::File && !Key.MimeType.empty()) {
        static const QMimeDatabase mimeTypes;
        const QMimeType type = mimeTypes.mimeTypeForName(QString::fromStdString(Key.MimeType));
        if (const QIcon icon = QIcon::fromTheme(type.iconName()); !icon.isNull())
            return icon;
        return QIcon::fromTheme(type.genericIconName(), fallback);
    }
    return QIcon::fromTheme(QString::fromLatin1(theme.Name), fallback);
}

} // namespace

TSystemImageList& TSystemImageList::Instance()
{
    static TSystemImageList instance;
    return instance;
}

int TSystemImageList::IndexOf(const TShellIconKey& Key)
{
    const auto [at, added] = Indexes_.try_emplace(Key, static_cast<int>(Icons_.size()));
    if (added) {
        Keys_.push_back(Key);
        Icons_.push_back(Resolve(Key));
    }
    return at->second;
}

QIcon TSystemImageList::Icon(int Index) const
{
    return Index >= 0 && Index < Count() ? Icons_[static_cast<size_t>(Index)] : QIcon();
}

void TSystemImageList::Reload()
{
    for (size_t i = 0; i < Keys_.size(); ++i)
        Icons_[i] = Resolve(Keys_[i]);
}
