#include "OracleText.h"

#include "Cp932.h"
#include "Sjis.h"

#include <unicode/translit.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>

icu::UnicodeString Uni(std::string_view Sjis)
{
    const std::u16string utf16 = SjisToUtf16(Sjis);
    return icu::UnicodeString(utf16.data(), static_cast<int32_t>(utf16.size()));
}

std::string SjisOfUni(const icu::UnicodeString& Text, bool* Lossless)
{
    return Utf16ToSjis(std::u16string_view(Text.getBuffer(), Text.length()), Lossless);
}

std::string Utf8(const icu::UnicodeString& Text)
{
    std::string utf8;
    Text.toUTF8String(utf8);
    return utf8;
}

icu::UnicodeString Transliterate(const char* Id, std::string_view Sjis)
{
    static std::map<std::string, std::unique_ptr<icu::Transliterator>> cache;
    auto& transliterator = cache[Id];
    if (!transliterator) {
        UErrorCode status = U_ZERO_ERROR;
        transliterator.reset(icu::Transliterator::createInstance(Id, UTRANS_FORWARD, status));
        EXPECT_TRUE(U_SUCCESS(status)) << Id << ": " << u_errorName(status);
    }
    icu::UnicodeString text = Uni(Sjis);
    if (transliterator)
        transliterator->transliterate(text);
    return text;
}

std::vector<std::string> Cp932Characters()
{
    std::vector<std::string> chars;
    for (int byte = 0x20; byte <= 0xDF; ++byte)
        if (!sjis::IsLead(static_cast<unsigned char>(byte)) && byte != 0x7F && byte != 0x80 && byte != 0xA0)
            chars.push_back(std::string(1, static_cast<char>(byte)));
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!sjis::IsLead(static_cast<unsigned char>(lead)))
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const std::string c{static_cast<char>(lead), static_cast<char>(trail)};
            if (sjis::CharLen(c, 0) == 2 && Uni(c) != icu::UnicodeString(u'\uFFFD'))
                chars.push_back(c);
        }
    }
    return chars;
}
