// A list of recently used files, newest first, at most 10, shown as the
// items of a submenu ("&0 path", ..., a line and "履歴削除") and kept in
// its own section of the settings file ("Count", "File0", "File1", ...;
// the section "History" also keeps the open dialog's folder as "Folder").
// Paths are the program's Shift-JIS file names.
#pragma once

#include "Classes.h"

#include <optional>
#include <string>
#include <vector>

class TMenuItem;
class TOpenDialog;

class TOpenMenuList {
public:
    static constexpr size_t MaxCount = 10;

    // Loads the list from the section of IniFileName and fills Parent's
    // submenu; every item runs OnClick with itself as Sender.
    TOpenMenuList(TMenuItem& Parent, std::string Section, TNotifyEvent OnClick, std::string IniFileName,
                  TOpenDialog& OpenDialog);
    // Saves the list and empties the submenu.
    ~TOpenMenuList();
    TOpenMenuList(const TOpenMenuList&) = delete;
    TOpenMenuList& operator=(const TOpenMenuList&) = delete;

    const std::vector<std::string>& Paths() const { return Paths_; }
    // Puts Path at the top (moving it when listed), dropping the oldest
    // entries beyond 10.
    void AddHistory(const std::string& Path);
    // AddHistory, and the list written to the settings file at once. A
    // write that fails is told once a run for each reason.
    void Remember(const std::string& Path);
    void RemoveHistory(const std::string& Path);
    // Empties the list and saves it.
    void ClearHistory();
    void SaveHistory();
    void LoadHistory();
    void BuildHistoryMenu();

    // The path of a clicked item, or nothing for the item "履歴削除".
    std::optional<std::string> PathOf(const TObject* Sender) const;

private:
    TMenuItem& Parent_;
    std::string Section_;
    TNotifyEvent OnClick_;
    std::string IniFileName_;
    TOpenDialog& OpenDialog_;
    std::vector<std::string> Paths_;
};
