// The matcher: leftmost-longest matches, anchors and line separators,
// Shift-JIS stepping, and the ends of the text.
#include "AWKStr.h"
#include "MatchCORE.h"
#include "RegExpTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TMatchRange At(size_t Start, size_t End) { return {Start, End}; }

struct MatchCase {
    std::string Pattern;
    std::string Text;
    std::optional<TMatchRange> Expected;
};

TEST(RegExpMatcher, FindsTheLeftmostLongestMatch)
{
    const std::string withNul("a\0b", 3);
    const std::vector<MatchCase> cases = {
        // Leftmost-longest matching of ASCII over LF lines is checked against
        // Oniguruma; here the escapes, empty texts, CR LF and Shift-JIS.
        {"", "", At(0, 0)},
        {"a", "", std::nullopt},
        // Overlapping items that lead on differently keep every path.
        {"[a-c]x|by", "bx", At(0, 2)},
        {"[a-c]x|by", "by", At(0, 2)},
        {"[a-c]x|by", "ay", std::nullopt},
        {"[^a]", std::string("a\n\r\0", 4), std::nullopt},
        {"[^a]", Sjis("あ"), At(0, 2)},
        {"\\x41G", "AG", At(0, 2)},
        // Six octal digits at most: "A", then "7".
        {"\\0001017", "A7", At(0, 2)},
        // An anchored pattern that may match empty does so in an empty text.
        {"^a|", "", At(0, 0)},
        {"^a|b*", "", At(0, 0)},
        // Double-byte characters are never split.
        // "ア" is 83 41: its trail byte is an "A".
        {"A", "\x83\x41\x41", At(2, 3)},
        // "表" is 95 5C: its trail byte is a backslash.
        {"\\\\", Sjis("表") + "\\", At(2, 3)},
        {Sjis("ア"), "A" + Sjis("ア"), At(1, 3)},
        {".", Sjis("漢字"), At(0, 2)},
        {Sjis("[ァ-ヶ]+"), Sjis("あカタカナ。"), At(2, 10)},
        // "メ" is 83 81, whose trail byte has a lead byte's value.
        {Sjis("[ぁ-ん]"), Sjis("メあ"), At(2, 4)},
        // Line heads and line tails.
        {"a$", "a\r\na", At(0, 1)},
        {"a$", "ab\r\na", At(4, 5)},
        // Line heads are the places after LF whatever the separator; "$" ends
        // a line only at the separator.
        {"a$", "a\na", At(2, 3)},
        {"^b", "a\rb", std::nullopt},
        {"^$", "ab\r\n\r\ncd", At(4, 4)},
        {"$", "", At(0, 0)},
        {"^", "", At(0, 0)},
        // At a line head the longer of the anchored and the plain match wins.
        {"^a|ab", "ab", At(0, 2)},
        {"^ab|a", "xab\nab", At(1, 2)},
        // The walk goes on over CR LF after "a" and dies at "c"; the "a"
        // before the CR still matches.
        {"a$|a\r\nb", "a\r\nc", At(0, 1)},
        {"a$|a\r\nb", "a\r\nb", At(0, 4)},
        // "^" and "$" inside the pattern are literal characters on every path.
        {"a(.b|^c)", "a^c", At(0, 3)},
        {"a(.b|^c)", "axb", At(0, 3)},
        {"a([!-z]|$c)", "a$c", At(0, 3)},
        {"b^a", "xb^a", At(1, 4)},
        {"a$b", "a$b", At(0, 3)},
        // The end of the text yields no character.
        // Would loop for ever if the end read as code 0 without advancing.
        {"[\\x00-\\x1F]*", "abc", At(0, 0)},
        {"x[\\x00-\\x1F]*", "abx", At(2, 3)},
        {"a\\x00", "a", std::nullopt},
        // A NUL inside the text is code 0 and a character like any other.
        {"a\\x0000b", withNul, At(0, 3)},
        {"a\\0b", withNul, At(0, 3)},
        {"[\\x00-\\x1F]+", withNul, At(1, 2)},
        {"b", withNul, At(2, 3)},
        {".", std::string(1, '\0'), std::nullopt},
        // A lone lead byte reads as its own code.
        {"a.", "a\x82", At(0, 2)},
        {"\\x82", "ab\x82", At(2, 3)},
        // A lead byte followed by no trail byte does not swallow the CR.
        {"\\x82\r", "\x82\r\n", At(0, 2)},
        {"$", "\x82\r\n", At(1, 1)},
        // Followed by a trail byte it is a character, and the "a" is no letter.
        {"a$", "\x82\x61\r\n", std::nullopt},
        // "." is no line break.
        {".", "\r\n", std::nullopt},
        {"a.*", "abc\r\nd", At(0, 3)},
    };
    for (const MatchCase& c : cases) {
        TAWKStr re(nullptr);
        re.SetRegExp(c.Pattern);
        EXPECT_EQ(re.Match(c.Text), c.Expected) << "pattern \"" << c.Pattern << "\" text \"" << c.Text << '"';
    }
}

} // namespace
