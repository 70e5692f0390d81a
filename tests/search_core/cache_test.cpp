// The pattern cache of TRegularExpression: hits compile nothing, misses go
// in as entry 1, entry 0 stays, failures leave the empty pattern.
#include "AWKStr.h"
#include "ERegExpParser.h"

#include <gtest/gtest.h>

namespace {

class CountingAWKStr : public TAWKStr {
public:
    CountingAWKStr() : TAWKStr(nullptr) {}
    int Compiles = 0;

protected:
    std::unique_ptr<TRE_DFA> CompileRegExp(const std::string& Processed) override
    {
        ++Compiles;
        return TAWKStr::CompileRegExp(Processed);
    }
};

TEST(RegExpCache, SamePatternCompilesOnce)
{
    CountingAWKStr re;
    re.SetRegExp("abc");
    re.SetRegExp("abc");
    EXPECT_EQ(re.Compiles, 1);
    re.SetRegExp("xyz");
    re.SetRegExp("abc");
    EXPECT_EQ(re.Compiles, 2);
    EXPECT_EQ(re.RegExp(), "abc");
    // Hits do not reorder: newest first after entry 0.
    ASSERT_EQ(re.Cache().Count(), 3);
    EXPECT_EQ(re.Cache().Strings(1), "xyz");
    EXPECT_EQ(re.Cache().Strings(2), "abc");
    EXPECT_EQ(re.CurrentIndex(), 2);
    EXPECT_EQ(re.Cache().Objects(2), &re.CurrentDFA());
    EXPECT_TRUE(re.Match("--abc"));
    // Keys are case-sensitive.
    re.SetRegExp("ABC");
    EXPECT_EQ(re.Compiles, 3);
    EXPECT_FALSE(re.Match("abc"));
}

TEST(RegExpCache, FullCacheDropsItsOldestButNeverEntryZero)
{
    CountingAWKStr re;
    for (int i = 1; i <= 31; ++i)
        re.SetRegExp("p" + std::to_string(i));
    ASSERT_EQ(re.Cache().Count(), TRegularExpression::kCacheLimit);
    EXPECT_EQ(re.Cache().Strings(0), "");
    EXPECT_EQ(re.Cache().Strings(1), "p31");
    EXPECT_EQ(re.Cache().Strings(29), "p3");
    EXPECT_EQ(re.Cache().IndexOf("p1"), -1);
    EXPECT_EQ(re.CurrentIndex(), 1);
    for (int i = 0; i < re.Cache().Count(); ++i)
        EXPECT_NE(re.Cache().Objects(i), nullptr);
    re.SetRegExp("p1");
    EXPECT_EQ(re.Compiles, 32);
    EXPECT_TRUE(re.Match("p1"));
}

TEST(RegExpCache, FailedPatternLeavesTheEmptyOneAndIsNotCached)
{
    CountingAWKStr re;
    re.SetRegExp("abc");
    try {
        re.SetRegExp("a(b");
        FAIL() << "no error";
    } catch (const ERegExpParser& error) {
        EXPECT_EQ(error.ErrorPos(), 4);
    }
    EXPECT_EQ(re.RegExp(), "");
    EXPECT_EQ(re.CurrentIndex(), 0);
    EXPECT_EQ(re.Match("xyz"), (TMatchRange{0, 0}));
    EXPECT_EQ(re.Cache().IndexOf("a(b"), -1);
    // Set again, it compiles again and fails again.
    const int compiles = re.Compiles;
    EXPECT_THROW(re.SetRegExp("a(b"), ERegExpParser);
    EXPECT_EQ(re.Compiles, compiles + 1);
    // The earlier good pattern is still cached.
    re.SetRegExp("abc");
    EXPECT_EQ(re.Compiles, compiles + 1);
}

TEST(RegExpCache, FuzzyFlagReprocessesThePattern)
{
    CountingAWKStr re;
    re.SetRegExp("a");
    re.SetUseFuzzyCharDic(true);
    EXPECT_EQ(re.RegExp(), "a");
    EXPECT_EQ(re.Compiles, 2);
    EXPECT_EQ(re.Cache().Count(), 3);
    EXPECT_TRUE(re.Match("\x82\x81")); // full-width a
    re.SetUseFuzzyCharDic(false);
    EXPECT_EQ(re.Compiles, 2);
    EXPECT_FALSE(re.Match("\x82\x81"));
}

TEST(RegExpCache, OwnerFreesTheComponent)
{
    TComponent owner(nullptr);
    auto* re = new TAWKStr(&owner);
    re->SetRegExp("abc");
    EXPECT_EQ(owner.ComponentCount(), 1);
}

} // namespace
