// The framework's tokens, and how the row state carries them across rows.
#include "edFountain.h"

#include "edFountainTestSupport.h"

#include <gtest/gtest.h>

#include <random>

namespace {

using namespace fountaintest;
using enum TRowAttribute;
using T = TToken;
using Tokens_ = std::vector<TToken>;

using FountainParser = SchemeTest<TPlainFountain>;

TEST_F(FountainParser, TextCutsIntoTokensByTheFirstByteRules)
{
    const std::pair<std::string, Tokens_> cases[] = {
        // The full stop makes a real number but belongs to it only before a
        // digit or an exponent.
        {"123. x", {T{0, 3, toFloat}, T{3, 1, toSymbol}, T{5, 1, toAnk}}},
        {"1.5e-3", {T{0, 6, toFloat}}},
        {"1.e5", {T{0, 4, toFloat}}},
        {"12E+5x", {T{0, 5, toFloat}, T{5, 1, toAnk}}},
        {"12", {T{0, 2, toInteger}}},
        {"0x1F", {T{0, 1, toInteger}, T{1, 3, toAnk}}},
        {"ab_1\t+ z", {T{0, 4, toAnk}, T{4, 1, toTab}, T{5, 1, toSymbol}, T{7, 1, toAnk}}},
        // Blanks and control bytes between tokens are passed over, TAB is not.
        {" \x01\x1f\t", {T{3, 1, toTab}}},
        {"", {}},
        // 亜 88 9F and メ 83 81 end in lead-byte values that start nothing.
        {Sjis("亜亜メメx"), {T{0, 4, toDBKanji}, T{4, 4, toDBKana}, T{8, 1, toAnk}}},
        // A lone lead byte is a character of its own; no scan passes the row end.
        {"ab\x82", {T{0, 2, toAnk}, T{2, 1, toDBSymbol}}},
        {"\x88", {T{0, 1, toDBKanji}}},
        {"\x88 a", {T{0, 1, toDBKanji}, T{2, 1, toAnk}}},
        {std::string("ab\0cd", 5), {T{0, 2, toAnk}}}, // a NUL ends the row
    };
    for (const auto& [text, tokens] : cases)
        EXPECT_EQ(Tok(text), tokens) << text;
}

TEST_F(FountainParser, QuotedStringsKeepDoubledQuotesAndRunToTheRowEnd)
{
    // The framework scans strings that go on from the row before; the
    // schemes decide which quotes open one.
    TRowAttributeData single;
    single.CarryKind = toSingleQuotation;
    EXPECT_EQ(Tok("it''s' x", single), (Tokens_{T{0, 6, toSingleQuotation}, T{7, 1, toAnk}}));
    EXPECT_EQ(Tok("open", single), (Tokens_{T{0, 4, toSingleQuotation}}));
    TRowAttributeData dbl;
    dbl.CarryKind = toDoubleQuotation;
    EXPECT_EQ(Tok("a\"\"b\" c", dbl), (Tokens_{T{0, 5, toDoubleQuotation}, T{6, 1, toAnk}}));
    // A quote byte inside a double-byte character does not close.
    const std::string text = Sjis("ソ") + "x'y";
    EXPECT_EQ(Tok(text, single), (Tokens_{T{0, 4, toSingleQuotation}, T{4, 1, toAnk}}));
    EXPECT_EQ(Tok("\x88", single), (Tokens_{T{0, 1, toSingleQuotation}}));
}

TEST_F(FountainParser, DoubleByteCharactersFallIntoTheirClasses)
{
    struct Case {
        const char* Utf8;
        int Kind;
    };
    const Case cases[] = {
        {"ひらがな", toDBHira},   {"カタカナー", toDBKana}, {"漢字", toDBKanji}, {"１２．３", toDBInt},
        {"ＡＢＣａｂ", toDBAlph}, {"、", toDBSymbol},       {"ｱｲｳ", toKana},     {"｡", toKanaSymbol},
        {"ー", toDBSymbol},       {"ぁー", toDBHira},       {"Ω", toDBSymbol},   {"亜", toDBKanji},
    };
    for (const Case& c : cases) {
        const std::string text = Sjis(c.Utf8);
        EXPECT_EQ(Tok(text), (Tokens_{T{0, static_cast<int>(text.size()), c.Kind}})) << c.Utf8;
    }
    // A run ends where the class changes.
    EXPECT_EQ(Kinds(*Parser, Sjis("かなカナ漢字")), (std::vector<int>{toDBHira, toDBKana, toDBKanji}));
    // "ｱｲ｡ｳ": the punctuation is one byte of its own.
    EXPECT_EQ(Kinds(*Parser, Sjis("ｱｲ｡ｳ")), (std::vector<int>{toKana, toKanaSymbol, toKana}));
}

TEST_F(FountainParser, NoBracketOrCarriedTokenPassesTheRowEnd)
{
    AddBracket("/*", "*/");
    EXPECT_EQ(Tok("/*\x88"), (Tokens_{T{0, 3, toBracket}}));
    TRowAttributeData carry;
    carry.CarryKind = toAnk;
    carry.CarryLength = 9;
    EXPECT_EQ(Tok("ab", carry), (Tokens_{T{0, 2, toAnk}}));
}

TEST_F(FountainParser, BracketRegionsSpanRowsUntilTheRightBracket)
{
    AddBracket("<!--", "-->");
    EXPECT_EQ(Tok("a<!-- b -->c"), (Tokens_{T{0, 1, toAnk}, T{1, 10, toBracket}, T{11, 1, toAnk}}));
    EXPECT_EQ(Parser->BracketIndex(), -1);

    const auto states = States({{"x <!-- a"}, {"b"}, {"c --> d"}, {"e"}});
    EXPECT_EQ(states[0].BracketIndex, -1);
    EXPECT_EQ(states[1].BracketIndex, 0);
    EXPECT_EQ(states[2].BracketIndex, 0);
    EXPECT_EQ(states[3].BracketIndex, -1);
    // A row that starts inside the region continues it from its first byte.
    EXPECT_EQ(Tok("c --> d", states[2]), (Tokens_{T{0, 5, toBracket}, T{6, 1, toAnk}}));
    // The right bracket closes it after a lone lead byte and after a
    // double-byte character; a piece of it at the row's end closes nothing.
    EXPECT_EQ(Tok("\x81-->a", states[2]), (Tokens_{T{0, 4, toBracket}, T{4, 1, toAnk}}));
    EXPECT_EQ(Tok(Sjis("亜-->"), states[2]), (Tokens_{T{0, 5, toBracket}}));
    EXPECT_EQ(Tok("--", states[2]), (Tokens_{T{0, 2, toBracket}}));
    EXPECT_EQ(Parser->BracketIndex(), 0);
}

TEST_F(FountainParser, APairWithoutRightBracketOpensNoRegion)
{
    AddBracket("{*", "");
    // The rest of the row is still cut into tokens, and no region carries
    // into the next row.
    EXPECT_EQ(Tok("a {* b"), (Tokens_{T{0, 1, toAnk}, T{2, 1, toSymbol}, T{3, 1, toSymbol}, T{5, 1, toAnk}}));
    EXPECT_EQ(States({{"a {* b"}, {"c"}})[1].BracketIndex, -1);
}

TEST_F(FountainParser, ReservedWordsFoldOnlyAsciiLettersOfSingleByteCharacters)
{
    TStringList words;
    words.Add("begin");
    words.Add(Sjis("ア"));
    F->SetReserveWordList(&words);
    auto reserved = [&](const std::string& Text) {
        Parser->NewData(Text, {});
        Parser->NextToken();
        return Parser->IsReserveWord();
    };
    EXPECT_TRUE(reserved("BEGIN"));
    EXPECT_TRUE(reserved("Begin"));
    EXPECT_FALSE(reserved("beginx"));
    EXPECT_TRUE(reserved(Sjis("ア")));
    // ア is 83 41 and ヂ 83 61: folding the trail byte would make them equal.
    EXPECT_FALSE(reserved(Sjis("ヂ")));
    // Carried tokens and comments never are reserved words.
    TRowAttributeData carry;
    carry.CarryKind = toAnk;
    Parser->NewData("begin", carry);
    Parser->NextToken();
    EXPECT_FALSE(Parser->IsReserveWord());
}

// ---- Carries across a wrap -----------------------------------------------------

TEST_F(FountainParser, TokensAndRegionsAreCarriedAcrossWrapsExactly)
{
    AddBracket("<!--", "-->");
    AddBracket("{", "}");
    AddBracket("/*", "*/");
    // clang-format off
    ExpectCarries(*Parser, List, {
        {"a region leaves its own index", {{"x { y"}, {"z } w"}}, 1, 1, 0, -1, {T{0, 3, toBracket}, T{4, 1, toAnk}}},
        {"a split right bracket carries its rest", {{"a <!-- b --", raWrapped}, {"> c"}}, 1, 0, toBracket, 1,
         {T{0, 1, toBracket}, T{2, 1, toAnk}}},
        {"...and closes the region", {{"a <!-- b --", raWrapped}, {"> c"}}, 2, -1, 0, -1, {}},
        {"a whole right bracket on the next row closes there", {{"a <!-- b", raWrapped}, {" --> c"}}, 1, 0, 0, -1,
         {T{1, 3, toBracket}, T{5, 1, toAnk}}},
        // "<!-->" opens a region that ">" does not close: the next row must
        // not read the rest of the left bracket as the right one.
        {"a split left bracket", {{"a <!", raWrapped}, {"-->b"}, {"c --> d"}}, 1, 0, toBracket, 2, {T{0, 4, toBracket}}},
        {"...leaves the region open", {{"a <!", raWrapped}, {"-->b"}, {"c --> d"}}, 2, 0, 0, -1,
         {T{0, 5, toBracket}, T{6, 1, toAnk}}},
        {"a split left bracket of a region closed on the next row", {{"<!", raWrapped}, {"--->x-->y"}}, 1, 0, toBracket,
         2, {T{0, 8, toBracket}, T{8, 1, toAnk}}},
        {"...ends the region", {{"<!", raWrapped}, {"--->x-->y"}}, 2, -1, 0, -1, {}},
        // "2.e-3" ends where the second row ends; only the row after tells.
        {"a token ending with a wrapped next row", {{"x 2.e", raWrapped}, {"-3", raWrapped}, {"+y"}}, 1, -1, toFloat, 2,
         {T{0, 2, toFloat}}},
        {"...is not carried further", {{"x 2.e", raWrapped}, {"-3", raWrapped}, {"+y"}}, 2, -1, 0, -1,
         {T{0, 1, toSymbol}, T{1, 1, toAnk}}},
        {"a split word carries its bytes", {{"say hel", raWrapped}, {"lo you"}}, 1, -1, toAnk, 2,
         {T{0, 2, toAnk}, T{3, 3, toAnk}}},
        {"...painted whole on its first row", {{"say hel", raWrapped}, {"lo you"}}, 0, -1, 0, -1,
         {T{0, 3, toAnk}, T{4, 3, toAnk}}},
        {"...and no further", {{"say hel", raWrapped}, {"lo you"}}, 2, -1, 0, -1, {}},
        // A word over several wraps is continued by its scanner.
        {"a word over several wraps", {{"abc", raWrapped}, {"def", raWrapped}, {"ghi j"}}, 1, -1, toAnk, 0,
         {T{0, 3, toAnk}}},
        {"...on its last row", {{"abc", raWrapped}, {"def", raWrapped}, {"ghi j"}}, 2, -1, toAnk, 3, {}},
        // Blanks end the wrapped row; the region opens on the next row.
        {"a token of the next row", {{"a   ", raWrapped}, {"/* b"}}, 1, -1, 0, -1, {T{0, 4, toBracket}}},
        {"...opens its region there", {{"a   ", raWrapped}, {"/* b"}}, 2, 2, 0, -1, {}},
    });
    // clang-format on
    // The whole word decides whether it is reserved.
    TStringList words;
    words.Add("hello");
    F->SetReserveWordList(&words);
    EXPECT_EQ(States({{"say hel", raWrapped}, {"lo you"}})[1].CarryKind, toReserve);
}

TEST_F(FountainParser, ACommentOnAWrappedRowRunsToTheEndOfItsLogicalLine)
{
    TRowAttributeData comment;
    comment.CarryKind = toComment;
    // A comment carried into a row makes the row all comment.
    EXPECT_EQ(Tok("  x 'y", comment), (Tokens_{T{0, 6, toComment}}));

    Fill(List, {{"a", raWrapped}, {"b", raWrapped}, {"c"}, {"d"}});
    TRowAttributeData state = comment;
    state.RowAttribute = raWrapped;
    Parser->NextRowState(1, &List, state);
    EXPECT_EQ(state.CarryKind, toComment);
    state.RowAttribute = raCrlf;
    Parser->NextRowState(2, &List, state);
    EXPECT_EQ(state.CarryKind, 0);
}

// ---- Mail detection -------------------------------------------------------------

// The rule as first written: scan the run after the start for an "@" and a
// "." after it.
bool NaiveIsMail(std::string_view Text, size_t Start, size_t& After)
{
    auto isMail = [](unsigned char C) {
        return C == '!' || C == '$' || C == '%' || C == '&' || C == '*' || (C >= ',' && C <= '9') || C == ';'
               || C == '=' || (C >= '?' && C <= 'Z') || C == '^' || C == '_' || (C >= 'a' && C <= 'z') || C == '~';
    };
    if (Start >= Text.size() || !isMail(Text[Start]) || Text[Start] == '@')
        return false;
    bool at = false;
    for (size_t i = Start + 1; i < Text.size() && isMail(Text[i]); ++i) {
        if (Text[i] == '@')
            at = true;
        else if (Text[i] == '.' && at) {
            After = i + 1;
            return true;
        }
    }
    return false;
}

class TMailProbe : public TFountainParser {
public:
    using TFountainParser::TFountainParser;
    TFountainColor* TokenToFountainColor() override { return nullptr; }
    // Asks IsMailAddress at each start in turn, as the dispatch of
    // successive tokens does.
    std::vector<long> Probe(std::string_view Text, const std::vector<size_t>& Starts)
    {
        NewData(Text, {});
        std::vector<long> results;
        for (size_t start : Starts) {
            P_ = Text_ + start;
            results.push_back(IsMailAddress() ? P_ - Text_ : -1);
        }
        return results;
    }
};

TEST_F(FountainParser, MailDetectionRemembersItsRunWithoutChangingResults)
{
    TMailProbe probe(F);
    std::mt19937 random(4);
    const std::string alphabet = "a1,.@-_ x";
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        const int length = 1 + static_cast<int>(random() % 24);
        for (int i = 0; i < length; ++i)
            text += alphabet[random() % alphabet.size()];
        std::vector<size_t> starts;
        for (size_t start = 0; start < text.size(); start += 1 + random() % 3)
            starts.push_back(start);
        std::vector<long> expected;
        for (size_t start : starts) {
            size_t after = 0;
            expected.push_back(NaiveIsMail(text, start, after) ? static_cast<long>(after) : -1);
        }
        ASSERT_EQ(probe.Probe(text, starts), expected) << text;
    }
}

} // namespace
