#include "Cp932.h"

#include "Sjis.h"
#include "Utf8.h"

#include <array>
#include <cerrno>
#include <iconv.h>
#include <memory>
#include <optional>
#include <stdexcept>

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// One table each way, filled once from the C library's CP932 converter:
// Decode is indexed by character code (a single byte keeps its value, a
// pair is lead * 256 + trail) and holds U+FFFD where there is no mapping;
// Encode is indexed by UTF-16 unit, 0 meaning no mapping except for NUL.
struct Tables {
    std::array<char16_t, 0x10000> Decode{};
    std::array<uint16_t, 0x10000> Encode{};
};

class Converter {
public:
    Converter(const char* To, const char* From) : Handle_(iconv_open(To, From))
    {
        if (Handle_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert ") + From + " to " + To);
    }
    ~Converter() { iconv_close(Handle_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // The bytes written to Out when In converts completely; nothing when
    // it does not.
    std::optional<size_t> Run(const char* In, size_t InLen, char* Out, size_t OutCap)
    {
        iconv(Handle_, nullptr, nullptr, nullptr, nullptr);
        char* in = const_cast<char*>(In);
        char* out = Out;
        size_t inLeft = InLen, outLeft = OutCap;
        if (iconv(Handle_, &in, &inLeft, &out, &outLeft) == static_cast<size_t>(-1) || inLeft != 0)
            return std::nullopt;
        return OutCap - outLeft;
    }

private:
    iconv_t Handle_;
};

// UTF-16 code unit of CP932 bytes, if the pair (or byte) maps to exactly
// one BMP character.
std::optional<char16_t> DecodeWithIconv(Converter& Decoder, const char* Bytes, size_t Len)
{
    char out[8];
    if (Decoder.Run(Bytes, Len, out, sizeof out) != 2)
        return std::nullopt;
    return static_cast<char16_t>(static_cast<unsigned char>(out[0]) | static_cast<unsigned char>(out[1]) << 8);
}

// The CP932 bytes of one BMP character as the C library writes them, packed
// as a character code; 0 when it has none.
uint16_t EncodeWithIconv(Converter& Encoder, char16_t Unit)
{
    const char in[2] = {static_cast<char>(Unit & 0xFF), static_cast<char>(Unit >> 8)};
    char out[4];
    const std::optional<size_t> outLen = Encoder.Run(in, 2, out, sizeof out);
    if (!outLen || *outLen < 1 || *outLen > 2)
        return 0;
    const auto first = static_cast<unsigned char>(out[0]);
    return *outLen == 1 ? first : static_cast<uint16_t>(first << 8 | static_cast<unsigned char>(out[1]));
}

std::unique_ptr<Tables> BuildTables()
{
    auto tables = std::make_unique<Tables>();
    tables->Decode.fill(kReplacement);
    Converter decoder("UTF-16LE", "CP932");
    auto record = [&](uint16_t Code, const char* Bytes, size_t Len) {
        if (const std::optional<char16_t> unit = DecodeWithIconv(decoder, Bytes, Len); unit && *unit != kReplacement)
            tables->Decode[Code] = *unit;
    };
    for (int byte = 0; byte < 0x100; ++byte) {
        if (sjis::IsLead(static_cast<unsigned char>(byte)))
            continue;
        const char c = static_cast<char>(byte);
        record(static_cast<uint16_t>(byte), &c, 1);
    }
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!sjis::IsLead(static_cast<unsigned char>(lead)))
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (!sjis::IsTrail(static_cast<unsigned char>(trail)))
                continue;
            const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            record(static_cast<uint16_t>(lead << 8 | trail), pair, 2);
        }
    }
    // Encoding asks the C library about every character, not only those a
    // code decodes to: it also writes characters that no code decodes to
    // ("〜" U+301C as 81 60, "−" U+2212 as 81 7C), which text from other
    // programs is full of. It maps nothing outside the first plane.
    Converter encoder("CP932", "UTF-16LE");
    for (char32_t c = 1; c < 0x10000; ++c)
        if (c < 0xD800 || c > 0xDFFF)
            tables->Encode[c] = EncodeWithIconv(encoder, static_cast<char16_t>(c));
    return tables;
}

