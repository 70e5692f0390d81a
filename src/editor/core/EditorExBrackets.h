// Bracket pairs of the extended editor: the twelve pairs of
// "(<[{‘“（「『【＜≪" and ")>]}’”）」』】＞≫" (a bracket pairs with the
// character at the same place of the other string). The partner of a
// bracket is found across rows, counting nested pairs of the same kind.
#pragma once

#include "edEditorStringList.h"

#include <string>

struct TBracketPair {
    bool Found = false;
    // The bracket the search started at was the opening one.
    bool FromOpening = false;
    int OpenRow = 0;
    int OpenIndex = 0; // 0-based byte index in the row
    std::string OpenText;
    int CloseRow = 0;
    int CloseIndex = 0;
    std::string CloseText;

    // The other bracket than the one the search started at: where a jump
    // to the partner puts the caret (before it).
    int PartnerRow() const { return FromOpening ? CloseRow : OpenRow; }
    int PartnerIndex() const { return FromOpening ? CloseIndex : OpenIndex; }
    // Whether one of the pair's brackets is at byte Index of Row.
    bool IsBracketAt(int Row, int Index) const;

    bool operator==(const TBracketPair&) const = default;
};

// The pair of the bracket at byte Index of Row (a trail byte counts as its
// character, a negative Index as 0). From an opening bracket the rows are
// scanned forwards to the end of the text, from a closing one backwards to
// its start, character by character. Found is false when the character is
// no bracket, has no partner, or Row is outside the rows.
TBracketPair FindBracketPair(const TEditorStringList& Rows, int Row, int Index);

// The pair marked at a caret on byte CharIndex of Row: the bracket there,
// else the character just before the caret (the caret just after ")").
TBracketPair BracketPairAtCaret(const TEditorStringList& Rows, int Row, int CharIndex);

// The opening and the closing brackets in Shift-JIS.
const std::string& OpeningBrackets();
const std::string& ClosingBrackets();
