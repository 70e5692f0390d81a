#include "edStringList.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

// Records OnChanging and OnChange in the order they fire.
struct EventLog {
    explicit EventLog(TedStringList& List)
    {
        List.OnChanging = [this, &List](TObject* Sender) {
            EXPECT_EQ(Sender, &List);
            Text += '[';
        };
        List.OnChange = [this, &List](TObject* Sender) {
            EXPECT_EQ(Sender, &List);
            Text += ']';
        };
    }
    std::string Take() { return std::exchange(Text, std::string()); }
    std::string Text;
};

void Fill(TedStringList& List, std::initializer_list<const char*> Rows)
{
    for (const char* row : Rows)
        List.Add(row);
}

std::string RowsOf(const TedStringList& List)
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
    EXPECT_EQ(RowsOf(list), "a,b");

    list.Insert(2, "c");
    EXPECT_EQ(RowsOf(list), "a,b,c");
}

TEST(edStringList, ANewRowHasEmptyStateAndZeroNumbers)
{
    TedStringList list;
    list.Add("x");
    list.SetStateText(0, "state");
    list.SetRowData(0, -7);
    list.SetAttributeA(0, 0xFFFFFFFF);
    list.SetAttributeB(0, 0x12345678);
    list.Delete(0);

    list.Add("y");
    EXPECT_EQ(list.StateText(0), "");
    EXPECT_EQ(list.RowData(0), 0);
    EXPECT_EQ(list.AttributeA(0), 0u);
    EXPECT_EQ(list.AttributeB(0), 0u);
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

TEST(edStringList, TheListHoldsNoObjects)
{
    TedStringList list;
    TObject object;
    list.AddObject("a", &object);
    list.SetObjects(0, &object);
    EXPECT_EQ(list.Objects(0), nullptr);
    EXPECT_EQ(list.IndexOfObject(&object), -1);
}

TEST(edStringList, EachChangeFiresChangingThenChangeOnce)
{
    TedStringList list;
    EventLog events(list);
    const std::pair<std::function<void()>, const char*> steps[] = {
        {[&] { list.Add("a"); }, "[]"},
        {[&] { list.Insert(0, "b"); }, "[]"},
        {[&] { list.Put(0, "c"); }, "[]"},
        {[&] { list.Exchange(0, 1); }, "[]"},
        {[&] { SetRowState(list, 0, 9); }, ""}, // row state is no change of the text
        {[&] { list.Delete(0); }, "[]"},
        {[&] { list.Clear(); }, "[]"},
        {[&] { list.Clear(); }, ""},
        {[&] { EXPECT_THROW(list.Delete(0), EListError); }, ""},
    };
    for (size_t i = 0; i < std::size(steps); ++i) {
        steps[i].first();
        EXPECT_EQ(events.Take(), steps[i].second) << "step " << i;
    }
}

TEST(edStringList, AnUpdateFiresChangingAtItsBeginAndChangeAtItsEnd)
{
    TedStringList list;
    EventLog events(list);
    list.BeginUpdate();
    EXPECT_EQ(events.Take(), "[");
    list.Add("a");
    list.BeginUpdate();
    list.Add("b");
    list.Put(0, "c");
    list.EndUpdate();
    list.Delete(1);
    EXPECT_EQ(events.Take(), "");
    list.EndUpdate();
    EXPECT_EQ(events.Take(), "]");
    EXPECT_EQ(RowsOf(list), "c");
}

// A descendant sees the list's own update state, as the screen rows do.
class TUpdateProbe : public TedStringList {
public:
    using TedStringList::SetUpdateState;
};

TEST(edStringList, AnUnmatchedUpdateEndIsIgnored)
{
    TUpdateProbe list;
    EventLog events(list);
    list.SetUpdateState(false);
    EXPECT_EQ(events.Take(), "");
    list.Add("a");
    EXPECT_EQ(events.Take(), "[]");

    list.EndUpdate();
    list.Add("b");
    EXPECT_EQ(events.Take(), "[]");
}

TEST(edStringList, DestructionFiresNothing)
{
    std::string fired;
    {
        TedStringList list;
        list.OnChanging = [&fired](TObject*) { fired += '['; };
        list.OnChange = [&fired](TObject*) { fired += ']'; };
        list.Add("a");
        fired.clear();
    }
    EXPECT_EQ(fired, "");
}

TEST(edStringList, CapacityBelowTheCountIsIgnored)
{
    TedStringList list;
    Fill(list, {"a", "b", "c"});
    SetRowState(list, 2, 2);
    list.SetCapacity(1);
    EXPECT_EQ(list.Capacity(), 4);
    EXPECT_EQ(RowsOf(list), "a,b,c");

    list.SetCapacity(100);
    EXPECT_EQ(list.Capacity(), 100);
    list.SetCapacity(3);
    EXPECT_EQ(list.Capacity(), 3);
    EXPECT_EQ(RowsOf(list), "a,b,c");
    ExpectRowState(list, 2, 2);
    list.Add("d");
    EXPECT_EQ(RowsOf(list), "a,b,c,d");
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

} // namespace
