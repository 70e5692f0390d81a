// The row list's storage: indexes checked, change events, capacity, the
// packed row fields and the part index of row starts.
#include "edEditorStringList.h"
#include "edPartitioning.h"
#include "edRaStrings.h"
#include "edStringList.h"

#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <memory>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

void Fill(TedStringList& List, std::initializer_list<const char*> Rows)
{
    for (const char* row : Rows)
        List.Add(row);
}

std::string JoinedRows(const TedStringList& List)
{
    std::string rows;
    for (int i = 0; i < List.Count(); ++i)
        rows += (i ? "," : "") + List.Get(i);
    return rows;
}

void ExpectListIndexError(const std::function<void()>& Operation, int Index)
{
    try {
        Operation();
        ADD_FAILURE() << "no list-index error for " << Index;
    } catch (const EListError& error) {
        EXPECT_EQ(error.Message(), "List index out of bounds (" + std::to_string(Index) + ")");
    }
}

TEST(edStringList, EveryIndexIsCheckedAndTheErrorNamesIt)
{
    TedStringList list;
    Fill(list, {"a", "b"});
    ExpectListIndexError([&] { list.Get(-1); }, -1);
    ExpectListIndexError([&] { list.Get(2); }, 2);
    ExpectListIndexError([&] { list.Put(2, "x"); }, 2);
    ExpectListIndexError([&] { list.Insert(3, "x"); }, 3);
    ExpectListIndexError([&] { list.Insert(-1, "x"); }, -1);
    ExpectListIndexError([&] { list.Delete(2); }, 2);
    ExpectListIndexError([&] { list.Exchange(0, 5); }, 5);
    ExpectListIndexError([&] { list.Exchange(-3, 0); }, -3);
    ExpectListIndexError([&] { list.RowText(7); }, 7);
    ExpectListIndexError([&] { list.StateText(2); }, 2);
    ExpectListIndexError([&] { list.SetStateText(2, "s"); }, 2);
    ExpectListIndexError([&] { list.RowData(-1); }, -1);
    ExpectListIndexError([&] { list.SetRowData(2, 1); }, 2);
    ExpectListIndexError([&] { list.AttributeA(2); }, 2);
    ExpectListIndexError([&] { list.SetAttributeB(2, 1); }, 2);
    EXPECT_EQ(JoinedRows(list), "a,b");

    list.Insert(2, "c");
    EXPECT_EQ(JoinedRows(list), "a,b,c");
}

void SetRowState(TedStringList& List, int Index, int Seed)
{
    List.SetStateText(Index, "state" + std::to_string(Seed));
    List.SetRowData(Index, Seed * 10);
    List.SetAttributeA(Index, 0xA0000000u + static_cast<uint32_t>(Seed));
    List.SetAttributeB(Index, 0xB0000000u + static_cast<uint32_t>(Seed));
}

void ExpectRowState(const TedStringList& List, int Index, int Seed)
{
    EXPECT_EQ(List.StateText(Index), "state" + std::to_string(Seed)) << Index;
    EXPECT_EQ(List.RowData(Index), Seed * 10) << Index;
    EXPECT_EQ(List.AttributeA(Index), 0xA0000000u + static_cast<uint32_t>(Seed)) << Index;
    EXPECT_EQ(List.AttributeB(Index), 0xB0000000u + static_cast<uint32_t>(Seed)) << Index;
}

// A descendant sees the list's own update state, as the screen rows do.
class TUpdateProbe : public TedStringList {
public:
    using TedStringList::SetUpdateState;
};

TEST(edStringList, AnUnmatchedUpdateEndIsIgnored)
{
    TUpdateProbe list;
    std::string events; // OnChanging and OnChange in the order they fire
    list.OnChanging = [&events](TObject*) { events += '['; };
    list.OnChange = [&events](TObject*) { events += ']'; };
    list.SetUpdateState(false);
    list.Add("a");
    list.EndUpdate();
    list.Add("b");
    EXPECT_EQ(events, "[][]");
}

TEST(edStringList, CapacityBelowTheCountIsIgnored)
{
    TedStringList list;
    Fill(list, {"a", "b", "c"});
    SetRowState(list, 2, 2);
    list.SetCapacity(1);
    EXPECT_EQ(list.Capacity(), 4);
    EXPECT_EQ(JoinedRows(list), "a,b,c");

    list.SetCapacity(100);
    EXPECT_EQ(list.Capacity(), 100);
    list.SetCapacity(3);
    EXPECT_EQ(list.Capacity(), 3);
    EXPECT_EQ(JoinedRows(list), "a,b,c");
    ExpectRowState(list, 2, 2);
    list.Add("d");
    EXPECT_EQ(JoinedRows(list), "a,b,c,d");
    list.Clear();
    EXPECT_EQ(list.Capacity(), 0);
}

