// Tokens of the text as the colouring parsers cut them: the token under a
// place (for link clicks and word, token and region selection) and the
// token starts Ctrl+Left and Ctrl+Right move between.
#pragma once

#include "edFountain.h"
#include "edPositions.h"

#include <optional>
#include <string>

class TEditorScreenStrings;

// The editor's own word scanner: the framework's token kinds with no
// colouring scheme, no brackets and no reserved words.
class TTokenParser : public TFountainParser {
public:
    TTokenParser() = default;
    TFountainColor* TokenToFountainColor() override { return nullptr; }
};

// The part of a point's hit test that reads the text: true when column
// Col of Row holds a character (the row exists and is wider than Col),
// with its byte index in Index.
bool CharIndexAt(const TEditorScreenStrings& List, int Row, int Col, int& Index);

struct TTokenInfo {
    std::string Text;
    int Kind = toEof;
    // The first row of the token's logical line, and the token's start and
    // length in bytes from that row's start.
    int LineRow = 0;
    int Start = 0;
    int Length = 0;
};

// The token over column Col of Row, the whole logical line parsed from
// its first row's stored state. With Fountain, its parser (KeepState keeps
// a bracket region open from the rows above; without it only regions
// opening in the line count); without Fountain, a TTokenParser. None when
// no character stands there.
std::optional<TTokenInfo> TokenAt(const TEditorScreenStrings& List, int Row, int Col, TFountain* Fountain,
                                  bool KeepState);

// Ctrl+Left: the start of the last token that starts left of the caret on
// its row (blank tokens passed over). From column 0 the caret first goes
// to the end of the row above and stops there when that row ends a
// logical line; with no token to its left, to the end of the row above
// (row 0: column 0).
TCaretPos PrevTokenPlace(const TEditorScreenStrings& List, TCaretPos Caret, TFountain* Fountain);
// Ctrl+Right: the start of the first token right of the caret; at a row's
// end the search goes on from the next row's start; with no token to the
// right, the row's end (the next row's start for a wrapped row).
TCaretPos NextTokenPlace(const TEditorScreenStrings& List, TCaretPos Caret, TFountain* Fountain);
