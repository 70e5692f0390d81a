// The row list's edits on a 200,000-row text against plain vectors doing the
// same: a row inserted and deleted again in the middle (Enter and Backspace
// at one place), edits that jump between two far places, and the row text
// replaced as on every keystroke.
#include "edRaStrings.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

constexpr int RowCount = 200'000;
constexpr int Middle = RowCount / 2;

std::string RowTextOf(int Index)
{
    return "row " + std::to_string(Index) + " of a page of Japanese text, about sixty bytes long";
}

// The same edits on each kind of list.
struct RowList {
    TRowAttributeStringList List;
    RowList()
    {
        for (int i = 0; i < RowCount; ++i)
            List.Add(RowTextOf(i));
    }
    void Insert(int Index, const std::string& S) { List.Insert(Index, S); }
    void Delete(int Index) { List.Delete(Index); }
    void Put(int Index, const std::string& S) { List.Put(Index, S); }
};

struct StringVector {
    std::vector<std::string> List;
    StringVector()
    {
        for (int i = 0; i < RowCount; ++i)
            List.push_back(RowTextOf(i));
    }
    void Insert(int Index, const std::string& S) { List.insert(List.begin() + Index, S); }
    void Delete(int Index) { List.erase(List.begin() + Index); }
    void Put(int Index, const std::string& S) { List[Index] = S; }
};

TRowItem RowItemOf(const std::string& Text)
{
    TRowItem item;
    item.SetText(Text);
    return item;
}

// A vector of whole row items: what the row list would cost without its gap.
struct ItemVector {
    std::vector<TRowItem> List;
    ItemVector()
    {
        for (int i = 0; i < RowCount; ++i)
            List.push_back(RowItemOf(RowTextOf(i)));
    }
    void Insert(int Index, const std::string& S) { List.insert(List.begin() + Index, RowItemOf(S)); }
    void Delete(int Index) { List.erase(List.begin() + Index); }
    void Put(int Index, const std::string& S) { List[Index].SetText(S); }
};

template <class List>
void InsertDeleteMiddle(benchmark::State& State)
{
    List rows;
    const std::string text = RowTextOf(-1);
    for (auto _ : State) {
        rows.Insert(Middle, text);
        rows.Delete(Middle);
    }
    State.SetItemsProcessed(State.iterations() * 2);
}

// Insert at one third, delete at two thirds: every edit moves the free
// slots of the row list a third of the text away.
template <class List>
void InsertDeleteJumping(benchmark::State& State)
{
    List rows;
    const std::string text = RowTextOf(-1);
    for (auto _ : State) {
        rows.Insert(RowCount / 3, text);
        rows.Delete(2 * RowCount / 3);
    }
    State.SetItemsProcessed(State.iterations() * 2);
}

template <class List>
void PutRow(benchmark::State& State)
{
    List rows;
    const std::string texts[2] = {RowTextOf(Middle) + "a", RowTextOf(Middle) + "ab"};
    int i = 0;
    for (auto _ : State) {
        rows.Put(Middle, texts[i]);
        i ^= 1;
    }
    State.SetItemsProcessed(State.iterations());
}

BENCHMARK(InsertDeleteMiddle<RowList>);
BENCHMARK(InsertDeleteMiddle<StringVector>);
BENCHMARK(InsertDeleteMiddle<ItemVector>);
BENCHMARK(InsertDeleteJumping<RowList>);
BENCHMARK(InsertDeleteJumping<StringVector>);
BENCHMARK(InsertDeleteJumping<ItemVector>);
BENCHMARK(PutRow<RowList>);
BENCHMARK(PutRow<StringVector>);
BENCHMARK(PutRow<ItemVector>);

} // namespace

BENCHMARK_MAIN();
