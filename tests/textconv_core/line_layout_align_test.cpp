// AlignLine over a fake editor whose rows are its logical lines.
#include "AlignLine.h"

#include <gtest/gtest.h>

#include <vector>

using namespace textconv;

namespace {

class FakeEditor : public TAlignLineEditor {
public:
    FakeEditor(std::vector<std::string> Lines, int Row, int Wrap) : Lines_(std::move(Lines)), Row_(Row), Wrap_(Wrap) {}

    int Row() const override { return Row_; }
    void SetRow(int Row) override { Row_ = Row; }
    void SetCol(int Col) override { Col_ = Col; }
    int RowToLine(int Row) const override { return Row; }
    int LineCount() const override { return static_cast<int>(Lines_.size()); }
    std::string Line(int Index) const override { return Lines_.at(Index); }
    void SetLine(int Index, const std::string& Text) override
    {
        Lines_.at(Index) = Text;
        ++Writes;
    }
    int WrapByte() const override { return Wrap_; }

    std::vector<std::string> Lines_;
    int Row_;
    int Col_ = -1;
    int Wrap_;
    int Writes = 0;
};

} // namespace

TEST(AlignLine, CentresAndRightAlignsWithinTheWrapColumn)
{
    const std::string text(20, 'x');
    FakeEditor centre({"first", "\t" + text}, 1, 80);
    AlignLine(centre, amCenter);
    EXPECT_EQ(centre.Lines_[1], std::string(30, ' ') + text);
    EXPECT_EQ(centre.Row_, 1);
    EXPECT_EQ(centre.Col_, 30);
    EXPECT_EQ(centre.Lines_[0], "first");

    FakeEditor right({"  \t" + text}, 0, 80);
    AlignLine(right, amRight);
    EXPECT_EQ(right.Lines_[0], std::string(60, ' ') + text);
    EXPECT_EQ(right.Col_, 60);

    FakeEditor odd({"abc"}, 0, 20);
    AlignLine(odd, amCenter);
    EXPECT_EQ(odd.Lines_[0], std::string(8, ' ') + "abc");
}

TEST(AlignLine, LeftTakesTheIndentationOff)
{
    FakeEditor left({" \t abc "}, 0, 80);
    AlignLine(left, amLeft);
    EXPECT_EQ(left.Lines_[0], "abc ");
    EXPECT_EQ(left.Col_, 0);
}

TEST(AlignLine, LeavesEmptyAndFullLinesAlone)
{
    FakeEditor empty({}, 0, 80);
    AlignLine(empty, amCenter);
    FakeEditor breakOnly({"", ""}, 1, 80);
    AlignLine(breakOnly, amCenter);
    FakeEditor full({"  " + std::string(80, 'x')}, 0, 80);
    AlignLine(full, amRight);
    FakeEditor badMode({"  abc"}, 0, 80);
    AlignLine(badMode, 3);
    for (const FakeEditor* editor : {&empty, &breakOnly, &full, &badMode}) {
        EXPECT_EQ(editor->Writes, 0);
        EXPECT_EQ(editor->Col_, -1);
    }
}
