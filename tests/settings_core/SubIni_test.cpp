#include "SubIni.h"

#include <gtest/gtest.h>

namespace {

TEST(CommenterFor, TakesTheQuoteMarksFirstCharacterWhileCommentsAreOn)
{
    const struct {
        bool On;
        std::string Mark, Commenter;
    } cases[] = {
        {true, "> ", ">"},          {true, "#", "#"},
        {false, "> ", "//"},        {true, "\x81\x84 ", "\x81\x84 "}, // a mark starting double-byte is taken whole
        {true, "\xB1\xB2", "\xB1"},                                   // half-width katakana is single-byte
        {true, "", "//"},                                             // an empty mark once gave nothing
    };
    for (const auto& c : cases)
        EXPECT_EQ(CommenterFor(c.On, c.Mark), c.Commenter) << c.Mark;
}

} // namespace
