// Rules for the names and paths the folder dialog hands in and out: which
// typed names may become a folder, where a new folder goes, and the
// crossing between the system's raw path bytes and the program's
// Shift-JIS text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// False for an empty name, one longer than 255 bytes, or one holding a
// single-byte '"', '*', '/', ':', '<', '>', '?', '\' or '|'. The bytes
// after a Shift-JIS lead byte are never tested, so "ソ" (83 5C) passes.
bool IsValidFolderName(std::string_view SjisName);

// The folder a new folder is made in, ending in '/': "/" stays "/", else
// one trailing '/' goes and everything after the last '/' is cut
// ("/data" gives "/", "/data/old/" gives "/data/"). A path without any
// '/' comes back as it was.
std::string ParentFolderOf(std::string_view Path);

// The raw (UTF-8) path of a program path (OsPath.h).
std::string RawPathOf(std::string_view SjisPath);
// The program's form of a raw path, which names exactly that folder.
std::string SjisPathOf(std::string_view RawPath);
