// The extended editor's commands and state: find, replace, bracket pairs,
// the current line and reconversion. Painting is EditorExPaint.cpp.
#include "EditorEx.h"

#include "EditorExWordClass.h"
#include "EditorReconversion.h"

#include "AWKStr.h"

TEditorEx::TEditorEx(QWidget* Parent) : TEditor(Parent), VerticalLines_(std::make_unique<TVerticalLines>(this))
{
    VerticalLines_->OnChange = [this](TObject*) { viewport()->update(); };
}

TEditorEx::~TEditorEx() = default;

void TEditorEx::AfterConstruction()
{
    // The marks come first: the editor's own set-up already moves the caret.
    ExMarks_ = CreateExMarks();
    ExMarks_->OnChange = [this](TObject* Sender) { ViewChanged(Sender); };
    TEditor::AfterConstruction();
    Caret()->SetSelDragMode(TDragMode::dmManual);
}

std::unique_ptr<TEditorExMarks> TEditorEx::CreateExMarks() { return std::make_unique<TEditorExMarks>(); }

// ---- Find ----------------------------------------------------------------------------------------

void TEditorEx::SetFindString(const std::string& Value)
{
    if (Finder_.SetFindString(Value) && ExMarks_->FindMark()->Visible())
        viewport()->update();
}

void TEditorEx::SetExSearchOptions(TExSearchOptions Value)
{
    if (Finder_.SetExSearchOptions(Value) && ExMarks_->FindMark()->Visible())
        viewport()->update();
}

void TEditorEx::SelectHit(const TFoundHit& Hit)
{
    CleanSelection();
    PutCaretAfterText(Hit.LineRow, Hit.Start);
    SetHitSelLength(Hit.Length);
}

bool TEditorEx::FindNext()
{
    int offset = LineCharIndex(Row(), Col());
    // The hit shown with a caret as wide as itself is stepped over.
    if (HitStyle() == TEditorHitStyle::hsCaret)
        offset += HitSelLength();
    const std::optional<TFoundHit> hit = Finder_.FindNext(ScreenStrings(), Row(), offset);
    if (!hit)
        return false;
    SelectHit(*hit);
    return true;
}

bool TEditorEx::FindPrevious()
{
    const std::optional<TFoundHit> hit = Finder_.FindPrevious(ScreenStrings(), Row(), LineCharIndex(Row(), Col()));
    if (!hit)
        return false;
    SelectHit(*hit);
    // Back to the hit's start, so that the next call goes on backwards.
    if (HitStyle() != TEditorHitStyle::hsCaret)
        PutCaretAfterText(hit->LineRow, hit->Start);
    return true;
}

bool TEditorEx::ReplaceSelection(const std::string& Text)
{
    CommitHitSelection();
    if (!Selected())
        return false;
    SetSelText(Text);
    return true;
}

std::string TEditorEx::ExpandReplaceText(const std::string& Text) const { return TAWKStr::ExpandEscapes(Text); }

// ---- Text logic ----------------------------------------------------------------------------------

char TEditorEx::WordCharClass(std::string_view Text, int Index) const { return ::WordCharClass(Text, Index); }

int TEditorEx::ColumnToCharIndex(int ARow, int ACol) const
{
    if (ARow < 0 || ARow >= RowCount())
        return -1;
    return ::ColumnToCharIndex(RowText(ARow), ACol, ColumnModel());
}

int TEditorEx::LogicalLineFirstRow(int ARow) const { return ScreenStrings().LineFirstRow(ARow); }

int TEditorEx::LogicalLineLastRow(int ARow) const { return ScreenStrings().LineLastRow(ARow); }

// ---- Brackets and the current line -----------------------------------------------------------------

void TEditorEx::JumpToBracketPair()
{
    const TBracketPair pair = BracketPairAtCaret(ScreenStrings(), Row(), ColumnToCharIndex(Row(), Col()));
    if (!pair.Found)
        return;
    const int row = pair.PartnerRow();
    SetRowCol(row, ExpandedWidth(std::string_view(RowText(row)).substr(0, static_cast<size_t>(pair.PartnerIndex()))));
}

void TEditorEx::InvalidatePair(const TBracketPair& Pair)
{
    if (!Pair.Found)
        return;
    InvalidateRow(Pair.OpenRow);
    InvalidateRow(Pair.CloseRow);
}

void TEditorEx::UpdateCurrentLine()
{
    if (Row() == CurrentLineRow_)
        return;
    InvalidateRow(CurrentLineRow_);
    InvalidateRow(Row());
    CurrentLineRow_ = Row();
}

void TEditorEx::UpdateBracketPair()
{
    InvalidatePair(Pair_);
    Pair_ = BracketPairAtCaret(ScreenStrings(), Row(), ColumnToCharIndex(Row(), Col()));
    InvalidatePair(Pair_);
    if (ChangedFlag_ && ++MovesAfterChange_ >= 2) {
        viewport()->update();
        ChangedFlag_ = false;
    }
}

void TEditorEx::DoCaretMoved()
{
    TEditor::DoCaretMoved();
    if (ExMarks_->CurrentLine()->Visible())
        UpdateCurrentLine();
    if (ExMarks_->ParenMark()->Visible())
        UpdateBracketPair();
    else
        Pair_ = TBracketPair();
}

void TEditorEx::DoChange()
{
    TEditor::DoChange();
    ChangedFlag_ = true;
    MovesAfterChange_ = 0;
}

// ---- Selection -----------------------------------------------------------------------------------------

bool TEditorEx::SelEndsAtRowStart() const
{
    // The range's end index is inclusive: -1 takes nothing of the end row.
    return Selected() && SelectionRange().EndIndex < 0;
}

void TEditorEx::ReconvertSelection()
{
    if (!Selected() || ReadOnly())
        return;
    SetReconvertString(this);
}
