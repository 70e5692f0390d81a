// The editor the program places (the page editor, the split and browse
// panes, the option previews): TEditor with find highlighting, find next
// and previous over logical lines, replacing the found selection, bracket
// pairs, row backgrounds, visible blanks and tabs, the "[EOF]" text and
// vertical guide lines.
//
// The text logic lives in editor_core (EditorExFind, EditorExHitCache,
// EditorExBrackets, EditorExMarks, EditorExVerticalLines); this class keeps
// the state, runs the commands and paints. EditorEx.cpp holds the commands
// and what follows the caret, EditorExPaint.cpp the painting: each row is
// first planned (TExRowPlan) and then drawn over the row TEditor painted.
#pragma once

#include "EditorBase.h"
#include "EditorExBrackets.h"
#include "EditorExFind.h"
#include "EditorExHitCache.h"
#include "EditorExMarks.h"
#include "EditorExVerticalLines.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the extended editor draws over one text row, in display columns of
// the row (tabs expanded).
struct TExRowPlan {
    // The colour of the row's background mark; none when no mark applies.
    std::optional<TColor> Background;
    // The drawn text's columns (at most 1000, 1001 after a lead byte): a
    // background ends there.
    int TextEndCol = 0;
    // The parts of find hits in the row, cut to the planned columns.
    std::vector<TRowHitPart> Hits;
    // Blanks, tabs and the brackets of the pair.
    std::vector<TExMarkItem> Marks;
};

class TEditorEx : public TEditor {
    Q_OBJECT

public:
    explicit TEditorEx(QWidget* Parent = nullptr);
    ~TEditorEx() override;

    // ---- Options -------------------------------------------------------------------------
    TEditorExMarks* ExMarks() const { return ExMarks_.get(); }
    void SetExMarks(const TEditorExMarks* Value) { ExMarks_->Assign(Value); }
    TVerticalLines* VerticalLines() const { return VerticalLines_.get(); }
    void SetVerticalLines(const TVerticalLines* Value) { VerticalLines_->Assign(Value); }

    // ---- Find ----------------------------------------------------------------------------
    // The string every occurrence of which painting highlights and the
    // find commands look for; a change repaints when the hits are shown.
    const std::string& FindString() const { return Finder_.FindString(); }
    void SetFindString(const std::string& Value);
    // Stored normalised: soWholeWord only without soRegexp, soFuzzy only
    // with it.
    TExSearchOptions ExSearchOptions() const { return Finder_.ExSearchOptions(); }
    void SetExSearchOptions(TExSearchOptions Value);

    // Selects the next hit from the caret (a hit starting at the caret
    // counts, unless HitStyle is hsCaret, where the hit shown is stepped
    // over), or the previous one before the caret; no wrap-around. False
    // when there is none. Both raise ERegExpParser when the find string is
    // a regular expression that does not compile.
    bool FindNext();
    bool FindPrevious();
    // A hit selection becomes a normal one and Text replaces the
    // selection; false, changing nothing, without a selection.
    bool ReplaceSelection(const std::string& Text);
    // Text with its backslash escapes expanded, as a replacement.
    std::string ExpandReplaceText(const std::string& Text) const;
    // True when a selection ends before the first character of its end
    // row: it covers whole lines.
    bool SelEndsAtRowStart() const;

    // ---- Brackets -------------------------------------------------------------------------
    // The pair marked at the caret (the bracket at the caret, else the one
    // just before it); Found is false when there is none.
    const TBracketPair& BracketPair() const { return Pair_; }
    // Puts the caret before the partner of the bracket at (or just before)
    // the caret; nothing without a pair.
    void JumpToBracketPair();

    // ---- Reconversion -----------------------------------------------------------------------
    // Only with a selection and not ReadOnly: asks the input method to
    // read the editor's selection again, so that it can reconvert it.
    void ReconvertSelection();

