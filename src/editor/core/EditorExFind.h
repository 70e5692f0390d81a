// The find of the extended editor: the find string and its options, the
// hits of one logical line (plain, whole word, case-folded, or a regular
// expression with fuzzy expansion), and find next and previous over the
// logical lines of a row list.
//
// The pattern is prepared once per find string and options: a regular
// expression comes from the pattern cache of the TAWKStrEx. One that does
// not compile is remembered as failed, so painting asks again cheaply and
// shows no hits, while find next and previous raise its ERegExpParser for
// the command to show.
#pragma once

#include "AWKStrEx.h"
#include "ERegExpParser.h"
#include "edScreenStrings.h"

#include "Set.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

enum class TExSearchOption : uint8_t { soMatchCase, soRegexp, soFuzzy, soWholeWord };
// soMatchCase 1, soRegexp 2, soFuzzy 4, soWholeWord 8.
using TExSearchOptions = TSet<TExSearchOption>;

// soWholeWord stays only without soRegexp, soFuzzy only with it.
TExSearchOptions NormaliseExSearchOptions(TExSearchOptions Options);

// A hit found from a caret. The caret goes Start bytes after the start of
// LineRow (PutCaretAfterText), and the hit selection is Length bytes.
struct TFoundHit {
    int LineRow = 0; // the first row of the hit's logical line
    int Start = 0;   // byte offset in the logical line
    int Length = 0;

    bool operator==(const TFoundHit&) const = default;
};

class TEditorExFinder {
public:
    // With word wrap off a hit is found only where painting can show it:
    // starting within the first 1000 bytes of its line.
    static constexpr int UnwrappedHitLimit = 1000;

    TEditorExFinder();

    const std::string& FindString() const { return FindString_; }
    // Both return whether the stored value changed (the editor repaints
    // its hits then).
    bool SetFindString(const std::string& Value);
    TExSearchOptions ExSearchOptions() const { return Options_; }
    // Stores the options normalised.
    bool SetExSearchOptions(TExSearchOptions Value);

    // The hits of one logical line, in order, into Hits (replaced).
    // LineText is the line as TEditorScreenStrings::GetRowsText gives it:
    // its rows joined, with CR LF after when it ends with a line break (a
    // regular expression sees the CR LF, so "$" matches at the line's end).
    // Raises ERegExpParser when the find string is a regular expression
    // that does not compile.
    void LineHits(std::string_view LineText, TFindHits& Hits);
    // The same for painting, which must not throw: a regular expression
    // that does not compile gives no hits.
    void PaintLineHits(std::string_view LineText, TFindHits& Hits);

    // The first hit starting at or after Offset (a byte offset in the
    // logical line holding Row, as TEditor::LineCharIndex counts), else the
    // first hit of the following lines; none past the last row (no
    // wrap-around) or for a Row outside the text.
    std::optional<TFoundHit> FindNext(const TEditorScreenStrings& Rows, int Row, int Offset);
    // The last hit starting before Offset in the logical line holding Row
    // (Row may be the row count, past a final line break), else the last
    // hit of the lines before.
    std::optional<TFoundHit> FindPrevious(const TEditorScreenStrings& Rows, int Row, int Offset);

    // Whether the find string compiles (a plain one always does).
    bool Compiles() { return Prepared(); }
    // A run of characters every hit holds, as searched (folded without
    // soMatchCase): the plain pattern itself, or a regular expression's
    // required run; empty when none is certain or the pattern does not
    // compile.
    std::string RequiredLiteral();

    // The regular-expression object and its pattern cache.
    const TAWKStrEx& AWKStr() const { return AWKStr_; }

private:
    enum class TPatternState { Stale, Ready, Failed };

    // Prepares the pattern when stale; false when it failed to compile.
    bool Prepared();
    // Raises the preparation's ERegExpParser.
    void Prepare();
    void CompileRegExp();
    void Invalidate();
    void PlainHits(std::string_view Line, std::string_view Subject, TFindHits& Hits) const;
    // The last hit of the line of rows from First starting before Limit.
    std::optional<TFoundHit> LastHitBefore(const TEditorScreenStrings& Rows, int First, int Limit);
    int HitLimit(const TEditorScreenStrings& Rows) const;

    std::string FindString_;
    TExSearchOptions Options_;
    TPatternState State_ = TPatternState::Stale;
    std::optional<ERegExpParser> Failure_;
    // The plain pattern as searched: folded without soMatchCase.
    std::string PlainPattern_;
    TAWKStrEx AWKStr_{nullptr};
    // Reused buffers: the folded subject, and the line and hits of find
    // next and previous.
    std::string Subject_;
    std::string LineText_;
    TFindHits Hits_;
};
