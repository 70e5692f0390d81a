#include "TextFileEncoding.h"

#include "Cp932.h"
#include "Files.h"
#include "ReadingCost.h"
#include "Sjis.h"
#include "SysUtils.h"
#include "Utf8.h"

#include <algorithm>
#include <langinfo.h>

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

// The UTF-16 units of Bytes, the byte-order mark of Encoding gone.
std::u16string Utf16Units(std::string_view Bytes, TTextEncoding Encoding)
{
    Bytes.remove_prefix(Utf16LeByteOrderMark.size());
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

std::optional<TTextEncoding> Utf16Encoding(std::string_view Bytes)
{
    for (const TTextEncoding encoding : {TTextEncoding::Utf16Le, TTextEncoding::Utf16Be}) {
        const std::string_view mark = IsBigEndian(encoding) ? Utf16BeByteOrderMark : Utf16LeByteOrderMark;
        if (Bytes.starts_with(mark))
            return Bytes.size() % 2 == 0 && IsUtf16Text(Utf16Units(Bytes, encoding)) ? std::optional(encoding)
                                                                                     : std::nullopt;
    }
    return std::nullopt;
}

} // namespace

std::optional<TTextEncoding> TextFileEncoding(std::string_view Bytes, TTextEncoding Likely)
{
    // Neither byte of a UTF-16 byte-order mark stands in UTF-8 or Shift-JIS.
    if (Bytes.starts_with(Utf16LeByteOrderMark) || Bytes.starts_with(Utf16BeByteOrderMark))
        return Utf16Encoding(Bytes);
    if (Bytes.find('\0') != std::string_view::npos)
        return std::nullopt;
    if (Bytes.starts_with(Utf8ByteOrderMark) && IsUtf8(Bytes))
        return TTextEncoding::Utf8;
    if (IsAscii(Bytes))
        return TTextEncoding::ShiftJis;
    const bool utf8 = IsUtf8(Bytes);
    const bool shiftJis = IsShiftJis(Bytes);
    if (utf8 && shiftJis) {
        const int utf8Cost = Utf8ReadingCost(Bytes), shiftJisCost = SjisReadingCost(Bytes);
        if (utf8Cost != shiftJisCost)
            return utf8Cost < shiftJisCost ? TTextEncoding::Utf8 : TTextEncoding::ShiftJis;
        return Likely == TTextEncoding::Utf8 ? TTextEncoding::Utf8 : TTextEncoding::ShiftJis;
    }
    if (utf8)
        return TTextEncoding::Utf8;
    if (shiftJis)
        return TTextEncoding::ShiftJis;
    return std::nullopt;
}

std::string SjisOfText(std::string_view Bytes, TTextEncoding Encoding, int& Unmapped)
{
    Unmapped = 0;
    switch (Encoding) {
    case TTextEncoding::ShiftJis: return std::string(Bytes);
    case TTextEncoding::Utf8:
        if (Bytes.starts_with(Utf8ByteOrderMark))
            Bytes.remove_prefix(Utf8ByteOrderMark.size());
        return Utf8ToSjis(Bytes, Unmapped);
    case TTextEncoding::Utf16Le:
    case TTextEncoding::Utf16Be: return Utf16ToSjis(Utf16Units(Bytes, Encoding), Unmapped);
    }
    return std::string(Bytes);
}

std::string ReadTextFile(const std::string& FileName, int& Unmapped)
{
    const std::string bytes = ReadFileBytes(FileName);
    const std::optional<TTextEncoding> encoding = TextFileEncoding(bytes);
    if (!encoding)
        throw EFOpenError("ファイル \"" + ShownPath(FileName)
                          + "\" は UTF-8 でも UTF-16 でも Shift-JIS でもないため、読み込めません。");
    return SjisOfText(bytes, *encoding, Unmapped);
}

std::string TextInEncoding(std::string_view Sjis, TTextEncoding Encoding)
{
    switch (Encoding) {
    case TTextEncoding::ShiftJis: break;
    case TTextEncoding::Utf8: return SjisToUtf8(Sjis);
    case TTextEncoding::Utf16Le:
    case TTextEncoding::Utf16Be: {
        std::string bytes(IsBigEndian(Encoding) ? Utf16BeByteOrderMark : Utf16LeByteOrderMark);
        for (const char16_t unit : SjisToUtf16(Sjis)) {
            const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
            bytes += IsBigEndian(Encoding) ? high : low;
            bytes += IsBigEndian(Encoding) ? low : high;
        }
        return bytes;
    }
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
