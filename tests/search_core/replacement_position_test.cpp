// A bad escape in a replacement is reported where the user typed it, however
// many literal ampersands come before it.
#include "AWKReplacement.h"
#include "ERegExpParser.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(ReplacementErrorPosition, CountsInTheTypedText)
{
    struct Case {
        std::string Replacement;
        int Position;
    };
    const std::vector<Case> cases = {
        {"\\&\\", 4},
        {"\\&\\&\\&\\x", 9},
        {"\\&a\\xZ", 6},
        {"\\\\&\\", 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Replacement);
        try {
            awk::TReplacement replacement(c.Replacement);
            ADD_FAILURE() << "no error";
        } catch (const ERegExpParser& error) {
            EXPECT_EQ(error.ErrorPos(), c.Position);
            EXPECT_LE(error.ErrorPos(), static_cast<int>(c.Replacement.size()) + 1);
        }
    }
}

} // namespace
