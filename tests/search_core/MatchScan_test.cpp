// The one-pass search against the plain one it replaced: a walk from every
// start in turn, written here with the matcher's own walks. Random patterns
// on random texts, short ones with many line breaks and long ones of one
// line, compared on every match routine and on what GSub replaces and counts.
#include "AWKStr.h"
#include "ERegExpParser.h"
#include "MatchCORE.h"
#include "RegExpTestSupport.h"
#include "Sjis.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using TMatch = std::optional<TMatchRange>;

// The search from every start in turn; LineHeads also tries the place
// after each LF as a line head.
TMatch PlainFirst(const TMatchCORE& Re, std::string_view Text, bool LineHeads)
{
    const int initial = Re.CurrentDFA().InitialState();
    for (size_t pos = 0; pos < Text.size(); pos += sjis::CharLen(Text, pos)) {
        if (const auto end = Re.MatchLongestAt(Text, pos, initial))
            return TMatchRange{pos, *end};
        if (LineHeads && Text[pos] == '\n')
            if (const auto end = Re.MatchAtLineHead(Text, pos + 1, initial))
                return TMatchRange{pos + 1, *end};
    }
    return std::nullopt;
}

TMatch PlainInside(const TMatchCORE& Re, std::string_view Text)
{
    if (const auto match = PlainFirst(Re, Text, Re.HasLineHead()))
        return match;
    if (Re.CurrentDFA().AcceptsAtLineTail(Re.CurrentDFA().InitialState()))
        return TMatchRange{Text.size(), Text.size()};
    return std::nullopt;
}

TMatch PlainNoAnchor(const TMatchCORE& Re, std::string_view Text)
{
    if (!Text.empty())
        return PlainFirst(Re, Text, false);
    if (const auto end = Re.MatchLongestAt(Text, 0, Re.CurrentDFA().InitialState()))
        return TMatchRange{0, *end};
    return std::nullopt;
}

TMatch PlainAnchored(const TMatchCORE& Re, std::string_view Text)
{
    if (const auto end = Re.MatchAtLineHead(Text, 0, Re.CurrentDFA().InitialState()))
        return TMatchRange{0, *end};
    return Text.empty() ? PlainNoAnchor(Re, Text) : PlainInside(Re, Text);
}

// What GSub with "<&>" makes of Text, found with the plain searches.
Replaced PlainGSub(const TAWKStr& Re, const std::string& Text)
{
    const bool anchored = Re.Engine().HasLineHead() || Re.Engine().HasLineTail();
    const auto first = [&](std::string_view Rest) {
        return anchored ? PlainAnchored(Re.Engine(), Rest) : PlainNoAnchor(Re.Engine(), Rest);
    };
    std::string out;
    int count = 0;
    size_t rest = 0;
    for (TMatch match = first(Text); match;) {
        out +=
            Text.substr(rest, match->Start) + "<" + Text.substr(rest + match->Start, match->End - match->Start) + ">";
        ++count;
        rest += match->End;
        if (match->Start == match->End && rest < Text.size()) {
            const bool crlf = Re.LineSeparator() == mcls_CRLF && Text.compare(rest, 2, "\r\n") == 0;
            const size_t len = crlf ? 2 : sjis::CharLen(Text, rest);
            out += Text.substr(rest, len);
            rest += len;
        }
        if (rest >= Text.size())
            break;
        const std::string_view tail = std::string_view(Text).substr(rest);
        match = Text[rest - 1] == '\n' ? first(tail) : PlainInside(Re.Engine(), tail);
    }
    return {out + Text.substr(std::min(rest, Text.size())), count};
}

// Patterns of letters, classes, line breaks, "^" and "$" anywhere, groups,
// repeats and alternatives; texts of the characters they care about: "ア"
// (83 41) hides an "A", "表" (95 5C) a backslash, "亜" (88 9F) has a trail
// byte of lead value, and a lone lead byte before CR is a character.
struct RandomSource {
    std::mt19937 Rng;

