// Makes writes past a size fail with EFBIG for as long as it lives.
// Permissions cannot make a write fail when the tests run as root; a file
// size limit can.
#pragma once

#include <csignal>
#include <sys/resource.h>

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t Bytes)
    {
        getrlimit(RLIMIT_FSIZE, &Old_);
        OldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{Bytes, Old_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &Old_);
        std::signal(SIGXFSZ, OldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit Old_{};
    void (*OldHandler_)(int) = nullptr;
};
