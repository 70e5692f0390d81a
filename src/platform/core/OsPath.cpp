#include "OsPath.h"

#include "Cp932.h"

#include <algorithm>
#include <optional>

namespace {

// Neither a lead nor a trail byte of Shift-JIS, so it never stands inside a
// two-byte character and no Shift-JIS text made from Unicode holds it.
constexpr char kEscape = '\xFD';
constexpr size_t kEscapeDigits = 4;

// C has a Shift-JIS code, and that code reads back as another character.
bool ReadsBackAsAnother(char16_t C)
{
    const std::u16string_view one(&C, 1);
    bool lossless = true;
    const std::string sjis = Utf16ToSjis(one, &lossless);
    return lossless && !sjis.empty() && SjisToUtf16(sjis) != one;
}

std::string Escaped(char16_t C)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string escape(1, kEscape);
    for (int shift = 12; shift >= 0; shift -= 4)
        escape += kDigits[C >> shift & 0xF];
    return escape;
}

// The character the escape at the start of Text stands for; nothing when
// Text does not start with one (a character that needs none is no escape,
// so each name has one form only).
std::optional<char16_t> EscapedChar(std::string_view Text)
{
    if (Text.size() < 1 + kEscapeDigits || Text.front() != kEscape)
        return std::nullopt;
    char16_t value = 0;
    for (const char digit : Text.substr(1, kEscapeDigits)) {
        const bool decimal = digit >= '0' && digit <= '9', hex = digit >= 'A' && digit <= 'F';
        if (!decimal && !hex)
            return std::nullopt;
        value = static_cast<char16_t>(value << 4 | (decimal ? digit - '0' : digit - 'A' + 10));
    }
    if (!ReadsBackAsAnother(value))
        return std::nullopt;
    return value;
}

// Bytes of the UTF-8 sequence that Lead starts (1 for a byte that starts
// none: the converter refuses it).
size_t SequenceLength(unsigned char Lead)
{
    if (Lead >= 0xF0 && Lead <= 0xF7)
        return 4;
    if (Lead >= 0xE0 && Lead <= 0xEF)
        return 3;
    if (Lead >= 0xC0 && Lead <= 0xDF)
        return 2;
    return 1;
}

// The character of a well-formed sequence of at most three bytes.
char16_t BmpCharOf(std::string_view Utf8)
{
    const auto byte = [&](size_t I) { return static_cast<char16_t>(static_cast<unsigned char>(Utf8[I])); };
    switch (Utf8.size()) {
    case 1: return byte(0);
    case 2: return static_cast<char16_t>((byte(0) & 0x1F) << 6 | (byte(1) & 0x3F));
    default: return static_cast<char16_t>((byte(0) & 0x0F) << 12 | (byte(1) & 0x3F) << 6 | (byte(2) & 0x3F));
    }
}

// FromOsPath one character at a time, for a name that does not come back
// whole from plain conversion.
std::string SjisNameOf(std::string_view OsName, bool& Lossless)
{
    std::string name;
    for (size_t pos = 0; pos < OsName.size();) {
        const size_t length = std::min(SequenceLength(static_cast<unsigned char>(OsName[pos])), OsName.size() - pos);
        const std::string_view one = OsName.substr(pos, length);
        pos += length;
        bool mapped = true;
        const std::string sjis = Utf8ToSjis(one, &mapped);
        if (mapped && SjisToUtf8(sjis) == one) {
            name += sjis;
        } else if (mapped && length <= 3 && ReadsBackAsAnother(BmpCharOf(one))) {
            name += Escaped(BmpCharOf(one));
        } else {
            name += '?';
            Lossless = false;
        }
    }
    return name;
}

} // namespace

std::string OsPath(std::string_view FileName)
{
    std::string os;
    size_t from = 0;
    for (size_t at = FileName.find(kEscape); at != std::string_view::npos; at = FileName.find(kEscape, at + 1)) {
        const std::optional<char16_t> c = EscapedChar(FileName.substr(at));
        if (!c)
            continue;
        os += SjisToUtf8(FileName.substr(from, at - from));
        AppendUtf8(os, *c);
        from = at + 1 + kEscapeDigits;
        at = from - 1;
    }
    return os + SjisToUtf8(FileName.substr(from));
}

std::string FromOsPath(std::string_view OsName, bool* Lossless)
{
    bool lossless = true;
    std::string name = Utf8ToSjis(OsName, &lossless);
    if (!lossless || SjisToUtf8(name) != OsName) {
        lossless = true;
        name = SjisNameOf(OsName, lossless);
    }
    if (Lossless)
        *Lossless = lossless;
    return name;
}

bool IsTextName(std::string_view FileName) { return OsPath(FileName) == SjisToUtf8(FileName); }
