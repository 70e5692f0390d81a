// Reads, for the children of one folder, whether each is a symbolic link
// and whether it holds a sub-folder, through one open descriptor of the
// folder. A child's directory is read again only when it changed since
// the stamp kept from its last reading: a refresh of a folder with
// thousands of collapsed children then costs one status call per child.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <sys/types.h>

class TShellFolder;

// What a child's directory looked like when it was last read.
struct TProbeStamp {
    dev_t Device = 0;
    ino_t Inode = 0;
    int64_t ModifiedNs = -1;
    int64_t ChangedNs = -1;
    // Set when the directory had been left alone long enough before the
    // reading that a change in the same clock tick cannot have gone unseen.
    bool Trusted = false;
    bool HasSubFolder = false;
};

class TChildProber {
public:
    explicit TChildProber(const TShellFolder& Folder);
    ~TChildProber();
    TChildProber(const TChildProber&) = delete;
    TChildProber& operator=(const TChildProber&) = delete;

    // SFGAO_LINK and SFGAO_HASSUBFOLDER of the child Name. On a network
    // volume sub-folders are taken for granted without reading.
    uint32_t Probe(std::string_view Name, TProbeStamp& Stamp);

private:
    int Fd_;
    bool Remote_;
    std::string Name_;
};
