// The pattern cache of TRegularExpression: a pattern that fails leaves the
// empty one and is not cached.
#include "ERegExpParser.h"
#include "MatchCORE.h"

#include <gtest/gtest.h>

namespace {

class CountingRegExp : public TMatchCORE {
public:
    CountingRegExp() : TMatchCORE(nullptr) {}
    int Compiles = 0;

protected:
    std::unique_ptr<TRE_DFA> CompileRegExp(const std::string& Processed) override
    {
        ++Compiles;
        return TMatchCORE::CompileRegExp(Processed);
    }
};

TEST(RegExpCache, FailedPatternLeavesTheEmptyOneAndIsNotCached)
{
    CountingRegExp re;
    re.SetRegExp("abc");
    try {
        re.SetRegExp("a(b");
        FAIL() << "no error";
    } catch (const ERegExpParser& error) {
        EXPECT_EQ(error.ErrorPos(), 4);
    }
    EXPECT_EQ(re.RegExp(), "");
    EXPECT_EQ(re.CurrentIndex(), 0);
    EXPECT_EQ(re.MatchNoAnchor("xyz"), (TMatchRange{0, 0}));
    EXPECT_EQ(re.Cache().IndexOf("a(b"), -1);
    // Set again, it compiles again and fails again.
    const int compiles = re.Compiles;
    EXPECT_THROW(re.SetRegExp("a(b"), ERegExpParser);
    EXPECT_EQ(re.Compiles, compiles + 1);
    // The earlier good pattern is still cached.
    re.SetRegExp("abc");
    EXPECT_EQ(re.Compiles, compiles + 1);
}

} // namespace
