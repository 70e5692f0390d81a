// The reasons the system gives for its errors, in Japanese.
#include "SysErrorText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

TEST(SysErrorText, EveryReasonIsJapanese)
{
    // Every errno the system knows, and numbers it does not.
    for (int error = 0; error < 200; ++error) {
        const std::string text = SysErrorMessage(error);
        EXPECT_TRUE(!text.empty()
                    && std::none_of(text.begin(), text.end(), [](unsigned char C) { return std::isalpha(C); }))
            << error << ": " << text;
    }
    EXPECT_NE(SysErrorMessage(9999).find("9999"), std::string::npos);
}
