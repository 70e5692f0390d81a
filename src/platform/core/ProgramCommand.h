// A program to start and its arguments, in the system's form: bytes, as
// the system takes them, so a file name that is not UTF-8 stays the name
// it is (Programs.h starts it).
#pragma once

#include <string>
#include <vector>

struct TProgramCommand {
    // Looked for in PATH when it holds no "/".
    std::string Program;
    std::vector<std::string> Arguments;
};
