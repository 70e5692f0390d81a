// The search dialogs' history file "velk2000.sch": the option boxes, the
// fast-replace scope and the lists of texts entered, most recent first.
// Each dialog writes its own keys in its own order, as one atomic batch.
#pragma once

#include <string>
#include <vector>

class TIniFile;

struct TSearchHistory {
    static constexpr int kListLimit = 32;

    bool MatchCase = false;
    bool WholeWord = false;
    bool RegExp = false;
    bool Fuzzy = false;
    bool WholeFile = false;
    bool StartPos = false;
    // The scope of the found-page list (search dialog).
    int FindList = 1;
    // The fast replace's scope, 0..2.
    int Mode = 0;
    std::vector<std::string> FindHistory;
    std::vector<std::string> ReplaceHistory;
};

// ProgramBasePath() + ".sch".
std::string SearchHistoryFileName();

// Missing keys read as their defaults. A count outside 0..32 is clamped, so
// a damaged file cannot make the dialog read for ever; a "Mode" outside
// 0..2 reads as 0.
TSearchHistory ReadSearchHistory(const TIniFile& File);

// The writes of the three dialogs. The search dialog erases [Search]
// first, the replace dialog [Search] and [Replace], the fast-replace dialog
// nothing; FastWholeWord is its whole-word box (it writes "Fuzzy"=0 only
// while that is checked). Raise EIniFileException when the file cannot be
// written; the old file then stays as it was.
void WriteSearchDialogHistory(TIniFile& File, const TSearchHistory& History);
void WriteReplaceDialogHistory(TIniFile& File, const TSearchHistory& History);
void WriteFastReplaceDialogHistory(TIniFile& File, const TSearchHistory& History);

// Puts Text at the top of List, removing an equal entry further down and
// the oldest beyond 32.
void AddHistoryEntry(std::vector<std::string>& List, const std::string& Text);
