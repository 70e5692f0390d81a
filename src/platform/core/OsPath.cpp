#include "OsPath.h"

#include "Cp932.h"
#include "Sjis.h"
#include "TextFileEncoding.h"
#include "Utf8.h"

#include <optional>

namespace {

// Neither a lead nor a trail byte of Shift-JIS, so it never stands inside a
// two-byte character and no Shift-JIS text made from Unicode holds it.
constexpr char kEscape = '\xFD';
constexpr size_t kEscapeDigits = 4;
// A byte B of a part kept by its bytes is escaped as the code
// kRawByteBase + B; only bytes from 0x80 are escaped so.
constexpr char16_t kRawByteBase = 0xDC00;
constexpr char16_t kFirstRawByte = kRawByteBase + 0x80, kLastRawByte = kRawByteBase + 0xFF;

bool IsRawByte(char16_t Code) { return Code >= kFirstRawByte && Code <= kLastRawByte; }

// C has a Shift-JIS code, and that code reads back as another character.
bool ReadsBackAsAnother(char32_t C)
{
    const uint16_t code = SjisCodeOf(C);
    return code != 0 && SjisCharToUtf16(code) != C;
}

void AppendEscaped(std::string& Name, char16_t C)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    Name += kEscape;
    for (int shift = 12; shift >= 0; shift -= 4)
        Name += kDigits[C >> shift & 0xF];
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

// Calls Visit(code) at each escape of FileName and Plain(text) for the
// Shift-JIS text between them.
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

// Calls Visit(part) for each part of Path between two "/". No escape and
// no Shift-JIS character holds the byte "/".
template <typename TVisit>
void ForEachPart(std::string_view Path, TVisit Visit)
{
    for (size_t from = 0;;) {
        const size_t slash = Path.find('/', from);
        Visit(Path.substr(from, slash - from));
        if (slash == std::string_view::npos)
            return;
        from = slash + 1;
    }
}

// Path with each part made into Map(part).
template <typename TMap>
std::string MapParts(std::string_view Path, TMap Map)
{
    std::string mapped;
    ForEachPart(Path, [&](std::string_view Part) {
        if (Part.data() != Path.data())
            mapped += '/';
        mapped += Map(Part);
    });
    return mapped;
}

// Appends to Name the program's form of the character of a system name at
// Pos, moving Pos past it: its Shift-JIS code, or the escape of a
// look-alike. False, with nothing appended, for a byte that is no part of
// a UTF-8 character or a character Shift-JIS has no code for.
bool AppendHeldCharacter(std::string& Name, std::string_view OsName, size_t& Pos)
{
    const std::optional<char32_t> c = NextUtf8(OsName, Pos);
    const uint16_t code = c ? SjisCodeOf(*c) : 0;
    if (code == 0)
        return false;
    if (SjisCharToUtf16(code) != *c) {
        AppendEscaped(Name, static_cast<char16_t>(*c));
    } else {
        if (code >= 0x100)
            Name += static_cast<char>(code >> 8);
        Name += static_cast<char>(code & 0xFF);
    }
    return true;
}

void AppendHeldBytes(std::string& Name, std::string_view Part)
{
    for (const char c : Part) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80)
            Name += c;
        else
            AppendEscaped(Name, static_cast<char16_t>(kRawByteBase + byte));
    }
}

// A part of a system name as its characters when Shift-JIS holds them all,
// else as its bytes.
std::string HeldPart(std::string_view Part)
{
    std::string held;
    for (size_t pos = 0; pos < Part.size();)
        if (!AppendHeldCharacter(held, Part, pos)) {
            held.clear();
            AppendHeldBytes(held, Part);
            break;
        }
    return held;
}

bool HoldsRawBytes(std::string_view FileName)
{
    bool raw = false;
    WalkEscapes(
        FileName, [](std::string_view) {}, [&](char16_t Code) { raw = raw || IsRawByte(Code); });
    return raw;
}

// The bytes of a name read as a text file of them would be. A name is text
// even where the rule takes its bytes for none (a name may start "GIF89a"):
// then it reads as UTF-8 when it is well-formed in it, else as Shift-JIS.
std::string Reading(std::string_view Bytes)
{
    const TTextEncoding encoding = TextFileEncoding(Bytes, LocaleTextEncoding())
                                       .value_or(IsUtf8(Bytes) ? TTextEncoding::Utf8 : TTextEncoding::ShiftJis);
    if (encoding == TTextEncoding::Utf8)
        return std::string(Bytes);
    int unmapped = 0;
    return SjisToUtf8(SjisOfText(Bytes, encoding, unmapped));
}

// A part kept by its bytes: they read together, ASCII among them; a
// character of the program's own after them (a caption's marks) shows as
// itself.
std::string ShownBytesPart(std::string_view Part)
{
    std::string shown, bytes;
    const auto readBytes = [&] {
        shown += Reading(bytes);
        bytes.clear();
    };
    WalkEscapes(
        Part,
        [&](std::string_view Plain) {
            for (sjis::CharCursor c(Plain); !c.AtEnd(); c.Next()) {
                if (c.Code() < 0x80) {
                    bytes += c.Char();
                    continue;
                }
                readBytes();
                shown += SjisToUtf8(c.Char());
            }
        },
        [&](char16_t Code) {
            if (IsRawByte(Code)) {
                bytes += static_cast<char>(Code - kRawByteBase);
                return;
            }
            readBytes();
            AppendUtf8(shown, Code);
        });
    readBytes();
    return shown;
}

std::string ShownPart(std::string_view Part)
{
    return HoldsRawBytes(Part) ? ShownBytesPart(Part) : Reading(OsPath(Part));
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

std::string FromOsPath(std::string_view OsName) { return MapParts(OsName, HeldPart); }

std::string ShownPath(std::string_view FileName) { return MapParts(FileName, ShownPart); }

std::string ShownOsPath(std::string_view OsName) { return ShownPath(FromOsPath(OsName)); }

std::string ReadableName(std::string_view FileName) { return FromOsPath(ShownPath(FileName)); }

bool IsTextName(std::string_view FileName) { return OsPath(FileName) == SjisToUtf8(FileName); }

TEscapedParts EscapedParts(std::string_view FileName)
{
    TEscapedParts parts;
    WalkEscapes(
        FileName, [](std::string_view) {},
        [&](char16_t Code) {
            if (IsRawByte(Code))
                return;
            std::string c;
            AppendUtf8(c, Code);
            AddOnce(parts.LookAlikeCharacters, c);
        });
    // A part in bytes that are not UTF-8 is told as such, not as the
    // characters some of its bytes happen to spell.
    const std::string os = OsPath(FileName);
    ForEachPart(os, [&](std::string_view Part) {
        if (!IsUtf8(Part)) {
            parts.BytesNotUtf8 = true;
            return;
        }
        std::string held;
        for (size_t pos = 0; pos < Part.size();) {
            const size_t from = pos;
            if (!AppendHeldCharacter(held, Part, pos))
                AddOnce(parts.CharactersWithoutShiftJis, Part.substr(from, pos - from));
        }
    });
    return parts;
}
