// The word lists of the edit modes ("Delphi.dat", "C_CPlus.dat", ...) ship
// inside the program and are written into its folder when missing, so a
// document in a coloured mode opens on a fresh setup. A list the user has
// edited is never replaced.
#pragma once

#include <string>

// Writes every word file Folder lacks.
void InstallWordFiles(const std::string& Folder);
