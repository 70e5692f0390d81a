// Every match of a pattern in a logical line, as find highlighting asks.
#include "AWKStrEx.h"

#include "FakeEditorClient.h"

#include <gtest/gtest.h>

using edtest::Sjis;

namespace {

struct MatchCase {
    std::string Pattern, Text, Subject; // the subject searched; the text when empty
    TFindHits Expected;
};

TEST(AWKStrEx, EveryNonEmptyMatchOfALine)
{
    // "ア" is 83 41: its trail byte is no "A".
    const std::string a = Sjis("ア");
    const MatchCase cases[] = {
        {"ab|b", "abxbab", "", {{0, 2, "ab"}, {3, 1, "b"}, {4, 2, "ab"}}},
        {"x", "abc", "", {}},
        {"x", "", "", {}},
        // Empty matches add nothing and the search ends.
        {"a*", "bbb", "", {}},
        {"a*", "baab", "", {{1, 2, "aa"}}},
        {"", Sjis("漢字"), "", {}},
        {"^a", "aaa", "", {{0, 1, "a"}}},
        {"^a", "ba", "", {}},
        // The editor searches a line with its CR LF after it.
        {"a$", "aba", "aba\r\n", {{2, 1, "a"}}},
        {"a$", "aba", "", {{2, 1, "a"}}},
        // A match reaching into that CR LF keeps its length; its text is
        // what the line holds, read in bounds.
        {"a\\r\\n", "ba", "ba\r\n", {{1, 3, "a"}}},
        {"\\n", "ba", "ba\r\n", {{3, 1, ""}}},
        // The text comes from the unfolded line.
        {"ab", "xABx", "xabx", {{1, 2, "AB"}}},
        {"A", a + "A", "", {{2, 1, "A"}}},
        {"x*", a + a, "", {}},
    };
    for (const MatchCase& c : cases) {
        TAWKStrEx awk(nullptr);
        awk.SetRegExp(c.Pattern);
        TFindHits hits;
        const int count = awk.FindAllMatches(c.Text, c.Subject.empty() ? c.Text : c.Subject, hits);
        EXPECT_EQ(count, static_cast<int>(hits.size()));
        EXPECT_EQ(hits, c.Expected) << c.Pattern << " in " << c.Text;
    }
}

} // namespace
