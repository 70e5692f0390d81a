#include "StrDeleteEtc.h"

#include "LineWalk.h"
#include "RunConverter.h"
#include "WrapLines.h"

#include <string>
#include <unordered_set>

namespace textconv {

// CR, TAB and the space are bytes below 0x40, which never occur inside a
// double-byte character (trail bytes start at 0x40): they are found by
// their byte value. Everything else is walked by characters.

namespace {

constexpr uint16_t kFullWidthSpace = 0x8140; // "　"
constexpr uint16_t kFirstRuledLine = 0x849F, kLastRuledLine = 0x84BE;

// The length of the blank at Pos: 1 for a space, 2 for "　", 0 for none.
// Pos must be a character boundary.
size_t BlankLen(std::string_view Text, size_t Pos)
{
    if (Text[Pos] == ' ')
        return 1;
    const size_t len = sjis::CharLen(Text, Pos);
    return len == 2 && CodeAt(Text, Pos, len) == kFullWidthSpace ? 2 : 0;
}

// The length of Line without its trailing blanks.
size_t TrimmedLength(std::string_view Line)
{
    // A blank ends in 0x20 or 0x40 ("　" is 81 40); any other last byte
    // leaves nothing to trim.
    if (!Line.ends_with(' ') && !Line.ends_with('\x40'))
        return Line.size();
    // Walk the line forwards: a trail byte can look like a blank from behind
    // (メ@ is 83 81 40).
    size_t contentEnd = 0;
    for (size_t pos = 0; pos < Line.size();) {
        const size_t blank = BlankLen(Line, pos);
        pos += blank != 0 ? blank : sjis::CharLen(Line, pos);
        if (blank == 0)
            contentEnd = pos;
    }
    return contentEnd;
}

// Text with a head removed from every line: HeadLength(Line) gives the
// number of bytes to drop at the start of the line.
template <typename HeadLengthFn>
std::string DeleteAtLineStarts(std::string_view Text, HeadLengthFn HeadLength)
{
    std::string out;
    out.reserve(Text.size());
    ForEachLineWithBreak(Text, [&](std::string_view Line, std::string_view Break) {
        out.append(Line.substr(HeadLength(Line))).append(Break);
    });
    return out;
}

// The first Count bytes of Line rounded up to a whole character.
size_t LeadingCharsLength(std::string_view Line, int Count)
{
    size_t pos = 0;
    while (Count > 0 && pos < static_cast<size_t>(Count) && pos < Line.size())
        pos += sjis::CharLen(Line, pos);
    return pos;
}

size_t CountLeading(std::string_view Line, char Byte)
{
    const size_t end = Line.find_first_not_of(Byte);
    return end == std::string_view::npos ? Line.size() : end;
}

// Text without each separator that stands between two double-byte
// characters: SeparatorAt(Text, Pos) gives the length of the separator at
// Pos, a character boundary, or 0 for none.
template <typename SeparatorFn>
std::string DeleteBetweenDoubleBytes(std::string_view Text, SeparatorFn SeparatorAt)
{
    std::string out;
    out.reserve(Text.size());
    size_t copied = 0;
    bool afterDouble = false;
    for (size_t pos = 0; pos < Text.size();) {
        const size_t separator = afterDouble ? SeparatorAt(Text, pos) : 0;
        if (separator != 0 && pos + separator < Text.size() && sjis::CharLen(Text, pos + separator) == 2) {
            out.append(Text.substr(copied, pos - copied));
            pos += separator;
            copied = pos;
            continue;
        }
        const size_t len = sjis::CharLen(Text, pos);
        afterDouble = len == 2;
        pos += len;
    }
    out.append(Text.substr(copied));
    return out;
}

} // namespace

std::string DeleteAllLineBreaks(std::string_view Text)
{
    std::string out;
    out.reserve(Text.size());
    ForEachLine(Text, [&out](std::string_view Line) { out.append(Line); });
    return out;
}

std::string DeleteEmptyLines(std::string_view Text)
{
    std::string out;
    out.reserve(Text.size());
    ForEachLineWithBreak(Text, [&out](std::string_view Line, std::string_view Break) {
        if (!Line.empty())
            out.append(Line).append(Break);
    });
    return out;
}

std::string DeleteRepeatedEmptyLines(std::string_view Text)
{
    std::string out;
    out.reserve(Text.size());
    // The line breaks in a row up to this line's: a non-empty line's is
    // the first, each empty line adds one. The text start counts as none.
    size_t breaksInRow = 0;
    ForEachLineWithBreak(Text, [&](std::string_view Line, std::string_view Break) {
        breaksInRow = Line.empty() ? breaksInRow + 1 : 1;
        if (breaksInRow <= 2)
            out.append(Line).append(Break);
    });
    return out;
}

std::string DeleteAllSpaces(std::string_view Text)
{
    std::string out(Text);
    std::erase(out, ' ');
    return out;
}

std::string DeleteLeadingSpaces(std::string_view Text)
{
    return DeleteAtLineStarts(Text, [](std::string_view Line) { return CountLeading(Line, ' '); });
}

std::string DeleteLeadingSpace(std::string_view Text)
{
    return DeleteAtLineStarts(Text, [](std::string_view Line) { return Line.starts_with(' ') ? 1 : 0; });
}

std::string DeleteLeadingTabs(std::string_view Text)
{
    return DeleteAtLineStarts(Text, [](std::string_view Line) { return CountLeading(Line, '\t'); });
}

std::string DeleteLeadingTab(std::string_view Text)
{
    return DeleteAtLineStarts(Text, [](std::string_view Line) { return Line.starts_with('\t') ? 1 : 0; });
}

std::string DeleteLeadingBlanks(std::string_view Text)
{
    // The indentation width counts a space 1 and "　" 2, as many as their
    // bytes: it is the length of the leading blanks.
    return DeleteAtLineStarts(Text, StripLeadingIndent);
}

std::string DeleteTrailingBlanks(std::string_view Text)
{
    std::string out;
    out.reserve(Text.size());
    ForEachLineWithBreak(Text, [&out](std::string_view Line, std::string_view Break) {
        out.append(Break.empty() ? Line : Line.substr(0, TrimmedLength(Line))).append(Break);
    });
    return out;
}

std::string DeleteLeadingChars(std::string_view Line, int Count)
{
    return std::string(Line.substr(LeadingCharsLength(Line, Count)));
}

std::string DeleteLineHeads(std::string_view Text, int Count)
{
    if (Text.empty() || Count < 1)
        return std::string(Text);
    std::string out;
    out.reserve(Text.size() + 2);
    ForEachLine(Text, [&out, Count](std::string_view Line) {
        out.append(Line.substr(LeadingCharsLength(Line, Count))) += "\r\n";
    });
    return out;
}

std::string DeleteDuplicateLines(std::string_view Text)
{
    std::string out;
    out.reserve(Text.size() + 2);
    std::unordered_set<std::string_view> seen;
    ForEachLine(Text, [&](std::string_view Line) {
        if (seen.insert(Line).second)
            out.append(Line).append("\r\n");
    });
    return out;
}

std::string ZenRtnZenDel(std::string_view Text)
{
    auto crLfAt = [](std::string_view T, size_t Pos) { return LineBreakAt(T, Pos) == 2 ? 2 : 0; };
    return DeleteBetweenDoubleBytes(Text, crLfAt);
}

std::string ZenSpcZenDel(std::string_view Text)
{
    auto spaceAt = [](std::string_view T, size_t Pos) { return T[Pos] == ' ' ? 1 : 0; };
    return DeleteBetweenDoubleBytes(Text, spaceAt);
}

std::string ZenKeisenDel(std::string_view Text)
{
    auto isRuledLine = [](uint16_t Code) { return Code >= kFirstRuledLine && Code <= kLastRuledLine; };
    return ConvertRuns(Text, 1, isRuledLine, isRuledLine, [](std::string_view, char* Out) { return Out; });
}

} // namespace textconv
