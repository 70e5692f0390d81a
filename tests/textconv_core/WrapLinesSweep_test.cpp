// WrapLines over seeded random texts with TABs at every width from 10 to 80:
// nothing is lost or reordered, no line is made up, no line begins with a
// character that must hang unless forced (the text's own line began with
// it, or the line before already ends with as many hanging characters as
// may follow the width), no line passes the width but by the hanging
// rules, and every continuation of a text line gets the same indentation.
#include "Kinsoku.h"
#include "Sjis.h"
#include "TestText.h"
#include "WrapLines.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

using namespace textconv;

namespace {

// Pools of characters, each drawn with its weight.
struct Pool {
    std::vector<std::string> Chars;
    int Weight;
};

constexpr size_t kBlanks = 5; // the pool of " " and "　"
// Hanging characters WrapLines takes after the one placed at the width.
constexpr size_t kMaxHangersAfter = 3;
constexpr int kTabWidth = 4;

std::vector<Pool> MakePools()
{
    const auto chars = [](std::string_view Utf8) {
        std::vector<std::string> result;
        const std::string sjis = S(Utf8);
        for (sjis::CharCursor c(sjis); !c.AtEnd(); c.Next())
            result.emplace_back(c.Char());
        return result;
    };
    return {
        {chars("あいうえおかきくけこさしすせそたちつてと"), 30},
        {chars("漢字変換文章段落亜唖"), 15},
        {chars("アイウエオメヂ"), 8},
        {chars("abcdefghijKLMNOPqrstuvwxyz"), 14},
        {chars("0123456789"), 4},
        {chars(" 　"), 6},
        {chars("、。，．・：；？！」』）】〕"), 8},
        {{S("・・・・・・"), S("。」』"), S("）。"), S("？！")}, 3}, // runs of them
        {chars("「『（【〔"), 4},
        {chars(").,:;>?]}｡｣､ﾞﾟ"), 3},
        {chars("(<[{｢ｱｲｳ"), 3},
        {{"\t"}, 3},
    };
}

// A text of lines of 0 to 200 characters, each ending with CR LF. For the
// indentation runs (Indented) half-width spaces stand only at line starts,
// so that the spaces the wrap adds can be told from the text's own.
std::string RandomText(std::mt19937& Random, std::vector<Pool> Pools, bool Indented)
{
    if (Indented)
        Pools[kBlanks].Chars = {S("　")};
    std::vector<int> weights;
    for (const Pool& pool : Pools)
        weights.push_back(pool.Weight);
    std::discrete_distribution<size_t> pickPool(weights.begin(), weights.end());
    std::uniform_int_distribution<int> lineLength(0, 200);
    std::string text;
    for (int line = 0; line < 12; ++line) {
        const int length = lineLength(Random) < 30 ? 0 : lineLength(Random);
        if (Indented && length > 0)
            text.append(std::uniform_int_distribution<size_t>(0, 4)(Random), ' ');
        for (int i = 0; i < length; ++i) {
            const Pool& pool = Pools[pickPool(Random)];
            text += pool.Chars[std::uniform_int_distribution<size_t>(0, pool.Chars.size() - 1)(Random)];
        }
        text += "\r\n";
    }
    return text;
}

struct Line {
    std::string Text;
    size_t Offset; // where it starts in the text without its line breaks
};

bool IsBlankByte(char C) { return C == ' ' || C == '\t'; }

// The lines of a text ending with CR LF, each with its offset in the text
// without line breaks, half-width spaces and TABs (which become spaces).
std::vector<Line> LinesOf(std::string_view Text)
{
    std::vector<Line> lines;
    size_t offset = 0, start = 0;
    while (start < Text.size()) {
        const size_t br = Text.find("\r\n", start);
        std::string line(Text.substr(start, br - start));
        lines.push_back({line, offset});
        for (char c : line)
            offset += IsBlankByte(c) ? 0 : 1;
        start = br + 2;
    }
    return lines;
}

std::string Content(std::string Text)
{
    std::erase_if(Text, [](char C) { return C == '\r' || C == '\n' || IsBlankByte(C); });
    return Text;
}

size_t LeadingSpaces(std::string_view Line) { return std::min(Line.find_first_not_of(' '), Line.size()); }

// The spaces a wrap put before each line of Wrapped, found by wrapping each
// text line alone (which must give the same lines). Every continuation of a
// text line starts with the indentation its first line gives it; the text's
// own characters follow (a TAB there moves on to a tab stop).
std::vector<size_t> WrapIndents(const std::string& Text, int Width, const TWrapOptions& Options,
                                const std::string& Wrapped)
{
    std::vector<size_t> indents;
    std::string joined;
    for (const Line& textLine : LinesOf(Text)) {
        const std::string wrapped = WrapLines(textLine.Text + "\r\n", Width, Options);
        joined += wrapped;
        const std::vector<Line> lines = LinesOf(wrapped);
        const size_t room = static_cast<size_t>(Width) - 4;
        const size_t depth = StripLeadingIndent(lines.front().Text);
        const size_t indent = depth < room ? depth : depth % room;
        indents.push_back(0);
        for (size_t i = 1; i < lines.size(); ++i) {
            const size_t spaces = LeadingSpaces(lines[i].Text);
            // Blanks alone: the line of a deep indentation, or blanks
            // rejoined after a wrap.
            const bool blank = spaces == lines[i].Text.size();
            EXPECT_TRUE(blank || spaces == indent || (spaces > indent && spaces % kTabWidth == 0))
                << "indentation " << spaces << " instead of " << indent << ":\n"
                << U(wrapped);
            indents.push_back(blank ? spaces : indent);
        }
    }
    EXPECT_EQ(joined, Wrapped) << "lines are wrapped alone";
    return indents;
}

void CheckWrap(const std::string& Text, int Width, const TWrapOptions& Options)
{
    SCOPED_TRACE(::testing::Message() << "width " << Width << " English " << Options.English << " Indent "
                                      << Options.Indent);
    const std::string wrapped = WrapLines(Text, Width, Options);
    ASSERT_TRUE(wrapped.ends_with("\r\n"));
    ASSERT_EQ(Content(wrapped), Content(Text)) << U(Text);

    std::multiset<size_t> emptyIn, emptyOut;
    std::set<size_t> textLineStarts;
    for (const Line& line : LinesOf(Text)) {
        textLineStarts.insert(line.Offset);
        if (line.Text.empty())
            emptyIn.insert(line.Offset);
    }
    const std::vector<Line> lines = LinesOf(wrapped);
    const std::vector<size_t> indents =
        Options.Indent ? WrapIndents(Text, Width, Options, wrapped) : std::vector<size_t>(lines.size(), 0);
    ASSERT_EQ(indents.size(), lines.size());
    const LineBreakRules& rules = LineBreaking();
    size_t hangersBefore = 0; // hanging characters that end the line before
    for (size_t i = 0; i < lines.size(); ++i) {
        const Line& line = lines[i];
        if (line.Text.empty())
            emptyOut.insert(line.Offset);
        const std::string_view head = std::string_view(line.Text).substr(indents[i]);
        if (!head.empty() && rules.Hangs(sjis::CharCode(head, 0)) && hangersBefore < kMaxHangersAfter) {
            EXPECT_TRUE(textLineStarts.contains(line.Offset))
                << "begins with a hanging character: " << U(line.Text) << "\n"
                << U(wrapped);
        }
        // A line of the indentation alone (deep indentation) stands between.
        if (line.Text.find_first_not_of(' ') != std::string::npos) {
            hangersBefore = 0;
            for (sjis::CharCursor c(line.Text); !c.AtEnd(); c.Next())
                hangersBefore = rules.Hangs(c.Code()) ? hangersBefore + 1 : 0;
        }
        // Without trailing blanks and hanging characters a line is at most
        // two bytes over the width: a double-byte character placed one
        // byte short of it, then a single byte that ends the line.
        size_t body = 0;
        for (sjis::CharCursor c(line.Text); !c.AtEnd(); c.Next()) {
            if (c.Code() != ' ' && c.Code() != 0x8140 && !rules.Hangs(c.Code()))
                body = c.Pos() + c.Len();
        }
        EXPECT_LE(body, static_cast<size_t>(Width) + 2) << U(line.Text);
    }
    EXPECT_EQ(emptyOut, emptyIn) << "a wrap made up an empty line or lost one:\n" << U(wrapped);
}

} // namespace

TEST(WrapLinesSweep, RandomTextsAtWidths10To80)
{
    const std::vector<Pool> pools = MakePools();
    std::mt19937 random(20240611);
    for (int sample = 0; sample < 12; ++sample) {
        for (bool indent : {false, true}) {
            const std::string text = RandomText(random, pools, indent);
            for (int width = 10; width <= 80; ++width) {
                for (bool english : {false, true}) {
                    CheckWrap(text, width, {.English = english, .Indent = indent, .TabWidth = kTabWidth});
                    if (::testing::Test::HasFailure())
                        return;
                }
            }
        }
    }
}
