// The program's one list of item icons (desktop, computer, home, trash,
// folders, drives, and files by MIME type) from the desktop's icon theme.
// An index, once handed out, names the same kind of icon for the life of
// the program; Reload looks every icon up again after a theme change.
// Every icon has the small and the large size.
#pragma once

#include "ShellDataItem.h"

#include <QIcon>
#include <map>
#include <vector>

class TSystemImageList final : public IIconIndexer {
public:
    static TSystemImageList& Instance();

    int IndexOf(const TShellIconKey& Key) override;
    QIcon Icon(int Index) const;
    int Count() const { return static_cast<int>(Icons_.size()); }
    void Reload();

private:
    std::map<TShellIconKey, int> Indexes_;
    std::vector<TShellIconKey> Keys_;
    std::vector<QIcon> Icons_;
};