    // ---- Text logic the painting and the commands share ------------------------------------
    // The word class of the character at 1-based Index of Text ('0' a
    // delimiter or outside the text, '1' ASCII, '2' half-width katakana,
    // '3' full-width letters and digits, '4' katakana, '5' hiragana, '6'
    // kanji).
    virtual char WordCharClass(std::string_view Text, int Index) const;
    // The 0-based byte index of display column ACol in row ARow (a trail
    // byte or tab fill counts as its character); -1 outside the rows.
    virtual int ColumnToCharIndex(int ARow, int ACol) const;
    // The first and last row of ARow's logical line; a row outside the
    // rows is returned as it is.
    virtual int LogicalLineFirstRow(int ARow) const;
    virtual int LogicalLineLastRow(int ARow) const;

    // ---- Painting -------------------------------------------------------------------------------
    // What painting draws over row ARow across the visible columns.
    TExRowPlan ExRowPlan(int ARow);
    // How many times the hits of a logical line were computed for
    // painting: once per line per paint.
    int HitLineComputations() const { return HitCache_.LineComputations(); }

protected:
    void AfterConstruction() override;
    virtual std::unique_ptr<TEditorExMarks> CreateExMarks();

    void DoCaretMoved() override;
    void DoChange() override;

    // Starts every paint afresh (hits, the row plan), then draws the
    // vertical lines over everything the editor painted.
    void PaintRect(const QRect& Rect) override;
    // Draws the row's background, find hits and marks over the piece Rect
    // of the row TEditor painted.
    void DoDrawLine(const QRect& Rect, int X, TEditorSelectionState Selected, int ARow, std::string_view Text,
                    int Y) override;
    // "[EOF]" drawn without filling its cells.
    void DrawEofMark(int X, int Y) override;

    // The painters of the marks. X is the left of the mark's first cell
    // (or, where Text is given, of the row's column 0), Y the row's top;
    // they draw on Canvas() within the piece being painted.
    virtual void DrawDBSpaceMark(int X, int Y);
    virtual void DrawSpaceMark(int X, int Y);
    virtual void DrawTabMark(int X, int Y, int Cols);
    virtual void DrawFindMark(int X, int Y, int Cols);
    virtual void DrawHitText(const QRect& Rect, int X, std::string_view Text, const TRowHitPart& Part, int Y);
    virtual void DrawBracket(int X, int Y, const std::string& Bracket);
    // Fills the piece Rect of row ARow up to the end of its text in Color
    // and draws the row's tokens again over it.
    virtual void DrawRowBackground(const QRect& Rect, int X, int ARow, std::string_view Text, int Y, TColor Color);
    virtual void DrawVerticalLine(int X, TColor Color);
    virtual void DrawVerticalLines();

private:
    // Plans row ARow (display text Text) for the columns [FirstCol, LastCol).
    void PlanExRow(int ARow, std::string_view Text, int FirstCol, int LastCol, TExRowPlan& Plan);
    // Repaints the text part of the rows of the pair.
    void InvalidatePair(const TBracketPair& Pair);
    void UpdateCurrentLine();
    void UpdateBracketPair();
    // Shows a hit found by a find command.
    void SelectHit(const TFoundHit& Hit);

    std::unique_ptr<TEditorExMarks> ExMarks_;
    std::unique_ptr<TVerticalLines> VerticalLines_;
    TEditorExFinder Finder_;
    TFindHitCache HitCache_{Finder_};

    TBracketPair Pair_;
    // The caret row when the current line was last marked.
    int CurrentLineRow_ = 0;
    // Set by a change of the text; the second caret move after it repaints
    // the view (pairs may have moved).
    bool ChangedFlag_ = false;
    int MovesAfterChange_ = 0;

    // Paint state: the row planned last (DoDrawLine comes once for each
    // piece of a row), the parser that draws backgrounds' tokens, and
    // buffers reused row by row.
    int PlannedRow_ = -1;
    TExRowPlan ExPlan_;
    std::unique_ptr<TFountainParser> BackgroundParser_;
    TRowPlan BackgroundPlan_;
    TRowPlan HitPlan_;
    std::string PlanScratch_;
    std::string NextTextBuffer_;
};
