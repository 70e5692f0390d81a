// Replacement texts of the AWK-style substitution: "&" inserts the match,
// "\&" a literal ampersand, "\\" one backslash, and "\t", "\n", "\x41",
// "\101" and the other escapes of patterns their characters.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace awk {

// Text with each backslash sequence replaced by its character, read as
// the pattern scanner reads escapes. A backslash at the end, "\x" without
// a digit and an octal value above 65535 raise ERegExpParser; so does a
// numeric escape that names no character (NUL, or a code above 0xFF that is
// no lead and trail byte pair), which would cut a page text short
// wherever it is read as a C string.
std::string ExpandEscapes(std::string_view Text);

// A replacement read once, applied to many matches.
class TReplacement {
public:
    // Raises ERegExpParser for a bad escape.
    explicit TReplacement(std::string_view Replacement);

    void AppendTo(std::string& Out, std::string_view Matched) const;

private:
    // The literal pieces; the match goes between each two.
    std::vector<std::string> Pieces_;
};

} // namespace awk
