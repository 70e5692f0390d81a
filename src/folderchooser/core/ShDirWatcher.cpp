#include "ShDirWatcher.h"

#include <QFile>
#include <QFileSystemWatcher>
#include <QTimer>
#include <algorithm>
#include <sys/stat.h>

struct TShDirWatcher::TQt {
    QFileSystemWatcher Folders;
    QTimer Timer;
};

namespace {

QString SystemName(const std::string& Path) { return QFile::decodeName(QByteArray::fromStdString(Path)); }

} // namespace

TShDirWatcher::TShDirWatcher(const std::vector<std::string>& Folders, TDeviceChangeEvent OnDeviceChange,
                             TChangeEvent OnChange, TWatcherTiming Timing)
    : OnDeviceChange_(std::move(OnDeviceChange)), OnChange_(std::move(OnChange)), Clock_(std::move(Timing.Clock)),
      FolderQuiet_(Timing.FolderQuiet), DeviceQuiet_(Timing.DeviceQuiet), Qt_(std::make_unique<TQt>())
{
    Qt_->Timer.setSingleShot(true);
    QObject::connect(&Qt_->Timer, &QTimer::timeout, [this] { CheckDue(); });
    QObject::connect(&Qt_->Folders, &QFileSystemWatcher::directoryChanged, [this] { FolderChanged(); });
    SetWatchList(&Folders);
}

TShDirWatcher::~TShDirWatcher() { Stop(); }

void TShDirWatcher::SetWatchList(const std::vector<std::string>* Folders)
{
    std::vector<std::string> list;
    if (Folders) {
        struct stat st;
        for (const std::string& folder : *Folders)
            if (stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
                list.push_back(folder);
        std::sort(list.begin(), list.end());
        list.erase(std::unique(list.begin(), list.end()), list.end());
    }
    if (list == WatchList_)
        return;
    ++ListChanges_;
    QStringList gone, added;
    for (const std::string& folder : WatchList_)
        if (!std::binary_search(list.begin(), list.end(), folder))
            gone << SystemName(folder);
    for (const std::string& folder : list)
        if (!std::binary_search(WatchList_.begin(), WatchList_.end(), folder))
            added << SystemName(folder);
    if (!gone.isEmpty())
        Qt_->Folders.removePaths(gone);
    // A folder that cannot be watched is dropped from the list.
    const QStringList failed = added.isEmpty() ? QStringList() : Qt_->Folders.addPaths(added);
    std::erase_if(list, [&](const std::string& Folder) { return failed.contains(SystemName(Folder)); });
    WatchList_ = std::move(list);
}

void TShDirWatcher::SetDeviceData(std::unique_ptr<TDeviceChangeData> Data)
{
    if (!OnDeviceChange_)
        return;
    DeviceData_ = std::move(Data);
    DeviceQuiet_.Note(Clock_());
    Rearm();
}

void TShDirWatcher::Stop()
{
    OnDeviceChange_ = nullptr;
    OnChange_ = nullptr;
    DeviceData_.reset();
    FolderQuiet_.Clear();
    DeviceQuiet_.Clear();
    Qt_->Timer.stop();
}

void TShDirWatcher::FolderChanged()
{
    if (!OnChange_)
        return;
    FolderQuiet_.Note(Clock_());
    Rearm();
}

void TShDirWatcher::CheckDue()
{
    const TSteadyTime now = Clock_();
    if (DeviceQuiet_.Due(now) && DeviceData_) {
        const std::unique_ptr<TDeviceChangeData> data = std::move(DeviceData_);
        if (OnDeviceChange_)
            OnDeviceChange_(*data);
    }
    if (FolderQuiet_.Due(now) && OnChange_)
        OnChange_();
    Rearm();
}

void TShDirWatcher::Rearm()
{
    const TSteadyTime now = Clock_();
    std::chrono::milliseconds wait = std::chrono::milliseconds::max();
    if (FolderQuiet_.Pending())
        wait = std::min(wait, FolderQuiet_.Remaining(now));
    if (DeviceQuiet_.Pending())
        wait = std::min(wait, DeviceQuiet_.Remaining(now));
    if (wait == std::chrono::milliseconds::max())
        Qt_->Timer.stop();
    else
        Qt_->Timer.start(std::max(wait, std::chrono::milliseconds(1)));
}
