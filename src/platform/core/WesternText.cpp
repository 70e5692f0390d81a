#include "WesternText.h"

#include "Sjis.h"
#include "Utf8.h"

namespace {

// What Windows-1252 has in 0x80-0x9F, where Latin-1 has control codes; 0
// where it has nothing either.
// clang-format off
constexpr char16_t kWindows1252High[32] = {
    u'€', 0,     u'‚', u'ƒ', u'„', u'…', u'†', u'‡', u'ˆ', u'‰', u'Š', u'‹', u'Œ', 0,     u'Ž', 0,
    0,    u'‘', u'’', u'“', u'”', u'•', u'–', u'—', u'˜', u'™', u'š', u'›', u'œ', 0,     u'ž', u'Ÿ',
};
// clang-format on

char16_t Windows1252Char(unsigned char Byte)
{
    return Byte >= 0x80 && Byte <= 0x9F ? kWindows1252High[Byte - 0x80] : Byte;
}

// What Western text is told by: a small accented letter of everyday words
// ("é", "ü", "ç"), or a curly quotation mark. Shift-JIS reads these bytes
// as lead bytes, never as half-width katakana, which the capitals and "ß"
// are. The rarer letters (ð, ý, þ, ÿ) are not of them: old Macs wrote
// other signs with those bytes in Shift-JIS.
bool IsWesternMark(char16_t C)
{
    return (C >= u'à' && C <= u'ü' && C != u'ð' && C != u'÷')
           || std::u16string_view(u"‘’“”").find(C) != std::u16string_view::npos;
}

} // namespace

bool LooksWestern(std::string_view Bytes)
{
    constexpr size_t kLongestRun = 3;
    // What a word's last letter or closing quotation mark comes after.
    const auto isWordEnd = [](char C) {
        return (C >= 'A' && C <= 'Z') || (C >= 'a' && C <= 'z')
               || std::string_view(".,;:!?").find(C) != std::string_view::npos;
    };
    size_t run = 0;
    bool marked = false;
    for (size_t i = 0; i < Bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(Bytes[i]);
        if (byte < 0x80) {
            run = 0;
            continue;
        }
        if (++run > kLongestRun || Windows1252Char(byte) == 0)
            return false;
        const bool endsWord = i > 0 && isWordEnd(Bytes[i - 1])
                              && !(i + 1 < Bytes.size() && sjis::IsTrail(static_cast<unsigned char>(Bytes[i + 1])));
        marked = marked || (endsWord && IsWesternMark(Windows1252Char(byte)));
    }
    return marked;
}

std::string Utf8OfWindows1252(std::string_view Bytes)
{
    std::string utf8;
    utf8.reserve(Bytes.size() + Bytes.size() / 8);
    for (const char c : Bytes)
        AppendUtf8(utf8, Windows1252Char(static_cast<unsigned char>(c)));
    return utf8;
}
