// The editor's colouring scheme: its quotations, literals, bulk colour
// setters and the strings it carries across wrapped rows.
#include "EditorFountain.h"

#include "edFountainTestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace fountaintest;
using enum TRowAttribute;
using T = TToken;
using Tokens_ = std::vector<TToken>;

struct TListener {
    int Heard = 0;
    void Changed(TObject*) { ++Heard; }
};

class EditorFountain : public SchemeTest<TEditorFountain> {
protected:
    EditorFountain() { F->NotifyEventList()->Add(MakeMethod<&TListener::Changed>(&Listener)); }
    // The colour of the first token of Text.
    TFountainColor* ColorOf(std::string_view Text)
    {
        Parser->NewData(Text, {});
        Parser->NextToken();
        return Parser->TokenToFountainColor();
    }

    TListener Listener;
};

TEST_F(EditorFountain, QuotationOpensStringsInWhichADoubledQuoteGoesOn)
{
    EXPECT_EQ(Kinds(*Parser, "'a'"), (std::vector<int>{toSymbol, toAnk, toSymbol}));
    F->SetQuotation("'");
    EXPECT_EQ(Tok("s := 'it''s'; x"), (Tokens_{T{0, 1, toAnk}, T{2, 1, toSymbol}, T{3, 1, toSymbol},
                                               T{5, 7, toQuotation}, T{12, 1, toSymbol}, T{14, 1, toAnk}}));
    EXPECT_EQ(Tok("'open"), (Tokens_{T{0, 5, toQuotation}}));
    EXPECT_EQ(ColorOf("'a'"), F->Colors()->Str());
    // Only the first character of the setting counts.
    F->SetQuotation("\"'");
    EXPECT_EQ(Tok("\"a\" 'b"), (Tokens_{T{0, 3, toQuotation}, T{4, 1, toSymbol}, T{5, 1, toAnk}}));
}

TEST_F(EditorFountain, ADoubleByteQuotationIsComparedAsAWholeCharacter)
{
    // ” is 81 68 and “ 81 67: they share their lead byte.
    F->SetQuotation(Sjis("”"));
    const std::string quote = Sjis("”"), other = Sjis("“");
    EXPECT_EQ(Tok(quote + "ab" + quote + "c"), (Tokens_{T{0, 6, toQuotation}, T{6, 1, toAnk}}));
    EXPECT_EQ(Tok(other + "ab"), (Tokens_{T{0, 2, toDBSymbol}, T{2, 2, toAnk}}));
}

TEST_F(EditorFountain, StringsAreCarriedAcrossWrapsToTheEndOfTheirLogicalLine)
{
    F->SetQuotation("'");
    AddBracket("/*", "*/");
    const std::vector<TRow> open = {{"x 'ab", raWrapped}, {"cd", raWrapped}, {"ef' g"}, {"h"}};
    // The wrapped row ends inside a string and its continuation holds only
    // blanks: the next logical line is not a string.
    const std::vector<TRow> blank = {{"x = 'abcdefghijklmno", raWrapped}, {"     "}, {"y = 1"}};
    // clang-format off
    ExpectCarries(*Parser, List, {
        {"a string left open", open, 1, -1, toQuotation, 0, {T{0, 2, toQuotation}}},
        {"...closed on a later row", open, 2, -1, toQuotation, 3, {T{0, 3, toQuotation}, T{4, 1, toAnk}}},
        {"...and done", open, 3, -1, 0, -1, {}},
        {"a string ends with its logical line", {{"'ab", raWrapped}, {"cd"}, {"e"}}, 2, -1, 0, -1, {T{0, 1, toAnk}}},
        {"a doubled quote split by a wrap", {{"'it'", raWrapped}, {"'s' x"}}, 1, -1, toQuotation, 3,
         {T{0, 3, toQuotation}, T{4, 1, toAnk}}},
        {"the blanks a carried string starts with", {{"'ab", raWrapped}, {" cd' x"}}, 1, -1, toQuotation, 4,
         {T{0, 4, toQuotation}, T{5, 1, toAnk}}},
        {"a blank continuation row", blank, 1, -1, toQuotation, -1, {}},
        {"...ends the string with the line", blank, 2, -1, 0, -1, {T{0, 1, toAnk}, T{2, 1, toSymbol}, T{4, 1, toInteger}}},
        {"a blank row inside the line passes it on", {{"'abc", raWrapped}, {"  ", raWrapped}, {"d'"}}, 2, -1,
         toQuotation, -1, {}},
        {"bracket regions still span lines", {{"/* a"}, {"   "}, {"b */"}}, 2, 0, 0, -1, {}},
    });
    // clang-format on
}

TEST_F(EditorFountain, SettingAllColoursPassesOverSelectAndHitAndIsOneChange)
{
    F->SetAllBkColor(clYellow);
    EXPECT_EQ(Listener.Heard, 1);
    const TEditorColors& c = *F->Colors();
    EXPECT_EQ(c.Select()->BkColor(), clNavy);
    EXPECT_EQ(c.Hit()->BkColor(), clNone);
    EXPECT_EQ(F->Reserve()->BkColor(), clYellow);
    for (TFountainColor* color : {c.Ank(), c.Comment(), c.DBCS(), c.Int(), c.Mail(), c.Str(), c.Symbol(), c.Url()})
        EXPECT_EQ(color->BkColor(), clYellow);

    F->SetAllColor(clRed);
    F->SetAllStyle({TFontStyle::fsItalic});
    EXPECT_EQ(Listener.Heard, 3);
    EXPECT_EQ(c.Ank()->Color(), clRed);
    EXPECT_EQ(c.Select()->Color(), clWhite);
    EXPECT_TRUE(F->HasItalic());
    EXPECT_TRUE(c.Hit()->Style().Empty());

    // So does setting all bracket colours.
    for (const char* left : {"(", "["})
        F->Brackets()->Add()->SetLeftBracket(left);
    Listener.Heard = 0;
    F->Brackets()->SetAllBkColor(clAqua);
    F->Brackets()->SetAllStyle({TFontStyle::fsBold});
    EXPECT_EQ(Listener.Heard, 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(F->Brackets()->Items(i)->ItemColor()->BkColor(), clAqua);
        EXPECT_EQ(F->Brackets()->Items(i)->ItemColor()->Style(), TFontStyles{TFontStyle::fsBold});
    }
}

} // namespace
