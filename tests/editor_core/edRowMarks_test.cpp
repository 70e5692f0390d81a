#include "edRowMarks.h"

#include "edEditTestSupport.h"

namespace {

class RowMarksTest : public edtest::EditFixture {
protected:
    RowMarksTest()
    {
        std::string text;
        for (int i = 0; i < 20; ++i)
            text += "row\r\n";
        SetText(text);
    }
    bool InUse(int Mark) { return (List().GetRowMarksInUse() & (1u << Mark)) != 0; }
};

TEST_F(RowMarksTest, MarksZeroToNineStandOnOneRowOnlyImageMarksOnMany)
{
    PutRowMark(List(), 2, 3);
    PutRowMark(List(), 10, 3);
    EXPECT_EQ(List().RowMarks(2), 0);
    EXPECT_EQ(FindRowMark(List(), 3), 10);
    EXPECT_TRUE(InUse(3));
    PutRowMark(List(), 2, 12);
    PutRowMark(List(), 5, 12);
    EXPECT_EQ(List().RowMarks(5), 1 << 12);
    EXPECT_EQ(FindRowMark(List(), 12), 2);
    DeleteRowMark(List(), 2, 12);
    EXPECT_EQ(FindRowMark(List(), 12), 5);
    EXPECT_TRUE(InUse(12));
    DeleteRowMark(List(), 5, 12);
    EXPECT_EQ(FindRowMark(List(), 12), -1);
    EXPECT_FALSE(InUse(12));
    EXPECT_EQ(FindRowMark(List(), 4), -1);
    EXPECT_EQ(FindRowMark(List(), 16), -1);
    EXPECT_EQ(FindRowMark(List(), -1), -1);
}

TEST_F(RowMarksTest, WritingAllMarksOfARowKeepsTheUniqueOnesUnique)
{
    PutRowMark(List(), 1, 0);
    EXPECT_TRUE(SetRowMarks(List(), 4, 0x1001)); // marks 0 and 12
    EXPECT_EQ(List().RowMarks(1), 0);
    EXPECT_EQ(List().RowMarks(4), 0x1001);
    EXPECT_FALSE(SetRowMarks(List(), 4, 0x1001));
    EXPECT_FALSE(SetRowMarks(List(), 40, 0x0001));
    EXPECT_TRUE(SetRowMarks(List(), 4, 0));
    EXPECT_EQ(List().GetRowMarksInUse(), 0);
}

TEST_F(RowMarksTest, RowsOutsideTheTextAreIgnored)
{
    PutRowMark(List(), 25, 11);
    EXPECT_EQ(FindRowMark(List(), 11), -1);
    DeleteRowMark(List(), -1, 11);
    PutRowMark(List(), 3, 20);
    EXPECT_EQ(List().RowMarks(3), 0);
    // A unique mark put outside the rows still leaves the row that had it.
    PutRowMark(List(), 3, 7);
    PutRowMark(List(), 25, 7);
    EXPECT_EQ(FindRowMark(List(), 7), -1);
    EXPECT_FALSE(InUse(7));
}

} // namespace
