// File-name helpers and the folder "beside the program", where settings,
// key bindings, histories, word lists and transfer files live.
#pragma once

#include <string>
#include <string_view>

// The program folder, ending in "/": VELK_HOME when set; else the
// executable's folder when it is writable; else $XDG_CONFIG_HOME/velk2000/
// (~/.config/velk2000/). Decided once per process.
std::string ProgramFolder();

// What ProgramFolder() decides from, in the system's (UTF-8) form; a
// string is empty when its variable is unset.
struct TProgramFolderInputs {
    std::string VelkHome;  // $VELK_HOME, made absolute
    std::string ExeFolder; // the executable's folder
    bool ExeFolderWritable = false;
    std::string XdgConfigHome; // ignored unless absolute
    std::string Home;          // $HOME, else the user's home folder
};
// The rule of ProgramFolder(), in the system's form and ending in "/".
std::string ChooseProgramFolder(const TProgramFolderInputs& Inputs);

// The running program's file, in the system's form (its bytes, whatever
// they are); empty when the system does not say.
std::string ExecutablePath();
// The user's home folder in the system's form: $HOME, else the user's
// entry in the password database.
std::string HomeFolder();

// ProgramFolder() + "velk2000": "velk2000.ini", "velk2000Key.ini" and
// "velk2000.sch" are named from it.
std::string ProgramBasePath();

// The folder part of a file name, with its trailing "/"; "" when none.
std::string ExtractFilePath(std::string_view FileName);
// The name after the last "/".
std::string ExtractFileName(std::string_view FileName);
// The extension with its dot (".vk2"), or "" (a dot in a folder name or at
// the start of the name does not count).
std::string ExtractFileExt(std::string_view FileName);
// FileName with its extension replaced by Extension (which holds the dot,
// or is empty to remove it).
std::string ChangeFileExt(std::string_view FileName, std::string_view Extension);
std::string IncludeTrailingPathDelimiter(std::string_view Folder);
std::string ExcludeTrailingPathDelimiter(std::string_view Folder);
