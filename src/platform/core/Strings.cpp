#include "Strings.h"

#include "Files.h"
#include "Sjis.h"

#include <algorithm>

// ---- TStrings --------------------------------------------------------------

void TStrings::Put(int Index, const std::string& S)
{
    TObject* object = GetObject(Index);
    Delete(Index);
    InsertObject(Index, S, object);
}

TObject* TStrings::GetObject(int /*Index*/) const { return nullptr; }

void TStrings::PutObject(int /*Index*/, TObject* /*AObject*/) {}

void TStrings::SetCapacity(int /*NewCapacity*/) {}

int TStrings::Add(const std::string& S)
{
    const int index = GetCount();
    Insert(index, S);
    return index;
}

int TStrings::AddObject(const std::string& S, TObject* AObject)
{
    const int index = Add(S);
    PutObject(index, AObject);
    return index;
}

void TStrings::InsertObject(int Index, const std::string& S, TObject* AObject)
{
    Insert(Index, S);
    PutObject(Index, AObject);
}

void TStrings::Exchange(int Index1, int Index2)
{
    WithinUpdate(*this, [&] {
        const std::string text = Get(Index1);
        TObject* object = GetObject(Index1);
        Put(Index1, Get(Index2));
        PutObject(Index1, GetObject(Index2));
        Put(Index2, text);
        PutObject(Index2, object);
    });
}

void TStrings::Move(int CurIndex, int NewIndex)
{
    if (CurIndex == NewIndex)
        return;
    // Both indexes are checked first: an insert failing after the delete
    // would lose the line.
    if (CurIndex < 0 || CurIndex >= GetCount())
        RaiseListIndexError(CurIndex);
    if (NewIndex < 0 || NewIndex >= GetCount())
        RaiseListIndexError(NewIndex);
    WithinUpdate(*this, [&] {
        const std::string text = Get(CurIndex);
        TObject* object = GetObject(CurIndex);
        Delete(CurIndex);
        InsertObject(NewIndex, text, object);
    });
}

void TStrings::AddStrings(const TStrings& Strings)
{
    WithinUpdate(*this, [&] {
        for (int i = 0; i < Strings.Count(); ++i)
            AddObject(Strings.Get(i), Strings.GetObject(i));
    });
}

int TStrings::IndexOf(std::string_view S) const
{
    for (int i = 0; i < GetCount(); ++i)
        if (CompareStrings(Get(i), S) == 0)
            return i;
    return -1;
}

int TStrings::IndexOfObject(const TObject* AObject) const
{
    for (int i = 0; i < GetCount(); ++i)
        if (GetObject(i) == AObject)
            return i;
    return -1;
}

void TStrings::BeginUpdate()
{
    if (UpdateCount_ == 0)
        SetUpdateState(true);
    ++UpdateCount_;
}

void TStrings::EndUpdate()
{
    if (UpdateCount_ == 0)
        return;
    if (--UpdateCount_ == 0)
        SetUpdateState(false);
}

std::string TStrings::GetTextStr() const
{
    std::string result;
    for (int i = 0; i < GetCount(); ++i) {
        result += Get(i);
        result += "\r\n";
    }
    return result;
}

void TStrings::SetTextStr(std::string_view Value)
{
    WithinUpdate(*this, [&] {
        Clear();
        size_t pos = 0;
        while (pos < Value.size()) {
            const size_t end = Value.find_first_of("\r\n", pos);
            if (end == std::string_view::npos) {
                Add(std::string(Value.substr(pos)));
                break;
            }
            Add(std::string(Value.substr(pos, end - pos)));
            pos = end + (Value[end] == '\r' && end + 1 < Value.size() && Value[end + 1] == '\n' ? 2 : 1);
        }
    });
}

namespace {

// An empty line is quoted too, so that it survives the round trip even as
// the last line ("a," would read back as the single line "a").
bool NeedsQuotes(std::string_view S)
{
    return S.empty() || std::any_of(S.begin(), S.end(), [](char C) {
               const auto b = static_cast<unsigned char>(C);
               return b <= ' ' || C == '"' || C == ',';
           });
}

bool IsBlank(unsigned char B) { return B >= 1 && B <= ' '; }

} // namespace

