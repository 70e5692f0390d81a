#include "Graphics.h"

#include <cstdlib>

namespace {

// Rounds A * B / C to the nearest integer, halves away from zero.
int MulDiv(int A, int B, int C)
{
    const long long product = static_cast<long long>(A) * B;
    const long long half = std::llabs(static_cast<long long>(C)) / 2;
    return static_cast<int>((product + (product >= 0 ? half : -half)) / C);
}

} // namespace

void TFont::SetName(const std::string& Value) { Change(Name_, Value); }

int TFont::Size() const { return MulDiv(std::abs(Height_), 72, PixelsPerInch); }

void TFont::SetSize(int Value) { SetHeight(-MulDiv(std::abs(Value), PixelsPerInch, 72)); }

void TFont::SetHeight(int Value) { Change(Height_, Value); }

void TFont::SetStyle(TFontStyles Value) { Change(Style_, Value); }

void TFont::SetColor(TColor Value) { Change(Color_, Value); }

void TFont::SetCharset(int Value) { Change(Charset_, Value); }

void TFont::Assign(const TPersistent* Source)
{
    if (auto font = dynamic_cast<const TFont*>(Source)) {
        if (SameAs(*font))
            return;
        Name_ = font->Name_;
        Height_ = font->Height_;
        Style_ = font->Style_;
        Color_ = font->Color_;
        Charset_ = font->Charset_;
        Changed();
        return;
    }
    TPersistent::Assign(Source);
}

bool TFont::SameAs(const TFont& Other) const
{
    return Name_ == Other.Name_ && Height_ == Other.Height_ && Style_ == Other.Style_ && Color_ == Other.Color_
           && Charset_ == Other.Charset_;
}

void TFont::Changed()
{
    if (OnChange)
        OnChange(this);
}
