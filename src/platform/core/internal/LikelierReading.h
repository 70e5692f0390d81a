// Which reading of text that is well-formed both as UTF-8 and as
// Shift-JIS is the likelier text (ReadingCost.h weighs each).
#pragma once

#include "TextFileEncoding.h"

#include <string_view>

// Expected is worth a little in the weighing, and wins a tie.
TTextEncoding LikelierReading(std::string_view Bytes, TTextEncoding Expected);
