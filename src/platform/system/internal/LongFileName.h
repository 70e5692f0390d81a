// The full form of a file name, as the file-type association writes it.
#pragma once

#include <string>

// Path (Shift-JIS) made absolute with "." and ".." resolved and symbolic
// links followed as far as the path exists; Path unchanged when that fails
// or the result cannot be written in Shift-JIS.
std::string GetLongFileName(const std::string& Path);
