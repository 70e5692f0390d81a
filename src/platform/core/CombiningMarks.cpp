#include "CombiningMarks.h"

#include <optional>
#include <string_view>

namespace {

// Each mark with the letters it composes with and what each becomes.
struct TComposition {
    char16_t Mark;
    std::u16string_view Letters, Composed;
};

constexpr TComposition kCompositions[] = {
    {u'\u3099', u"うかきくけこさしすせそたちつてとはひふへほゝウカキクケコサシスセソタチツテトハヒフヘホワヰヱヲヽ",
     u"ゔがぎぐげござじずぜぞだぢづでどばびぶべぼゞヴガギグゲゴザジズゼゾダヂヅデドバビブベボヷヸヹヺヾ"},
    {u'\u309A', u"はひふへほハヒフヘホ", u"ぱぴぷぺぽパピプペポ"},
    {u'\u0308', u"Ее", u"Ёё"},
    {u'\u0306', u"Ии", u"Йй"},
    {u'\u0338', u"=", u"≠"},
};

std::optional<char16_t> Composed(char16_t Letter, char16_t Mark)
{
    for (const TComposition& composition : kCompositions) {
        if (composition.Mark != Mark)
            continue;
        const size_t at = composition.Letters.find(Letter);
        return at == std::u16string_view::npos ? std::nullopt : std::optional(composition.Composed[at]);
    }
    return std::nullopt;
}

} // namespace

void ComposeMarks(std::u16string& Text)
{
    size_t kept = 0;
    for (const char16_t c : Text) {
        if (const std::optional<char16_t> composed = kept > 0 ? Composed(Text[kept - 1], c) : std::nullopt) {
            Text[kept - 1] = *composed;
            continue;
        }
        Text[kept++] = c;
    }
    Text.resize(kept);
}