const Tables& Table()
{
    static const std::unique_ptr<Tables> tables = BuildTables();
    return *tables;
}

void AppendSjis(std::string& Out, char32_t C, int& Unmapped)
{
    const uint16_t code = SjisCodeOf(C);
    if (C >= 0xE0000 && C <= 0xE007F) {
        // Tag characters (the invisible tail of a flag emoji) are dropped,
        // as the C library's converter drops them.
    } else if (C == 0) {
        Out += '\0';
    } else if (code == 0) {
        Out += '?';
        ++Unmapped;
    } else if (code < 0x100) {
        Out += static_cast<char>(code);
    } else {
        Out += static_cast<char>(code >> 8);
        Out += static_cast<char>(code & 0xFF);
    }
}

} // namespace

char16_t SjisCharToUtf16(uint16_t Code) { return Table().Decode[Code]; }

uint16_t SjisCodeOf(char32_t C) { return C < 0x10000 ? Table().Encode[C] : 0; }

std::u16string SjisToUtf16(std::string_view Sjis)
{
    // Every character is at least one byte, so the input size bounds the
    // output; one pass with no per-character growth checks.
    const auto& decode = Table().Decode;
    std::u16string result(Sjis.size(), u'\0');
    char16_t* out = result.data();
    const char* p = Sjis.data();
    const char* const end = p + Sjis.size();
    while (p < end) {
        const auto lead = static_cast<unsigned char>(*p);
        if (sjis::CharLen(p, end) == 1) {
            *out++ = decode[lead];
            ++p;
        } else {
            *out++ = decode[lead << 8 | static_cast<unsigned char>(p[1])];
            p += 2;
        }
    }
    result.resize(static_cast<size_t>(out - result.data()));
    return result;
}

std::string SjisToUtf8(std::string_view Sjis)
{
    std::string result;
    result.reserve(Sjis.size() * 3 / 2);
    for (sjis::CharCursor c(Sjis); !c.AtEnd(); c.Next())
        AppendUtf8(result, SjisCharToUtf16(c.Code()));
    return result;
}

std::string Utf16ToSjis(std::u16string_view Text, int& Unmapped)
{
    std::string result;
    result.reserve(Text.size() * 2);
    Unmapped = 0;
    for (size_t i = 0; i < Text.size(); ++i) {
        char32_t c = Text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < Text.size() && Text[i + 1] >= 0xDC00 && Text[i + 1] <= 0xDFFF)
            c = 0x10000 + ((c - 0xD800) << 10) + (Text[++i] - 0xDC00);
        AppendSjis(result, c, Unmapped);
    }
    return result;
}

std::string Utf16ToSjis(std::u16string_view Text, bool* Lossless)
{
    int unmapped = 0;
    std::string result = Utf16ToSjis(Text, unmapped);
    if (Lossless)
        *Lossless = unmapped == 0;
    return result;
}

std::string Utf8ToSjis(std::string_view Text, int& Unmapped)
{
    std::string result;
    result.reserve(Text.size());
    Unmapped = 0;
    for (size_t pos = 0; pos < Text.size();) {
        // A malformed sequence is replaced one byte at a time.
        const std::optional<char32_t> c = NextUtf8(Text, pos);
        AppendSjis(result, c.value_or(kReplacement), Unmapped);
    }
    return result;
}

std::string Utf8ToSjis(std::string_view Text, bool* Lossless)
{
    int unmapped = 0;
    std::string result = Utf8ToSjis(Text, unmapped);
    if (Lossless)
        *Lossless = unmapped == 0;
    return result;
}
