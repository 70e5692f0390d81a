// The order of names in a folder: letters without regard to ASCII case,
// runs of digits by their value ("2" before "10"), and the raw bytes as
// the last word, so that only equal names compare equal. On Linux "Docs"
// and "docs" are two folders: an order that called them equal would merge
// them into one node and leave the second unreachable.
#pragma once

#include <string_view>

// Negative when A sorts before B, 0 when the bytes are equal, else positive.
int CompareNames(std::string_view A, std::string_view B);
