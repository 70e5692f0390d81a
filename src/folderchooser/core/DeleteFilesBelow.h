// Empties a folder tree of its files: every entry below the folder that is
// not a directory is removed, depth first; the folders themselves stay.
#pragma once

#include <string>

// Deletes the files below Folder and returns how many went. A file with no
// write bit is left, as a read-only file is. Links are never followed, so
// nothing outside Folder is touched: a link to a folder stays (it shows as
// a folder), any other link is removed as an entry. A folder on another
// file system (a mounted volume) is not entered. An
// empty Folder deletes nothing.
int DeleteFilesBelow(const std::string& Folder);
