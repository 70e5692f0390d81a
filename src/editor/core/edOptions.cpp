#include "edOptions.h"

#include <algorithm>

namespace {

int ClampEven(int Value, int Low, int High) { return std::clamp(Value, Low, High) & ~1; }

constexpr int MaxMargin = 100;

} // namespace

// ---- TEditorCursors ------------------------------------------------------------

void TEditorCursors::SetDefaultCursor(TCursor Value) { Store(V_.DefaultCursor, Value); }
void TEditorCursors::SetDragSelCursor(TCursor Value) { Store(V_.DragSelCursor, Value); }
void TEditorCursors::SetDragSelCopyCursor(TCursor Value) { Store(V_.DragSelCopyCursor, Value); }
void TEditorCursors::SetInSelCursor(TCursor Value) { Store(V_.InSelCursor, Value); }
void TEditorCursors::SetLeftMarginCursor(TCursor Value) { Store(V_.LeftMarginCursor, Value); }
void TEditorCursors::SetTopMarginCursor(TCursor Value) { Store(V_.TopMarginCursor, Value); }

void TEditorCursors::Assign(const TPersistent* Source)
{
    if (auto source = dynamic_cast<const TEditorCursors*>(Source)) {
        V_ = source->V_;
        Changed();
        return;
    }
    TNotifyPersistent::Assign(Source);
}

// ---- TEditorCaret --------------------------------------------------------------

TEditorCaret::TEditorCaret() : Cursors_(std::make_unique<TEditorCursors>())
{
    Cursors_->OnChange = [this](TObject* Sender) { ChangedProc(Sender); };
}

void TEditorCaret::SetStyle(TEditorCaretStyle Value) { Store(V_.Style, Value); }

void TEditorCaret::SetTabSpaceCount(int Value) { Store(V_.TabSpaceCount, ClampEven(Value, 2, 8)); }

void TEditorCaret::Assign(const TPersistent* Source)
{
    if (auto source = dynamic_cast<const TEditorCaret*>(Source)) {
        BeginUpdate();
        V_ = source->V_;
        Cursors_->Assign(source->Cursors());
        EndUpdate();
        return;
    }
    TNotifyPersistent::Assign(Source);
}

// ---- TEditorMargin -------------------------------------------------------------

void TEditorMargin::Set(int& Field, int Value) { Store(Field, std::clamp(Value, 0, MaxMargin)); }

void TEditorMargin::SetCharacter(int Value) { Set(V_.Character, Value); }
void TEditorMargin::SetLeft(int Value) { Set(V_.Left, Value); }
void TEditorMargin::SetLine(int Value) { Set(V_.Line, Value); }
void TEditorMargin::SetTop(int Value) { Set(V_.Top, Value); }

void TEditorMargin::Assign(const TPersistent* Source)
{
    if (auto source = dynamic_cast<const TEditorMargin*>(Source)) {
        V_ = source->V_;
        Changed();
        return;
    }
    TNotifyPersistent::Assign(Source);
}

// ---- TEditorMark, TEditorMarks -------------------------------------------------

void TEditorMark::SetColor(TColor Value) { Store(V_.Color, Value); }
void TEditorMark::SetVisible(bool Value) { Store(V_.Visible, Value); }

void TEditorMark::Assign(const TPersistent* Source)
{
    if (auto source = dynamic_cast<const TEditorMark*>(Source)) {
        V_ = source->V_;
        Changed();
        return;
    }
    TNotifyPersistent::Assign(Source);
}

TEditorMarks::TEditorMarks()
    : EofMark_(CreateMark()), RetMark_(CreateMark()), WrapMark_(CreateMark()), HideMark_(CreateMark()),
      Underline_(CreateMark())
{}

std::unique_ptr<TEditorMark> TEditorMarks::CreateMark()
{
    auto mark = std::make_unique<TEditorMark>();
    mark->OnChange = [this](TObject* Sender) { ChangedProc(Sender); };
    return mark;
}

void TEditorMarks::Assign(const TPersistent* Source)
{
    if (auto source = dynamic_cast<const TEditorMarks*>(Source)) {
        BeginUpdate();
        SetEofMark(source->EofMark());
        SetRetMark(source->RetMark());
        SetWrapMark(source->WrapMark());
        SetHideMark(source->HideMark());
        SetUnderline(source->Underline());
        EndUpdate();
        return;
    }
    TNotifyPersistent::Assign(Source);
}

