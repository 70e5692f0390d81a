#include "FolderEvents.h"

#include <QSocketNotifier>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/inotify.h>
#include <unistd.h>

struct TFolderEvents::TNotifier {
    QSocketNotifier Notifier;
    TNotifier(int Fd) : Notifier(Fd, QSocketNotifier::Read) {}
};

namespace {

constexpr uint32_t kNameEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO;
constexpr uint32_t kSelfEvents = IN_DELETE_SELF | IN_MOVE_SELF;

uint32_t MaskOf(uint32_t Filter)
{
    uint32_t mask = kSelfEvents | IN_ONLYDIR;
    if (Filter & (FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME))
        mask |= kNameEvents;
    if (Filter & FILE_NOTIFY_CHANGE_ATTRIBUTES)
        mask |= IN_ATTRIB;
    if (Filter & (FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE))
        mask |= IN_MODIFY;
    return mask;
}

} // namespace

TFolderEvents::TFolderEvents(uint32_t Filter, TEvent OnEvent)
    : Filter_(Filter), OnEvent_(std::move(OnEvent)), Fd_(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
{
    if (Fd_ < 0)
        return;
    Notifier_ = std::make_unique<TNotifier>(Fd_);
    QObject::connect(&Notifier_->Notifier, &QSocketNotifier::activated, [this] { ReadEvents(); });
}

TFolderEvents::~TFolderEvents()
{
    Notifier_.reset();
    if (Fd_ >= 0)
        close(Fd_);
}

bool TFolderEvents::Add(const std::string& Folder)
{
    if (Fd_ < 0)
        return false;
    const int wd = inotify_add_watch(Fd_, Folder.c_str(), MaskOf(Filter_));
    if (wd < 0)
        return false;
    std::vector<std::string>& paths = Folders_[wd];
    if (std::find(paths.begin(), paths.end(), Folder) == paths.end())
        paths.push_back(Folder);
    return true;
}

void TFolderEvents::Remove(const std::string& Folder)
{
    for (auto at = Folders_.begin(); at != Folders_.end(); ++at)
        if (std::erase(at->second, Folder) > 0) {
            if (at->second.empty()) {
                inotify_rm_watch(Fd_, at->first);
                Folders_.erase(at);
            }
            return;
        }
}

void TFolderEvents::Clear()
{
    for (const auto& [wd, folder] : Folders_)
        inotify_rm_watch(Fd_, wd);
    Folders_.clear();
}

bool TFolderEvents::Wanted(uint32_t Filter, uint32_t EventMask)
{
    if (EventMask & (kSelfEvents | IN_Q_OVERFLOW))
        return true;
    if (EventMask & kNameEvents)
        return Filter & (EventMask & IN_ISDIR ? FILE_NOTIFY_CHANGE_DIR_NAME : FILE_NOTIFY_CHANGE_FILE_NAME);
    if (EventMask & IN_ATTRIB)
        return Filter & FILE_NOTIFY_CHANGE_ATTRIBUTES;
    if (EventMask & IN_MODIFY)
        return Filter & (FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE);
    return false;
}

void TFolderEvents::ReadEvents()
{
    alignas(inotify_event) char buffer[16 * 1024];
    for (;;) {
        const ssize_t length = read(Fd_, buffer, sizeof buffer);
        if (length <= 0)
            return;
        for (ssize_t at = 0; at < length;) {
            inotify_event event;
            std::memcpy(&event, buffer + at, sizeof event);
            at += static_cast<ssize_t>(sizeof event + event.len);
            const auto folder = Folders_.find(event.wd);
            if (event.mask & IN_IGNORED) {
                // The folder went, and its watch with it.
                if (folder != Folders_.end())
                    Folders_.erase(folder);
                continue;
            }
            if (!Wanted(Filter_, event.mask))
                continue;
            if (event.mask & IN_Q_OVERFLOW)
                OnEvent_({});
            else if (folder != Folders_.end())
                OnEvent_(std::string(folder->second.front()));
        }
    }
}