std::string TStrings::CommaText() const
{
    std::string result;
    for (int i = 0; i < GetCount(); ++i) {
        if (i > 0)
            result += ',';
        const std::string line = Get(i);
        if (!NeedsQuotes(line)) {
            result += line;
            continue;
        }
        result += '"';
        for (char c : line) {
            if (c == '"')
                result += '"';
            result += c;
        }
        result += '"';
    }
    return result;
}

void TStrings::SetCommaText(std::string_view Value)
{
    // A NUL ends the text, as it did for the null-terminated strings the
    // stored comma texts were written for. Quotation marks, commas and
    // blanks are below 0x40, so they never appear as trail bytes.
    Value = Value.substr(0, Value.find('\0'));
    auto at = [&](size_t Pos) { return static_cast<unsigned char>(Pos < Value.size() ? Value[Pos] : '\0'); };
    WithinUpdate(*this, [&] {
        Clear();
        size_t pos = 0;
        while (IsBlank(at(pos)))
            ++pos;
        while (pos < Value.size()) {
            std::string item;
            if (at(pos) == '"') {
                ++pos;
                while (pos < Value.size()) {
                    if (at(pos) == '"') {
                        if (at(pos + 1) != '"') {
                            ++pos;
                            break;
                        }
                        ++pos;
                    }
                    item += Value[pos++];
                }
            } else {
                const size_t start = pos;
                while (at(pos) > ' ' && at(pos) != ',')
                    ++pos;
                item.assign(Value.substr(start, pos - start));
            }
            Add(item);
            while (IsBlank(at(pos)))
                ++pos;
            if (at(pos) == ',') {
                do
                    ++pos;
                while (IsBlank(at(pos)));
            }
        }
    });
}

void TStrings::LoadFromFile(const std::string& FileName) { SetTextStr(ReadFileBytes(FileName)); }

void TStrings::SaveToFile(const std::string& FileName) const { WriteFileAtomic(FileName, GetTextStr()); }

void TStrings::Assign(const TPersistent* Source)
{
    if (auto strings = dynamic_cast<const TStrings*>(Source)) {
        if (strings == this)
            return;
        WithinUpdate(*this, [&] {
            Clear();
            AddStrings(*strings);
        });
        return;
    }
    TPersistent::Assign(Source);
}

int TStrings::CompareStrings(std::string_view S1, std::string_view S2) const { return sjis::CompareText(S1, S2); }

// ---- TStringList -----------------------------------------------------------

TStringList::~TStringList()
{
    OnChange = nullptr;
    OnChanging = nullptr;
}

void TStringList::CheckIndex(int Index) const
{
    if (Index < 0 || Index >= GetCount())
        RaiseListIndexError(Index);
}

void TStringList::SetSorted(bool Value)
{
    if (Sorted_ == Value)
        return;
    if (Value)
        Sort();
    Sorted_ = Value;
}

void TStringList::SetCaseSensitive(bool Value)
{
    if (CaseSensitive_ == Value)
        return;
    CaseSensitive_ = Value;
    if (Sorted_)
        Sort();
}

std::string TStringList::Get(int Index) const
{
    CheckIndex(Index);
    return Items_[Index].Text;
}

void TStringList::Put(int Index, const std::string& S)
{
    if (Sorted_)
        throw EStringListError("Operation not allowed on sorted string list");
    CheckIndex(Index);
    Changing();
    Items_[Index].Text = S;
    Changed();
}

TObject* TStringList::GetObject(int Index) const
{
    CheckIndex(Index);
    return Items_[Index].Object;
}

void TStringList::PutObject(int Index, TObject* AObject)
{
    CheckIndex(Index);
    Changing();
    Items_[Index].Object = AObject;
    Changed();
}

void TStringList::SetCapacity(int NewCapacity)
{
    // Below Count the request is ignored: the lines are never cut.
    if (NewCapacity > GetCount())
        Items_.reserve(static_cast<size_t>(NewCapacity));
}

