#include "TextFileEncoding.h"

#include "CombiningMarks.h"
#include "Cp932.h"
#include "DamagedUtf8.h"
#include "EucJp.h"
#include "LikelierReading.h"
#include "MixedLines.h"
#include "ReadingCost.h"
#include "Sjis.h"
#include "SysUtils.h"
#include "Utf8.h"
#include "WesternText.h"

#include <algorithm>
#include <array>
#include <langinfo.h>
#include <limits>

namespace {

constexpr std::string_view Utf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view Utf16LeByteOrderMark = "\xFF\xFE", Utf16BeByteOrderMark = "\xFE\xFF";

bool IsAscii(std::string_view Bytes)
{
    return std::all_of(Bytes.begin(), Bytes.end(), [](char C) { return static_cast<unsigned char>(C) < 0x80; });
}

bool IsShiftJis(std::string_view Bytes)
{
    for (sjis::CharCursor c(Bytes); !c.AtEnd(); c.Next())
        if (SjisCharToUtf16(c.Code()) == u'\uFFFD')
            return false;
    return true;
}

bool IsBigEndian(TTextEncoding Encoding) { return Encoding == TTextEncoding::Utf16Be; }

std::string_view ByteOrderMark(TTextEncoding Encoding)
{
    return IsBigEndian(Encoding) ? Utf16BeByteOrderMark : Utf16LeByteOrderMark;
}

// The UTF-16 units of Bytes in Encoding's byte order.
std::u16string Utf16Units(std::string_view Bytes, TTextEncoding Encoding)
{
    const int high = IsBigEndian(Encoding) ? 0 : 1;
    std::u16string units(Bytes.size() / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i)
        units[i] = static_cast<char16_t>(static_cast<unsigned char>(Bytes[2 * i + high]) << 8
                                         | static_cast<unsigned char>(Bytes[2 * i + 1 - high]));
    return units;
}

// Whole units, every surrogate paired, no NUL.
bool IsUtf16Text(std::u16string_view Units)
{
    for (size_t i = 0; i < Units.size(); ++i) {
        const char16_t unit = Units[i];
        if (unit == 0 || (unit >= 0xDC00 && unit <= 0xDFFF))
            return false;
        if (unit >= 0xD800 && unit <= 0xDBFF && !(++i < Units.size() && Units[i] >= 0xDC00 && Units[i] <= 0xDFFF))
            return false;
    }
    return true;
}

TTextJudgement Utf16WithMark(std::string_view Bytes)
{
    const TTextEncoding encoding =
        Bytes.starts_with(Utf16BeByteOrderMark) ? TTextEncoding::Utf16Be : TTextEncoding::Utf16Le;
    if (Bytes.size() % 2 == 0 && IsUtf16Text(Utf16Units(Bytes.substr(ByteOrderMark(encoding).size()), encoding)))
        return {.Encoding = encoding};
    return {.Finding = TTextFinding::BrokenUtf16};
}

// UTF-16 without its byte-order mark, told by its line ends: in one byte
// order every LF byte is a line end of UTF-16 (0A 00 or 00 0A), and there
// is one; text of 8 bits puts no NUL beside its line ends.
std::optional<TTextEncoding> Utf16WithoutMark(std::string_view Bytes)
{
    const size_t firstLf = Bytes.find('\n');
    if (firstLf == std::string_view::npos || Bytes.size() % 2 != 0)
        return std::nullopt;
    const TTextEncoding encoding = firstLf % 2 == 0 ? TTextEncoding::Utf16Le : TTextEncoding::Utf16Be;
    if (Bytes[firstLf % 2 == 0 ? firstLf + 1 : firstLf - 1] != '\0')
        return std::nullopt;
    const std::u16string units = Utf16Units(Bytes, encoding);
    if (!IsUtf16Text(units)
        || std::count(units.begin(), units.end(), u'\n') != std::count(Bytes.begin(), Bytes.end(), '\n'))
        return std::nullopt;
    return encoding;
}

// Control codes text does not hold, NUL among them. Tab, line ends, form
// feed, backspace (overstruck manual pages), escape (coloured logs, JIS
// code) and the old end-of-file mark are text.
constexpr std::array<bool, 256> kBinaryControls = [] {
    std::array<bool, 256> controls{};
    for (int byte = 0; byte < 0x20; ++byte)
        controls[static_cast<size_t>(byte)] =
            std::string_view("\t\n\r\f\b\x1A\x1B").find(static_cast<char>(byte)) == std::string_view::npos;
    controls[0x7F] = true;
    return controls;
}();

struct TControlCount {
    size_t Nuls = 0, Controls = 0;
};

TControlCount CountBinaryControls(std::string_view Bytes)
{
    TControlCount count;
    for (const char c : Bytes) {
        count.Nuls += c == '\0';
        count.Controls += kBinaryControls[static_cast<unsigned char>(c)];
    }
    return count;
}

// What Bytes are when they are no text: a binary format, told by the mark
// it starts with and a NUL or a control code after it (a text may start
// with the same characters: "GIF89a の仕様メモ", "PK\x03\x04" in Shift-JIS);
// or bytes with NULs and control codes in numbers (executables and
// UTF-16 are full of NULs; compressed data holds every byte value alike).
// A page may hold some, and so may the files the program writes of it: a
// few dozen are text whatever their share, as binary files hold far more.
std::optional<std::string_view> BinaryKind(std::string_view Bytes)
{
    struct TMark {
        std::string_view Bytes, What;
    };
    // clang-format off
    static constexpr TMark marks[] = {
        {"\x89PNG", "PNG 画像"}, {"\xFF\xD8\xFF", "JPEG 画像"}, {"GIF87a", "GIF 画像"}, {"GIF89a", "GIF 画像"},
        {"%PDF-", "PDF 文書"},
        {"\x7F" "ELF", "実行ファイル"},
        {"\x1F\x8B", "gzip の圧縮ファイル"}, {"PK\x03\x04", "zip の書庫"}, {"\xFD" "7zXZ", "xz の圧縮ファイル"},
        {"7z\xBC\xAF\x27\x1C", "7-Zip の書庫"}, {"\x28\xB5\x2F\xFD", "zstd の圧縮ファイル"},
        {"BZh91AY&SY", "bzip2 の圧縮ファイル"},
    };
    // clang-format on
    const auto [nuls, controls] = CountBinaryControls(Bytes);
    for (const TMark& mark : marks)
        if (Bytes.starts_with(mark.Bytes) && controls > CountBinaryControls(mark.Bytes).Controls)
            return mark.What;
    constexpr size_t kFewNuls = 16, kFewControls = 64;
    if ((nuls >= kFewNuls && nuls * 16 >= Bytes.size()) || (controls >= kFewControls && controls * 32 >= Bytes.size()))
        return "NUL や制御コードを多く含むファイル";
    return std::nullopt;
}

size_t LineOf(std::string_view Bytes, size_t Pos)
{
    return static_cast<size_t>(std::count(Bytes.begin(), Bytes.begin() + static_cast<ptrdiff_t>(Pos), '\n')) + 1;
}

// The part of Bytes another reading is weighed against Shift-JIS on: its
// start, when it is long. A reading far likelier for the first 16 KiB, some
// thousands of characters, is so for the whole; the structure was checked
// over the whole. The start ends at a byte below 0x40, which ends a
// character in every reading.
std::string_view WeighedStart(std::string_view Bytes)
{
    constexpr size_t kStartBytes = 1 << 14;
    if (Bytes.size() <= kStartBytes)
        return Bytes;
    const auto ending = std::find_if(Bytes.begin() + kStartBytes, Bytes.end(),
                                     [](char C) { return static_cast<unsigned char>(C) < 0x40; });
    return Bytes.substr(0, static_cast<size_t>(ending - Bytes.begin()) + 1);
}

// OtherCost is the cost of another reading of Bytes than Shift-JIS byte
// for byte; that reading is the likelier by FarBits or more.
bool FarLikelierThanShiftJis(std::string_view Bytes, int64_t OtherCost, int64_t FarBits)
{
    return SjisReadingCost(Bytes, OtherCost + FarBits) >= OtherCost + FarBits;
}

// A run of bytes no UTF-8 sequence holds is as unlikely in UTF-8 text as a
// byte with no Unicode form is in Shift-JIS; and UTF-8 with such runs must
// be far the likelier, so Shift-JIS that happens to hold UTF-8 stays
// Shift-JIS.
bool LikelierAsDamagedUtf8(std::string_view Bytes)
{
    constexpr int64_t kGapBits = 24, kFarBits = 32;
    size_t gaps = 0;
    const std::string readable = ReadableUtf8(Bytes, gaps);
    return FarLikelierThanShiftJis(Bytes, Utf8ReadingCost(readable) + static_cast<int64_t>(gaps) * kGapBits, kFarBits);
}

bool LikelierAsEucJp(std::string_view Bytes)
{
    constexpr int64_t kFarBits = 16;
    int unmapped = 0;
    return FarLikelierThanShiftJis(
        Bytes, SjisReadingCost(SjisOfEucJp(Bytes, unmapped), std::numeric_limits<int64_t>::max()), kFarBits);
}

bool LikelierAsWestern(std::string_view Bytes)
{
    return FarLikelierThanShiftJis(Bytes, Utf8ReadingCost(Utf8OfWindows1252(Bytes)), 1);
}

TTextJudgement JudgeNotUtf8(std::string_view Bytes, const TUtf8Damage& Damage, TTextEncoding Expected,
                            TEncodingKnown Known)
{
    constexpr TTextEncoding shiftJis = TTextEncoding::ShiftJis;
    if (Known == TEncodingKnown::Written && Expected == shiftJis && IsShiftJis(Bytes))
        return {.Encoding = shiftJis};
    const std::string_view start = WeighedStart(Bytes);
    if (Damage.Few && LikelierAsDamagedUtf8(start))
        return {.Encoding = TTextEncoding::Utf8,
                .Finding = TTextFinding::UnreadableBytes,
                .Unreadable = Damage.Unreadable,
                .Line = LineOf(Bytes, Damage.FirstUnreadable)};
    if (IsEucJpWithKana(Bytes) && LikelierAsEucJp(start))
        return {.Encoding = TTextEncoding::EucJp};
    if (const size_t line = FirstUtf8Line(Bytes))
        return {.Encoding = shiftJis, .Finding = TTextFinding::MixedLines, .Line = line};
    if (LooksWestern(Bytes) && LikelierAsWestern(start))
        return {.Encoding = shiftJis, .Finding = TTextFinding::Western};
    return {.Encoding = shiftJis};
}

std::optional<TTextEncoding> Utf8Encoding(std::string_view Bytes, TTextEncoding Expected, TEncodingKnown Known)
{
    if (Bytes.starts_with(Utf8ByteOrderMark))
        return TTextEncoding::Utf8;
    if (Known == TEncodingKnown::Written && (Expected == TTextEncoding::Utf8 || IsShiftJis(Bytes)))
        return Expected;
    return LikelierReading(Bytes, Expected);
}

// The UTF-16 of UTF-8 Bytes, each byte no UTF-8 sequence holds made "〓".
std::u16string Utf16OfUtf8(std::string_view Bytes)
{
    std::u16string units;
    units.reserve(Bytes.size());
    for (size_t pos = 0; pos < Bytes.size();) {
        const char32_t c = NextUtf8(Bytes, pos).value_or(U'〓');
        if (c < 0x10000) {
            units += static_cast<char16_t>(c);
        } else {
            units += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            units += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }
    return units;
}

std::string SjisOfUnicode(std::u16string Units, int& Unmapped)
{
    ComposeMarks(Units);
    return Utf16ToSjis(Units, Unmapped);
}

// UTF-8 Bytes as Shift-JIS a piece at a time, so the UTF-16 in between
// stays small: each piece ends before an ASCII byte, which ends a
// character and is no mark to join to it.
std::string SjisOfUtf8(std::string_view Bytes, int& Unmapped)
{
    constexpr size_t kPieceBytes = 1 << 16;
    std::string sjis;
    sjis.reserve(Bytes.size());
    for (size_t start = 0; start < Bytes.size();) {
        size_t end = std::min(start + kPieceBytes, Bytes.size());
        while (end < Bytes.size() && static_cast<unsigned char>(Bytes[end]) >= 0x80)
            ++end;
        int unmapped = 0;
        sjis += SjisOfUnicode(Utf16OfUtf8(Bytes.substr(start, end - start)), unmapped);
        Unmapped += unmapped;
        start = end;
    }
    return sjis;
}

} // namespace

TTextJudgement JudgeTextFile(std::string_view Bytes, TTextEncoding Expected, TEncodingKnown Known)
{
    // Neither byte of a UTF-16 byte-order mark stands in UTF-8 or Shift-JIS.
    if (Bytes.starts_with(Utf16LeByteOrderMark) || Bytes.starts_with(Utf16BeByteOrderMark))
        return Utf16WithMark(Bytes);
    if (const std::optional<TTextEncoding> utf16 = Utf16WithoutMark(Bytes))
        return {.Encoding = utf16, .Finding = TTextFinding::NoByteOrderMark};
    if (const std::optional<std::string_view> what = BinaryKind(Bytes))
        return {.Finding = TTextFinding::Binary, .What = *what};
    if (IsAscii(Bytes))
        return {.Encoding = Bytes.find('\x1B') != std::string_view::npos && EucJpOfIso2022Jp(Bytes)
                                ? TTextEncoding::Iso2022Jp
                                : TTextEncoding::ShiftJis};
    const TUtf8Damage damage = Utf8Damage(Bytes);
    if (damage.Unreadable == 0)
        return {.Encoding = Utf8Encoding(Bytes, Expected, Known)};
    return JudgeNotUtf8(Bytes, damage, Expected, Known);
}

std::optional<TTextEncoding> TextFileEncoding(std::string_view Bytes, TTextEncoding Expected, TEncodingKnown Known)
{
    return JudgeTextFile(Bytes, Expected, Known).Encoding;
}

std::string SjisOfText(std::string_view Bytes, TTextEncoding Encoding, int& Unmapped)
{
    Unmapped = 0;
    switch (Encoding) {
    case TTextEncoding::ShiftJis: break;
    case TTextEncoding::Utf8:
        if (Bytes.starts_with(Utf8ByteOrderMark))
            Bytes.remove_prefix(Utf8ByteOrderMark.size());
        return SjisOfUtf8(Bytes, Unmapped);
    case TTextEncoding::Utf16Le:
    case TTextEncoding::Utf16Be:
        if (Bytes.starts_with(ByteOrderMark(Encoding)))
            Bytes.remove_prefix(ByteOrderMark(Encoding).size());
        return SjisOfUnicode(Utf16Units(Bytes, Encoding), Unmapped);
    case TTextEncoding::EucJp: return SjisOfEucJp(Bytes, Unmapped);
    case TTextEncoding::Iso2022Jp: return SjisOfEucJp(EucJpOfIso2022Jp(Bytes).value_or(std::string(Bytes)), Unmapped);
    }
    return std::string(Bytes);
}

std::string TextInEncoding(std::string_view Sjis, TTextEncoding Encoding)
{
    switch (Encoding) {
    case TTextEncoding::ShiftJis: break;
    case TTextEncoding::Utf8: return SjisToUtf8(Sjis);
    case TTextEncoding::Utf16Le:
    case TTextEncoding::Utf16Be: {
        std::string bytes(ByteOrderMark(Encoding));
        for (const char16_t unit : SjisToUtf16(Sjis)) {
            const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
            bytes += IsBigEndian(Encoding) ? high : low;
            bytes += IsBigEndian(Encoding) ? low : high;
        }
        return bytes;
    }
    case TTextEncoding::EucJp:
    case TTextEncoding::Iso2022Jp: throw EInvalidOperation("The program writes no EUC-JP or ISO-2022-JP");
    }
    return std::string(Sjis);
}

TTextEncoding EncodingOfCodeset(std::string_view Codeset)
{
    std::string name = sjis::UpperAscii(Codeset);
    std::erase_if(name, [](char C) { return C == '-' || C == '_'; });
    for (const std::string_view shiftJis : {"SHIFTJIS", "SJIS", "CP932", "WINDOWS31J", "MSKANJI"})
        if (name == shiftJis)
            return TTextEncoding::ShiftJis;
    return TTextEncoding::Utf8;
}

TTextEncoding LocaleTextEncoding() { return EncodingOfCodeset(nl_langinfo(CODESET)); }
