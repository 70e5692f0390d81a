#include "EditorExVerticalLines.h"

template <class T>
void TVerticalLine::Store(T& Field, T Value)
{
    if (Field == Value)
        return;
    Field = Value;
    Changed(false);
}

void TVerticalLine::SetPosition(int Value) { Store(Position_, Value); }
void TVerticalLine::SetColor(TColor Value) { Store(Color_, Value); }
void TVerticalLine::SetVisible(bool Value) { Store(Visible_, Value); }

void TVerticalLine::Assign(const TPersistent* Source)
{
    const auto source = dynamic_cast<const TVerticalLine*>(Source);
    if (!source) {
        TCollectionItem::Assign(Source);
        return;
    }
    Position_ = source->Position_;
    Color_ = source->Color_;
    Visible_ = source->Visible_;
    Changed(false);
}

std::optional<int> TVerticalLine::X(int TextLeft, int HorizontalOffset, int CharWidth) const
{
    if (!Visible_ || Position_ < 0)
        return std::nullopt;
    const int x = TextLeft - HorizontalOffset + CharWidth * Position_;
    if (x < TextLeft)
        return std::nullopt;
    return x;
}
