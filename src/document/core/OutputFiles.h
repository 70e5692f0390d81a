// Outputs that are sets of files (one file per page, the HTML pages): each
// made first as a name and its bytes, then written.
#pragma once

#include "FileSystem.h"

#include <string>
#include <vector>

struct TOutputFile {
    // The program's (Shift-JIS) file name.
    std::string Name;
    std::string Bytes;
    bool operator==(const TOutputFile&) const = default;
};
using TOutputFiles = std::vector<TOutputFile>;

// Writes each file atomically, in order. The first failure stops the
// writing and raises EFCreateError naming the file and the reason; the
// files written before it stay.
void WriteOutputFiles(const TOutputFiles& Files, TFileSystem& System = SystemFileSystem());
