#include "edAttributeArray.h"

void TEditorAttributeArray::Init(std::string_view S, std::string_view Attributes)
{
    S_ = S;
    Attributes_ = Attributes;
    // Column 0, position 0, then one Next. Column 1 is never tab fill, so
    // that step always reaches position 1, even on an empty row.
    Column_ = 1;
    Position_ = 1;
    Current_ = At(1);
}

void TEditorAttributeArray::Next()
{
    if (AtEnd())
        return;
    ++Column_;
    Current_ = At(Column_);
    if (Current_ != ca::TabFill)
        ++Position_;
}

void TEditorAttributeArray::Prev()
{
    if (Column_ <= 1)
        return;
    // A tab's fill keeps the tab's position, so leaving a fill column
    // backwards keeps it too: stepping from the first fill column onto the
    // tab must not move the position to the byte before the tab.
    const bool leftFill = Current_ == ca::TabFill;
    --Column_;
    Current_ = At(Column_);
    if (!leftFill)
        --Position_;
}

std::string_view TEditorAttributeArray::CharAt(char Attribute, int Position) const
{
    switch (Attribute) {
    case ca::End: return {};
    case ca::Lead: return S_.substr(static_cast<size_t>(Position - 1), 2);
    case ca::Trail: return S_.substr(static_cast<size_t>(Position - 2), 2);
    default: return S_.substr(static_cast<size_t>(Position - 1), 1);
    }
}

std::string_view TEditorAttributeArray::CurrentChar() const { return CharAt(Current_, Position_); }

std::string_view TEditorAttributeArray::NextChar() const
{
    if (AtEnd())
        return {};
    const char next = At(Column_ + 1);
    return CharAt(next, next == ca::TabFill ? Position_ : Position_ + 1);
}

void TEditorAttributeArray::MoveTo(int C)
{
    while (Column_ < C && !AtEnd())
        Next();
    while (Column_ > C && Column_ >= 2)
        Prev();
}

void TEditorAttributeArray::StepBack()
{
    Prev();
    if (Current_ == ca::Lead)
        Prev();
}

void TEditorAttributeArray::StepForward()
{
    Next();
    if (Current_ == ca::Lead)
        Next();
}
