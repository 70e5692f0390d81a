#include "SystemImageList.h"

#include <QApplication>
#include <QMimeDatabase>
#include <QStyle>
#include <algorithm>

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

// The file list's icon view draws icons at the large size; an icon the
// theme has in small sizes only is scaled up, so that all stand as large.
QIcon WithLargeSize(const QIcon& Icon)
{
    const QStyle* style = QApplication::style();
    const int large = style->pixelMetric(QStyle::PM_LargeIconSize);
    const int small = style->pixelMetric(QStyle::PM_SmallIconSize);
    const QSize fits = Icon.actualSize({large, large});
    if (Icon.isNull() || std::max(fits.width(), fits.height()) >= large)
        return Icon;
    QIcon sized(Icon.pixmap(small));
    sized.addPixmap(Icon.pixmap(large).scaled(large, large, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    return sized;
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
        Icons_.push_back(WithLargeSize(Resolve(Key)));
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
        Icons_[i] = WithLargeSize(Resolve(Keys_[i]));
}
