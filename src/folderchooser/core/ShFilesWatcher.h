// Follows one folder for a file list: reports, on the UI thread, that the
// changes its filter names happened in the folder (once per burst, after
// the burst has been quiet for a while). The folder itself going away is
// a change too.
#pragma once

#include "FolderEvents.h"
#include "QuietPeriod.h"

#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>
#include <string>

class TShFilesWatcher {
public:
    using TChangeEvent = std::function<void(TShFilesWatcher* Sender, const std::string& Folder)>;
    static constexpr std::chrono::milliseconds DefaultQuiet{2000};

    // Folder "" watches nothing. Clock: tests pass their own.
    TShFilesWatcher(const std::string& Folder, uint32_t Filter, TChangeEvent OnChange,
                    std::chrono::milliseconds Quiet = DefaultQuiet, TClock Clock = {});
    ~TShFilesWatcher();
    TShFilesWatcher(const TShFilesWatcher&) = delete;
    TShFilesWatcher& operator=(const TShFilesWatcher&) = delete;

    // Watches Folder when it is a directory, else nothing.
    void SetFolder(const std::string& Folder);
    const std::string& Folder() const { return Folder_; }
    // Clears the handler: nothing is reported from now on.
    void Stop();
    // Reports a burst that has been quiet long enough. The watcher's own
    // timer runs it; a test with its own clock calls it after moving the clock.
    void CheckDue();
    bool ChangePending() const { return Quiet_.Pending(); }

private:
    void Changed();
    void Watch();

    TFolderEvents Events_;
    TChangeEvent OnChange_;
    TClock Clock_;
    TQuietPeriod Quiet_;
    std::string Folder_;
    QTimer Timer_;
};
