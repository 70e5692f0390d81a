// The editor's option objects: caret and editing behaviour, mouse cursors,
// margins, marks, ruler, line-number bar, row-mark bar and scrolling speed.
// Each announces a change of a stored value through OnChange (the editor
// repaints, re-wraps or re-parses); a value out of range is clamped, never
// refused. Assign from an object of the same class copies every value and
// notifies once.
#pragma once

#include "edClasses.h"

#include "Graphics.h"

#include <cstdint>
#include <memory>

// A mouse cursor by its number in the cursor table (the platform's standard
// numbers and the editor's own, crRightArrow 1958 and crDragSelCopy 1959).
using TCursor = int16_t;

enum class TEditorCaretStyle { csDefault, csBrief };
// Whether dragging a selection starts by itself.
enum class TDragMode { dmManual, dmAutomatic };
enum class TEditorShowNumberMode { nmRow, nmLine };
// How a search hit is shown: selected, drawn in the hit colours, or as a
// wide caret.
enum class TEditorHitStyle { hsSelect, hsDraw, hsCaret };
enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
// Rows moved per step of the accelerated scrolls, 1..4.
using TEditorSpeedRange = uint8_t;

class TEditorCursors : public TNotifyPersistent {
public:
    TCursor DefaultCursor() const { return V_.DefaultCursor; }
    void SetDefaultCursor(TCursor Value);
    TCursor DragSelCursor() const { return V_.DragSelCursor; }
    void SetDragSelCursor(TCursor Value);
    TCursor DragSelCopyCursor() const { return V_.DragSelCopyCursor; }
    void SetDragSelCopyCursor(TCursor Value);
    TCursor InSelCursor() const { return V_.InSelCursor; }
    void SetInSelCursor(TCursor Value);
    TCursor LeftMarginCursor() const { return V_.LeftMarginCursor; }
    void SetLeftMarginCursor(TCursor Value);
    TCursor TopMarginCursor() const { return V_.TopMarginCursor; }
    void SetTopMarginCursor(TCursor Value);

    void Assign(const TPersistent* Source) override;

private:
    // The standard numbers the platform gives crIBeam, crDrag and
    // crDefault, and the editor's own two.
    struct TValues {
        TCursor DefaultCursor = -4;       // crIBeam
        TCursor DragSelCursor = -12;      // crDrag
        TCursor DragSelCopyCursor = 1959; // crDragSelCopy
        TCursor InSelCursor = 0;          // crDefault
        TCursor LeftMarginCursor = 1958;  // crRightArrow
        TCursor TopMarginCursor = 0;      // crDefault
    } V_;
};

// Caret and editing behaviour. Only Style and TabSpaceCount announce their
// changes (and the cursors, through Cursors); the editor reads the other
// values when it needs them.
class TEditorCaret : public TNotifyPersistent {
public:
    TEditorCaret();

    bool AutoCursor() const { return V_.AutoCursor; }
    void SetAutoCursor(bool Value) { V_.AutoCursor = Value; }
    bool AutoIndent() const { return V_.AutoIndent; }
    void SetAutoIndent(bool Value) { V_.AutoIndent = Value; }
    bool BackSpaceUnIndent() const { return V_.BackSpaceUnIndent; }
    void SetBackSpaceUnIndent(bool Value) { V_.BackSpaceUnIndent = Value; }
    TEditorCursors* Cursors() const { return Cursors_.get(); }
    void SetCursors(const TEditorCursors* Value) { Cursors_->Assign(Value); }
    bool FreeCaret() const { return V_.FreeCaret; }
    void SetFreeCaret(bool Value) { V_.FreeCaret = Value; }
    bool FreeRow() const { return V_.FreeRow; }
    void SetFreeRow(bool Value) { V_.FreeRow = Value; }
    bool InTab() const { return V_.InTab; }
    void SetInTab(bool Value) { V_.InTab = Value; }
    bool KeepCaret() const { return V_.KeepCaret; }
    void SetKeepCaret(bool Value) { V_.KeepCaret = Value; }
    bool LockScroll() const { return V_.LockScroll; }
    void SetLockScroll(bool Value) { V_.LockScroll = Value; }
    bool NextLine() const { return V_.NextLine; }
    void SetNextLine(bool Value) { V_.NextLine = Value; }
    bool PrevSpaceIndent() const { return V_.PrevSpaceIndent; }
    void SetPrevSpaceIndent(bool Value) { V_.PrevSpaceIndent = Value; }
    bool RowSelect() const { return V_.RowSelect; }
    void SetRowSelect(bool Value) { V_.RowSelect = Value; }
    TDragMode SelDragMode() const { return V_.SelDragMode; }
    void SetSelDragMode(TDragMode Value) { V_.SelDragMode = Value; }
    bool SelMove() const { return V_.SelMove; }
    void SetSelMove(bool Value) { V_.SelMove = Value; }
    bool SoftTab() const { return V_.SoftTab; }
    void SetSoftTab(bool Value) { V_.SoftTab = Value; }
    TEditorCaretStyle Style() const { return V_.Style; }
    void SetStyle(TEditorCaretStyle Value);
    bool TabIndent() const { return V_.TabIndent; }
    void SetTabIndent(bool Value) { V_.TabIndent = Value; }
    // Clamped to 2..8, then rounded down to an even number.
    int TabSpaceCount() const { return V_.TabSpaceCount; }
    void SetTabSpaceCount(int Value);

