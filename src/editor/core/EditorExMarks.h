// The marks of the extended editor: blanks, tabs, find hits and the
// bracket pair made visible, and row backgrounds for the caret row, rows
// with row marks and even rows. Beside the option object, the two choices
// painting makes from it: a row's background, and which characters of a
// row carry a mark.
#pragma once

#include "EditorExBrackets.h"
#include "edColumns.h"
#include "edFountain.h"
#include "edOptions.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

class TEditorExMarks : public TNotifyPersistent {
public:
    TEditorExMarks();

    TEditorMark* DBSpaceMark() const { return Mark(DBSpace); } // full-width spaces
    TEditorMark* SpaceMark() const { return Mark(Space); }
    TEditorMark* TabMark() const { return Mark(Tab); }
    TEditorMark* FindMark() const { return Mark(Find); } // the underline of find hits
    // Colour, background and style of hit text.
    TFountainColor* Hit() const { return Hit_.get(); }
    TEditorMark* ParenMark() const { return Mark(Paren); } // the bracket pair
    TEditorMark* CurrentLine() const { return Mark(Current); }
    TEditorMark* DigitLine() const { return Mark(Digit); } // rows with a mark 0-9
    TEditorMark* ImageLine() const { return Mark(Image); } // rows with a mark 10-15
    TEditorMark* Img0Line() const { return Mark(Img0); }   // rows with mark 10
    TEditorMark* Img1Line() const { return Mark(Img0 + 1); }
    TEditorMark* Img2Line() const { return Mark(Img0 + 2); }
    TEditorMark* Img3Line() const { return Mark(Img0 + 3); }
    TEditorMark* Img4Line() const { return Mark(Img0 + 4); }
    TEditorMark* Img5Line() const { return Mark(Img0 + 5); } // rows with mark 15
    TEditorMark* EvenLine() const { return Mark(Even); }

    void SetDBSpaceMark(const TEditorMark* Value) { DBSpaceMark()->Assign(Value); }
    void SetSpaceMark(const TEditorMark* Value) { SpaceMark()->Assign(Value); }
    void SetTabMark(const TEditorMark* Value) { TabMark()->Assign(Value); }
    void SetFindMark(const TEditorMark* Value) { FindMark()->Assign(Value); }
    void SetHit(const TFountainColor* Value) { Hit_->Assign(Value); }
    void SetParenMark(const TEditorMark* Value) { ParenMark()->Assign(Value); }
    void SetCurrentLine(const TEditorMark* Value) { CurrentLine()->Assign(Value); }
    void SetDigitLine(const TEditorMark* Value) { DigitLine()->Assign(Value); }
    void SetImageLine(const TEditorMark* Value) { ImageLine()->Assign(Value); }
    void SetImg0Line(const TEditorMark* Value) { Img0Line()->Assign(Value); }
    void SetImg1Line(const TEditorMark* Value) { Img1Line()->Assign(Value); }
    void SetImg2Line(const TEditorMark* Value) { Img2Line()->Assign(Value); }
    void SetImg3Line(const TEditorMark* Value) { Img3Line()->Assign(Value); }
    void SetImg4Line(const TEditorMark* Value) { Img4Line()->Assign(Value); }
    void SetImg5Line(const TEditorMark* Value) { Img5Line()->Assign(Value); }
    void SetEvenLine(const TEditorMark* Value) { EvenLine()->Assign(Value); }

    // Whether any of the fifteen marks is visible (Hit does not count):
    // painting draws none of them otherwise.
    bool Indicated() const;

    // From another TEditorExMarks: all sixteen, as one change.
    void Assign(const TPersistent* Source) override;

    // The mark whose colour fills the background of Row, the first that is
    // visible and applies: CurrentLine on the caret row, DigitLine with a
    // mark 0-9, Img0Line to Img5Line with mark 10 to 15, ImageLine with any
    // of them, EvenLine on an even row (counted from 0 with ZeroBase, from
    // 1 otherwise, as the line-number bar counts); null for none.
    const TEditorMark* RowBackground(bool CaretRow, uint16_t RowMarks, int Row, bool ZeroBase) const;

private:
    enum TMarkIndex { DBSpace, Space, Tab, Find, Paren, Current, Digit, Image, Img0, Even = Img0 + 6, MarkCount };
    TEditorMark* Mark(int Index) const { return Marks_[static_cast<size_t>(Index)].get(); }

    std::array<std::unique_ptr<TEditorMark>, MarkCount> Marks_;
    std::unique_ptr<TFountainColor> Hit_;
};

// A mark on one character of a row.
enum class TExMarkKind : uint8_t { DBSpace, Space, Tab, OpenBracket, CloseBracket };
struct TExMarkItem {
    TExMarkKind Kind;
    int Index; // its byte in the row
    int Col;   // its first display column
    int Cols;  // its display columns (a tab's to its tab stop)

    bool operator==(const TExMarkItem&) const = default;
};

// The marks of the characters of row Row (text RowText) that start before
// display column LastCol, in order: full-width spaces, spaces and tabs when
// their marks are visible, else the brackets of Pair when ParenMark is.
void CollectExMarks(std::string_view RowText, int Row, const TColumnModel& Model, const TEditorExMarks& Marks,
                    const TBracketPair& Pair, int LastCol, std::vector<TExMarkItem>& Items);
