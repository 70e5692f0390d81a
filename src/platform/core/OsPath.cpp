#include "OsPath.h"

#include "Cp932.h"
#include "Utf8.h"

#include <optional>

namespace {

// Neither a lead nor a trail byte of Shift-JIS, so it never stands inside a
// two-byte character and no Shift-JIS text made from Unicode holds it.
constexpr char kEscape = '\xFD';
constexpr size_t kEscapeDigits = 4;
// A byte B that is no part of a UTF-8 character is escaped as the code
// kRawByteBase + B; only bytes from 0x80 can be such bytes.
constexpr char16_t kRawByteBase = 0xDC00;
constexpr char16_t kFirstRawByte = kRawByteBase + 0x80, kLastRawByte = kRawByteBase + 0xFF;

bool IsRawByte(char16_t Code) { return Code >= kFirstRawByte && Code <= kLastRawByte; }

// C has a Shift-JIS code, and that code reads back as another character.
bool ReadsBackAsAnother(char32_t C)
{
    if (C > 0xFFFF)
        return false;
    const char16_t c16 = static_cast<char16_t>(C);
    const std::u16string_view one(&c16, 1);
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

// The code the escape at the start of Text stands for: a character or a
// byte; nothing when Text does not start with one (a character that needs
// none is no escape, so each name has one form only).
std::optional<char16_t> EscapedCode(std::string_view Text)
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
    if (!IsRawByte(value) && !ReadsBackAsAnother(value))
        return std::nullopt;
    return value;
}

// Calls Visit(code, escape length) at each escape of FileName and
// Plain(text) for the Shift-JIS text between them.
template <typename TPlain, typename TVisit>
void WalkEscapes(std::string_view FileName, TPlain Plain, TVisit Visit)
{
    size_t from = 0;
    for (size_t at = FileName.find(kEscape); at != std::string_view::npos; at = FileName.find(kEscape, at + 1)) {
        const std::optional<char16_t> code = EscapedCode(FileName.substr(at));
        if (!code)
            continue;
        Plain(FileName.substr(from, at - from));
        Visit(*code);
        from = at + 1 + kEscapeDigits;
        at = from - 1;
    }
    Plain(FileName.substr(from));
}

// How the program keeps one piece of a system name: a character as its
// Shift-JIS code, a look-alike or a stray byte as an escape; nothing for
// a character Shift-JIS has no code for.
struct TNamePiece {
    std::string_view Os;
    std::optional<std::string> Sjis;
};
TNamePiece NamePieceAt(std::string_view OsName)
{
    size_t length = 0;
    const std::optional<char32_t> c = NextUtf8(OsName, length);
    const std::string_view os = OsName.substr(0, length);
    if (!c)
        return {os, Escaped(static_cast<char16_t>(kRawByteBase + static_cast<unsigned char>(OsName.front())))};
    bool mapped = true;
    std::string sjis = Utf8ToSjis(os, &mapped);
    if (mapped && SjisToUtf8(sjis) == os)
        return {os, std::move(sjis)};
    if (mapped && ReadsBackAsAnother(*c))
        return {os, Escaped(static_cast<char16_t>(*c))};
    return {os, std::nullopt};
}

// Calls Visit for each piece of a system name that does not convert whole.
template <typename TVisit>
void WalkNamePieces(std::string_view OsName, TVisit Visit)
{
    for (size_t pos = 0; pos < OsName.size();) {
        const TNamePiece piece = NamePieceAt(OsName.substr(pos));
        pos += piece.Os.size();
        Visit(piece);
    }
}

// OsName converts to Shift-JIS and back unchanged, with no escape.
bool ConvertsWhole(std::string_view OsName, std::string& Sjis)
{
    bool lossless = true;
    Sjis = Utf8ToSjis(OsName, &lossless);
    return lossless && SjisToUtf8(Sjis) == OsName;
}

void AddOnce(std::string& Characters, std::string_view C)
{
    if (Characters.find(C) == std::string::npos)
        Characters += C;
}

} // namespace

std::string OsPath(std::string_view FileName)
{
    std::string os;
    WalkEscapes(
        FileName, [&](std::string_view Plain) { os += SjisToUtf8(Plain); },
        [&](char16_t Code) {
            if (IsRawByte(Code))
                os += static_cast<char>(Code - kRawByteBase);
            else
                AppendUtf8(os, Code);
        });
    return os;
}

std::string FromOsPath(std::string_view OsName, bool* Lossless)
{
    std::string name;
    bool lossless = true;
    if (!ConvertsWhole(OsName, name)) {
        name.clear();
        WalkNamePieces(OsName, [&](const TNamePiece& Piece) {
            name += Piece.Sjis.value_or("?");
            lossless = lossless && Piece.Sjis;
        });
    }
    if (Lossless)
        *Lossless = lossless;
    return name;
}

std::string CharactersWithoutShiftJis(std::string_view OsName)
{
    std::string characters;
    std::string sjis;
    if (!ConvertsWhole(OsName, sjis))
        WalkNamePieces(OsName, [&](const TNamePiece& Piece) {
            if (!Piece.Sjis)
                AddOnce(characters, Piece.Os);
        });
    return characters;
}

std::string ReadableName(std::string_view FileName)
{
    std::string name;
    WalkEscapes(
        FileName, [&](std::string_view Plain) { name += Plain; },
        [&](char16_t Code) {
            const char byte = static_cast<char>(Code - kRawByteBase);
            // A stray escape byte would make an escape of what follows it.
            name += !IsRawByte(Code) ? Escaped(Code) : byte == kEscape ? "?" : std::string(1, byte);
        });
    return name;
}

std::string ShownPath(std::string_view FileName) { return OsPath(ReadableName(FileName)); }

std::string ShownOsPath(std::string_view OsName)
{
    std::string shown, held;
    WalkNamePieces(OsName, [&](const TNamePiece& Piece) {
        if (Piece.Sjis) {
            held += *Piece.Sjis;
            return;
        }
        shown += ShownPath(held) + std::string(Piece.Os);
        held.clear();
    });
    return shown + ShownPath(held);
}

bool IsTextName(std::string_view FileName) { return OsPath(FileName) == SjisToUtf8(FileName); }

TEscapedParts EscapedParts(std::string_view FileName)
{
    TEscapedParts parts;
    WalkEscapes(
        FileName, [](std::string_view) {},
        [&](char16_t Code) {
            if (IsRawByte(Code)) {
                parts.BytesNotUtf8 = true;
                return;
            }
            std::string c;
            AppendUtf8(c, Code);
            AddOnce(parts.LookAlikeCharacters, c);
        });
    return parts;
}
