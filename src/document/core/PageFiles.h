// One text file per page: the selected page and its descendants, each
// written to a file named after its title.
#pragma once

#include "OutputFiles.h"
#include "SysUtils.h"

#include <string>
#include <string_view>

class TTreeNode;

// A name that may stand for a file: 1 to 255 bytes, none of
// " * / : < > ? \ | nor a control byte (double-byte characters are whole
// characters, so "表" with its trail byte 0x5C is fine), and not "." or "..".
bool IsValidFileName(std::string_view Name);

// The extension of the files that pages without one get, by edit mode
// (Text ".txt" ... HTML ".html"; any other mode is User, "." + UserExt).
std::string EditModeExtension(int EditMode, std::string_view UserExt);

// Refused: two pages would be written to one file.
class EPageFileNames : public Exception {
public:
    using Exception::Exception;
};

// Raises EPageFileNames when two pages of Page's subtree hold the same
// title: asked before the user chooses a folder.
void CheckPageTitlesDiffer(const TTreeNode& Page);

// The files of Page and its descendants in Folder (ending in "/"):
// - a valid title with an extension: Folder + title, the page text without
//   its first line;
// - a valid title without: Folder + title + Extension, the whole text;
// - any other title (also one the system's file names cannot hold
//   exactly): Folder + "Page001.txt", "Page002.txt"... in writing
//   order, the whole text.
// Raises EPageFileNames, before anything is written, when two names are
// alike.
TOutputFiles PageFiles(const TTreeNode& Page, const std::string& Folder, std::string_view Extension);
