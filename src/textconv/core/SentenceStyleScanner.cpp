#include "SentenceStyleScanner.h"

#include "Cp932.h"
#include "Sjis.h"

#include <stdexcept>

namespace textconv::sentencestyle {

namespace {

constexpr uint16_t kOpenQuote = 0x8175;  // 「
constexpr uint16_t kCloseQuote = 0x8176; // 」
constexpr size_t kLongestGroup = 3;      // characters of a particle group (からね)

// The two-byte terminators are 0x81 followed by one of these: 、。，．？！（）］」.
bool IsTerminator(uint16_t Code)
{
    if (LeadOf(Code) != 0x81)
        return false;
    switch (TrailOf(Code)) {
    case 0x41:
    case 0x42:
    case 0x43:
    case 0x44:
    case 0x48:
    case 0x49:
    case 0x69:
    case 0x6A:
    case 0x6E:
    case 0x76: return true;
    default: return false;
    }
}

// The particles of the two- and three-character groups: the first of
// か・け・の, the second of で・ど・ら, and a final ね (から, けど, ので, からね).
struct GroupParticles {
    std::vector<uint16_t> First = SjisCodes("かけの");
    std::vector<uint16_t> Second = SjisCodes("でどら");
    uint16_t Ne = SjisCodes("ね").front();

    bool IsPair(uint16_t A, uint16_t B) const { return Contains(First, A) && Contains(Second, B); }
};

const GroupParticles& Groups()
{
    static const GroupParticles groups;
    return groups;
}

class Scanner {
public:
    Scanner(std::string_view Text, bool SkipQuotes, Policy& Rules) : Text_(Text), SkipQuotes_(SkipQuotes), Rules_(Rules)
    {
        Out_.reserve(Text.size() + Text.size() / 4);
    }

    std::string Run()
    {
        while (Pos_ < Text_.size()) {
            if (AtLineEnd(Pos_))
                FlushLine();
            else if (sjis::CharLen(Text_, Pos_) == 1)
                CopyByte();
            else if (SkipQuotes_ && CodeAt(Pos_) == kOpenQuote)
                CopyQuotedSpan();
            else if (IsHiragana(CodeAt(Pos_)))
                ConvertRun();
            else
                CopyDbcsChar();
        }
        return std::move(Out_);
    }

private:
    bool AtLineEnd(size_t Pos) const { return Pos + 1 < Text_.size() && Text_[Pos] == '\r' && Text_[Pos + 1] == '\n'; }

    uint16_t CodeAt(size_t Pos) const { return sjis::CharCode(Text_, Pos); }

    // The context rules look at the two characters before a run, as they
    // stand in the text; every character the scan passes goes through here.
    void Saw(uint16_t Code)
    {
        TwoBefore_ = Before_;
        Before_ = Code;
    }

    // A lone CR is an ordinary byte: only CR LF ends a line.
    void FlushLine()
    {
        Out_ += "\r\n";
        Pos_ += 2;
        Saw(kLineEnd);
    }

    void CopyByte()
    {
        Saw(static_cast<unsigned char>(Text_[Pos_]));
        Out_ += Text_[Pos_++];
    }

    void CopyDbcsChar()
    {
        Saw(CodeAt(Pos_));
        Out_.append(Text_, Pos_, 2);
        Pos_ += 2;
    }

    // From a 「 to the 」 that balances it, over line ends, unconverted; an
    // unbalanced span runs to the end of the text. A 「 right after the
    // balancing 」 simply opens the next span.
    void CopyQuotedSpan()
    {
        int open = 0;
        while (Pos_ < Text_.size()) {
            if (AtLineEnd(Pos_)) {
                FlushLine();
                continue;
            }
            if (sjis::CharLen(Text_, Pos_) == 1) {
                CopyByte();
                continue;
            }
            const uint16_t code = CodeAt(Pos_);
            CopyDbcsChar();
            if (code == kOpenQuote)
                ++open;
            else if (code == kCloseQuote && --open == 0)
                return;
        }
    }

    bool HiraganaAt(size_t Pos) const { return Pos + 1 < Text_.size() && IsHiragana(CodeAt(Pos)); }

