// Walking a text line by line. A line ends at CR LF; a CR without its LF
// also ends one and is taken alone, so no byte after it is ever lost.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace textconv {

// The length of the line break at Pos: 2 for CR LF, 1 for a lone CR, 0 when
// no line break starts there.
inline size_t LineBreakAt(std::string_view Text, size_t Pos)
{
    if (Pos >= Text.size() || Text[Pos] != '\r')
        return 0;
    return Pos + 1 < Text.size() && Text[Pos + 1] == '\n' ? 2 : 1;
}

inline bool EndsWithLineBreak(std::string_view Text)
{
    return !Text.empty() && (Text.back() == '\r' || Text.ends_with("\r\n"));
}

// Calls Fn(Line, Break) for every line of Text: the line without its line
// break, and the break (CR LF, a lone CR, or empty for a last line without
// one). A final line break ends the last line and starts no empty one; an
// empty text has no lines. A CR is never part of a double-byte character, so
// the scan needs no character walk.
template <typename Fn>
void ForEachLineWithBreak(std::string_view Text, Fn&& fn)
{
    size_t start = 0;
    while (start < Text.size()) {
        const size_t cr = Text.find('\r', start);
        if (cr == std::string_view::npos) {
            fn(Text.substr(start), std::string_view());
            return;
        }
        const size_t next = cr + LineBreakAt(Text, cr);
        fn(Text.substr(start, cr - start), Text.substr(cr, next - cr));
        start = next;
    }
}

// Calls Fn(Line) for every line of Text, without its line break.
template <typename Fn>
void ForEachLine(std::string_view Text, Fn&& fn)
{
    ForEachLineWithBreak(Text, [&fn](std::string_view Line, std::string_view) { fn(Line); });
}

// Text with every line replaced by what Map(Line, Out) appends to Out and
// every line break made CR LF; the result ends with one only when Text ends
// with a line break.
template <typename MapFn>
std::string MapLines(std::string_view Text, size_t Reserve, MapFn Map)
{
    std::string out;
    out.reserve(Reserve);
    ForEachLine(Text, [&](std::string_view Line) {
        Map(Line, out);
        out += "\r\n";
    });
    if (!out.empty() && !EndsWithLineBreak(Text))
        out.resize(out.size() - 2);
    return out;
}

} // namespace textconv
