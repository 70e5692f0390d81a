// What a match of a regular expression is, and what ends a line for "$".
#pragma once

#include <cstddef>
#include <cstdint>

// A match: the bytes [Start, End) of the text.
struct TMatchRange {
    size_t Start;
    size_t End;
    friend bool operator==(const TMatchRange&, const TMatchRange&) = default;
};

// What ends a line for "$": CR for mcls_CRLF, LF for mcls_LF; any other
// value, only the end of the text. Line heads are always the places after
// LF.
enum TMatchCORE_LineSeparator : uint8_t { mcls_CRLF = 0, mcls_LF = 1 };
