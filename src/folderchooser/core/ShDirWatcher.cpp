#include "ShDirWatcher.h"

#include <algorithm>
#include <sys/stat.h>

TShDirWatcher::TShDirWatcher(const std::vector<std::string>& Folders, uint32_t Filter,
                             TDeviceChangeEvent OnDeviceChange, TChangeEvent OnChange, TWatcherTiming Timing)
    : Events_(Filter, [this](const std::string&) { FolderChanged(); }), OnDeviceChange_(std::move(OnDeviceChange)),
      OnChange_(std::move(OnChange)), Clock_(std::move(Timing.Clock)), FolderQuiet_(Timing.FolderQuiet),
      DeviceQuiet_(Timing.DeviceQuiet), Timer_(std::make_unique<QTimer>())
{
    Timer_->setSingleShot(true);
    QObject::connect(Timer_.get(), &QTimer::timeout, [this] { CheckDue(); });
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
    FolderQuiet_.Clear();
    for (const std::string& folder : WatchList_)
        if (!std::binary_search(list.begin(), list.end(), folder))
            Events_.Remove(folder);
    // A folder that cannot be watched is dropped from the list.
    std::erase_if(list, [&](const std::string& Folder) {
        return !std::binary_search(WatchList_.begin(), WatchList_.end(), Folder) && !Events_.Add(Folder);
    });
    WatchList_ = std::move(list);
    Rearm();
}

void TShDirWatcher::SetDeviceData(std::unique_ptr<TDeviceChangeData> Data)
{
    if (!OnDeviceChange_)
        return;
    DeviceData_ = std::move(Data);
    DeviceQuiet_.Note(Clock_());
    FolderQuiet_.Clear();
    Rearm();
}
void TShDirWatcher::Stop()
{
    OnDeviceChange_ = nullptr;
    OnChange_ = nullptr;
    DeviceData_.reset();
    FolderQuiet_.Clear();
    DeviceQuiet_.Clear();
    Timer_->stop();
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
        Timer_->stop();
    else
        Timer_->start(std::max(wait, std::chrono::milliseconds(1)));
}
