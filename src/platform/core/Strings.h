// Lists of Shift-JIS byte strings, each line optionally carrying an object
// pointer the list never owns.
#pragma once

#include "Classes.h"
#include "SysUtils.h"

#include <string>
#include <string_view>
#include <vector>

// The abstract list of lines. Descendants store the lines; this class gives
// them the shared behaviour (text, comma text, files, update batching).
class TStrings : public TPersistent {
public:
    int Count() const { return GetCount(); }
    std::string Strings(int Index) const { return Get(Index); }
    void SetStrings(int Index, const std::string& S) { Put(Index, S); }
    TObject* Objects(int Index) const { return GetObject(Index); }
    void SetObjects(int Index, TObject* AObject) { PutObject(Index, AObject); }
    int Capacity() const { return GetCapacity(); }

    // The lines, each followed by CR LF.
    std::string Text() const { return GetTextStr(); }
    void SetText(std::string_view Value) { SetTextStr(Value); }

    // Lines separated by commas; an empty line, or one holding a blank, a
    // control byte, a comma or a quotation mark, is written in quotation
    // marks with inner quotation marks doubled. Reading: blanks outside
    // quotation marks separate too, and a trailing comma adds nothing.
    std::string CommaText() const;
    void SetCommaText(std::string_view Value);

    virtual std::string Get(int Index) const = 0;
    virtual int GetCount() const = 0;
    virtual void Put(int Index, const std::string& S);
    virtual TObject* GetObject(int Index) const;
    virtual void PutObject(int Index, TObject* AObject);
    virtual int GetCapacity() const { return GetCount(); }
    virtual void SetCapacity(int NewCapacity);

    virtual int Add(const std::string& S);
    virtual int AddObject(const std::string& S, TObject* AObject);
    virtual void Insert(int Index, const std::string& S) = 0;
    void InsertObject(int Index, const std::string& S, TObject* AObject);
    virtual void Delete(int Index) = 0;
    virtual void Clear() = 0;
    virtual void Exchange(int Index1, int Index2);
    virtual void Move(int CurIndex, int NewIndex);
    void AddStrings(const TStrings& Strings);

    virtual int IndexOf(std::string_view S) const;
    int IndexOfObject(const TObject* AObject) const;

    // Nested updates: SetUpdateState(true) at the first BeginUpdate and
    // SetUpdateState(false) at the matching last EndUpdate. An EndUpdate
    // without a BeginUpdate is ignored, so one stray call cannot silence
    // the list for good.
    void BeginUpdate();
    void EndUpdate();
    int UpdateCount() const { return UpdateCount_; }

    virtual std::string GetTextStr() const;
    // Replaces the lines with Value cut at each CR LF, CR or LF. An empty
    // Value leaves no line; a final line break adds no empty line.
    virtual void SetTextStr(std::string_view Value);

    // File names are Shift-JIS like all program text. Saving replaces the
    // file atomically.
    virtual void LoadFromFile(const std::string& FileName);
    virtual void SaveToFile(const std::string& FileName) const;

    void Assign(const TPersistent* Source) override;

protected:
    virtual void SetUpdateState(bool /*Updating*/) {}
    // Zero when equal; case-insensitive for ASCII letters by default.
    virtual int CompareStrings(std::string_view S1, std::string_view S2) const;

private:
    int UpdateCount_ = 0;
};

enum class TDuplicates { dupIgnore, dupAccept, dupError };

class EStringListError : public EListError {
public:
    using EListError::EListError;
};

class TStringList;
using TStringListSortCompare = int (*)(TStringList* List, int Index1, int Index2);

// The plain list of lines: optionally sorted, case-insensitive by default,
// with OnChanging before and OnChange after each change.
class TStringList : public TStrings {
public:
    TStringList() = default;
    ~TStringList() override;

    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

    bool Sorted() const { return Sorted_; }
    void SetSorted(bool Value);
    bool CaseSensitive() const { return CaseSensitive_; }
    void SetCaseSensitive(bool Value);
    TDuplicates Duplicates() const { return Duplicates_; }
    void SetDuplicates(TDuplicates Value) { Duplicates_ = Value; }

    std::string Get(int Index) const override;
    int GetCount() const override { return static_cast<int>(Items_.size()); }
    void Put(int Index, const std::string& S) override;
    TObject* GetObject(int Index) const override;
    void PutObject(int Index, TObject* AObject) override;
    int GetCapacity() const override { return static_cast<int>(Items_.capacity()); }
    void SetCapacity(int NewCapacity) override;

    int Add(const std::string& S) override;
    int AddObject(const std::string& S, TObject* AObject) override;
    void Insert(int Index, const std::string& S) override;
    void Delete(int Index) override;
    void Clear() override;
    void Exchange(int Index1, int Index2) override;
    // Not allowed on a sorted list.
    void Move(int CurIndex, int NewIndex) override;

    // Binary search of a sorted list: true when S is present; Index is its
    // position, or where it would be inserted.
    bool Find(std::string_view S, int& Index) const;
    int IndexOf(std::string_view S) const override;
    virtual void Sort();
    // Stable sort by Compare, which receives the list and two indexes.
    void CustomSort(TStringListSortCompare Compare);

protected:
    virtual void Changed();
    virtual void Changing();
    void SetUpdateState(bool Updating) override;
    int CompareStrings(std::string_view S1, std::string_view S2) const override;

private:
    struct Item {
        std::string Text;
        TObject* Object = nullptr;
    };
    void CheckIndex(int Index) const;
    void InsertItem(int Index, const std::string& S, TObject* AObject);

    std::vector<Item> Items_;
    bool Sorted_ = false;
    bool CaseSensitive_ = false;
    TDuplicates Duplicates_ = TDuplicates::dupIgnore;
};
