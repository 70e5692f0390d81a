#include "Sjis.h"

namespace sjis {

bool IsCharBoundary(std::string_view Text, size_t Pos)
{
    if (Pos == 0 || Pos >= Text.size())
        return true;
    // Lead-valued bytes right before Pos pair up from the last byte that
    // cannot be a lead; an odd count leaves a lead byte in front of Pos.
    size_t leads = 0;
    for (size_t i = Pos; i > 0 && IsLead(static_cast<unsigned char>(Text[i - 1])); --i)
        ++leads;
    return leads % 2 == 0 || !IsTrail(static_cast<unsigned char>(Text[Pos]));
}

size_t CharStart(std::string_view Text, size_t Pos)
{
    if (Pos >= Text.size())
        return Text.size();
    return IsCharBoundary(Text, Pos) ? Pos : Pos - 1;
}

namespace {

template <typename Fold>
std::string MapSingleBytes(std::string_view Text, Fold fold)
{
    std::string result(Text);
    for (size_t i = 0; i < result.size();) {
        const size_t len = CharLen(result, i);
        if (len == 1)
            result[i] = fold(result[i]);
        i += len;
    }
    return result;
}

char Upper(char C) { return C >= 'a' && C <= 'z' ? static_cast<char>(C - 'a' + 'A') : C; }
char Lower(char C) { return C >= 'A' && C <= 'Z' ? static_cast<char>(C - 'A' + 'a') : C; }

// Yields the bytes of a text with single-byte letters upper-cased.
class FoldedBytes {
public:
    explicit FoldedBytes(std::string_view Text) : Text_(Text) {}
    bool AtEnd() const { return Pos_ >= Text_.size(); }
    unsigned char Next()
    {
        if (Pending_ == 0 && CharLen(Text_, Pos_) == 2) {
            Pending_ = 1;
            return static_cast<unsigned char>(Text_[Pos_++]);
        }
        const bool trail = Pending_ != 0;
        Pending_ = 0;
        const char c = Text_[Pos_++];
        return static_cast<unsigned char>(trail ? c : Upper(c));
    }

private:
    std::string_view Text_;
    size_t Pos_ = 0;
    int Pending_ = 0;
};

} // namespace

std::string UpperAscii(std::string_view Text) { return MapSingleBytes(Text, Upper); }
std::string LowerAscii(std::string_view Text) { return MapSingleBytes(Text, Lower); }

int CompareText(std::string_view A, std::string_view B)
{
    FoldedBytes a(A), b(B);
    while (!a.AtEnd() && !b.AtEnd()) {
        const unsigned char x = a.Next(), y = b.Next();
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.AtEnd() && b.AtEnd())
        return 0;
    return a.AtEnd() ? -1 : 1;
}

std::string_view CutAt(std::string_view Text, size_t MaxBytes)
{
    if (Text.size() <= MaxBytes)
        return Text;
    size_t end = 0;
    while (end < MaxBytes) {
        const size_t len = CharLen(Text, end);
        if (end + len > MaxBytes)
            break;
        end += len;
    }
    return Text.substr(0, end);
}

} // namespace sjis
