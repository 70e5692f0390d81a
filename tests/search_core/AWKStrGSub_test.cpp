// Global substitution and the replacement syntax.
#include "AWKStr.h"
#include "ERegExpParser.h"
#include "RegExpTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct GSubCase {
    std::string Pattern, Replacement, Text;
    Replaced Expected;
};

TEST(RegExpGSub, ReplacesEveryMatch)
{
    const std::vector<GSubCase> cases = {
        // Which matches are replaced, and their count, is checked against
        // plain walks on random texts; here the edge of an empty text.
        {"", "X", "", {"X", 1}},
        // The replacement syntax.
        {"b+", "(&)", "abbcb", {"a(bb)c(b)", 2}},
        {"b", "\\&", "abc", {"a&c", 1}},
        {"b", "\\\\", "abc", {"a\\c", 1}},
        {"b", "\\t\\n\\r\\b", "abc", {"a\t\n\r\bc", 1}},
        {"b", "\\x41\\101", "abc", {"aAAc", 1}},
        {"b", "\\x82a0", "abc", {"a" + Sjis("あ") + "c", 1}},
        {"b", "&&", "abc", {"abbc", 1}},
        // "\\&" also gives a literal ampersand: the backslash before "&" is
        // doubled before the escapes are read.
        {"b", "\\\\&", "abc", {"a&c", 1}},
        {"b", "\\q", "abc", {"aqc", 1}},
        // A trail byte that looks like a backslash is no escape.
        {"b", Sjis("表") + "&", "abc", {"a" + Sjis("表") + "bc", 1}},
    };
    for (const GSubCase& c : cases) {
        TAWKStr re(nullptr);
        re.SetRegExp(c.Pattern);
        Replaced got{c.Text, 0};
        got.Count = re.GSub(c.Replacement, got.Text);
        EXPECT_EQ(got, c.Expected) << "pattern \"" << c.Pattern << "\" replacement \"" << c.Replacement << '"';
    }
}

TEST(RegExpGSub, BadReplacementRaisesBeforeAnythingChanges)
{
    struct Case {
        std::string Replacement;
        const char* Message;
        int Position;
    };
    const std::vector<Case> cases = {
        {"x\\", remsg::NeedCharAfterBackslash, 3},
        {"\\xZ", remsg::BadHexCode, 3},
        {"\\777777", remsg::BadOctalCode, 8},
        // A replacement cannot insert NUL or a code that is no character.
        {"\\0", remsg::BadOctalCode, 3},
        {"\\x0", remsg::BadHexCode, 4},
        {"\\xFFFF", remsg::BadHexCode, 7},
        {"\\x8200", remsg::BadHexCode, 7},
        // Reported where the user typed it, whatever literal ampersands come first.
        {"\\&\\", remsg::NeedCharAfterBackslash, 4},
        {"\\&\\&\\&\\x", remsg::BadHexCode, 9},
        {"\\&a\\xZ", remsg::BadHexCode, 6},
        {"\\\\&\\", remsg::NeedCharAfterBackslash, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Replacement);
        TAWKStr re(nullptr);
        re.SetRegExp("b");
        std::string text = "abc";
        try {
            re.GSub(c.Replacement, text);
            ADD_FAILURE() << "no error";
        } catch (const ERegExpParser& error) {
            EXPECT_EQ(error.Message(), c.Message);
            EXPECT_EQ(error.ErrorPos(), c.Position);
        }
        EXPECT_EQ(text, "abc");
    }
}

} // namespace
