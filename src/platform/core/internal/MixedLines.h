// Lines of UTF-8 among lines of Shift-JIS in one file, as "printf >>" or
// an editor in the other encoding leaves them.
#pragma once

#include <cstddef>
#include <string_view>

// The first line (from 1) of Bytes that holds characters beyond ASCII, is
// well-formed UTF-8 and is far likelier text as UTF-8 than as Shift-JIS,
// by more than a line of the program's own Shift-JIS that happens to be
// well-formed UTF-8 ever is; 0 when there is none among the first 64 KiB
// of lines well-formed both ways.
size_t FirstUtf8Line(std::string_view Bytes);
