#include "TextFileEncoding.h"

#include "Cp932.h"
#include "Files.h"
#include "LikelierReading.h"
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

// What no text file holds: the marks binary formats start with, or NULs
// and control codes in numbers (executables and UTF-16 without its mark are
// full of NULs; compressed data holds every byte value alike). A page may
// hold some, and so may the files the program writes of it: a few dozen
// are text whatever their share, as binary files hold far more.
bool IsBinary(std::string_view Bytes)
{
    // clang-format off
    static constexpr std::string_view marks[] = {
        "\x89PNG", "\xFF\xD8\xFF", "GIF87a", "GIF89a", "%PDF-",          // images, documents
        "\x7F" "ELF",                                                    // programs
        "\x1F\x8B", "PK\x03\x04", "\xFD" "7zXZ", "7z\xBC\xAF\x27\x1C",   // gzip, zip, xz, 7-Zip
        "\x28\xB5\x2F\xFD", "BZh91AY&SY",                                // zstd, bzip2
    };
    // clang-format on
    for (const std::string_view mark : marks)
        if (Bytes.starts_with(mark))
            return true;
    size_t nuls = 0, controls = 0;
    for (const char c : Bytes) {
        const auto byte = static_cast<unsigned char>(c);
        nuls += byte == 0;
        // Tab, line ends, form feed, backspace (overstruck manual pages),
        // escape (coloured logs) and the old end-of-file mark are text.
        controls +=
            (byte < 0x20 && std::string_view("\t\n\r\f\b\x1A\x1B").find(c) == std::string_view::npos) || byte == 0x7F;
    }
    constexpr size_t kFewNuls = 16, kFewControls = 64;
    return (nuls >= kFewNuls && nuls * 16 >= Bytes.size())
           || (controls >= kFewControls && controls * 32 >= Bytes.size());
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

std::optional<TTextEncoding> TextFileEncoding(std::string_view Bytes, TTextEncoding Expected, TEncodingKnown Known)
{
    // Neither byte of a UTF-16 byte-order mark stands in UTF-8 or Shift-JIS.
    if (Bytes.starts_with(Utf16LeByteOrderMark) || Bytes.starts_with(Utf16BeByteOrderMark))
        return Utf16Encoding(Bytes);
    if (IsBinary(Bytes))
        return std::nullopt;
    if (IsAscii(Bytes) || !IsUtf8(Bytes))
        return TTextEncoding::ShiftJis;
    if (Bytes.starts_with(Utf8ByteOrderMark))
        return TTextEncoding::Utf8;
    if (Known == TEncodingKnown::Written && (Expected == TTextEncoding::Utf8 || IsShiftJis(Bytes)))
        return Expected;
    return LikelierReading(Bytes, Expected);
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
