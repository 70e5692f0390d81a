// The HTML colouring scheme: tags, attributes, entities and comments, also
// across rows, and its colours by name.
#include "HTMLFountain.h"

#include "edFountainTestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace fountaintest;
using enum TRowAttribute;
using T = TToken;
using Tokens_ = std::vector<TToken>;
using Kinds_ = std::vector<int>;

class HTMLFountain : public SchemeTest<THTMLFountain> {
protected:
    Kinds_ K(std::string_view Text, const TRowAttributeData& State = {}) { return Kinds(*Parser, Text, State); }
};

TEST_F(HTMLFountain, AStartTagNamesItsElementAttributeAndValue)
{
    EXPECT_EQ(Tok("<a href=x>"),
              (Tokens_{T{0, 1, toTagStart}, T{1, 1, toTagElement}, T{3, 4, toTagAttribute},
                       T{7, 1, toTagAttributeDelimiter}, T{8, 1, toTagAttributeValue}, T{9, 1, toTagEnd}}));
    EXPECT_EQ(Tok("</a>"), (Tokens_{T{0, 1, toTagStart}, T{1, 2, toTagElement}, T{3, 1, toTagEnd}}));
    // Every word after the element is an attribute; a value is whatever
    // follows "=", up to a blank or ">".
    EXPECT_EQ(K("<img src=a/b.png alt='x y' border>"),
              (Kinds_{toTagStart, toTagElement, toTagAttribute, toTagAttributeDelimiter, toTagAttributeValue,
                      toTagAttribute, toTagAttributeDelimiter, toSingleQuotation, toTagAttribute, toTagEnd}));
    EXPECT_EQ(K("<p class=\"a b\">"),
              (Kinds_{toTagStart, toTagElement, toTagAttribute, toTagAttributeDelimiter, toDoubleQuotation, toTagEnd}));
    // An empty value leaves the ">" to close the tag.
    EXPECT_EQ(K("<a href=>x"),
              (Kinds_{toTagStart, toTagElement, toTagAttribute, toTagAttributeDelimiter, toTagEnd, toAnk}));
}

TEST_F(HTMLFountain, CommentsAndTagWordsAreCarriedAcrossRows)
{
    EXPECT_EQ(Tok("x<!-- <a> -->y"), (Tokens_{T{0, 1, toAnk}, T{1, 12, toBracket}, T{13, 1, toAnk}}));
    const std::vector<TRow> comment = {{"<!-- one"}, {"two"}, {"three --> <b>"}};
    const std::vector<TRow> split = {{"<!-- c --", raWrapped}, {"> <b>"}};
    const std::vector<TRow> element = {{"<ta", raWrapped}, {"ble b=12", raWrapped}, {"34>"}};
    const std::vector<TRow> tag = {{"<a"}, {"href=\"x\">"}, {"text"}};
    // clang-format off
    ExpectCarries(*Parser, List, {
        {"a comment spans rows", comment, 1, 0, 0, -1, {}},
        {"...until its end", comment, 2, 0, 0, -1,
         {T{0, 9, toBracket}, T{10, 1, toTagStart}, T{11, 1, toTagElement}, T{12, 1, toTagEnd}}},
        {"...and no further", comment, 3, -1, 0, -1, {}},
        {"a comment end split by a wrap", split, 1, 0, toBracket, 1,
         {T{0, 1, toBracket}, T{2, 1, toTagStart}, T{3, 1, toTagElement}, T{4, 1, toTagEnd}}},
        {"...closes the comment", split, 2, -1, 0, -1, {}},
        {"a split attribute", {{"<a hr", raWrapped}, {"ef=x>"}}, 1, -1, toTagAttribute, 2,
         {T{0, 2, toTagAttribute}, T{2, 1, toTagAttributeDelimiter}, T{3, 1, toTagAttributeValue}, T{4, 1, toTagEnd}}},
        {"a split element name", element, 1, -1, toTagElement, -1, {}},
        {"a split value", element, 2, -1, toTagAttributeValue, -1, {T{0, 2, toTagAttributeValue}, T{2, 1, toTagEnd}}},
        {"a tag across a line break keeps its colours", tag, 1, -1, 0, -1,
         {T{0, 4, toTagAttribute}, T{4, 1, toTagAttributeDelimiter}, T{5, 3, toDoubleQuotation}, T{8, 1, toTagEnd}}},
        {"...up to its end", tag, 2, -1, 0, -1, {T{0, 4, toAnk}}},
    });
    // clang-format on
}

TEST_F(HTMLFountain, AReservedWordSplitByAWrapKeepsItsColourAndItsPlaceInTheTag)
{
    TStringList words;
    words.Add("href");
    words.Add("table");
    F->SetReserveWordList(&words);
    const auto states = States({{"<a hr", raWrapped}, {"ef=x>"}});
    EXPECT_EQ(states[1].CarryKind, toReserve);
    EXPECT_EQ(RowTokens(*Parser, List, 1, states[1]), (Tokens_{T{0, 2, toReserve}, T{2, 1, toTagAttributeDelimiter},
                                                               T{3, 1, toTagAttributeValue}, T{4, 1, toTagEnd}}));
    // After "<" the rest of a reserved element name is the element.
    const auto element = States({{"<ta", raWrapped}, {"ble border=1>"}});
    EXPECT_EQ(K("ble border=1>", element[1]),
              (Kinds_{toReserve, toTagAttribute, toTagAttributeDelimiter, toTagAttributeValue, toTagEnd}));
}

TEST_F(HTMLFountain, ItsColoursAreVisitedByName)
{
    std::vector<std::string> names;
    F->EnumColors([&](std::string_view Name, TFountainColor&) { names.emplace_back(Name); });
    EXPECT_EQ(names, (std::vector<std::string>{"ItemColor", "Reserve", "Ampersand", "Mail", "Str", "TagAttribute",
                                               "TagAttributeValue", "TagColor", "TagElement", "Url"}));
    EXPECT_FALSE(F->HasItalic());
    F->TagElement()->SetStyle({TFontStyle::fsItalic});
    EXPECT_TRUE(F->HasItalic());
}

} // namespace
