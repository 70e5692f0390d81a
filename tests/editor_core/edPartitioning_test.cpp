// The part index against a plain vector of lengths, through random inserts,
// removals and resizes that jump about as edits do.
#include "edPartitioning.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

void ExpectSame(const TPartitioning& Index, const std::vector<int>& Lengths)
{
    ASSERT_EQ(Index.Parts(), static_cast<int>(Lengths.size()));
    int start = 0;
    for (int p = 0; p < Index.Parts(); ++p) {
        ASSERT_EQ(Index.Start(p), start) << p;
        start += Lengths[static_cast<size_t>(p)];
    }
    ASSERT_EQ(Index.Start(Index.Parts()), start);
}

// The first part ending after X, as a walk.
int WalkPartAfter(const std::vector<int>& Lengths, int X)
{
    int end = 0;
    for (size_t p = 0; p < Lengths.size(); ++p) {
        end += Lengths[p];
        if (end > X)
            return static_cast<int>(p);
    }
    return static_cast<int>(Lengths.size());
}

TEST(Partitioning, FollowsRandomEditsAndAnswersLookups)
{
    std::mt19937 random(20261206);
    TPartitioning index;
    std::vector<int> lengths;
    int edits = 0;
    for (int step = 0; step < 20000; ++step) {
        const int parts = static_cast<int>(lengths.size());
        // Mostly near the last edit, sometimes far away.
        const int near = parts == 0 ? 0 : std::clamp(edits + static_cast<int>(random() % 7) - 3, 0, parts - 1);
        const int at = random() % 8 == 0 && parts > 0 ? static_cast<int>(random() % parts) : near;
        switch (random() % 4) {
        case 0: {
            const int length = static_cast<int>(random() % 5); // zero-length parts too
            const int p = std::min(at, parts);
            index.Insert(p, length);
            lengths.insert(lengths.begin() + p, length);
            break;
        }
        case 1:
            if (parts > 0) {
                index.Remove(at);
                lengths.erase(lengths.begin() + at);
            }
            break;
        default:
            if (parts > 0) {
                const int delta = std::max(static_cast<int>(random() % 9) - 4, -lengths[static_cast<size_t>(at)]);
                index.Resize(at, delta);
                lengths[static_cast<size_t>(at)] += delta;
            }
            break;
        }
        edits = at;
        if (step % 97 == 0)
            ExpectSame(index, lengths);
        const int total = index.Start(index.Parts());
        const int x = static_cast<int>(random() % (total + 2));
        ASSERT_EQ(index.PartAfter(x), WalkPartAfter(lengths, x)) << "step " << step;
        if (HasFatalFailure())
            return;
    }
    ExpectSame(index, lengths);
    index.Clear();
    ExpectSame(index, {});
}

} // namespace
