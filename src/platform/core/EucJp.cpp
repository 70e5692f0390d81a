#include "EucJp.h"

#include "Cp932.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iconv.h>
#include <memory>

namespace {

constexpr size_t kCells = 94;

constexpr bool IsEucByte(unsigned char Byte) { return Byte >= 0xA1 && Byte <= 0xFE; }
constexpr bool IsEucKana(unsigned char Byte) { return Byte >= 0xA1 && Byte <= 0xDF; }

// The Shift-JIS code (sjis::CharCode) of every character of JIS X 0208 and
// JIS X 0212 as EUC-JP writes it, by row and cell from 0; 0 for none.
struct TEucTables {
    std::array<uint16_t, kCells * kCells> Jis0208{}, Jis0212{};
};

char16_t DecodedUnit(iconv_t Decoder, std::string_view Bytes)
{
    iconv(Decoder, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(Bytes.data());
    size_t inLeft = Bytes.size();
    char out[8];
    char* outPos = out;
    size_t outLeft = sizeof out;
    if (iconv(Decoder, &in, &inLeft, &outPos, &outLeft) == static_cast<size_t>(-1) || inLeft != 0
        || outLeft != sizeof out - 2)
        return 0;
    return static_cast<char16_t>(static_cast<unsigned char>(out[0]) | static_cast<unsigned char>(out[1]) << 8);
}

std::unique_ptr<TEucTables> BuildTables()
{
    auto tables = std::make_unique<TEucTables>();
    iconv_t decoder = iconv_open("UTF-16LE", "EUC-JP-MS");
    if (decoder == reinterpret_cast<iconv_t>(-1))
        decoder = iconv_open("UTF-16LE", "EUC-JP");
    if (decoder == reinterpret_cast<iconv_t>(-1))
        return tables;
    for (size_t row = 0; row < kCells; ++row)
        for (size_t cell = 0; cell < kCells; ++cell) {
            const char pair[] = {static_cast<char>(0xA1 + row), static_cast<char>(0xA1 + cell)};
            const char triple[] = {'\x8F', pair[0], pair[1]};
            tables->Jis0208[row * kCells + cell] = SjisCodeOf(DecodedUnit(decoder, {pair, 2}));
            tables->Jis0212[row * kCells + cell] = SjisCodeOf(DecodedUnit(decoder, {triple, 3}));
        }
    iconv_close(decoder);
    return tables;
}

const TEucTables& Tables()
{
    static const std::unique_ptr<TEucTables> tables = BuildTables();
    return *tables;
}

void AppendCode(std::string& Out, uint16_t Code, int& Unmapped)
{
    if (Code == 0) {
        Out += '?';
        ++Unmapped;
        return;
    }
    if (Code > 0xFF)
        Out += static_cast<char>(Code >> 8);
    Out += static_cast<char>(Code & 0xFF);
}

// The length of the EUC-JP character at Pos; 0 when none starts there.
size_t EucCharLen(std::string_view Bytes, size_t Pos)
{
    const auto byte = [&](size_t I) { return static_cast<unsigned char>(I < Bytes.size() ? Bytes[I] : '\0'); };
    const unsigned char lead = byte(Pos);
    if (lead < 0x80)
        return 1;
    if (lead == 0x8E)
        return IsEucKana(byte(Pos + 1)) ? 2 : 0;
    if (lead == 0x8F)
        return IsEucByte(byte(Pos + 1)) && IsEucByte(byte(Pos + 2)) ? 3 : 0;
    return IsEucByte(lead) && IsEucByte(byte(Pos + 1)) ? 2 : 0;
}

size_t CellIndex(std::string_view Pair)
{
    return (static_cast<unsigned char>(Pair[0]) - 0xA1u) * kCells + (static_cast<unsigned char>(Pair[1]) - 0xA1u);
}

} // namespace

bool IsEucJpWithKana(std::string_view Bytes)
{
    constexpr size_t kFewestKana = 2;
    size_t kana = 0;
    for (size_t pos = 0; pos < Bytes.size();) {
        const size_t len = EucCharLen(Bytes, pos);
        if (len == 0)
            return false;
        const auto lead = static_cast<unsigned char>(Bytes[pos]);
        kana += len == 2 && (lead == 0xA4 || lead == 0xA5);
        pos += len;
    }
    return kana >= kFewestKana;
}

std::string SjisOfEucJp(std::string_view Bytes, int& Unmapped)
{
    const TEucTables& tables = Tables();
    std::string result;
    result.reserve(Bytes.size());
    Unmapped = 0;
    for (size_t pos = 0; pos < Bytes.size();) {
        const size_t len = EucCharLen(Bytes, pos);
        const auto lead = static_cast<unsigned char>(Bytes[pos]);
        if (len == 0) {
            // Not EUC-JP: a byte of its own.
            AppendCode(result, 0, Unmapped);
            ++pos;
            continue;
        }
        if (len == 1) {
            result += Bytes[pos];
        } else if (len == 2 && lead == 0x8E) {
            result += Bytes[pos + 1];
        } else if (len == 2) {
            AppendCode(result, tables.Jis0208[CellIndex(Bytes.substr(pos, 2))], Unmapped);
        } else {
            AppendCode(result, tables.Jis0212[CellIndex(Bytes.substr(pos + 1, 2))], Unmapped);
        }
        pos += len;
    }
    return result;
}

std::optional<std::string> EucJpOfIso2022Jp(std::string_view Bytes)
{
    enum class TSet { Ascii, Kana, Jis0208, Jis0212 };
    static constexpr struct {
        std::string_view Escape;
        TSet Set;
    } escapes[] = {
        {"\x1B(B", TSet::Ascii},   {"\x1B(J", TSet::Ascii},   {"\x1B(I", TSet::Kana},
        {"\x1B$B", TSet::Jis0208}, {"\x1B$@", TSet::Jis0208}, {"\x1B$(D", TSet::Jis0212},
    };
    std::string euc;
    euc.reserve(Bytes.size());
    TSet set = TSet::Ascii;
    bool jis0208 = false;
    for (size_t pos = 0; pos < Bytes.size();) {
        const auto byte = static_cast<unsigned char>(Bytes[pos]);
        if (byte == 0x1B) {
            const auto escape = std::find_if(std::begin(escapes), std::end(escapes),
                                             [&](const auto& E) { return Bytes.substr(pos).starts_with(E.Escape); });
            if (escape == std::end(escapes))
                return std::nullopt;
            set = escape->Set;
            jis0208 = jis0208 || set == TSet::Jis0208;
            pos += escape->Escape.size();
            continue;
        }
        if (byte >= 0x80)
            return std::nullopt;
        if (byte == '\r' || byte == '\n')
            set = TSet::Ascii;
        if (set == TSet::Ascii) {
            euc += static_cast<char>(byte);
            ++pos;
            continue;
        }
        if (set == TSet::Kana) {
            if (byte < 0x21 || byte > 0x5F)
                return std::nullopt;
            euc += '\x8E';
            euc += static_cast<char>(byte | 0x80);
            ++pos;
            continue;
        }
        const auto trail = pos + 1 < Bytes.size() ? static_cast<unsigned char>(Bytes[pos + 1]) : 0;
        if (byte < 0x21 || byte > 0x7E || trail < 0x21 || trail > 0x7E)
            return std::nullopt;
        if (set == TSet::Jis0212)
            euc += '\x8F';
        euc += static_cast<char>(byte | 0x80);
        euc += static_cast<char>(trail | 0x80);
        pos += 2;
    }
    if (!jis0208)
        return std::nullopt;
    return euc;
}
