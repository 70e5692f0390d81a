#include "LineTransforms.h"

#include "LineWalk.h"
#include "LoneLead.h"
#include "Sjis.h"

#include <algorithm>

namespace textconv {

// CR, TAB and the space are bytes below 0x40, which never occur inside a
// double-byte character (trail bytes start at 0x40): they are found by
// their byte value. Everything else is walked by characters.

namespace {

size_t ValidTabWidth(int TabWidth) { return static_cast<size_t>(std::max(TabWidth, 1)); }

bool IsWordByte(char C)
{
    return (C >= '0' && C <= '9') || (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z') || C == '.';
}

char ToLower(char C) { return C >= 'A' && C <= 'Z' ? static_cast<char>(C - 'A' + 'a') : C; }
char ToUpper(char C) { return C >= 'a' && C <= 'z' ? static_cast<char>(C - 'a' + 'A') : C; }

} // namespace

std::string TabsToSpaces(std::string_view Text, int TabWidth)
{
    const size_t width = ValidTabWidth(TabWidth);
    std::string out;
    out.reserve(Text.size() + Text.size() / 8);
    size_t column = 0;
    for (size_t pos = 0; pos < Text.size();) {
        if (const size_t lineBreak = LineBreakAt(Text, pos)) {
            out.append(Text.substr(pos, lineBreak));
            pos += lineBreak;
            column = 0;
        } else if (Text[pos] == '\t') {
            const size_t spaces = width - column % width;
            out.append(spaces, ' ');
            column += spaces;
            ++pos;
        } else {
            out += Text[pos++];
            ++column;
        }
    }
    return out;
}

std::string SpacesToTabs(std::string_view Text, int TabWidth)
{
    const size_t width = ValidTabWidth(TabWidth);
    std::string out;
    out.reserve(Text.size());
    size_t column = 1;
    for (size_t pos = 0; pos < Text.size();) {
        if (const size_t lineBreak = LineBreakAt(Text, pos)) {
            out.append(Text.substr(pos, lineBreak));
            pos += lineBreak;
            column = 1;
        } else if (Text[pos] == '\t') {
            out += '\t';
            ++pos;
            column = 1;
        } else if (Text[pos] != ' ') {
            out += Text[pos++];
            ++column;
        } else {
            const size_t run = std::min(Text.find_first_not_of(' ', pos), Text.size()) - pos;
            const size_t toStop = width - (column - 1) % width;
            size_t left = run;
            if (left >= toStop) {
                out += '\t';
                left -= toStop;
                out.append(left / width, '\t');
                left %= width;
            }
            out.append(left, ' ');
            column += run;
            pos += run;
        }
    }
    return out;
}

std::string TabsToCommas(std::string_view Text)
{
    std::string out(Text);
    std::replace(out.begin(), out.end(), '\t', ',');
    return out;
}

std::string ReverseText(std::string_view Text)
{
    const size_t body = Text.ends_with("\r\n") ? Text.size() - 2 : Text.size();
    std::string out(Text.size(), '\0');
    Text.copy(out.data() + body, Text.size() - body, body);
    // Each unit (a character, or a line break) goes to the mirror position,
    // in front of the units already written.
    for (size_t pos = 0; pos < body;) {
        size_t len = LineBreakAt(Text, pos);
        if (len == 0)
            len = sjis::CharLen(Text.substr(0, body), pos);
        char* const at = out.data() + body - pos - len;
        Text.copy(at, len, pos);
        if (IsLoneLead(at, len) && at + 1 < out.data() + out.size())
            SeparateLoneLead(at, at[1]);
        pos += len;
    }
    return out;
}

std::string CapitalizeWords(std::string_view Text)
{
    std::string out(Text);
    for (size_t pos = 0; pos < out.size();) {
        // A word byte at a character start is a single-byte character.
        if (!IsWordByte(out[pos])) {
            pos += sjis::CharLen(out, pos);
            continue;
        }
        const size_t start = pos;
        for (; pos < out.size() && IsWordByte(out[pos]); ++pos)
            out[pos] = ToLower(out[pos]);
        out[start] = ToUpper(out[start]);
    }
    return out;
}

} // namespace textconv
