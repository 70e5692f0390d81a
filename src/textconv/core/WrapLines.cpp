#include "WrapLines.h"

#include "Kinsoku.h"
#include "LineWalk.h"
#include "Sjis.h"

#include <algorithm>

namespace textconv {

namespace {

// Longer gathered lines are emitted before the next character is taken.
constexpr size_t kLineLimit = 8192;
// A character placed at the width takes at most this many hanging
// characters after it ("。」』）"), so a long run ("・・・・・・") cannot
// stretch a line far past the width.
constexpr int kMaxHangersAfter = 3;
constexpr uint16_t kZenSpaceCode = 0x8140;

bool IsAsciiLetter(char C) { return (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z'); }

size_t LetterRun(std::string_view Text, size_t Pos)
{
    size_t end = Pos;
    while (end < Text.size() && IsAsciiLetter(Text[end]))
        ++end;
    return end - Pos;
}

// Gathers the output lines straight into the result; the line being
// gathered is the tail of the result from LineStart_ on.
class Wrapper {
public:
    Wrapper(std::string_view Text, size_t Width, const TWrapOptions& Options)
        : Text_(Text), Width_(Width), Options_(Options), Rules_(LineBreaking())
    {
        Out_.reserve(Text.size() + Text.size() / 16 + 16);
    }

    std::string Run()
    {
        const size_t tabWidth = static_cast<size_t>(std::max(1, Options_.TabWidth));
        while (Pos_ < Text_.size()) {
            const char c = Text_[Pos_];
            if (c == '\r') {
                EndTextLine();
                Pos_ += LineBreakAt(Text_, Pos_);
            } else if (Gathered() > kLineLimit) {
                Emit();
            } else if (c == '\t') {
                TakeTab(tabWidth);
            } else if (sjis::CharLen(Text_, Pos_) == 2) {
                TakeDouble();
            } else if (!(Options_.English && IsAsciiLetter(c) && TakeLetters())) {
                TakeSingle();
            }
        }
        if (Gathered() > 0)
            EndTextLine();
        return std::move(Out_);
    }

private:
    size_t Gathered() const { return Out_.size() - LineStart_; }

    uint16_t CodeAt(size_t Pos) const { return sjis::CharCode(Text_, Pos); }

    // Takes Len bytes of the text (a character or a run of letters) onto
    // the line.
    void Take(size_t Len)
    {
        if (BlankOnly_ && !(Len == 1 && Text_[Pos_] == ' ') && !(Len == 2 && CodeAt(Pos_) == kZenSpaceCode))
            BlankOnly_ = false;
        Out_.append(Text_.data() + Pos_, Len);
        Pos_ += Len;
    }

    // Takes the hanging characters that follow, so that none of them begins
    // the next line.
    void TakeHangers()
    {
        for (int taken = 0; taken < kMaxHangersAfter && Pos_ < Text_.size() && Gathered() <= kLineLimit; ++taken) {
            if (!Rules_.Hangs(CodeAt(Pos_)))
                return;
            Take(sjis::CharLen(Text_, Pos_));
        }
    }

    // A TAB's spaces count toward the width like any other column. One that
    // would reach past the width fills the line to it and ends the line
    // there (hanging characters after it stay on the line).
    void TakeTab(size_t TabWidth)
    {
        ++Pos_;
        const size_t o = Gathered();
        const size_t stop = o + TabWidth - o % TabWidth;
        if (stop <= Width_) {
            Out_.append(stop - o, ' ');
            return;
        }
        if (o < Width_)
            Out_.append(Width_ - o, ' ');
        TakeHangers();
        WrapEmit();
    }

    void Emit()
    {
        Out_ += "\r\n";
        PrevLineStart_ = LineStart_;
        LineStart_ = Out_.size();
        IndentLen_ = 0;
        Continued_ = false;
        BlankOnly_ = true;
    }

    void Indent(size_t Count)
    {
        if (Count > 0) // most continuations have none; skip the call
            Out_.append(Count, ' ');
        IndentLen_ = Count;
    }

    // Blanks alone after a wrap would make a line of their own (an empty
    // one once trailing blanks go): they end the wrapped line instead.
    void RejoinBlanks()
    {
        Out_.erase(LineStart_ - 2, 2 + IndentLen_);
        LineStart_ = PrevLineStart_;
    }

    // Ends the line at the width and starts its continuation. Every
    // continuation of a text line takes its indentation from the text
    // line's first line, so blanks that follow a break never deepen it.
    void WrapEmit()
    {
        if (Continued_ && BlankOnly_)
            RejoinBlanks();
        const bool first = !ParagraphWrapped_;
        if (first)
            ContinuationIndent_ = Options_.Indent ? StripLeadingIndent(std::string_view(Out_).substr(LineStart_)) : 0;
        Emit();
        const size_t room = Width_ - 4;
        if (first && ContinuationIndent_ >= room) {
            // An indentation that leaves no room for text gets a line of
            // its own first; what is deeper than that line is folded like
            // text, so the continuations always keep room.
            Indent(room);
            Emit();
            ContinuationIndent_ %= room;
        }
        Indent(ContinuationIndent_);
        Continued_ = true;
        ParagraphWrapped_ = true;
    }

    // At a line break of the text, or its end.
    void EndTextLine()
    {
        if (Continued_ && BlankOnly_)
            RejoinBlanks();
        Emit();
        ParagraphWrapped_ = false;
    }

    void TakeDouble()
    {
        const uint16_t code = CodeAt(Pos_);
        const size_t o = Gathered();
        if (o < Width_) {
            if (o + 2 >= Width_ && Rules_.NotAtLineEnd.Contains(code))
                WrapEmit();
            Take(2);
        } else if (Rules_.MayHang.Contains(code)) {
            Take(2);
            TakeHangers();
            WrapEmit();
        } else {
            WrapEmit();
            Take(2);
        }
    }

    void TakeSingle()
    {
        if (Gathered() < Width_) {
            Take(1);
            return;
        }
        const bool nextHangs = Pos_ + 1 < Text_.size() && Rules_.Hangs(CodeAt(Pos_ + 1));
        if (!nextHangs && Rules_.Openers.Contains(static_cast<unsigned char>(Text_[Pos_]))) {
            WrapEmit();
            Take(1);
            return;
        }
        // A plain byte arriving at the width ends its line one byte over.
        Take(1);
        TakeHangers();
        WrapEmit();
    }

    // English word wrap. False when the run is one letter arriving exactly
    // at the width, which the single-byte rules place.
    bool TakeLetters()
    {
        const size_t run = LetterRun(Text_, Pos_);
        const size_t o = Gathered();
        if (o >= Width_) {
            if (run == 1 && o == Width_)
                return false;
            WrapEmit(); // the run is taken again on the new line
            return true;
        }
        if (o + run <= Width_) {
            Take(run);
            return true;
        }
        if (!BlankOnly_) {
            WrapEmit();
            return true;
        }
        // Even a line of its own is too short for the word: break it at the
        // width rather than move it on for ever.
        size_t left = run;
        while (Gathered() + left > Width_) {
            const size_t take = Gathered() < Width_ ? Width_ - Gathered() : 1;
            Take(take);
            left -= take;
            WrapEmit();
        }
        Take(left);
        return true;
    }

    std::string_view Text_;
    size_t Pos_ = 0;
    const size_t Width_;
    const TWrapOptions& Options_;
    const LineBreakRules& Rules_;
    std::string Out_;
    size_t LineStart_ = 0;
    size_t PrevLineStart_ = 0;
    size_t IndentLen_ = 0;          // spaces the wrap put before this line's text
    bool Continued_ = false;        // this line was begun by a wrap
    bool BlankOnly_ = true;         // this line holds blanks only
    bool ParagraphWrapped_ = false; // the text line has wrapped before
    size_t ContinuationIndent_ = 0; // spaces before each of its continuations
};

} // namespace

int ClampWrapWidth(int Width) { return std::clamp(Width, kMinWrapWidth, kMaxWrapWidth); }

size_t StripLeadingIndent(std::string_view Line)
{
    size_t width = 0;
    for (sjis::CharCursor c(Line); !c.AtEnd(); c.Next()) {
        if (c.Code() == ' ')
            width += 1;
        else if (c.Code() == kZenSpaceCode)
            width += 2;
        else
            break;
    }
    return width;
}

std::string WrapLines(std::string_view Text, int Width, const TWrapOptions& Options)
{
    if (Text.empty())
        return {};
    return Wrapper(Text, static_cast<size_t>(ClampWrapWidth(Width)), Options).Run();
}

} // namespace textconv
