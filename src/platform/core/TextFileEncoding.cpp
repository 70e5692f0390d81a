#include "TextFileEncoding.h"

#include "Cp932.h"
#include "Sjis.h"

#include <algorithm>
#include <langinfo.h>

namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

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

bool IsAsciiLetter(std::string_view Bytes, size_t Pos)
{
    const char c = Pos < Bytes.size() ? Bytes[Pos] : '\0';
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// An accented Latin letter (Latin-1 Supplement, Latin Extended-A and -B),
// not the signs × and ÷.
bool IsAccentedLatinLetter(char32_t C) { return C >= 0xC0 && C <= 0x24F && C != 0xD7 && C != 0xF7; }

// What the UTF-8 reading of Bytes, well-formed as UTF-8 and as Shift-JIS,
// says of them. Shift-JIS half-width katakana read as UTF-8 give two-byte
// characters only, seldom a letter inside a word, and mostly characters
// Shift-JIS has no code for ("ﾃｽﾄｶ" gives "ýĶ"); text that was Shift-JIS
// before it was written in UTF-8 has none of those.
std::optional<TTextEncoding> Utf8ReadingSays(std::string_view Bytes)
{
    int latinInWords = 0;
    int otherTwoByte = 0;
    for (size_t pos = 0; pos < Bytes.size();) {
        const auto lead = static_cast<unsigned char>(Bytes[pos]);
        if (lead < 0x80) {
            ++pos;
            continue;
        }
        if (lead >= 0xE0)
            return TTextEncoding::Utf8;
        const char32_t c = (lead & 0x1Fu) << 6 | (static_cast<unsigned char>(Bytes[pos + 1]) & 0x3Fu);
        const bool inWord = IsAsciiLetter(Bytes, pos + 2) || (pos > 0 && IsAsciiLetter(Bytes, pos - 1));
        if (IsAccentedLatinLetter(c) && inWord)
            ++latinInWords;
        else
            ++otherTwoByte;
        pos += 2;
    }
    if (latinInWords > otherTwoByte)
        return TTextEncoding::Utf8;
    bool lossless = false;
    Utf8ToSjis(Bytes, &lossless);
    if (!lossless)
        return TTextEncoding::ShiftJis;
    return std::nullopt;
}

} // namespace

std::optional<TTextEncoding> TextFileEncoding(std::string_view Bytes, TTextEncoding Likely)
{
    if (Bytes.starts_with(ByteOrderMark) && IsUtf8(Bytes.substr(ByteOrderMark.size())))
        return TTextEncoding::Utf8;
    if (IsAscii(Bytes))
        return TTextEncoding::ShiftJis;
    const bool utf8 = IsUtf8(Bytes);
    const bool shiftJis = IsShiftJis(Bytes);
    if (utf8 && shiftJis)
        return Utf8ReadingSays(Bytes).value_or(Likely);
    if (utf8)
        return TTextEncoding::Utf8;
    if (shiftJis)
        return TTextEncoding::ShiftJis;
    return std::nullopt;
}

std::string SjisOfText(std::string_view Bytes, TTextEncoding Encoding, int& Unmapped)
{
    Unmapped = 0;
    if (Encoding == TTextEncoding::ShiftJis)
        return std::string(Bytes);
    if (Bytes.starts_with(ByteOrderMark))
        Bytes.remove_prefix(ByteOrderMark.size());
    return Utf8ToSjis(Bytes, Unmapped);
}

std::string SjisOfTextFile(std::string_view Bytes, int& Unmapped)
{
    return SjisOfText(Bytes, TextFileEncoding(Bytes).value_or(TTextEncoding::ShiftJis), Unmapped);
}

std::string TextInEncoding(std::string_view Sjis, TTextEncoding Encoding)
{
    return Encoding == TTextEncoding::Utf8 ? SjisToUtf8(Sjis) : std::string(Sjis);
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
