#include "ShellCtrlList.h"

#include "MountTable.h"
#include "ShDirWatcher.h"
#include "ShellNamespace.h"

#include <QFile>
#include <QSocketNotifier>
#include <algorithm>
#include <fcntl.h>
#include <unistd.h>

// The kernel's mount table signals a change as an exceptional condition
// (POLLPRI) on an open descriptor of it; a plain file never does, and is
// rescanned only when asked.
struct TShellCtrlList::TMonitor {
    int Fd;
    std::unique_ptr<QSocketNotifier> Notifier;

    TMonitor(const std::string& MountTable, TShellCtrlList& Owner) : Fd(open(MountTable.c_str(), O_RDONLY | O_CLOEXEC))
    {
        if (Fd < 0)
            return;
        Notifier = std::make_unique<QSocketNotifier>(Fd, QSocketNotifier::Exception);
        QObject::connect(Notifier.get(), &QSocketNotifier::activated, [&Owner] { Owner.Rescan(); });
    }
    ~TMonitor()
    {
        Notifier.reset();
        if (Fd >= 0)
            close(Fd);
    }
};

namespace {

QString DeviceText(const TVolume& Volume, bool Arrived)
{
    const std::string text = (Arrived ? GetVolumeLabel(Volume.Label) : std::string()) + " (" + Volume.MountPoint + ")";
    return QFile::decodeName(QByteArray::fromStdString(text));
}

} // namespace

TShellCtrlList::TShellCtrlList(TShellNamespace& Namespace) : Namespace_(Namespace) {}

TShellCtrlList::~TShellCtrlList() = default;

void TShellCtrlList::Add(IShellControl* Control)
{
    if (Controls_.empty()) {
        Monitor_ = std::make_unique<TMonitor>(Namespace_.Config().MountTable, *this);
        // Volumes came and went unwatched while no control was listed.
        Rescan();
    }
    Controls_.push_back(Control);
}

void TShellCtrlList::Remove(IShellControl* Control)
{
    std::erase(Controls_, Control);
    if (Controls_.empty())
        Monitor_.reset();
}

void TShellCtrlList::NotifyDeviceChange(const QString& Text, uint32_t EventType, const TItemIDList& IDList,
                                        uint16_t Kind)
{
    for (IShellControl* control : std::vector<IShellControl*>(Controls_))
        if (control)
            control->QueueDeviceChange(Text, EventType, IDList, Kind);
}

void TShellCtrlList::Rescan()
{
    const TNamespaceConfig& config = Namespace_.Config();
    std::vector<TVolume> volumes = ReadVolumes(config.MountTable, config.ByLabel, config.MediaRoots);
    const TVolumeChanges changes = DiffVolumes(Namespace_.Volumes(), volumes);
    Namespace_.SetVolumes(std::move(volumes));
    const auto notify = [&](const TVolume& Volume, uint32_t Event) {
        if (Volume.Kind == TVolumeKind::Network)
            NotifyDeviceChange({}, Event, {}, 2);
        else
            NotifyDeviceChange(DeviceText(Volume, Event == DBT_DEVICEARRIVAL), Event,
                               TShellNamespace::VolumeIDList(Volume.MountPoint), 1);
    };
    for (const TVolume& volume : changes.Removed)
        notify(volume, DBT_DEVICEREMOVECOMPLETE);
    for (const TVolume& volume : changes.Arrived)
        notify(volume, DBT_DEVICEARRIVAL);
}
