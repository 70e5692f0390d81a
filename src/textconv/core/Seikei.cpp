#include "Seikei.h"

#include "Cp932.h"
#include "Keisen.h"
#include "LayoutLiterals.h"
#include "LineHeads.h"
#include "LineWalk.h"
#include "Sjis.h"
#include "StrDeleteEtc.h"
#include "StrJoin.h"
#include "SysUtils.h"
#include "WrapLines.h"

#include <algorithm>
#include <bitset>
#include <climits>

namespace textconv {

namespace {

constexpr int kDefaultWidth = 72;
constexpr int kMinKeisenWidth = 8;
constexpr unsigned char kUnassignedLead = 0x85; // a row CP932 leaves empty

// The width text as an integer: blanks around it, an optional sign, digits.
// Very large values come back as INT_MAX (or its negative), which the
// width limits take in.
std::optional<int> ParseWidth(std::string_view Text)
{
    const size_t first = Text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return std::nullopt;
    Text = Text.substr(first, Text.find_last_not_of(' ') - first + 1);
    const bool negative = Text.front() == '-';
    if (Text.front() == '-' || Text.front() == '+')
        Text.remove_prefix(1);
    if (Text.empty() || Text.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    long long value = 0;
    for (char digit : Text)
        value = std::min<long long>(value * 10 + (digit - '0'), INT_MAX);
    return static_cast<int>(negative ? -value : value);
}

int RequiredWidth(const TSeikeiOptions& Options)
{
    if (const std::optional<int> width = ParseWidth(Options.Width))
        return *width;
    throw EConvertError("'" + SjisToUtf8(Options.Width) + "' は有効な整数ではありません。");
}

TWrapOptions WrapOptionsOf(const TSeikeiOptions& Options, bool Indent)
{
    return {Options.English, Indent, Options.TabWidth};
}

// Text with CR LF after every line, the last one included.
std::string WithFinalBreak(std::string Text)
{
    if (!Text.empty() && !EndsWithLineBreak(Text))
        Text += "\r\n";
    return Text;
}

// Text with each whole character From (two bytes) replaced by To.
std::string ReplaceCharacter(std::string_view Text, std::string_view From, std::string_view To)
{
    std::string out;
    out.reserve(Text.size());
    size_t copied = 0;
    for (sjis::CharCursor c(Text); !c.AtEnd(); c.Next()) {
        if (c.Char() == From) {
            out.append(Text.substr(copied, c.Pos() - copied)).append(To);
            copied = c.Pos() + c.Len();
        }
    }
    out.append(Text.substr(copied));
    return out;
}

// A double-byte character that Text does not hold. It stands in for the
// text's own "　" while the ruled box marks its paragraph starts with "　":
// as wide and breaking lines the same way, but not a blank, so it adds
// nothing to a continuation line's indentation. None when the text holds
// every character of the row (the text's "　" then stay as they are).
std::optional<std::string> AbsentCharacter(std::string_view Text)
{
    std::bitset<256> used;
    for (sjis::CharCursor c(Text); !c.AtEnd(); c.Next()) {
        if (c.IsDouble() && static_cast<unsigned char>(Text[c.Pos()]) == kUnassignedLead)
            used.set(static_cast<unsigned char>(Text[c.Pos() + 1]));
    }
    for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
        if (trail != 0x7F && !used[trail])
            return std::string{static_cast<char>(kUnassignedLead), static_cast<char>(trail)};
    }
    return std::nullopt;
}

bool SecondLineStartsWithSpace(std::string_view Text)
{
    const size_t cr = Text.find('\r');
    if (cr == std::string_view::npos)
        return false;
    const size_t next = cr + LineBreakAt(Text, cr);
    return next < Text.size() && Text[next] == ' ';
}

// The length of the quote marks at the start of Line: with a one-byte mark
// any mix of spaces and marks, with a longer one whole marks only.
size_t QuoteMarksLength(std::string_view Line, std::string_view QMark)
{
    size_t pos = 0;
    if (QMark.size() == 1) {
        while (pos < Line.size() && sjis::CharLen(Line, pos) == 1 && (Line[pos] == ' ' || Line[pos] == QMark[0]))
            ++pos;
        return pos;
    }
    while (!QMark.empty() && Line.substr(pos).starts_with(QMark)) {
        size_t end = pos;
        while (end < pos + QMark.size())
            end += sjis::CharLen(Line, end);
        if (end != pos + QMark.size())
            break; // the mark would end inside a character of the line
        pos = end;
    }
    return pos;
}

std::string StripQuoteMarks(std::string_view Text, std::string_view QMark)
{
    return MapLines(Text, Text.size() + 2, [QMark](std::string_view Line, std::string& Out) {
        Out.append(Line.substr(QuoteMarksLength(Line, QMark)));
    });
}

} // namespace

std::optional<std::string> SeikeiFormat(std::string_view Selection, const TSeikeiOptions& Options)
{
    if (Selection.empty())
        return std::nullopt;
    switch (Options.Index) {
    case 3: return KeisenFormat(Selection, Options);
    case 4: return CommentFormat(Selection, Options);
    default: return WrapFormat(Selection, Options);
    }
}

std::string WrapFormat(std::string_view Selection, const TSeikeiOptions& Options)
{
    std::string text;
    switch (Options.Index) {
    case 1: text = JoinLinesExceptZenSpace(Selection); break;
    case 2: text = JoinLinesExceptMarks(Selection); break;
    default: text = Selection;
    }
    const int width = Options.SeikeiMax ? kMaxWrapWidth : ParseWidth(Options.Width).value_or(kDefaultWidth);
    std::string result =
        DeleteTrailingBlanks(WrapLines(WithFinalBreak(std::move(text)), width, WrapOptionsOf(Options, Options.Indent)));
    if (!EndsWithLineBreak(Selection) && result.ends_with("\r\n"))
        result.resize(result.size() - 2);
    return result;
}

std::optional<std::string> KeisenFormat(std::string_view Selection, const TSeikeiOptions& Options)
{
    // Clamped first so that no width, however extreme, overflows the
    // arithmetic; a width below the box's minimum still means "nothing".
    int width = std::clamp(RequiredWidth(Options), 0, kMaxWrapWidth);
    const int wrapColumn = std::clamp(Options.WrapByteCache, 0, kMaxWrapWidth);
    if (width >= wrapColumn)
        width = wrapColumn - 1;
    width -= width % 2;
    width -= 2;
    if (width < kMinKeisenWidth || Selection.empty())
        return std::nullopt;

    static const std::string zenSpace = Utf8ToSjis(layout_literals::ZenSpace);
    std::string text = SecondLineStartsWithSpace(Selection) ? DeleteLeadingSpaces(Selection) : std::string(Selection);
    if (!Options.KeisenRtn)
        text = JoinLinesExceptZenSpace(text);
    const std::optional<std::string> standIn = AbsentCharacter(text);
    if (standIn)
        text = ReplaceCharacter(text, zenSpace, *standIn);
    // Each paragraph starts with "　", so its continuation lines are
    // indented by two spaces; both come off again after the wrap.
    text = JoinLinesExceptZenSpace(InsertLeadingZenSpaces(text, 1));
    if (text.empty())
        return std::nullopt;
    text = WrapLines(WithFinalBreak(std::move(text)), width, WrapOptionsOf(Options, true));
    if (standIn)
        text = ReplaceCharacter(text, *standIn, zenSpace);
    return DrawRuledBox(DeleteLineHeads(text, 2), Options.KeisenBig);
}

std::string CommentFormat(std::string_view Selection, const TSeikeiOptions& Options)
{
    const int width = Options.SeikeiMax ? kMaxWrapWidth : ClampWrapWidth(RequiredWidth(Options));
    std::string text = JoinLinesForQuote(StripQuoteMarks(Selection, Options.QMark));
    if (!EndsWithLineBreak(text))
        text += "\r\n";
    text = WrapLines(text, width - 2, WrapOptionsOf(Options, false));
    return InsertQuoteMarks(text, Options.QMark);
}

} // namespace textconv