// Edits spread over a long list, checked row by row against a plain vector:
// the rows and their state stay in order wherever the edits fall.
TEST(edStringList, RandomEditsKeepRowsAndStateInOrder)
{
    struct Model {
        std::string Text;
        int Seed;
    };
    TedStringList list;
    std::vector<Model> model;
    std::mt19937 random(2024);
    int seed = 0;
    for (int step = 0; step < 4000; ++step) {
        const int count = list.Count();
        const int choice = static_cast<int>(random() % 10);
        if (count == 0 || choice < 5) {
            const int at = static_cast<int>(random() % static_cast<unsigned>(count + 1));
            ++seed;
            const std::string text = "row" + std::to_string(seed) + std::string(seed % 40, 'x');
            list.Insert(at, text);
            SetRowState(list, at, seed);
            model.insert(model.begin() + at, {text, seed});
        } else if (choice < 8) {
            const int at = static_cast<int>(random() % static_cast<unsigned>(count));
            list.Delete(at);
            model.erase(model.begin() + at);
        } else if (choice < 9) {
            const int i = static_cast<int>(random() % static_cast<unsigned>(count));
            const int j = static_cast<int>(random() % static_cast<unsigned>(count));
            list.Exchange(i, j);
            std::swap(model[i], model[j]);
        } else {
            const int at = static_cast<int>(random() % static_cast<unsigned>(count));
            list.Put(at, "put" + std::to_string(step));
            model[at].Text = "put" + std::to_string(step);
        }
    }
    ASSERT_EQ(list.Count(), static_cast<int>(model.size()));
    for (int i = 0; i < list.Count(); ++i) {
        ASSERT_EQ(list.Get(i), model[i].Text) << i;
        ExpectRowState(list, i, model[i].Seed);
    }
}

// Reads every packed field of a row, so that two rows can be compared.
struct Fields {
    int RowAttribute, PrevRowAttribute, BracketIndex, SchemeState, CarryLength, ExtraState;
    int CarryKind, PrevToken, RowMarks;
    bool operator==(const Fields&) const = default;
};

Fields Read(const TRowAttributeStringList& List, int Index)
{
    return {int(List.RowAttribute(Index)), int(List.PrevRowAttribute(Index)),
            List.BracketIndex(Index),      List.SchemeState(Index),
            List.CarryLength(Index),       List.ExtraState(Index),
            List.CarryKind(Index),         List.PrevToken(Index),
            List.RowMarks(Index)};
}

TEST(RowAttributeStringList, SettingOneFieldNeverDisturbsTheOthers)
{
    // Each field: its range, where Fields keeps it, and its setter.
    struct FieldCase {
        int Low, High;
        int Fields::*Value;
        void (*Set)(TRowAttributeStringList&, int);
    };
    const FieldCase cases[] = {
        {0, 3, &Fields::RowAttribute, [](auto& L, int V) { L.SetRowAttribute(0, TRowAttribute(V)); }},
        {0, 3, &Fields::PrevRowAttribute, [](auto& L, int V) { L.SetPrevRowAttribute(0, TRowAttribute(V)); }},
        {-2, 13, &Fields::BracketIndex, [](auto& L, int V) { L.SetBracketIndex(0, V); }},
        {0, 255, &Fields::SchemeState, [](auto& L, int V) { L.SetSchemeState(0, V); }},
        {0, 255, &Fields::CarryLength, [](auto& L, int V) { L.SetCarryLength(0, V); }},
        {0, 255, &Fields::ExtraState, [](auto& L, int V) { L.SetExtraState(0, V); }},
        {0, 255, &Fields::CarryKind, [](auto& L, int V) { L.SetCarryKind(0, V); }},
        {0, 255, &Fields::PrevToken, [](auto& L, int V) { L.SetPrevToken(0, V); }},
        {0, 0xFFFF, &Fields::RowMarks, [](auto& L, int V) { L.SetRowMarks(0, static_cast<uint16_t>(V)); }},
    };
    TRowAttributeStringList list;
    list.Add("row");
    std::mt19937 random(7);
    for (int round = 0; round < 2000; ++round) {
        list.SetAttributeA(0, static_cast<uint32_t>(random()));
        list.SetAttributeB(0, static_cast<uint32_t>(random()));
        Fields expected = Read(list, 0);
        const FieldCase& field = cases[random() % std::size(cases)];
        const int value = field.Low + static_cast<int>(random() % static_cast<unsigned>(field.High - field.Low + 1));
        expected.*field.Value = value;
        field.Set(list, value);
        ASSERT_EQ(Read(list, 0), expected) << "round " << round;
    }
}

// The part index against a plain vector of lengths, through random inserts,
// removals and resizes that jump about as edits do.

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

namespace {

TEST(edStringList, RowsTakenFromAListThatSharesItsTextOutliveThatList)
{
    TEditorStringList kept;
    {
        TEditorStringList loaded;
        const auto block = std::make_shared<const std::string>("first\r\nsecond\r\n");
        loaded.ShareTextBlock(block);
        loaded.AddSharedRow(std::string_view(*block).substr(0, 5), TRowAttribute::raCrlf);
        loaded.AddSharedRow(std::string_view(*block).substr(7, 6), TRowAttribute::raCrlf);
        loaded.SetStateText(1, "state");
        kept.Add(std::string());
        kept.Add(std::string());
        kept.TakeRow(0, loaded, 1);
        kept.TakeRow(1, loaded, 0);
        // An edit gives a row its own bytes; the other rows keep theirs.
        loaded.Put(0, "changed");
        EXPECT_EQ(loaded.Get(0), "changed");
    }
    EXPECT_EQ(JoinedRows(kept), "second,first");
    EXPECT_EQ(kept.StateText(0), "state");
    EXPECT_EQ(kept.StateText(1), "");
    // Rows exchanged and cleared keep or free their texts as whole rows.
    kept.Exchange(0, 1);
    EXPECT_EQ(JoinedRows(kept), "first,second");
    kept.Clear();
    EXPECT_EQ(kept.Count(), 0);
}

} // namespace
