// The pattern cache of TRegularExpression: hits compile nothing, misses go
// in as entry 1, failures leave the empty pattern.
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

} // namespace
