#include "edScreenStrings.h"

#include "FakeEditorClient.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <random>

using edtest::TFakeEditorClient;
using edtest::TTestFountain;

namespace {

std::unique_ptr<TTestFountain> MakeFountain()
{
    return std::unique_ptr<TTestFountain>(TFileExtComponent::Create<TTestFountain>(nullptr));
}

// A text of Lines lines, some opening or closing a "/*" region.
std::string CommentedText(int Lines, unsigned Seed)
{
    std::mt19937 random(Seed);
    std::string text;
    for (int i = 0; i < Lines; ++i) {
        switch (random() % 8) {
        case 0: text += "code /* comment"; break;
        case 1: text += "more */ code"; break;
        case 2: text += std::string(30 + random() % 40, 'w') + " /* long"; break;
        default: text += "plain words " + std::to_string(i); break;
        }
        text += "\r\n";
    }
    return text;
}

bool Computed(const TEditorScreenStrings& List, int Row) { return List.BracketIndex(Row) != BracketNotComputed; }

class RowStateTest : public ::testing::Test {
protected:
    RowStateTest()
    {
        Editor.Fountain = Fountain.get();
        List().WrapOption()->SetWrapByte(20);
    }
    TEditorScreenStrings& List() { return *Editor.List; }

    // Every row's state, computed on demand where it is not yet, equals the
    // state a full rescan of the same text gives.
    void ExpectSameAsFullRescan()
    {
        TFakeEditorClient full;
        full.Fountain = Fountain.get();
        full.BracketsFull = true;
        full.List->WrapOption()->SetWrapByte(20);
        full.List->SetWordWrap(List().WordWrap());
        full.List->SetTextStr(List().GetTextStr());
        ASSERT_EQ(List().Count(), full.List->Count());
        for (int row = 0; row < List().Count(); ++row) {
            if (!Computed(List(), row))
                List().UpdateRowStates(row, false);
            ASSERT_TRUE(SameRowState(List(), row, LoadRowState(*full.List, row))) << "row " << row;
        }
    }

    std::unique_ptr<TTestFountain> Fountain = MakeFountain();
    TFakeEditorClient Editor;
};

TEST_F(RowStateTest, StatesComputedAheadInSlicesEqualAFullRescan)
{
    for (bool wrap : {false, true}) {
        List().SetWordWrap(wrap);
        List().SetTextStr(CommentedText(2000, 4));
        std::mt19937 random(5);
        int slices = 0;
        // Painting and editing between the slices leave gaps at any place.
        while (List().ComputeRowStatesAhead(std::chrono::microseconds(0))) {
            if (++slices % 7 == 0)
                List().UpdateRowStates(static_cast<int>(random() % List().Count()), false);
            if (slices % 11 == 0)
                List().ReplaceRows(static_cast<int>(random() % List().Count()), 1,
                                   random() % 2 ? "x /* y\r\n" : "x */ y\r\n");
            ASSERT_LT(slices, 10000);
        }
        EXPECT_GT(slices, 10); // a zero budget still computes a few rows per slice
        for (int row = 0; row < List().Count(); ++row)
            ASSERT_TRUE(Computed(List(), row)) << row;
        ExpectSameAsFullRescan();
    }
}

} // namespace