    void Assign(const TPersistent* Source) override;

private:
    struct TValues {
        bool AutoCursor = true;
        bool AutoIndent = true;
        bool BackSpaceUnIndent = true;
        bool FreeCaret = true;
        bool FreeRow = false;
        bool InTab = false;
        bool KeepCaret = false;
        bool LockScroll = false;
        bool NextLine = false;
        bool PrevSpaceIndent = false;
        bool RowSelect = true;
        TDragMode SelDragMode = TDragMode::dmAutomatic;
        bool SelMove = true;
        bool SoftTab = false;
        TEditorCaretStyle Style = TEditorCaretStyle::csDefault;
        bool TabIndent = false;
        int TabSpaceCount = 8;
    } V_;
    std::unique_ptr<TEditorCursors> Cursors_;
};

// Margins in pixels, each 0..100.
class TEditorMargin : public TNotifyPersistent {
public:
    int Character() const { return V_.Character; }
    void SetCharacter(int Value);
    int Left() const { return V_.Left; }
    void SetLeft(int Value);
    int Line() const { return V_.Line; }
    void SetLine(int Value);
    int Top() const { return V_.Top; }
    void SetTop(int Value);
    // The pixel row the underline mark adds to each row: 1 while it shows,
    // else 0. The editor keeps it in step with Marks.Underline; it is no
    // option of its own and announces nothing.
    int Underline() const { return V_.Underline; }
    void SetUnderline(int Value) { V_.Underline = Value; }

    void Assign(const TPersistent* Source) override;

private:
    void Set(int& Field, int Value);

    struct TValues {
        int Character = 0;
        int Left = 19;
        int Line = 0;
        int Top = 2;
        int Underline = 0;
    } V_;
};

class TEditorMark : public TNotifyPersistent {
public:
    TColor Color() const { return V_.Color; }
    void SetColor(TColor Value);
    bool Visible() const { return V_.Visible; }
    void SetVisible(bool Value);

    void Assign(const TPersistent* Source) override;

private:
    struct TValues {
        TColor Color = clGray;
        bool Visible = false;
    } V_;
};

// The marks drawn at row ends and under the caret row; a change of any is
// a change of the set.
class TEditorMarks : public TNotifyPersistent {
public:
    TEditorMarks();

    TEditorMark* EofMark() const { return EofMark_.get(); }
    TEditorMark* RetMark() const { return RetMark_.get(); }
    TEditorMark* WrapMark() const { return WrapMark_.get(); }
    TEditorMark* HideMark() const { return HideMark_.get(); }
    TEditorMark* Underline() const { return Underline_.get(); }
    void SetEofMark(const TEditorMark* Value) { EofMark_->Assign(Value); }
    void SetRetMark(const TEditorMark* Value) { RetMark_->Assign(Value); }
    void SetWrapMark(const TEditorMark* Value) { WrapMark_->Assign(Value); }
    void SetHideMark(const TEditorMark* Value) { HideMark_->Assign(Value); }
    void SetUnderline(const TEditorMark* Value) { Underline_->Assign(Value); }

    void Assign(const TPersistent* Source) override;

private:
    std::unique_ptr<TEditorMark> CreateMark();

    std::unique_ptr<TEditorMark> EofMark_, RetMark_, WrapMark_, HideMark_, Underline_;
};

