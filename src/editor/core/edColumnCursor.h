// Walks a row forwards one character at a time, keeping the display column
// each character starts at, by the editor's column model: a double-byte
// character is two columns wide, a tab runs to its tab stop, any other
// byte is one column.
#pragma once

#include "edColumns.h"
#include "edUtils.h"

#include "Sjis.h"

#include <string_view>

class TColumnCursor {
public:
    TColumnCursor(std::string_view Text, const TColumnModel& Model, size_t Pos = 0, int Col = 0)
        : Text_(Text), Model_(Model), Pos_(Pos), Col_(Col)
    {}

    bool AtEnd() const { return Pos_ >= Text_.size(); }
    // The character's first byte and first column.
    size_t Pos() const { return Pos_; }
    int Col() const { return Col_; }
    size_t Len() const { return sjis::CharLen(Text_, Pos_); }
    std::string_view Char() const { return Text_.substr(Pos_, Len()); }
    // A space, a tab or a full-width space.
    bool IsBlank() const { return Text_[Pos_] == ' ' || Text_[Pos_] == '\t' || IsFullWidthSpaceAt(Text_, Pos_); }
    int Width() const
    {
        if (Len() == 2)
            return 2;
        return Text_[Pos_] == '\t' ? Model_.TabWidth(Col_) : 1;
    }
    // The column after the character.
    int EndCol() const { return Col_ + Width(); }
    void Next()
    {
        Col_ = EndCol();
        Pos_ += Len();
    }

private:
    std::string_view Text_;
    TColumnModel Model_;
    size_t Pos_;
    int Col_;
};
