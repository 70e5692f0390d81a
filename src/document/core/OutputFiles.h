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

// Writes the files as one set (WriteFilesAtomic), each output from the
// document file Document ("" for none: a document not saved yet): a new
// file is no more open to others than the document, one that exists keeps
// its own owner, group and permissions (a page in a web folder stays
// readable to the server). A failed write leaves every old file as it was
// and raises EFCreateError naming the file and the reason.
void WriteOutputFiles(const TOutputFiles& Files, const std::string& Document = {},
                      TFileSystem& System = SystemFileSystem());
