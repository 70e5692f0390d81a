// A fresh folder for one test, removed with everything in it afterwards.
#pragma once

#include <string>
#include <string_view>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder, ending in "/".
    const std::string& Path() const { return Path_; }
    std::string File(std::string_view Name) const { return Path_ + std::string(Name); }

private:
    std::string Path_;
};

// The bytes of a file, or "<missing>" when it cannot be read.
std::string ReadRaw(const std::string& FileName);
// Writes the bytes as they are, replacing the file.
void WriteRaw(const std::string& FileName, std::string_view Bytes);
