#include "ShellPopupMenu.h"

#include "ShellFileOps.h"
#include "ShellHooks.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFile>
#include <QMimeData>
#include <QUrl>
#include <algorithm>
#include <filesystem>

namespace {

// The marker file managers read to tell a cut from a copy.
constexpr const char* kCopiedFiles = "x-special/gnome-copied-files";

QList<QUrl> UrlsOf(const std::vector<std::string>& Paths)
{
    QList<QUrl> urls;
    for (const std::string& path : Paths)
        urls.push_back(QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(path))));
    return urls;
}

bool PutOnClipboard(const std::vector<std::string>& Paths, bool Cut)
{
    auto* data = new QMimeData;
    const QList<QUrl> urls = UrlsOf(Paths);
    data->setUrls(urls);
    QByteArray marker = Cut ? "cut" : "copy";
    for (const QUrl& url : urls)
        marker += '\n' + url.toEncoded();
    data->setData(kCopiedFiles, marker);
    QApplication::clipboard()->setMimeData(data);
    return true;
}

bool PasteInto(const std::string& Folder)
{
    const QMimeData* data = QApplication::clipboard()->mimeData();
    if (!data || !data->hasUrls())
        return false;
    std::vector<std::string> sources;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile())
            sources.push_back(QFile::encodeName(url.toLocalFile()).toStdString());
    const bool cut = data->data(kCopiedFiles).startsWith("cut");
    return TransferInto(Folder, sources, cut ? TTransfer::Move : TTransfer::Copy) > 0;
}

bool IsFolder(const std::string& Path)
{
    std::error_code error;
    return std::filesystem::is_directory(Path, error);
}

} // namespace

TShellPopupMenu::TShellPopupMenu(QWidget* Parent) : QMenu(Parent) {}

// The menu opens with its left edge at the point (its right edge under a
// right-to-left layout); the other alignments move it by its width.
QPoint TShellPopupMenu::AlignedPoint(const QMenu& Menu, const QPoint& Pos) const
{
    const int width = Menu.sizeHint().width();
    int shift = 0;
    switch (Alignment_) {
    case TPopupAlignment::paLeft: break;
    case TPopupAlignment::paRight: shift = -width; break;
    case TPopupAlignment::paCenter: shift = -width / 2; break;
    }
    return Pos + QPoint(Menu.isRightToLeft() ? -shift : shift, 0);
}

int TShellPopupMenu::InsertPos() const { return std::clamp(InsertPos_, 0, static_cast<int>(actions().size())); }

std::vector<QAction*> TShellPopupMenu::MakeCommands(QMenu& Menu, const std::vector<std::string>& Paths)
{
    struct TCommand {
        int Offset;
        const char* Caption;
    };
    static const TCommand kCommands[] = {
        {scOpen, "開く"},
        {scCut, "切り取り"},
        {scCopy, "コピー"},
        {scPaste, "貼り付け"},
        {scCreateLink, "ショートカットの作成"},
        {scDelete, "削除"},
        {scRename, "名前の変更"},
    };
    std::vector<QAction*> made;
    for (const TCommand& command : kCommands) {
        if (ContextType_ == TShellContextType::shctDefaultOnly && command.Offset != scOpen)
            continue;
        if ((command.Offset == scRename && ReadOnly_)
            || (command.Offset == scPaste && (Paths.size() != 1 || !IsFolder(Paths.front()))))
            continue;
        QAction* action = new QAction(QString::fromUtf8(command.Caption), &Menu);
        action->setData(command.Offset);
        made.push_back(action);
    }
    return made;
}

int TShellPopupMenu::ShellPopup(const TShellIDList& Items, const QPoint& Pos)
{
    const std::vector<std::string> Paths = Items.Paths();
    if (Paths.empty() || Paths.front().empty())
        return 0;
    bool allow = true;
    if (OnShBeforPopup)
        OnShBeforPopup(this, Items, Pos, allow);
    QWidget* owner = parentWidget() ? parentWidget() : QApplication::activeWindow();
    if (!allow || !owner)
        return 0;
    QMenu menu(owner);
    std::vector<QAction*> own;
    for (QAction* action : actions())
        if (action->isVisible())
            own.push_back(action);
    const std::vector<QAction*> commands = MakeCommands(menu, Paths);
    const size_t insertAt = std::min(static_cast<size_t>(InsertPos()), own.size());
    for (size_t i = 0; i < insertAt; ++i)
        menu.addAction(own[i]);
    for (QAction* command : commands)
        menu.addAction(command);
    for (size_t i = insertAt; i < own.size(); ++i)
        menu.addAction(own[i]);
    if (!commands.empty())
        menu.setDefaultAction(commands.front());
    QAction* chosen = RunPopup(menu, AlignedPoint(menu, Pos));
    if (!chosen)
        return 0;
    if (std::find(commands.begin(), commands.end(), chosen) == commands.end()) {
        chosen->trigger();
        if (OnShAfterPopup)
            OnShAfterPopup(this, chosen, Items);
        return chosen->data().toInt();
    }
    const int offset = chosen->data().toInt();
    return offset == scRename || Run(offset, Paths) ? offset : 0;
}

bool TShellPopupMenu::Run(int Offset, const std::vector<std::string>& Paths)
{
    bool done = true;
    switch (Offset) {
    case scCreateLink:
        for (const std::string& path : Paths)
            done = !MakeLinkBeside(path).empty() && done;
        return done;
    case scDelete:
        for (const std::string& path : Paths)
            done = MoveToTrash(path) && done;
        return done;
    case scCut:
    case scCopy: return PutOnClipboard(Paths, Offset == scCut);
    case scPaste: return PasteInto(Paths.front());
    default:
        for (const QUrl& url : UrlsOf(Paths))
            done = QDesktopServices::openUrl(url) && done;
        return done;
    }
}
