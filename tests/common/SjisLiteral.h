// Japanese test literals are written in UTF-8 and turned into the
// Shift-JIS bytes the program works on. A literal that Shift-JIS cannot
// hold is a mistake in the test, reported as a failure.
#pragma once

#include "Cp932.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

inline std::string Sjis(std::string_view Utf8)
{
    bool lossless = false;
    std::string bytes = Utf8ToSjis(Utf8, &lossless);
    if (!lossless)
        ADD_FAILURE() << "does not convert to Shift-JIS: " << Utf8;
    return bytes;
}
