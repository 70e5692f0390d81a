// The program folder of a test process. The program decides its folder
// once per process (ProgramFolder()), so every test of a process shares
// this one: a test that pointed VELK_HOME elsewhere would find its files
// in the folder an earlier test decided, and leave the instance registry
// of the tests after it in its own.
#pragma once

#include "TempDir.h"

#include <cstdlib>
#include <filesystem>
#include <string>

// The folder, ending in "/", named by VELK_HOME from the first call on.
inline const std::string& ProgramHome()
{
    static const TempDir home;
    [[maybe_unused]] static const int set = setenv("VELK_HOME", home.Path().c_str(), 1);
    return home.Path();
}

// Empties the folder for a test of its own, but for the running
// instances' registry (".run"), which the registries still open use.
inline void EmptyProgramHome()
{
    for (const auto& entry : std::filesystem::directory_iterator(ProgramHome()))
        if (entry.path().filename() != ".run")
            std::filesystem::remove_all(entry.path());
}
