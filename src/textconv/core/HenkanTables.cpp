#include "HenkanTables.h"

#include "Cp932.h"
#include "JisCode.h"

#include <stdexcept>

namespace textconv {

namespace {

// Half-width kana with a katakana column of their own: ｦ, the small kana
// and ｱ-ﾝ (ｰ 0xB0 has none).
bool HasKanaColumn(unsigned Byte) { return (Byte >= 0xA6 && Byte <= 0xAF) || (Byte >= 0xB1 && Byte <= 0xDD); }
bool IsVoiceable(unsigned Byte)
{
    return (Byte >= 0xB6 && Byte <= 0xC4) || IsHaRowKana(static_cast<unsigned char>(Byte));
}

// The Shift-JIS of a table literal, which must be Bytes long.
std::string TableTextOfLength(std::string_view Utf8, size_t Bytes)
{
    std::string text = TableText(Utf8);
    if (text.size() != Bytes)
        throw std::logic_error("conversion table literal of the wrong length");
    return text;
}

uint8_t HalfKanaValue(unsigned Byte, unsigned Mark)
{
    const unsigned markIndex = Mark == kVoicedMark ? 1 : Mark == kSemiVoicedMark ? 2 : 0;
    return static_cast<uint8_t>(Byte - 0xA6 + 56 * markIndex);
}

} // namespace

std::string TableText(std::string_view Utf8) { return Utf8ToSjis(Utf8); }

const std::array<SjisChar, 256>& HalfToFullTable()
{
    static const std::array<SjisChar, 256> table = [] {
        std::array<SjisChar, 256> result;
        for (unsigned byte = 0; byte < 256; ++byte)
            result[byte] = {1, {static_cast<char>(byte), 0}};
        const std::string ascii = TableTextOfLength(literals::FullWidthAscii, (0x7E - 0x20 + 1) * 2);
        for (unsigned byte = 0x20; byte <= 0x7E; ++byte)
            result[byte] = {2, {ascii[(byte - 0x20) * 2], ascii[(byte - 0x20) * 2 + 1]}};
        const std::string kana = TableTextOfLength(literals::FullWidthHalfKana, (0xDF - 0xA1 + 1) * 2);
        for (unsigned byte = 0xA1; byte <= 0xDF; ++byte)
            result[byte] = {2, {kana[(byte - 0xA1) * 2], kana[(byte - 0xA1) * 2 + 1]}};
        return result;
    }();
    return table;
}

const std::array<uint8_t, 256>& HalfKanaToJisTable()
{
    static const std::array<uint8_t, 256> table = [] {
        std::array<uint8_t, 256> result{};
        const auto& full = HalfToFullTable();
        for (unsigned byte = 0xA6; byte <= 0xDD; ++byte) {
            if (!HasKanaColumn(byte))
                continue;
            const unsigned column = SjisToJis(full[byte].Code()) & 0x7F;
            result[byte] = static_cast<uint8_t>(column | (IsVoiceable(byte) ? kVoiceable : 0));
        }
        return result;
    }();
    return table;
}

const std::array<uint8_t, kLastKanaColumn - kFirstKanaColumn + 1>& FullKanaToHalfTable()
{
    static const auto table = [] {
        std::array<uint8_t, kLastKanaColumn - kFirstKanaColumn + 1> result{};
        const auto& columns = HalfKanaToJisTable();
        for (unsigned byte = 0xA6; byte <= 0xDD; ++byte) {
            if (columns[byte] == 0)
                continue;
            const unsigned column = columns[byte] & 0x7F;
            result[column - kFirstKanaColumn] = HalfKanaValue(byte, 0);
            if (columns[byte] & kVoiceable)
                result[column + 1 - kFirstKanaColumn] = HalfKanaValue(byte, kVoicedMark);
            if (IsHaRowKana(static_cast<unsigned char>(byte)))
                result[column + 2 - kFirstKanaColumn] = HalfKanaValue(byte, kSemiVoicedMark);
        }
        const std::string irregular = TableText(literals::IrregularKana);
        const std::string half = TableText(literals::IrregularKanaHalf);
        for (size_t i = 0, h = 0; i + 1 < irregular.size() && h < half.size(); i += 2) {
            const auto byte = static_cast<unsigned char>(half[h++]);
            unsigned mark = 0;
            if (h < half.size() && static_cast<unsigned char>(half[h]) == kVoicedMark)
                mark = static_cast<unsigned char>(half[h++]);
            const unsigned column = SjisToJis(DbcsStrToWord(std::string_view(irregular).substr(i, 2))) & 0x7F;
            result[column - kFirstKanaColumn] = HalfKanaValue(byte, mark);
        }
        return result;
    }();
    return table;
}

const SymbolPairTable& SymbolPairs()
{
    static const SymbolPairTable pairs{TableTextOfLength(literals::SymbolsFull, kSymbolPairCount * 2),
                                       TableTextOfLength(literals::SymbolsHalf, kSymbolPairCount)};
    return pairs;
}

} // namespace textconv