int TStringList::Add(const std::string& S) { return AddObject(S, nullptr); }

int TStringList::AddObject(const std::string& S, TObject* AObject)
{
    int index = GetCount();
    if (Sorted_ && Find(S, index)) {
        if (Duplicates_ == TDuplicates::dupIgnore)
            return index;
        if (Duplicates_ == TDuplicates::dupError)
            throw EStringListError("String list does not allow duplicates");
    }
    InsertItem(index, S, AObject);
    return index;
}

void TStringList::Insert(int Index, const std::string& S)
{
    if (Sorted_)
        throw EStringListError("Operation not allowed on sorted string list");
    if (Index < 0 || Index > GetCount())
        RaiseListIndexError(Index);
    InsertItem(Index, S, nullptr);
}

void TStringList::InsertItem(int Index, const std::string& S, TObject* AObject)
{
    Changing();
    Items_.insert(Items_.begin() + Index, Item{S, AObject});
    Changed();
}

void TStringList::Delete(int Index)
{
    CheckIndex(Index);
    Changing();
    Items_.erase(Items_.begin() + Index);
    Changed();
}

void TStringList::Clear()
{
    if (Items_.empty())
        return;
    Changing();
    Items_.clear();
    Items_.shrink_to_fit();
    Changed();
}

void TStringList::Move(int CurIndex, int NewIndex)
{
    if (CurIndex == NewIndex)
        return;
    if (Sorted_)
        throw EStringListError("Operation not allowed on sorted string list");
    CheckIndex(CurIndex);
    CheckIndex(NewIndex);
    Changing();
    const auto from = Items_.begin() + CurIndex, to = Items_.begin() + NewIndex;
    if (CurIndex < NewIndex)
        std::rotate(from, from + 1, to + 1);
    else
        std::rotate(to, from, from + 1);
    Changed();
}

void TStringList::Exchange(int Index1, int Index2)
{
    CheckIndex(Index1);
    CheckIndex(Index2);
    Changing();
    std::swap(Items_[Index1], Items_[Index2]);
    Changed();
}

bool TStringList::Find(std::string_view S, int& Index) const
{
    int low = 0, high = GetCount();
    while (low < high) {
        const int mid = low + (high - low) / 2;
        if (CompareStrings(Items_[mid].Text, S) < 0)
            low = mid + 1;
        else
            high = mid;
    }
    Index = low;
    return low < GetCount() && CompareStrings(Items_[low].Text, S) == 0;
}

int TStringList::IndexOf(std::string_view S) const
{
    if (!Sorted_)
        return TStrings::IndexOf(S);
    int index;
    return Find(S, index) ? index : -1;
}

void TStringList::Sort()
{
    if (GetCount() < 2)
        return;
    Changing();
    std::stable_sort(Items_.begin(), Items_.end(),
                     [this](const Item& A, const Item& B) { return CompareStrings(A.Text, B.Text) < 0; });
    Changed();
}

void TStringList::CustomSort(TStringListSortCompare Compare)
{
    if (GetCount() < 2)
        return;
    // The comparer sees indexes into the list, so sort a permutation and
    // apply it once.
    std::vector<int> order(Items_.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = static_cast<int>(i);
    std::stable_sort(order.begin(), order.end(), [&](int A, int B) { return Compare(this, A, B) < 0; });
    Changing();
    std::vector<Item> sorted;
    sorted.reserve(Items_.size());
    for (int i : order)
        sorted.push_back(std::move(Items_[i]));
    Items_ = std::move(sorted);
    Changed();
}

void TStringList::Changed()
{
    if (UpdateCount() == 0 && OnChange)
        OnChange(this);
}

void TStringList::Changing()
{
    if (UpdateCount() == 0 && OnChanging)
        OnChanging(this);
}

void TStringList::SetUpdateState(bool Updating)
{
    if (Updating)
        Changing();
    else
        Changed();
}

int TStringList::CompareStrings(std::string_view S1, std::string_view S2) const
{
    return CaseSensitive_ ? S1.compare(S2) : sjis::CompareText(S1, S2);
}
