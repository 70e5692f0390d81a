#include "StrSort.h"

#include "Sjis.h"
#include "Strings.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace textconv {

namespace {

// Appends the key of Line from byte Start on. The line is walked from its
// first byte, so only the letters of single-byte characters are
// upper-cased; a key that starts on a trail byte keeps it as it is.
void AppendKey(std::string_view Line, size_t Start, std::string& Keys)
{
    if (Start >= Line.size())
        return;
    const size_t keyStart = Keys.size();
    Keys.append(Line, Start);
    for (size_t pos = 0; pos < Line.size();) {
        const size_t len = sjis::CharLen(Line, pos);
        if (len == 1 && pos >= Start && Line[pos] >= 'a' && Line[pos] <= 'z')
            Keys[keyStart + pos - Start] = static_cast<char>(Line[pos] - 'a' + 'A');
        pos += len;
    }
}

// A line's key: its first eight bytes packed high byte first (zeros past
// its end), so that most comparisons never reach the key buffer.
struct KeyedLine {
    uint64_t Prefix;
    uint32_t KeyStart;
    uint32_t KeyLen;
    int Index;
};

uint64_t PackPrefix(std::string_view Key)
{
    uint64_t prefix = 0;
    for (size_t i = 0; i < 8; ++i)
        prefix = prefix << 8 | (i < Key.size() ? static_cast<unsigned char>(Key[i]) : 0);
    return prefix;
}

// The lines in key order; Descending reverses it. Equal keys keep their order.
std::vector<int> SortedOrder(const TStrings& Lines, size_t KeyStart, bool Descending)
{
    const int count = Lines.Count();
    std::vector<KeyedLine> keyed(count);
    std::string keys;
    keys.reserve(static_cast<size_t>(count) * 32);
    for (int i = 0; i < count; ++i) {
        const size_t start = keys.size();
        AppendKey(Lines.Strings(i), KeyStart, keys);
        const std::string_view key = std::string_view(keys).substr(start);
        keyed[i] = {PackPrefix(key), static_cast<uint32_t>(start), static_cast<uint32_t>(key.size()), i};
    }
    // std::char_traits<char> compares bytes as unsigned values, as the
    // prefixes do.
    const auto before = [&keys](const KeyedLine& A, const KeyedLine& B) {
        if (A.Prefix != B.Prefix)
            return A.Prefix < B.Prefix;
        return std::string_view(keys).substr(A.KeyStart, A.KeyLen)
               < std::string_view(keys).substr(B.KeyStart, B.KeyLen);
    };
    if (Descending)
        std::stable_sort(keyed.begin(), keyed.end(),
                         [&before](const KeyedLine& A, const KeyedLine& B) { return before(B, A); });
    else
        std::stable_sort(keyed.begin(), keyed.end(), before);
    std::vector<int> order(count);
    for (int i = 0; i < count; ++i)
        order[i] = keyed[i].Index;
    return order;
}

// Puts line Order[i] at position i by exchanging lines in place, so no line
// is copied again.
void Reorder(TStrings& Lines, const std::vector<int>& Order)
{
    const int count = static_cast<int>(Order.size());
    std::vector<int> where(count), at(count); // line -> position, position -> line
    for (int i = 0; i < count; ++i)
        where[i] = at[i] = i;
    Lines.BeginUpdate();
    for (int i = 0; i < count; ++i) {
        const int line = Order[i];
        const int from = where[line];
        if (from == i)
            continue;
        Lines.Exchange(i, from);
        where[at[i]] = from;
        at[from] = at[i];
        where[line] = i;
        at[i] = line;
    }
    Lines.EndUpdate();
}

void SortLines(TStrings& Lines, int Column, bool Descending)
{
    if (Lines.Count() < 2)
        return;
    const size_t keyStart = static_cast<size_t>(std::max(Column, 1) - 1);
    Reorder(Lines, SortedOrder(Lines, keyStart, Descending));
}

} // namespace

void SortLinesAscending(TStrings& Lines, int Column) { SortLines(Lines, Column, false); }

void SortLinesDescending(TStrings& Lines, int Column) { SortLines(Lines, Column, true); }

std::string SortLinesText(std::string_view Text, int Column, bool Descending)
{
    TStringList lines;
    lines.SetText(Text);
    SortLines(lines, Column, Descending);
    std::string sorted = lines.Text();
    const bool endsInBreak = Text.ends_with('\n') || Text.ends_with('\r');
    if (!endsInBreak && sorted.ends_with("\r\n"))
        sorted.resize(sorted.size() - 2);
    return sorted;
}

} // namespace textconv
