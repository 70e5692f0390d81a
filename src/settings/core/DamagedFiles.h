// The files a start reads its settings from, checked before their readers
// run: a file no writer of this program could have made (random bytes, a
// wrong file copied over it) is moved aside as "<name>.bad", so that its
// reader starts from the defaults and the next save writes a fresh file
// rather than adding sections to the damaged one.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

enum class TSettingsFileShape {
    Ini,   // sections and "key=value" lines
    Lines, // one entry a line
};

struct TSettingsFileCheck {
    std::string FileName; // Shift-JIS
    TSettingsFileShape Shape;
};

// True when Bytes hold a control character other than tab, CR and LF, or,
// for an INI file, text before its first section.
bool LooksDamaged(std::string_view Bytes, TSettingsFileShape Shape);

struct TSetAsideFiles {
    // Which files were damaged, which are too large to be read (kept as
    // they are) and which are there but cannot be read (a folder, a FIFO, a
    // link whose target is gone, no permission), each with why, and that
    // the defaults are used (UTF-8); "" when there is nothing to tell.
    std::string Notice;
    // What a later write into each file the notice names as still there
    // says (CannotWriteMessage), which the notice has told already.
    std::vector<std::string> KeptMessages;
};

// Moves every existing file of Files that looks damaged to its name plus
// ".bad" (replacing an older one), and tells what it found.
TSetAsideFiles SetAsideDamagedFiles(std::span<const TSettingsFileCheck> Files);

// The settings file, the key file, the search history and the symbol list.
std::vector<TSettingsFileCheck> StartUpSettingsFiles();
