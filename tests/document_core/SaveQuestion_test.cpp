#include "SaveQuestion.h"

#include <gtest/gtest.h>

namespace {

TEST(SaveQuestion, GoesOnOnlyWhenNothingUnsavedIsLost)
{
    using enum TSaveAnswer;
    // SaveWorks false: the save dialog was cancelled, the file is read-only
    // or the write failed, so the document is still modified.
    struct {
        bool Modified, Forced;
        TSaveAnswer Answer;
        bool SaveWorks;
        const char* Calls; // a: asked, s: saved, f: forced save
        bool GoesOn;
    } const cases[] = {
        {false, false, Yes, true, "", true},     {true, false, No, true, "a", true},
        {true, false, Cancel, true, "a", false}, {true, false, Yes, true, "as", true},
        {true, false, Yes, false, "as", false},  {true, true, Yes, true, "f", true},
        {true, true, No, false, "f", false},     {false, true, No, true, "f", true},
    };
    for (const auto& c : cases) {
        bool modified = c.Modified;
        std::string calls;
        const auto save = [&](char Call) {
            calls += Call;
            modified = modified && !c.SaveWorks;
        };
        const TSaveQuestion question{[&] { return modified; },
                                     [&] {
                                         calls += 'a';
                                         return c.Answer;
                                     },
                                     [&] { save('s'); }, [&] { save('f'); }};
        EXPECT_EQ(MayReplaceDocument(question, c.Forced), c.GoesOn) << c.Calls << c.Modified << c.Forced;
        EXPECT_EQ(calls, c.Calls);
    }
}

} // namespace
