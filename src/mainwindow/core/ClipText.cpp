#include "ClipText.h"

#include "LineHeads.h"
#include "LineTransforms.h"
#include "Sjis.h"
#include "StrDeleteEtc.h"
#include "StrHenkan.h"

#include <vector>

namespace {

constexpr std::string_view Crlf = "\r\n";
constexpr size_t RuleLength = 80;

// The lines of a text, each without its line end, and whether the last one
// has a line end.
struct TSplitLines {
    std::vector<std::string_view> Lines;
    bool Ended = false;
};

// A line ends at CR, which takes the LF after it along; a bare CR ends a
// line and swallows nothing.
TSplitLines SplitLines(std::string_view Text)
{
    TSplitLines split;
    size_t start = 0;
    while (start < Text.size()) {
        const size_t cr = Text.find('\r', start);
        if (cr == std::string_view::npos) {
            split.Lines.push_back(Text.substr(start));
            return split;
        }
        split.Lines.push_back(Text.substr(start, cr - start));
        start = cr + 1;
        if (start < Text.size() && Text[start] == '\n')
            ++start;
        split.Ended = start == Text.size();
    }
    return split;
}

bool IsRule(std::string_view Line)
{
    return Line.size() == RuleLength && Line.find_first_not_of('-') == std::string_view::npos;
}

// The full-width form of a half-width character of HalfPunctToZen, or
// nothing.
std::string_view ZenOf(unsigned char Byte)
{
    switch (Byte) {
    case 0xA2: return "\x81\x75";
    case 0xA3: return "\x81\x76";
    case '(': return "\x81\x69";
    case ')': return "\x81\x6A";
    case '?': return "\x81\x48";
    case '!': return "\x81\x49";
    case 0xA4: return "\x81\x41";
    case 0xA1: return "\x81\x42";
    default: return {};
    }
}

// Leading line breaks go; a bare CR counts as one.
std::string_view DropLeadingLineBreaks(std::string_view Text)
{
    size_t start = 0;
    while (start < Text.size() && Text[start] == '\r')
        start += start + 1 < Text.size() && Text[start + 1] == '\n' ? 2 : 1;
    return Text.substr(start);
}

} // namespace

std::string DropSpaceAfterPunct(std::string_view Text)
{
    std::string result;
    result.reserve(Text.size());
    for (size_t i = 0; i < Text.size();) {
        const size_t length = sjis::CharLen(Text, i);
        result.append(Text, i, length);
        const bool punct = length == 2 && Text[i] == '\x81' && (Text[i + 1] == '\x41' || Text[i + 1] == '\x42');
        i += length;
        if (punct && i < Text.size() && Text[i] == ' ')
            ++i;
    }
    return result;
}

std::string HalfPunctToZen(std::string_view Text)
{
    std::string result;
    result.reserve(Text.size() + Text.size() / 8);
    for (size_t i = 0; i < Text.size();) {
        const auto byte = static_cast<unsigned char>(Text[i]);
        if (byte == '\r') {
            result += Crlf;
            i += i + 1 < Text.size() && Text[i + 1] == '\n' ? 2 : 1;
            continue;
        }
        const size_t length = sjis::CharLen(Text, i);
        const std::string_view zen = length == 1 ? ZenOf(byte) : std::string_view{};
        if (zen.empty())
            result.append(Text, i, length);
        else
            result += zen;
        i += length;
    }
    return result;
}

std::string HyphenLineShape(std::string_view Text)
{
    const auto [lines, ended] = SplitLines(Text);
    std::string result;
    result.reserve(Text.size());
    bool first = true;
    for (size_t i = 0; i < lines.size(); ++i) {
        const bool besideRule =
            lines[i].empty() && ((i > 0 && IsRule(lines[i - 1])) || (i + 1 < lines.size() && IsRule(lines[i + 1])));
        if (besideRule)
            continue;
        if (!first)
            result += Crlf;
        result += lines[i];
        first = false;
    }
    if (ended)
        result += Crlf;
    return result;
}

std::string ConvertClipText(std::string_view Text, const TWebTextOptions& Options)
{
    using namespace textconv;
    if (Text.empty())
        return std::string(Text);
    std::string text = DeleteTrailingBlanks(TabsToSpaces(Text, 2));
    if (Options.Hs2ToZs)
        text = SpacePairsToFullWidthSpace(text);
    text = DeleteRepeatedEmptyLines(text);
    text = DropSpaceAfterPunct(DropLeadingLineBreaks(text));
    if (Options.HKToZK)
        text = HalfPunctToZen(text);
    if (Options.TopSpcDel)
        text = DeleteLeadingSpaces(text);
    if (Options.TopRtnDel)
        text = DeleteEmptyLines(text);
    if (Options.LogicLine)
        text = LogicalLinesToParagraphs(text);
    if (Options.Hyphen)
        text = HyphenLineShape(text);
    return text;
}

std::string CapturedPageText(std::string_view Page, std::string_view Clip, bool Convert, bool OwnPage,
                             const TWebTextOptions& Options)
{
    std::string text(Page);
    text += Clip;
    if (Convert)
        text = ConvertClipText(text, Options);
    if (!OwnPage)
        text += Crlf;
    return text;
}

size_t UnchangedLead(std::string_view Old, std::string_view New)
{
    size_t lead = 0;
    for (sjis::CharCursor c(New); !c.AtEnd() && c.Pos() + c.Len() <= Old.size(); c.Next()) {
        if (Old.substr(c.Pos(), c.Len()) != c.Char())
            break;
        lead = c.Pos() + c.Len();
    }
    return lead;
}
