// Global substitution and the replacement syntax.
#include "AWKStr.h"
#include "RegExpTestSupport.h"

#include <gtest/gtest.h>

namespace {

struct Replaced {
    std::string Text;
    int Count;
    friend bool operator==(const Replaced&, const Replaced&) = default;
    friend std::ostream& operator<<(std::ostream& Out, const Replaced& R)
    {
        return Out << '"' << R.Text << "\" x" << R.Count;
    }
};

Replaced GSub(const std::string& Pattern, const std::string& Replacement, std::string Text,
              TMatchCORE_LineSeparator Separator = mcls_CRLF)
{
    TAWKStr re(nullptr);
    re.SetLineSeparator(Separator);
    re.SetRegExp(Pattern);
    const int count = re.GSub(Replacement, Text);
    return {Text, count};
}

TEST(RegExpGSub, ReplacesEveryMatch)
{
    EXPECT_EQ(GSub("ab", "X", "abcabab"), (Replaced{"XcXX", 3}));
    EXPECT_EQ(GSub("q", "X", "abc"), (Replaced{"abc", 0}));
    EXPECT_EQ(GSub("a|ab", "X", "abab"), (Replaced{"XX", 2}));
    EXPECT_EQ(GSub(Sjis("漢"), "X", Sjis("漢字漢")), (Replaced{"X" + Sjis("字") + "X", 2}));
}

TEST(RegExpGSub, EmptyMatchesStepOneCharacterAndSkipTheEnd)
{
    EXPECT_EQ(GSub("a*", "x", "bbb"), (Replaced{"xbxbxb", 3}));
    EXPECT_EQ(GSub("a*", "x", "baab"), (Replaced{"xbxxb", 3}));
    EXPECT_EQ(GSub("", "X", ""), (Replaced{"X", 1}));
    EXPECT_EQ(GSub("a*", "-", Sjis("字")), (Replaced{"-" + Sjis("字"), 1}));
}

TEST(RegExpGSub, AnchorsPerLine)
{
    EXPECT_EQ(GSub("^a", "X", "a\na"), (Replaced{"X\nX", 2}));
    EXPECT_EQ(GSub("^a", "X", "aa\na"), (Replaced{"Xa\nX", 2}));
    EXPECT_EQ(GSub("a$", "X", "a\r\na"), (Replaced{"X\r\nX", 2}));
    // CR LF is stepped over as one after an empty match.
    EXPECT_EQ(GSub("$", "X", "ab\r\ncd"), (Replaced{"abX\r\ncdX", 2}));
    EXPECT_EQ(GSub("^", "X", "ab\r\ncd"), (Replaced{"Xab\r\nXcd", 2}));
    EXPECT_EQ(GSub("^$", "X", "a\r\n\r\nb"), (Replaced{"a\r\nX\r\nb", 1}));
    EXPECT_EQ(GSub("$", "X", "a\nb", mcls_LF), (Replaced{"aX\nbX", 2}));
}

TEST(RegExpGSub, ReplacementSyntax)
{
    EXPECT_EQ(GSub("b+", "(&)", "abbcb"), (Replaced{"a(bb)c(b)", 2}));
    EXPECT_EQ(GSub("b", "\\&", "abc"), (Replaced{"a&c", 1}));
    EXPECT_EQ(GSub("b", "\\\\", "abc"), (Replaced{"a\\c", 1}));
    EXPECT_EQ(GSub("b", "\\t\\n\\r\\b", "abc"), (Replaced{"a\t\n\r\bc", 1}));
    EXPECT_EQ(GSub("b", "\\x41\\101", "abc"), (Replaced{"aAAc", 1}));
    EXPECT_EQ(GSub("b", "\\x82a0", "abc"), (Replaced{"a" + Sjis("あ") + "c", 1}));
    EXPECT_EQ(GSub("b", "&&", "abc"), (Replaced{"abbc", 1}));
    // "\\&" also gives a literal ampersand: the backslash before "&" is
    // doubled before the escapes are read.
    EXPECT_EQ(GSub("b", "\\\\&", "abc"), (Replaced{"a&c", 1}));
    EXPECT_EQ(GSub("b", "\\q", "abc"), (Replaced{"aqc", 1}));
    // A trail byte that looks like a backslash is no escape.
    EXPECT_EQ(GSub("b", Sjis("表") + "&", "abc"), (Replaced{"a" + Sjis("表") + "bc", 1}));
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

TEST(RegExpGSub, ExpandEscapesAndSubstituteMatch)
{
    EXPECT_EQ(TAWKStr::ExpandEscapes("a\\tb\\\\&"), "a\tb\\&");
    EXPECT_EQ(TAWKStr::ExpandEscapes(Sjis("ソ") + "\\n"), Sjis("ソ") + "\n");
    EXPECT_EQ(TAWKStr::SubstituteMatch("<&>", "xy"), "<xy>");
    EXPECT_EQ(TAWKStr::SubstituteMatch("<\\&>", "xy"), "<&>");
    EXPECT_THROW(TAWKStr::ExpandEscapes("\\"), ERegExpParser);
}

TEST(RegExpGSub, FuzzyReplaceFindsEveryWriting)
{
    TAWKStr re(nullptr);
    re.SetUseFuzzyCharDic(true);
    re.SetRegExp(Sjis("テスト"));
    std::string text = Sjis("てすと,ﾃｽﾄ,テスト,テキスト");
    EXPECT_EQ(re.GSub("*", text), 3);
    EXPECT_EQ(text, Sjis("*,*,*,テキスト"));
}

} // namespace
