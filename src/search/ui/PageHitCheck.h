// Whether a stored page holds a hit of the editor's find, decided on the
// page's text without showing it: the walks over pages show only the pages
// that have one. The check finds every hit the editor's find next would
// (and, on lines longer than an unwrapped editor searches, perhaps more,
// which only costs a page shown in vain).
#pragma once

#include "EditorExFind.h"

#include <string_view>

class TPageHitCheck {
public:
    // The find string and options of the editor that will search.
    TPageHitCheck(const std::string& FindString, TExSearchOptions Options);

    bool HasHit(std::string_view PageText);

private:
    TEditorExFinder Finder_;
    TFindHits Hits_;
    std::string Line_;
};

// False when Pattern is a regular expression that does not compile as the
// editor's find would compile it.
bool FindPatternCompiles(const std::string& Pattern, TExSearchOptions Options);
