#include "CommentMarker.h"
#include "SjisLiteral.h"

#include <gtest/gtest.h>

TEST(CommentMarker, ByMode)
{
    const std::string mark = Sjis("＃");
    EXPECT_EQ(CommentMarker(0, true, ">x"), ">");
    EXPECT_EQ(CommentMarker(2, true, mark), mark);
    EXPECT_EQ(CommentMarker(6, true, ""), "//");
    EXPECT_EQ(CommentMarker(0, false, ">"), "//");
    EXPECT_EQ(CommentMarker(1, true, ">"), "//"); // Delphi and C/C++ keep their own
    EXPECT_EQ(CommentMarker(3, true, ">"), "//");
    EXPECT_EQ(CommentMarker(4, false, ">"), "'");
}
