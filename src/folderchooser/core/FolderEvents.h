// The events of watched folders that a change filter asks for, read from
// inotify on the owner's thread. inotify watches one folder, not its
// subtree, and tells a folder's entries apart from its files, so a watch
// for folder names stays quiet while files in the folder are rewritten.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

// Change filters: what about a folder's entries counts as a change.
constexpr uint32_t FILE_NOTIFY_CHANGE_FILE_NAME = 0x1;  // files made, removed or renamed
constexpr uint32_t FILE_NOTIFY_CHANGE_DIR_NAME = 0x2;   // folders made, removed or renamed
constexpr uint32_t FILE_NOTIFY_CHANGE_ATTRIBUTES = 0x4; // mode, owner, times set
constexpr uint32_t FILE_NOTIFY_CHANGE_SIZE = 0x8;       // contents written
constexpr uint32_t FILE_NOTIFY_CHANGE_LAST_WRITE = 0x10;

class TFolderEvents {
public:
    // Folder: the watched folder that saw the event; "" when the system
    // lost events and any of them may have changed.
    using TEvent = std::function<void(const std::string& Folder)>;

    TFolderEvents(uint32_t Filter, TEvent OnEvent);
    ~TFolderEvents();
    TFolderEvents(const TFolderEvents&) = delete;
    TFolderEvents& operator=(const TFolderEvents&) = delete;

    // False when the folder cannot be watched. A folder that is removed or
    // moved away is reported, then no longer watched.
    bool Add(const std::string& Folder);
    void Remove(const std::string& Folder);
    void Clear();

    // Whether an inotify event mask matches a filter.
    static bool Wanted(uint32_t Filter, uint32_t EventMask);

private:
    void ReadEvents();

    uint32_t Filter_;
    TEvent OnEvent_;
    int Fd_;
    // By watch descriptor: two paths of one folder (through a link) share one.
    std::map<int, std::vector<std::string>> Folders_;
    struct TNotifier;
    std::unique_ptr<TNotifier> Notifier_;
};