    int Pick(int Count) { return std::uniform_int_distribution<int>(0, Count - 1)(Rng); }

    std::string Pattern(int Depth = 2)
    {
        static const std::vector<std::string> atoms = {"a",   "b", "c", ".", "[ab]",     "[^b]",     "\\r",
                                                       "\\n", "A", "^", "$", Sjis("ア"), Sjis("表"), Sjis("[あ-ア]")};
        static const char* const repeats[] = {"", "", "*", "+", "?"};
        std::string result;
        do {
            result += result.empty() ? "" : "|";
            for (int i = Pick(4); i >= 0; --i)
                result += (Depth > 0 && Pick(5) == 0 ? "(" + Pattern(Depth - 1) + ")"
                                                     : atoms[Pick(static_cast<int>(atoms.size()))])
                          + repeats[Pick(5)];
        } while (Pick(4) == 0);
        return result;
    }

    std::string Text(size_t Characters, bool LineBreaks)
    {
        static const std::vector<std::string> pieces = {
            "a", "b", "c", "A", "\\", "\r", "\n", "\r\n", Sjis("あ"), Sjis("ア"), Sjis("表"), Sjis("亜"), "\x83\r"};
        std::string text;
        while (text.size() < Characters) {
            const std::string& piece = pieces[Pick(static_cast<int>(pieces.size()))];
            if (LineBreaks || piece.find_first_of("\r\n") == std::string::npos)
                text += piece;
        }
        return text;
    }
};

TEST(RegExpSearchScan, AgreesWithAWalkFromEveryStart)
{
    RandomSource random{std::mt19937(1802)};
    int compared = 0;
    for (int round = 0; round < 3000; ++round) {
        TAWKStr re(nullptr);
        re.SetLineSeparator(random.Pick(2) == 0 ? mcls_CRLF : mcls_LF);
        std::string pattern = random.Pick(4) == 0 ? "^" : "";
        pattern += random.Pattern();
        pattern += random.Pick(4) == 0 ? "$" : "";
        try {
            re.SetRegExp(pattern);
        } catch (const ERegExpParser&) {
            continue;
        }
        // One in four texts is one long line; some have no line break at all.
        const bool longLine = random.Pick(4) == 0;
        const std::string text = random.Text(longLine ? 1500 : random.Pick(40), !longLine && random.Pick(3) != 0);
        SCOPED_TRACE("pattern \"" + pattern + "\" text \"" + text + "\"");
        EXPECT_EQ(re.Engine().MatchNoAnchor(text), PlainNoAnchor(re.Engine(), text));
        EXPECT_EQ(re.Engine().MatchAnchored(text), PlainAnchored(re.Engine(), text));
        EXPECT_EQ(re.Engine().MatchAnchoredInside(text), PlainInside(re.Engine(), text));
        Replaced replaced{text, 0};
        replaced.Count = re.GSub("<&>", replaced.Text);
        EXPECT_EQ(replaced, PlainGSub(re, text));
        ++compared;
    }
    EXPECT_GT(compared, 2000);
}

// Hits close together on one long line, between which walks start that
// fail only at the line's end: the searches after the first learn from it.
TEST(RegExpSearchScan, ManyHitsBetweenLongFailingWalksAgree)
{
    const std::pair<const char*, const char*> cases[] = {
        {".*foo|bar", "bar "}, {"a.*v|b.*w|c.*x|e.*y|f.*z|d", "abcefd"}, {"[^\r\n]*Q", "xQyy"}, {"a|b+c?", "bbab"}};
    for (const auto& [pattern, unit] : cases) {
        TAWKStr re(nullptr);
        re.SetRegExp(pattern);
        std::string text;
        for (int i = 0; i < 300; ++i)
            text += unit;
        Replaced replaced{text + "\r\n" + text, 0};
        replaced.Count = re.GSub("<&>", replaced.Text);
        EXPECT_EQ(replaced, PlainGSub(re, text + "\r\n" + text)) << pattern;
    }
}

} // namespace
