#include "ShFilesWatcher.h"

#include <sys/stat.h>

TShFilesWatcher::TShFilesWatcher(const std::string& Folder, uint32_t Filter, TChangeEvent OnChange,
                                 std::chrono::milliseconds Quiet, TClock Clock)
    : Events_(Filter, [this](const std::string&) { Changed(); }), OnChange_(std::move(OnChange)),
      Clock_(Clock ? std::move(Clock) : [] { return std::chrono::steady_clock::now(); }), Quiet_(Quiet)
{
    Timer_.setSingleShot(true);
    QObject::connect(&Timer_, &QTimer::timeout, [this] { CheckDue(); });
    SetFolder(Folder);
}

TShFilesWatcher::~TShFilesWatcher() { Stop(); }

void TShFilesWatcher::SetFolder(const std::string& Folder)
{
    struct stat st;
    const std::string folder = !Folder.empty() && stat(Folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) ? Folder : "";
    if (folder == Folder_)
        return;
    Folder_ = folder;
    Quiet_.Clear();
    Timer_.stop();
    Watch();
}

// A folder that was removed and made again is a new one to watch.
void TShFilesWatcher::Watch()
{
    Events_.Clear();
    if (!Folder_.empty())
        Events_.Add(Folder_);
}

void TShFilesWatcher::Stop()
{
    OnChange_ = nullptr;
    Quiet_.Clear();
    Timer_.stop();
    Events_.Clear();
}

void TShFilesWatcher::Changed()
{
    if (!OnChange_)
        return;
    Quiet_.Note(Clock_());
    Timer_.start(Quiet_.Remaining(Clock_()));
}

void TShFilesWatcher::CheckDue()
{
    if (!Quiet_.Due(Clock_())) {
        if (Quiet_.Pending())
            Timer_.start(std::max(Quiet_.Remaining(Clock_()), std::chrono::milliseconds(1)));
        return;
    }
    Timer_.stop();
    Watch();
    // The handler may hand over another folder.
    const std::string folder = Folder_;
    if (OnChange_)
        OnChange_(this, folder);
}
