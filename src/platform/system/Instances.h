// The running instances of the program on this desktop and the messages
// between them.
//
// Every instance keeps three entries in a per-user runtime folder: "<pid>.lock",
// locked with flock() for the life of the instance (the kernel drops the lock
// when the process ends however it ends), "<pid>.caption", the window caption,
// replaced whole on every change, and "<pid>.sock", a local socket that
// receives messages. An entry whose lock can be taken belongs to no running
// process: it is stale, counts as no instance, and its files are removed by
// whoever finds it.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

// The runtime folder: $VELK_HOME/.run when VELK_HOME is set, else
// $XDG_RUNTIME_DIR/velk2000, else /tmp/velk2000-<uid>. In the system's form.
std::string InstanceFolder();

class TInstanceRegistry {
public:
    // Registers this process in Folder (made with mode 0700 when missing)
    // before anything is enumerated, so two instances started at once see
    // each other. When registration fails, the instance runs alone: it sees
    // no others, sends nothing, and RegistrationError() says why.
    explicit TInstanceRegistry(const std::string& Folder = InstanceFolder());
    // Removes this instance's entries.
    ~TInstanceRegistry();
    TInstanceRegistry(const TInstanceRegistry&) = delete;
    TInstanceRegistry& operator=(const TInstanceRegistry&) = delete;

    bool Registered() const;
    // Empty when registered; else a Japanese sentence with the reason
    // (the folder is no folder, is another user's, cannot be made, ...).
    const std::string& RegistrationError() const;
    // The runtime folder.
    std::string Folder() const;

    // No other running instance.
    bool IsSingleInstance();
    // This instance's caption (Shift-JIS bytes), seen by the others.
    void SetCaption(const std::string& Caption);
    // A running instance, this one included, has exactly this caption (byte
    // for byte: file names differ by letter case on this system).
    bool IsCaptionOpen(const std::string& Caption);
    // The captions of the other running instances, this one not included.
    std::vector<std::string> OtherCaptions();
    // Hands Text (Shift-JIS bytes) to every other running instance, never to
    // this one, without waiting for them to read it. Returns how many took it.
    int Broadcast(const std::string& Text);
    // Runs on this thread's event loop for each text another instance sent.
    std::function<void(const std::string& Text)> OnMessage;

private:
    struct TImpl;
    std::unique_ptr<TImpl> Impl_;
};