    // The terminator at Pos right after a run, or 0. The end of the text
    // ends the last line.
    uint16_t TerminatorAt(size_t Pos) const
    {
        if (Pos >= Text_.size() || AtLineEnd(Pos))
            return kLineEnd;
        const uint16_t code = CodeAt(Pos);
        return IsTerminator(code) ? code : 0;
    }

    void ConvertRun()
    {
        const size_t start = Pos_;
        size_t end = start;
        while (HiraganaAt(end))
            end += 2;
        const uint16_t terminator = TerminatorAt(end);
        // A sentence closed by a quotation (its terminator followed by 」)
        // stays as it is.
        if (terminator == 0 || (end + 2 < Text_.size() && CodeAt(end + 2) == kCloseQuote)) {
            CopyRunTo(end);
            return;
        }
        // A failed tail gives way to the one a character shorter, so the
        // longest tail with an entry wins; tails longer than any entry are
        // copied at once, which keeps a long run linear.
        const size_t longest = (Rules_.LongestEnding() + kLongestGroup) * 2;
        if (end - start > longest)
            CopyRunTo(end - longest);
        while (Pos_ < end) {
            if (ReplaceTail(end, terminator)) {
                for (size_t p = Pos_; p < end; p += 2)
                    Saw(CodeAt(p));
                Pos_ = end;
                return;
            }
            CopyDbcsChar();
        }
    }

    void CopyRunTo(size_t End)
    {
        while (Pos_ < End)
            CopyDbcsChar();
    }

    // Offers the tail [Pos_, End) whole, then without its particle group,
    // and writes the first replacement given.
    bool ReplaceTail(size_t End, uint16_t Terminator)
    {
        const std::string_view tail = Text_.substr(Pos_, End - Pos_);
        Candidate candidate{tail, Before_, TwoBefore_, Terminator};
        if (Write(Rules_.Replace(candidate), {}))
            return true;
        const size_t group = GroupLength(tail);
        if (group == 0 || group == tail.size())
            return false;
        candidate.Stem = tail.substr(0, tail.size() - group);
        return Write(Rules_.Replace(candidate), tail.substr(tail.size() - group));
    }

    // Bytes of the closing particle group at the end of a hiragana tail;
    // the longest kind that matches wins.
    size_t GroupLength(std::string_view Tail) const
    {
        const size_t n = Tail.size() / 2;
        const auto at = [&](size_t i) { return sjis::CharCode(Tail, i * 2); };
        const GroupParticles& groups = Groups();
        size_t chars = 0;
        if (Rules_.IsOneCharParticle(at(n - 1)))
            chars = 1;
        if (n >= 2 && groups.IsPair(at(n - 2), at(n - 1)))
            chars = 2;
        if (n >= 3 && groups.IsPair(at(n - 3), at(n - 2)) && at(n - 1) == groups.Ne)
            chars = 3;
        return chars * 2;
    }

    bool Write(const Replacement& Found, std::string_view Group)
    {
        if (Found.Text.empty())
            return false;
        // The character before the tail is a two-byte one the scan has just
        // copied (a run never starts right after a converted one, which is
        // followed by its terminator), so it is the last two output bytes.
        if (Found.TakesBefore)
            Out_.resize(Out_.size() - 2);
        Out_ += Found.Text;
        Out_ += Group;
        return true;
    }

    std::string_view Text_;
    bool SkipQuotes_;
    Policy& Rules_;
    std::string Out_;
    size_t Pos_ = 0;
    uint16_t Before_ = kLineEnd;
    uint16_t TwoBefore_ = 0;
};

} // namespace

std::string Convert(std::string_view Text, bool SkipQuotes, Policy& Rules)
{
    return Scanner(Text, SkipQuotes, Rules).Run();
}

std::string SjisLiteral(std::string_view Utf8)
{
    bool lossless = true;
    std::string sjis = Utf8ToSjis(Utf8, &lossless);
    if (!lossless)
        throw std::logic_error("literal without a Shift-JIS form: " + std::string(Utf8));
    return sjis;
}

std::vector<uint16_t> SjisCodes(std::string_view Utf8)
{
    const std::string sjis = SjisLiteral(Utf8);
    std::vector<uint16_t> codes;
    for (sjis::CharCursor c(sjis); !c.AtEnd(); c.Next())
        codes.push_back(c.Code());
    return codes;
}

} // namespace textconv::sentencestyle
