#include "OracleText.h"

#include "Cp932.h"

#include <unicode/translit.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>

icu::UnicodeString Uni(std::string_view Sjis)
{
    const std::u16string utf16 = SjisToUtf16(Sjis);
    return icu::UnicodeString(utf16.data(), static_cast<int32_t>(utf16.size()));
}

std::string Sjis(const icu::UnicodeString& Text, bool* Lossless)
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
