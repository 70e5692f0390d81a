// Whether a stored page holds a hit of the editor's find, decided on the
// page's text without showing it: the walks over pages show only the pages
// that have one, and the list search lists them. The verdict is the one the
// editor's find next gives from the page's start: line by line, and with
// word wrap off only hits that start within a line's first 1000 bytes.
#pragma once

#include "EditorExFind.h"

#include <string_view>
#include <vector>

class TPageHitCheck {
public:
    // The find string, options and word wrap of the editor that will
    // search.
    TPageHitCheck(const std::string& FindString, TExSearchOptions Options, bool WordWrap);

    bool HasHit(std::string_view PageText);

private:
    // Only the lines holding the literal every hit holds are searched; no
    // hit can be elsewhere.
    bool CandidateLinesHaveHit(std::string_view PageText);
    // The next place from From where the page holds the literal's first
    // character in any form that folds to it; npos when none.
    size_t NextCandidate(std::string_view PageText, size_t From);
    bool LineHasHit(std::string_view Line, bool HasBreak);

    TEditorExFinder Finder_;
    bool Plain_;
    bool Fold_;
    // What every hit holds, as searched (folded unless case matters): the
    // plain pattern, or a regular expression's required run of characters
    // (none when it has no certain one, and then every line is searched).
    std::string Literal_;
    // Folding: the forms of the literal's first character, and where each
    // was found next.
    std::vector<std::string> FirstChars_;
    std::vector<size_t> NextFirst_;
    std::string Folded_;
    TFindHits Hits_;
    std::string Line_;
    int HitLimit_;
};

// False when Pattern is a regular expression that does not compile as the
// editor's find would compile it.
bool FindPatternCompiles(const std::string& Pattern, TExSearchOptions Options);
