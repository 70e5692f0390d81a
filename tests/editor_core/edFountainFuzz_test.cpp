// Seeded random texts, in both schemes: the tokens of every row tile it,
// and colouring each row from its stored state gives the colours that
// parsing the whole text from the top gives.
#include "EditorFountain.h"
#include "HTMLFountain.h"

#include "edFountainTestSupport.h"

#include "Sjis.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

namespace {

using namespace fountaintest;
using enum TRowAttribute;

bool IsBlank(unsigned char C) { return C >= 0x01 && C <= 0x20 && C != '\t'; }

const std::vector<std::string>& MixedPieces()
{
    static const std::vector<std::string> pieces = [] {
        // clang-format off
        std::vector<std::string> p = {
            "abc", "begin", "End", "x_1", "42", "3.14", "1e5", "7.", "2.e-3", "0x1F", "$ff", "#13", "#$0D", "+", "-",
            ";", ",", ".", "@", "'", "\"", "''", "//", "/*", "*/", "{", "}", "(", "<", ">", "=", "&", "&amp;",
            "&#1;", "<a href=x>", "</a>", "<p class='c'>", "<!--", "-->", "http://a.b/c?d=1", "www.x.jp", "ftp:",
            "a@b.c", "x@y", "1,2,3", " ", "  ", "   ", "\t", "\x01", "\x7f", "\x80", "\xa0", "\xfd",
            // Lone lead bytes: before a byte that cannot trail them.
            "\x82 ", "\x88\t", "\xe0\x7f", "\x81,",
        };
        // clang-format on
        for (const char* utf8 : {"ひらがな", "カタカナー", "漢字", "亜", "メ", "ソ", "１２．３", "ＡＢ", "、", "。",
                                 "「", "」", "ｱｲｳ", "｡", "ー", "”"})
            p.push_back(Sjis(utf8));
        return p;
    }();
    return pieces;
}

// Per byte of the text: the colour a token gives it, or null. Also checks
// that the tokens tile the text: in order, on character boundaries, with
// only blanks between them, never past the end.
std::vector<const TFountainColor*> ColourAndCheckTiling(TFountainParser& Parser, std::string_view Text,
                                                        const TRowAttributeData& State, int Length,
                                                        const std::string& Context)
{
    std::vector<const TFountainColor*> colours(Length, nullptr);
    Parser.NewData(Text, State);
    int covered = 0;
    while (Parser.NextToken()) {
        const int start = Parser.TokenPosition(), end = start + Parser.TokenLength();
        if (start >= Length)
            break;
        EXPECT_GE(start, covered) << Context;
        EXPECT_LE(end, static_cast<int>(Text.size())) << Context;
        EXPECT_TRUE(sjis::IsCharBoundary(Text, start)) << Context << " @" << start;
        EXPECT_TRUE(sjis::IsCharBoundary(Text, end)) << Context << " @" << end;
        for (int i = covered; i < start; ++i)
            EXPECT_TRUE(IsBlank(Text[i])) << Context << " @" << i;
        const TFountainColor* colour = Parser.TokenToFountainColor();
        for (int i = start; i < std::min(end, Length); ++i)
            colours[i] = colour;
        covered = std::max(covered, std::min(end, Length));
    }
    for (int i = covered; i < Length; ++i)
        EXPECT_TRUE(IsBlank(Text[i])) << Context << " @" << i;
    return colours;
}

struct TFuzzResult {
    int Texts = 0;
    int Compared = 0; // texts in which no token spans more than two rows
};

TFuzzResult Fuzz(TFountain& Fountain, unsigned Seed, int Rounds)
{
    std::mt19937 random(Seed);
    auto parser = Fountain.CreateParser();
    TRowAttributeStringList list;
    TFuzzResult result;
    for (int round = 0; round < Rounds; ++round) {
        std::vector<TRow> rows;
        const int lines = 1 + static_cast<int>(random() % 6);
        for (int i = 0; i < lines; ++i)
            AddWrappedLine(rows, RandomLine(random, MixedPieces()), 4 + random() % 12, random);
        if (random() % 2)
            rows.back().Attribute = raEof;
        Fill(list, rows);
        const std::string context = Describe(rows);
        ++result.Texts;

        // Every row alone, and as painted from its stored state.
        const auto states = RowStates(*parser, list);
        std::vector<std::vector<const TFountainColor*>> painted;
        for (int r = 0; r < list.Count(); ++r) {
            const std::string_view row = list.RowText(r);
            const int length = static_cast<int>(row.size());
            ColourAndCheckTiling(*parser, row, states[r], length, context);
            std::string text(row);
            if (rows[r].Attribute == raWrapped && r + 1 < list.Count())
                text += list.RowText(r + 1);
            painted.push_back(ColourAndCheckTiling(*parser, text, states[r], length, context));
        }

        // The whole text from the top.
        std::string whole;
        std::vector<int> rowStart, rowOf;
        for (int r = 0; r < list.Count(); ++r) {
            rowStart.push_back(static_cast<int>(whole.size()));
            whole += list.RowText(r);
            rowOf.resize(whole.size(), r);
            if (rows[r].Attribute == raCrlf)
                whole += "\r\n";
            rowOf.resize(whole.size(), r);
        }
        std::vector<const TFountainColor*> top(whole.size(), nullptr);
        bool twoRowTokens = true;
        parser->NewData(whole, {});
        while (parser->NextToken()) {
            const int start = parser->TokenPosition(), end = start + parser->TokenLength();
            // The row state carries a token over one wrap; a token over more
            // rows is continued by its scanner afresh, which this comparison
            // leaves out.
            if (end > start && rowOf[end - 1] - rowOf[start] >= 2)
                twoRowTokens = false;
            const TFountainColor* colour = parser->TokenToFountainColor();
            for (int i = start; i < end; ++i)
                top[i] = colour;
        }
        if (!twoRowTokens)
            continue;
        ++result.Compared;
        for (int r = 0; r < list.Count(); ++r) {
            const std::string_view row = list.RowText(r);
            // Blanks that begin a row are passed over before its first token.
            size_t i = 0;
            while (i < row.size() && IsBlank(row[i]))
                ++i;
            for (; i < row.size(); ++i)
                if (painted[r][i] != top[rowStart[r] + i]) {
                    ADD_FAILURE() << "row " << r << " byte " << i << "\n" << context;
                    return result;
                }
        }
    }
    return result;
}

class FountainFuzz : public testing::TestWithParam<unsigned> {};

TEST_P(FountainFuzz, EditorScheme)
{
    const std::unique_ptr<TEditorFountain> fountain(TFileExtComponent::Create<TEditorFountain>(nullptr));
    fountain->SetCommenter("//");
    fountain->SetQuotation("'");
    fountain->SetHexPrefix("$");
    fountain->SetControlCode(true);
    fountain->SetUrl(true);
    fountain->SetMail(true);
    int index = 0;
    for (auto [left, right] :
         {std::pair<std::string, std::string>{"/*", "*/"}, {Sjis("「"), Sjis("」")}, {"<!--", "-->"}, {"{", "}"}})
        AddBracket(*fountain->Brackets(), left, right)->ItemColor()->SetColor(RGB(index++, 1, 1));
    TStringList words;
    for (const std::string& word : {std::string("begin"), std::string("end"), std::string("x_1"), Sjis("亜")})
        words.Add(word);
    fountain->SetReserveWordList(&words);
    // Distinct colours, so that the comparison tells the kinds apart.
    index = 0;
    fountain->Colors()->EnumColors(
        [&](std::string_view, TFountainColor& Color) { Color.SetColor(RGB(2, index++, 2)); });

    const TFuzzResult result = Fuzz(*fountain, GetParam(), 2000);
    EXPECT_GT(result.Compared, result.Texts / 2);
}

TEST_P(FountainFuzz, HTMLScheme)
{
    const std::unique_ptr<THTMLFountain> fountain(TFileExtComponent::Create<THTMLFountain>(nullptr));
    TStringList words;
    words.Add("href");
    fountain->SetReserveWordList(&words);
    const TFuzzResult result = Fuzz(*fountain, GetParam() + 200, 1500);
    EXPECT_GT(result.Compared, result.Texts / 2);
}

INSTANTIATE_TEST_SUITE_P(Seeds, FountainFuzz, testing::Values(1u, 2u, 3u));

} // namespace