class TEditorRuler : public TNotifyPersistent {
public:
    TColor BkColor() const { return V_.BkColor; }
    void SetBkColor(TColor Value);
    TColor Color() const { return V_.Color; }
    void SetColor(TColor Value);
    bool Edge() const { return V_.Edge; }
    void SetEdge(bool Value);
    // Columns between long ticks: clamped to 8..10 and rounded down to an
    // even number, so 8 or 10.
    int GaugeRange() const { return V_.GaugeRange; }
    void SetGaugeRange(int Value);
    TColor MarkColor() const { return V_.MarkColor; }
    void SetMarkColor(TColor Value);
    bool Visible() const { return V_.Visible; }
    void SetVisible(bool Value);

    void Assign(const TPersistent* Source) override;

private:
    struct TValues {
        TColor BkColor = clSilver;
        TColor Color = clBlack;
        bool Edge = true;
        int GaugeRange = 10;
        TColor MarkColor = clBlack;
        bool Visible = false;
    } V_;
};

// The line-number bar.
class TEditorLeftbar : public TNotifyPersistent {
public:
    TColor BkColor() const { return V_.BkColor; }
    void SetBkColor(TColor Value);
    TColor Color() const { return V_.Color; }
    void SetColor(TColor Value);
    // Digits shown, 1..8.
    int Column() const { return V_.Column; }
    void SetColumn(int Value);
    bool Edge() const { return V_.Edge; }
    void SetEdge(bool Value);
    // Pixels, 0..100.
    int LeftMargin() const { return V_.LeftMargin; }
    void SetLeftMargin(int Value);
    int RightMargin() const { return V_.RightMargin; }
    void SetRightMargin(int Value);
    bool ShowNumber() const { return V_.ShowNumber; }
    void SetShowNumber(bool Value);
    TEditorShowNumberMode ShowNumberMode() const { return V_.ShowNumberMode; }
    void SetShowNumberMode(TEditorShowNumberMode Value);
    bool Visible() const { return V_.Visible; }
    void SetVisible(bool Value);
    bool ZeroBase() const { return V_.ZeroBase; }
    void SetZeroBase(bool Value);
    bool ZeroLead() const { return V_.ZeroLead; }
    void SetZeroLead(bool Value);

    void Assign(const TPersistent* Source) override;

private:
    struct TValues {
        TColor BkColor = clSilver;
        TColor Color = clBlack;
        int Column = 4;
        bool Edge = true;
        int LeftMargin = 8;
        int RightMargin = 4;
        bool ShowNumber = true;
        TEditorShowNumberMode ShowNumberMode = TEditorShowNumberMode::nmRow;
        bool Visible = false;
        bool ZeroBase = false;
        bool ZeroLead = false;
    } V_;
};

// The row-mark bar; widths and margins in pixels, each 0..100.
class TEditorImagebar : public TNotifyPersistent {
public:
    int DigitWidth() const { return V_.DigitWidth; }
    void SetDigitWidth(int Value);
    int LeftMargin() const { return V_.LeftMargin; }
    void SetLeftMargin(int Value);
    int MarkWidth() const { return V_.MarkWidth; }
    void SetMarkWidth(int Value);
    int RightMargin() const { return V_.RightMargin; }
    void SetRightMargin(int Value);
    bool Visible() const { return V_.Visible; }
    void SetVisible(bool Value);

    void Assign(const TPersistent* Source) override;

private:
    void Set(int& Field, int Value);

    struct TValues {
        int DigitWidth = 8;
        int LeftMargin = 2;
        int MarkWidth = 0;
        int RightMargin = 2;
        bool Visible = true;
    } V_;
};

// Scrolling speeds, read when the editor scrolls; no change event.
class TEditorSpeed : public TPersistent {
public:
    // Each 1..4.
    TEditorSpeedRange CaretVerticalAc() const { return V_.CaretVerticalAc; }
    void SetCaretVerticalAc(int Value);
    TEditorSpeedRange PageVerticalRange() const { return V_.PageVerticalRange; }
    void SetPageVerticalRange(int Value);
    TEditorSpeedRange PageVerticalRangeAc() const { return V_.PageVerticalRangeAc; }
    void SetPageVerticalRangeAc(int Value);
    // Compute the colouring state of every row when a text is loaded, not
    // only of the rows near the screen.
    bool InitBracketsFull() const { return V_.InitBracketsFull; }
    void SetInitBracketsFull(bool Value) { V_.InitBracketsFull = Value; }

    void Assign(const TPersistent* Source) override;

private:
    struct TValues {
        TEditorSpeedRange CaretVerticalAc = 2;
        TEditorSpeedRange PageVerticalRange = 2;
        TEditorSpeedRange PageVerticalRangeAc = 2;
        bool InitBracketsFull = false;
    } V_;
};
