#include "SearchHistory.h"

#include "IniFiles.h"
#include "Paths.h"

#include <algorithm>

namespace {

constexpr const char* kSearch = "Search";
constexpr const char* kReplace = "Replace";

// What the settings reader takes of a value; a longer entry would come
// back cut, so it is not kept.
constexpr size_t kLongestValue = 2047;

std::vector<std::string> ReadList(const TIniFile& File, const char* Section)
{
    const int count = std::clamp(File.ReadInteger(Section, "Count", 0), 0, TSearchHistory::kListLimit);
    std::vector<std::string> list;
    for (int i = 0; i < count; ++i) {
        std::string entry = File.ReadString(Section, std::to_string(i), "");
        if (!entry.empty())
            list.push_back(std::move(entry));
    }
    return list;
}

// Each entry inside a pair of quotation marks, which the reader removes, so
// leading and trailing blanks survive.
void WriteList(TIniFile& File, const char* Section, const std::vector<std::string>& List)
{
    std::vector<std::string> kept;
    for (const std::string& entry : List)
        if (entry.size() + 2 <= kLongestValue && kept.size() < TSearchHistory::kListLimit)
            kept.push_back('"' + entry + '"');
    File.WriteInteger(Section, "Count", static_cast<int>(kept.size()));
    for (size_t i = 0; i < kept.size(); ++i)
        File.WriteString(Section, std::to_string(i), kept[i]);
}

// One batch: either every key is written or the file stays as it was (a
// batch left open by an exception is dropped with the file object).
template <typename WriteFn>
void Batch(TIniFile& File, WriteFn Write)
{
    File.BeginUpdate();
    Write();
    File.EndUpdate();
}

} // namespace

std::string SearchHistoryFileName() { return ProgramBasePath() + ".sch"; }

TSearchHistory ReadSearchHistory(const TIniFile& File)
{
    TSearchHistory h;
    h.MatchCase = File.ReadBool(kSearch, "MatchCase", false);
    h.WholeWord = File.ReadBool(kSearch, "WholeWord", false);
    h.RegExp = File.ReadBool(kSearch, "RegExp", false);
    h.Fuzzy = File.ReadBool(kSearch, "Fuzzy", false);
    h.WholeFile = File.ReadBool(kSearch, "WholeFile", false);
    h.StartPos = File.ReadBool(kSearch, "StartPos", false);
    h.FindList = File.ReadInteger(kSearch, "FindList", 1);
    h.Mode = File.ReadInteger(kReplace, "Mode", 0);
    if (h.Mode < 0 || h.Mode > 2)
        h.Mode = 0;
    h.FindHistory = ReadList(File, kSearch);
    h.ReplaceHistory = ReadList(File, kReplace);
    return h;
}

void WriteSearchDialogHistory(TIniFile& File, const TSearchHistory& h)
{
    Batch(File, [&] {
        File.EraseSection(kSearch);
        File.WriteBool(kSearch, "MatchCase", h.MatchCase);
        File.WriteBool(kSearch, "WholeWord", h.WholeWord);
        File.WriteBool(kSearch, "Fuzzy", h.Fuzzy);
        File.WriteBool(kSearch, "RegExp", h.RegExp);
        File.WriteBool(kSearch, "StartPos", h.StartPos);
        File.WriteBool(kSearch, "WholeFile", h.WholeFile);
        File.WriteInteger(kSearch, "FindList", h.FindList);
        WriteList(File, kSearch, h.FindHistory);
    });
}

void WriteReplaceDialogHistory(TIniFile& File, const TSearchHistory& h)
{
    Batch(File, [&] {
        File.EraseSection(kSearch);
        File.EraseSection(kReplace);
        File.WriteBool(kSearch, "MatchCase", h.MatchCase);
        File.WriteBool(kSearch, "WholeWord", h.WholeWord);
        File.WriteBool(kSearch, "RegExp", h.RegExp);
        File.WriteBool(kSearch, "Fuzzy", h.Fuzzy);
        File.WriteBool(kSearch, "WholeFile", h.WholeFile);
        File.WriteBool(kSearch, "StartPos", h.StartPos);
        WriteList(File, kSearch, h.FindHistory);
        WriteList(File, kReplace, h.ReplaceHistory);
    });
}

void WriteFastReplaceDialogHistory(TIniFile& File, const TSearchHistory& h)
{
    Batch(File, [&] {
        File.WriteBool(kSearch, "MatchCase", h.MatchCase);
        File.WriteBool(kSearch, "WholeWord", h.WholeWord);
        File.WriteBool(kSearch, "RegExp", h.RegExp);
        if (h.WholeWord)
            File.WriteBool(kSearch, "Fuzzy", false);
        File.WriteInteger(kReplace, "Mode", h.Mode);
        WriteList(File, kSearch, h.FindHistory);
        WriteList(File, kReplace, h.ReplaceHistory);
    });
}

void AddHistoryEntry(std::vector<std::string>& List, const std::string& Text)
{
    if (const auto same = std::find(List.begin(), List.end(), Text); same != List.end())
        List.erase(same);
    List.insert(List.begin(), Text);
    if (List.size() > static_cast<size_t>(TSearchHistory::kListLimit))
        List.pop_back();
}
