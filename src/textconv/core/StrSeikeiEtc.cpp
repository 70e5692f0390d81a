#include "StrSeikeiEtc.h"

#include "LayoutLiterals.h"
#include "LineWalk.h"
#include "Sjis.h"

namespace textconv {

namespace {

// Gathers output lines of at most 8,192 bytes straight into the result.
class LineGatherer {
public:
    static constexpr size_t kLineLimit = 8192;

    explicit LineGatherer(size_t Reserve) { Out_.reserve(Reserve); }

    void Put(std::string_view Chars)
    {
        if (Gathered() + Chars.size() > kLineLimit)
            EndLine();
        Out_.append(Chars);
    }
    void EndLine()
    {
        Out_ += "\r\n";
        LineStart_ = Out_.size();
    }
    size_t Gathered() const { return Out_.size() - LineStart_; }
    std::string Take() { return std::move(Out_); }

private:
    std::string Out_;
    size_t LineStart_ = 0;
};

bool IsHalfAlnum(uint16_t Code)
{
    return (Code >= '0' && Code <= '9') || (Code >= 'A' && Code <= 'Z') || (Code >= 'a' && Code <= 'z');
}

// （ to 】 (lead 0x81, trail 0x69-0x7A).
bool IsFullWidthBracket(uint16_t Code) { return Code >= 0x8169 && Code <= 0x817A; }

} // namespace

std::string BreakKagiSentences(std::string_view Text)
{
    static const uint16_t open = LiteralCode(layout_literals::KagiOpen);
    static const uint16_t close = LiteralCode(layout_literals::KagiClose);
    LineGatherer out(Text.size() + Text.size() / 8 + 2);
    for (size_t pos = 0; pos < Text.size();) {
        if (const size_t br = LineBreakAt(Text, pos)) {
            out.EndLine();
            pos += br;
            continue;
        }
        const size_t len = sjis::CharLen(Text, pos);
        const uint16_t code = sjis::CharCode(Text, pos);
        if (code == open && out.Gathered() > 0)
            out.EndLine();
        out.Put(Text.substr(pos, len));
        pos += len;
        if (code == close && LineBreakAt(Text, pos) == 0)
            out.EndLine();
    }
    if (out.Gathered() > 0)
        out.EndLine();
    return out.Take();
}

std::string SplitWords(std::string_view Text)
{
    std::string out;
    out.reserve(Text.size() + Text.size() / 4 + 2);
    bool pending = false; // a word has begun since the last separator
    for (size_t pos = 0; pos < Text.size();) {
        const size_t br = LineBreakAt(Text, pos);
        if (br > 0 || Text[pos] == ' ') {
            out += "\r\n";
            pending = false;
            pos += br > 0 ? br : 1;
            continue;
        }
        const size_t len = sjis::CharLen(Text, pos);
        out.append(Text.substr(pos, len));
        pending = true;
        pos += len;
    }
    if (pending)
        out += "\r\n";
    return out;
}

std::string SeparateAlphanumerics(std::string_view Text)
{
    static const CodeSet noSpaceAfterAlnum(layout_literals::NoSpaceAfterAlnum);
    static const CodeSet noSpaceBeforeAlnum(layout_literals::NoSpaceBeforeAlnum);
    LineGatherer out(Text.size() + Text.size() / 4);
    uint16_t previous = 0; // the character before, 0 at a line start
    for (size_t pos = 0; pos < Text.size();) {
        if (const size_t br = LineBreakAt(Text, pos)) {
            out.EndLine();
            previous = 0;
            pos += br;
            continue;
        }
        const size_t len = sjis::CharLen(Text, pos);
        const uint16_t code = sjis::CharCode(Text, pos);
        const bool afterAlnum =
            IsHalfAlnum(previous) && len == 2 && !noSpaceAfterAlnum.Contains(code) && !IsFullWidthBracket(code);
        const bool beforeAlnum = previous > 0xFF && IsHalfAlnum(code) && !noSpaceBeforeAlnum.Contains(previous)
                                 && !IsFullWidthBracket(previous);
        if (afterAlnum || beforeAlnum)
            out.Put(" ");
        out.Put(Text.substr(pos, len));
        previous = code;
        pos += len;
    }
    return out.Take();
}

} // namespace textconv
