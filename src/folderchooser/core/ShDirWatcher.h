// Follows the disk for a folder tree: reports, on the UI thread, that
// something changed in one of the watched folders (once per burst, after
// the burst has been quiet for a while), and hands back volume changes
// queued by the tree (the latest of a burst, likewise held back).
//
// The folders are watched with inotify, whose notices arrive on the
// owner's thread: nothing ever waits for another thread, and stopping is
// immediate. inotify watches one directory, not a subtree, so the tree
// hands in the directories of its populated nodes. Only the changes the
// filter names count (the tree asks for folder names alone).
#pragma once

#include "FolderEvents.h"
#include "QuietPeriod.h"
#include "ShellIDFunc.h"

#include <QString>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

constexpr uint32_t DBT_DEVICEARRIVAL = 0x8000;
constexpr uint32_t DBT_DEVICEREMOVECOMPLETE = 0x8004;

// A volume that came or went. Kind 1: a volume of a device, IDList naming
// its root; kind 2: a network volume, no list and no text.
struct TDeviceChangeData {
    QString Text;
    uint32_t EventType = DBT_DEVICEARRIVAL;
    uint16_t Kind = 1;
    TItemIDList IDList;
};

struct TWatcherTiming {
    std::chrono::milliseconds FolderQuiet{1500};
    std::chrono::milliseconds DeviceQuiet{1000};
    TClock Clock = [] { return std::chrono::steady_clock::now(); };
};

class TShDirWatcher {
public:
    using TDeviceChangeEvent = std::function<void(const TDeviceChangeData&)>;
    using TChangeEvent = std::function<void()>;

    TShDirWatcher(const std::vector<std::string>& Folders, uint32_t Filter, TDeviceChangeEvent OnDeviceChange,
                  TChangeEvent OnChange, TWatcherTiming Timing = {});
    ~TShDirWatcher();
    TShDirWatcher(const TShDirWatcher&) = delete;
    TShDirWatcher& operator=(const TShDirWatcher&) = delete;

    // Watches the existing directories among Folders (in any order); a list
    // equal to the present one changes nothing. Null watches nothing. A
    // new list, like a device change, ends a burst of folder changes
    // unreported: whoever changes the list is looking at the folders anew.
    void SetWatchList(const std::vector<std::string>* Folders);
    // Replaces the pending device change (only while a device handler is set).
    void SetDeviceData(std::unique_ptr<TDeviceChangeData> Data);
    // Clears both handlers: nothing is reported from now on.
    void Stop();
    // Reports what has been quiet long enough. The watcher's own timer runs
    // it; a test with its own clock calls it after moving the clock.
    void CheckDue();

    // The watched folders, sorted.
    const std::vector<std::string>& WatchList() const { return WatchList_; }
    // How many times the watch list has been replaced.
    int ListChanges() const { return ListChanges_; }
    bool FolderChangePending() const { return FolderQuiet_.Pending(); }

private:
    void FolderChanged();
    void Rearm();

    TFolderEvents Events_;

    TDeviceChangeEvent OnDeviceChange_;
    TChangeEvent OnChange_;
    TClock Clock_;
    TQuietPeriod FolderQuiet_;
    TQuietPeriod DeviceQuiet_;
    std::unique_ptr<TDeviceChangeData> DeviceData_;
    std::vector<std::string> WatchList_;
    int ListChanges_ = 0;
    // Last, so that the timer goes first.
    std::unique_ptr<QTimer> Timer_;
};
