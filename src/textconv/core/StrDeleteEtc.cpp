#include "StrDeleteEtc.h"

#include "LineWalk.h"
#include "RunConverter.h"

#include <algorithm>
#include <iterator>
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

// The end of the line [Start, End) without its trailing blanks.
size_t TrimmedLineEnd(std::string_view Text, size_t Start, size_t End)
{
    // A blank ends in 0x20 or 0x40 ("　" is 81 40); any other last byte
    // leaves nothing to trim.
    if (Start == End || (Text[End - 1] != ' ' && Text[End - 1] != '\x40'))
        return End;
    // Walk the line forwards: a trail byte can look like a blank from behind
    // (メ@ is 83 81 40).
    size_t contentEnd = Start;
    for (size_t pos = Start; pos < End;) {
        const size_t blank = BlankLen(Text, pos);
        pos += blank != 0 ? blank : sjis::CharLen(Text, pos);
        if (blank == 0)
            contentEnd = pos;
    }
    return contentEnd;
}

// Text with a head removed from every line: HeadLength(Rest) gives the
// number of bytes to drop at the start of Rest, the text from a line start.
template <typename HeadLengthFn>
std::string DeleteAtLineStarts(std::string_view Text, HeadLengthFn HeadLength)
{
    std::string out;
    out.reserve(Text.size());
    for (size_t pos = 0; pos < Text.size();) {
        pos += HeadLength(Text.substr(pos));
        const size_t cr = Text.find('\r', pos);
        const size_t next = cr == std::string_view::npos ? Text.size() : cr + LineBreakAt(Text, cr);
        out.append(Text.substr(pos, next - pos));
        pos = next;
    }
    return out;
}

size_t CountLeading(std::string_view Rest, char Byte)
{
    const size_t end = Rest.find_first_not_of(Byte);
    return end == std::string_view::npos ? Rest.size() : end;
}

} // namespace

std::string DeleteAllLineBreaks(std::string_view Text)
{
    std::string out;
    out.reserve(Text.size());
    for (size_t pos = 0; pos < Text.size();) {
        const size_t cr = Text.find('\r', pos);
        if (cr == std::string_view::npos) {
            out.append(Text.substr(pos));
            break;
        }
        out.append(Text.substr(pos, cr - pos));
        pos = cr + LineBreakAt(Text, cr);
    }
    return out;
}

std::string DeleteEmptyLines(std::string_view Text)
{
    std::string out;
    out.reserve(Text.size());
    for (size_t pos = 0; pos < Text.size();) {
        const size_t cr = Text.find('\r', pos);
        if (cr == std::string_view::npos) {
            out.append(Text.substr(pos));
            break;
        }
        const size_t next = cr + LineBreakAt(Text, cr);
        // An empty line is a line break at a line start.
        out.append(Text.substr(pos, (cr == pos ? cr : next) - pos));
        pos = next;
    }
    return out;
}

std::string DeleteRepeatedEmptyLines(std::string_view Text)
{
    std::string out;
    out.reserve(Text.size());
    for (size_t pos = 0; pos < Text.size();) {
        const size_t cr = Text.find('\r', pos);
        if (cr == std::string_view::npos) {
            out.append(Text.substr(pos));
            break;
        }
        size_t end = cr, kept = cr;
        for (int breaks = 1; end < Text.size() && Text[end] == '\r'; ++breaks) {
            end += LineBreakAt(Text, end);
            if (breaks <= 2)
                kept = end;
        }
        out.append(Text.substr(pos, kept - pos));
        pos = end;
    }
    return out;
}

std::string DeleteAllSpaces(std::string_view Text)
{
    std::string out;
    out.reserve(Text.size());
    std::remove_copy(Text.begin(), Text.end(), std::back_inserter(out), ' ');
    return out;
}

std::string DeleteLeadingSpaces(std::string_view Text)
{
    return DeleteAtLineStarts(Text, [](std::string_view Rest) { return CountLeading(Rest, ' '); });
}

std::string DeleteLeadingSpace(std::string_view Text)
{
    return DeleteAtLineStarts(Text, [](std::string_view Rest) { return Rest[0] == ' ' ? 1 : 0; });
}

std::string DeleteLeadingTabs(std::string_view Text)
{
    return DeleteAtLineStarts(Text, [](std::string_view Rest) { return CountLeading(Rest, '\t'); });
}

std::string DeleteLeadingTab(std::string_view Text)
{
    return DeleteAtLineStarts(Text, [](std::string_view Rest) { return Rest[0] == '\t' ? 1 : 0; });
}

std::string DeleteLeadingBlanks(std::string_view Text)
{
    return DeleteAtLineStarts(Text, [](std::string_view Rest) {
        size_t pos = 0;
        while (pos < Rest.size()) {
            const size_t len = BlankLen(Rest, pos);
            if (len == 0)
                break;
            pos += len;
        }
        return pos;
    });
}

std::string DeleteTrailingBlanks(std::string_view Text)
{
    std::string out;
    out.reserve(Text.size());
    for (size_t pos = 0; pos < Text.size();) {
        const size_t cr = Text.find('\r', pos);
        if (cr == std::string_view::npos) {
            out.append(Text.substr(pos));
            break;
        }
        out.append(Text.substr(pos, TrimmedLineEnd(Text, pos, cr) - pos));
        const size_t next = cr + LineBreakAt(Text, cr);
        out.append(Text.substr(cr, next - cr));
        pos = next;
    }
    return out;
}

std::string DeleteLeadingChars(std::string_view Line, int Count)
{
    size_t pos = 0;
    while (Count > 0 && pos < static_cast<size_t>(Count) && pos < Line.size())
        pos += sjis::CharLen(Line, pos);
    return std::string(Line.substr(pos));
}

std::string DeleteLineHeads(std::string_view Text, int Count)
{
    if (Text.empty() || Count < 1)
        return std::string(Text);
    std::string out;
    out.reserve(Text.size() + 2);
    ForEachLine(Text, [&out, Count](std::string_view Line) {
        out += DeleteLeadingChars(Line, Count);
        out += "\r\n";
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
    std::string out;
    out.reserve(Text.size());
    size_t copied = 0;
    bool afterDouble = false;
    for (size_t pos = 0; pos < Text.size();) {
        if (afterDouble && LineBreakAt(Text, pos) == 2 && pos + 2 < Text.size()
            && sjis::CharLen(Text, pos + 2) == 2) {
            out.append(Text.substr(copied, pos - copied));
            pos += 2;
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

std::string ZenSpcZenDel(std::string_view Text)
{
    std::string out;
    out.reserve(Text.size());
    size_t copied = 0;
    bool afterDouble = false;
    for (size_t pos = 0; pos < Text.size();) {
        if (afterDouble && Text[pos] == ' ' && pos + 1 < Text.size() && sjis::CharLen(Text, pos + 1) == 2) {
            out.append(Text.substr(copied, pos - copied));
            copied = ++pos;
            continue;
        }
        const size_t len = sjis::CharLen(Text, pos);
        afterDouble = len == 2;
        pos += len;
    }
    out.append(Text.substr(copied));
    return out;
}

std::string ZenKeisenDel(std::string_view Text)
{
    auto isRuledLine = [](uint16_t Code) { return Code >= kFirstRuledLine && Code <= kLastRuledLine; };
    return ConvertRuns(Text, 1, isRuledLine, isRuledLine, [](std::string_view, char* Out) { return Out; });
}

} // namespace textconv
