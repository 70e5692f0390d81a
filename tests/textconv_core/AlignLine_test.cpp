// AlignLine over a fake editor whose rows are its logical lines.
#include "AlignLine.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

using namespace textconv;

namespace {

struct FakeEditor : TAlignLineEditor {
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
    int Row_, Col_ = -1, Wrap_, Writes = 0;
};

FakeEditor Aligned(std::vector<std::string> Lines, int Row, int Wrap, int Mode)
{
    FakeEditor editor(std::move(Lines), Row, Wrap);
    AlignLine(editor, Mode);
    return editor;
}

} // namespace

TEST(AlignLine, AlignsTheCurrentLineWithinTheWrapColumnAndPutsTheCaretAtItsText)
{
    const std::string text(20, 'x');
    const FakeEditor centre = Aligned({"first", "\t" + text}, 1, 80, amCenter);
    EXPECT_EQ(std::tie(centre.Lines_, centre.Row_, centre.Col_),
              std::tuple(std::vector<std::string>{"first", std::string(30, ' ') + text}, 1, 30));
    const FakeEditor right = Aligned({"  \t" + text}, 0, 80, amRight);
    EXPECT_EQ(std::tie(right.Lines_[0], right.Col_), std::tuple(std::string(60, ' ') + text, 60));
    EXPECT_EQ(Aligned({"abc"}, 0, 20, amCenter).Lines_[0], std::string(8, ' ') + "abc");
    const FakeEditor left = Aligned({" \t abc "}, 0, 80, amLeft);
    EXPECT_EQ(std::tie(left.Lines_[0], left.Col_), std::tuple("abc ", 0));
}

TEST(AlignLine, LeavesEmptyAndFullLinesAlone)
{
    for (const FakeEditor& editor :
         {Aligned({}, 0, 80, amCenter), Aligned({"", ""}, 1, 80, amCenter),
          Aligned({"  " + std::string(80, 'x')}, 0, 80, amRight), Aligned({"  abc"}, 0, 80, 3)}) {
        EXPECT_EQ(editor.Writes, 0);
        EXPECT_EQ(editor.Col_, -1);
    }
}
