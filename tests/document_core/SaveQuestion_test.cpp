#include "SaveQuestion.h"

#include <gtest/gtest.h>

namespace {

// How the save run by the question ends.
enum class TSaveOutcome { Saved, LeftModified };

struct TRun {
    bool Asked = false;
    int Saves = 0;
    int ForcedSaves = 0;
    bool GoesOn = false;
};

TRun Ask(bool Modified, bool Forced, TSaveAnswer Answer, TSaveOutcome Outcome)
{
    TRun run;
    bool modified = Modified;
    const auto save = [&] {
        if (Outcome == TSaveOutcome::Saved)
            modified = false;
    };
    const TSaveQuestion question{
        [&] { return modified; },
        [&] {
            run.Asked = true;
            return Answer;
        },
        [&] {
            ++run.Saves;
            save();
        },
        [&] {
            ++run.ForcedSaves;
            save();
        },
    };
    run.GoesOn = MayReplaceDocument(question, Forced);
    return run;
}

TEST(SaveQuestion, GoesOnOnlyWhenNothingUnsavedIsLost)
{
    using enum TSaveAnswer;
    using enum TSaveOutcome;
    struct TCase {
        bool Modified, Forced;
        TSaveAnswer Answer;
        TSaveOutcome Outcome;
        bool Asked;
        int Saves, ForcedSaves;
        bool GoesOn;
    } const cases[] = {
        {false, false, Yes, Saved, false, 0, 0, true},
        {true, false, No, Saved, true, 0, 0, true},
        {true, false, Cancel, Saved, true, 0, 0, false},
        {true, false, Yes, Saved, true, 1, 0, true},
        // The save dialog cancelled, the file read-only, the write failed:
        // the document is still modified, so the command stops.
        {true, false, Yes, LeftModified, true, 1, 0, false},
        {true, true, Yes, Saved, false, 0, 1, true},
        {true, true, No, LeftModified, false, 0, 1, false},
        {false, true, No, Saved, false, 0, 1, true},
    };
    for (const TCase& c : cases) {
        const TRun run = Ask(c.Modified, c.Forced, c.Answer, c.Outcome);
        SCOPED_TRACE(testing::Message() << "modified " << c.Modified << " forced " << c.Forced << " answer "
                                        << static_cast<int>(c.Answer) << " outcome " << static_cast<int>(c.Outcome));
        EXPECT_EQ(run.Asked, c.Asked);
        EXPECT_EQ(run.Saves, c.Saves);
        EXPECT_EQ(run.ForcedSaves, c.ForcedSaves);
        EXPECT_EQ(run.GoesOn, c.GoesOn);
    }
}

} // namespace
