// A lone lead byte stays a character of its own through every conversion:
// it is kept while what follows it cannot pair with it, and becomes "?"
// where what a conversion writes after it could.
#include "LineTransforms.h"
#include "StrHenkan.h"
#include "TestText.h"

#include <gtest/gtest.h>

namespace {

using namespace textconv;

TEST(LoneLeadByte, NeverPairsWithWhatIsWrittenAfterIt)
{
    struct Case {
        const char* Name;
        std::function<std::string(std::string_view)> Convert;
        std::string Input, Expected;
    };
    auto ascii = [](std::string_view Text) { return AsciiToFullWidth(Text, 0); };
    const std::vector<Case> cases = {
        {"half to full", HalfToFullWidth, Bytes({0x9B, 0x20}), Bytes({'?', 0x81, 0x40})},
        {"space pairs", SpacePairsToFullWidthSpace, Bytes({0x9B, 0x20, 0x20}), Bytes({'?', 0x81, 0x40})},
        {"ascii to full", ascii, Bytes({0x9B, 0x31}), Bytes({'?', 0x82, 0x50})},
        {"reverse", ReverseText, Bytes({0x61, 0x9B, 0x20}), Bytes({0x20, '?', 0x61})},
        // Kept as it stands where nothing can pair with it.
        {"half to full, line break after", HalfToFullWidth, Bytes({0x9B, 0x0D, 0x0A}), Bytes({0x9B, 0x0D, 0x0A})},
        {"odd space", SpacePairsToFullWidthSpace, Bytes({0x9B, 0x20}), Bytes({0x9B, 0x20})},
        {"reverse, at the end", ReverseText, Bytes({0x9B, 0x20}), Bytes({0x20, 0x9B})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(c.Convert(c.Input), c.Expected);
    }
}

} // namespace
