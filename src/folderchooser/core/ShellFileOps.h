// The file-system commands behind the folder chooser's menus and drops:
// renaming, moving to the trash, making a link, and copying, moving or
// linking dropped entries into a folder. None of them ever replaces an
// existing entry. Paths are the system's raw bytes.
#pragma once

#include <string>
#include <vector>

// Gives the entry at Path the name NewName in the same folder, failing
// (false) when NewName is empty, ".", "..", holds a '/', or names an entry
// that exists (even an empty folder). NewPath gets the new path.
bool RenameNoReplace(const std::string& Path, const std::string& NewName, std::string& NewPath);

// Moves the entry into the desktop's trash (the freedesktop trash), making
// the home trash when there is none yet.
bool MoveToTrash(const std::string& Path);

// Makes a symbolic link to Path beside it, named "<name> へのリンク"
// (" (2)", " (3)" ... added while that name is taken). Its path, or "".
std::string MakeLinkBeside(const std::string& Path);

enum class TTransfer { Copy, Move, Link };
// Copies, moves or links each of Sources into Folder under its own name.
// A source whose name is taken in Folder, or that is Folder itself or holds
// it, is skipped. The number of entries transferred.
int TransferInto(const std::string& Folder, const std::vector<std::string>& Sources, TTransfer How);