// ---- TEditorRuler --------------------------------------------------------------

void TEditorRuler::SetBkColor(TColor Value) { Store(V_.BkColor, Value); }
void TEditorRuler::SetColor(TColor Value) { Store(V_.Color, Value); }
void TEditorRuler::SetEdge(bool Value) { Store(V_.Edge, Value); }
void TEditorRuler::SetGaugeRange(int Value) { Store(V_.GaugeRange, ClampEven(Value, 8, 10)); }
void TEditorRuler::SetMarkColor(TColor Value) { Store(V_.MarkColor, Value); }
void TEditorRuler::SetVisible(bool Value) { Store(V_.Visible, Value); }

void TEditorRuler::Assign(const TPersistent* Source)
{
    if (auto source = dynamic_cast<const TEditorRuler*>(Source)) {
        V_ = source->V_;
        Changed();
        return;
    }
    TNotifyPersistent::Assign(Source);
}

// ---- TEditorLeftbar ------------------------------------------------------------

void TEditorLeftbar::SetBkColor(TColor Value) { Store(V_.BkColor, Value); }
void TEditorLeftbar::SetColor(TColor Value) { Store(V_.Color, Value); }
void TEditorLeftbar::SetColumn(int Value) { Store(V_.Column, std::clamp(Value, 1, 8)); }
void TEditorLeftbar::SetEdge(bool Value) { Store(V_.Edge, Value); }
void TEditorLeftbar::SetLeftMargin(int Value) { Store(V_.LeftMargin, std::clamp(Value, 0, MaxMargin)); }
void TEditorLeftbar::SetRightMargin(int Value) { Store(V_.RightMargin, std::clamp(Value, 0, MaxMargin)); }
void TEditorLeftbar::SetShowNumber(bool Value) { Store(V_.ShowNumber, Value); }
void TEditorLeftbar::SetShowNumberMode(TEditorShowNumberMode Value) { Store(V_.ShowNumberMode, Value); }
void TEditorLeftbar::SetVisible(bool Value) { Store(V_.Visible, Value); }
void TEditorLeftbar::SetZeroBase(bool Value) { Store(V_.ZeroBase, Value); }
void TEditorLeftbar::SetZeroLead(bool Value) { Store(V_.ZeroLead, Value); }

void TEditorLeftbar::Assign(const TPersistent* Source)
{
    if (auto source = dynamic_cast<const TEditorLeftbar*>(Source)) {
        V_ = source->V_;
        Changed();
        return;
    }
    TNotifyPersistent::Assign(Source);
}

// ---- TEditorImagebar -----------------------------------------------------------

void TEditorImagebar::Set(int& Field, int Value) { Store(Field, std::clamp(Value, 0, MaxMargin)); }

void TEditorImagebar::SetDigitWidth(int Value) { Set(V_.DigitWidth, Value); }
void TEditorImagebar::SetLeftMargin(int Value) { Set(V_.LeftMargin, Value); }
void TEditorImagebar::SetMarkWidth(int Value) { Set(V_.MarkWidth, Value); }
void TEditorImagebar::SetRightMargin(int Value) { Set(V_.RightMargin, Value); }
void TEditorImagebar::SetVisible(bool Value) { Store(V_.Visible, Value); }

void TEditorImagebar::Assign(const TPersistent* Source)
{
    if (auto source = dynamic_cast<const TEditorImagebar*>(Source)) {
        V_ = source->V_;
        Changed();
        return;
    }
    TNotifyPersistent::Assign(Source);
}

// ---- TEditorSpeed --------------------------------------------------------------

namespace {

TEditorSpeedRange SpeedRange(int Value) { return static_cast<TEditorSpeedRange>(std::clamp(Value, 1, 4)); }

} // namespace

void TEditorSpeed::SetCaretVerticalAc(int Value) { V_.CaretVerticalAc = SpeedRange(Value); }
void TEditorSpeed::SetPageVerticalRange(int Value) { V_.PageVerticalRange = SpeedRange(Value); }
void TEditorSpeed::SetPageVerticalRangeAc(int Value) { V_.PageVerticalRangeAc = SpeedRange(Value); }

void TEditorSpeed::Assign(const TPersistent* Source)
{
    if (auto source = dynamic_cast<const TEditorSpeed*>(Source)) {
        V_ = source->V_;
        return;
    }
    TPersistent::Assign(Source);
}
