#include "KanjiNumber.h"

#include "HenkanTables.h"
#include "JisCode.h"
#include "RunConverter.h"

namespace textconv {

namespace {

constexpr uint16_t kFullWidthZero = 0x824F, kFullWidthNine = 0x8258; // "０" "９"
constexpr size_t kMan = 5, kOku = 9;                                 // the places of 万 and 億

// A function object, so the conversion frame inlines it.
constexpr auto IsFullWidthDigit = [](uint16_t Code) { return Code >= kFullWidthZero && Code <= kFullWidthNine; };

int DigitValue(std::string_view Digits, size_t Index)
{
    return static_cast<unsigned char>(Digits[Index * 2 + 1]) - (kFullWidthZero & 0xFF);
}

// The kanji digit of 1..9.
std::string_view Kanji(int Value)
{
    static const std::string digits = TableText(literals::KanjiDigits);
    return std::string_view(digits).substr((Value - 1) * 2, 2);
}

// 十 百 千 万 億.
std::string_view Unit(size_t Index)
{
    static const std::string units = TableText(literals::KanjiUnits);
    return std::string_view(units).substr(Index * 2, 2);
}

enum UnitIndex { kTen, kHundred, kThousand, kTenThousand, kHundredMillion };

} // namespace

std::string DigitToKanji(std::string_view Digit)
{
    if (Digit.size() != 2 || !IsFullWidthDigit(DbcsStrToWord(Digit)) || DigitValue(Digit, 0) == 0)
        return {};
    return std::string(Kanji(DigitValue(Digit, 0)));
}

std::string NumberToKanji(std::string_view Digits)
{
    if (Digits.size() % 2 != 0)
        return std::string(Digits);
    const size_t count = Digits.size() / 2;
    bool allZero = true;
    for (size_t i = 0; i < count; ++i) {
        if (!IsFullWidthDigit(DbcsStrToWord(Digits.substr(i * 2, 2))))
            return std::string(Digits);
        allZero = allZero && DigitValue(Digits, i) == 0;
    }
    if (allZero)
        return std::string(Digits);

    std::string result;
    for (size_t i = 0; i < count; ++i) {
        const size_t place = count - i; // 1 is the units
        const int value = DigitValue(Digits, i);
        if (place > kOku) {
            result.append(Digits.substr(i * 2, 2));
        } else if (place == kOku) {
            // Digits above the 億 count 億 together with this one, so a zero
            // here must still write it: 10 億 is "１０億", not "１万".
            if (value != 0)
                result.append(Kanji(value)).append(Unit(kHundredMillion));
            else if (!result.empty())
                result.append(Digits.substr(i * 2, 2)).append(Unit(kHundredMillion));
        } else if (place == kMan) {
            // An empty 万 group still writes 万 after the thousands of 万
            // above it, but not straight after 億.
            if (value != 0)
                result.append(Kanji(value)).append(Unit(kTenThousand));
            else if (!result.empty() && !std::string_view(result).ends_with(Unit(kHundredMillion)))
                result.append(Unit(kTenThousand));
        } else if (value != 0) {
            // Places 1-4 and 6-8: the unit of the place within its group of
            // four, without a 一 before 十, 百 or 千.
            const size_t inGroup = (place - 1) % 4; // 0 units, 1 十, 2 百, 3 千
            if (value != 1 || inGroup == 0)
                result.append(Kanji(value));
            if (inGroup != 0)
                result.append(Unit(kTen + inGroup - 1));
        }
    }
    return result;
}

std::string NumbersToKanji(std::string_view Text)
{
    // A digit gives at most a kanji and its unit: the run at most doubles.
    return ConvertRuns(Text, 2, IsFullWidthDigit, IsFullWidthDigit,
                       [](std::string_view Run, char* Out) { return PutBytes(Out, NumberToKanji(Run)); });
}

} // namespace textconv
