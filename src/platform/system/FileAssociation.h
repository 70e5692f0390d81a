// The ".vk2" document type associated with the program for the current
// user the freedesktop way: a MIME type for "*.vk2", a desktop entry that
// opens such files with the program, and that entry as the type's default
// application. Folders follow $XDG_DATA_HOME and $XDG_CONFIG_HOME.
#pragma once

#include <optional>
#include <string>

// The program the association opens ".vk2" files with (its path in the
// system's form), when the type's default application is the program's
// desktop entry and its command names a program; else nothing.
std::optional<std::string> AssociatedProgram();

// Writes the MIME type, the desktop entry for ProgramPath (system form) and
// the default-application entry, keeping every other entry of the user's
// list; then lets the desktop's update tools, when installed, refresh
// their caches. Raises EFCreateError when a file cannot be written.
void AssociateDocumentType(const std::string& ProgramPath);
