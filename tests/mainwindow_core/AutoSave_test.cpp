#include "AutoSave.h"

#include <gtest/gtest.h>

TEST(AutoSave, IntervalAndWhenItIsDue)
{
    EXPECT_EQ(AutoSaveInterval(600000), 600000);
    EXPECT_EQ(AutoSaveInterval(0), std::nullopt);
    EXPECT_EQ(AutoSaveInterval(-5), std::nullopt);
    EXPECT_TRUE(AutoSaveDue({true, true, false, false}));
    EXPECT_FALSE(AutoSaveDue({true, false, false, false})); // unnamed
    EXPECT_FALSE(AutoSaveDue({true, true, true, false}));   // "NewFile"
    EXPECT_FALSE(AutoSaveDue({false, true, false, false})); // off
    EXPECT_FALSE(AutoSaveDue({true, true, false, true}));   // its box still open
}
