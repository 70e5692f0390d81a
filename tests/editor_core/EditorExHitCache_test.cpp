// The find hits painting shows row by row.
#include "EditorExHitCache.h"

#include "edEditTestSupport.h"

#include <gtest/gtest.h>

using edtest::RowTexts;
using edtest::Sjis;
using enum TExSearchOption;

namespace {

using Parts = std::vector<TRowHitPart>;

class HitCacheTest : public edtest::EditFixture {
protected:
    void Find(const std::string& What, TExSearchOptions Options = {})
    {
        Finder.SetFindString(What);
        Finder.SetExSearchOptions(Options);
        Cache.Invalidate();
    }
    Parts Hits(int Row) { return Cache.RowHits(List(), Row, List().ColumnModel()); }
    // What a paint of every row asks.
    std::vector<Parts> Paint()
    {
        Cache.Invalidate();
        std::vector<Parts> rows;
        for (int row = 0; row < List().Count(); ++row)
            rows.push_back(Hits(row));
        return rows;
    }

    TEditorExFinder Finder;
    TFindHitCache Cache{Finder};
};

TEST_F(HitCacheTest, HitSplitByAWrapShowsOnBothRows)
{
    const std::string x18(18, 'x');
    SetText(x18 + "abcdef", true);
    ASSERT_EQ(RowTexts(List()), (std::vector<std::string>{x18 + "ab", "cdef"}));
    Find("abcd");
    EXPECT_EQ(Paint(), (std::vector<Parts>{{{18, 2, 18, 2}}, {{0, 2, 0, 2}}}));
    Find("[a-c]+d", {soRegexp});
    EXPECT_EQ(Paint(), (std::vector<Parts>{{{18, 2, 18, 2}}, {{0, 2, 0, 2}}}));
}

TEST_F(HitCacheTest, HitReachingIntoTheLineBreakStopsAtTheRowEnd)
{
    SetText("xa\r\ny");
    Find("a\\r\\n", {soRegexp});
    EXPECT_EQ(Paint(), (std::vector<Parts>{{{1, 1, 1, 1}}, {}}));
    Find("\\n", {soRegexp});
    EXPECT_EQ(Paint(), (std::vector<Parts>{{}, {}}));
    // A pattern that does not compile paints no hits.
    Find("(", {soRegexp});
    EXPECT_EQ(Paint(), (std::vector<Parts>{{}, {}}));
}

} // namespace
