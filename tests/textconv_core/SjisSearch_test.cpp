// Substring search that never matches inside a double-byte character.
#include "SjisSearch.h"
#include "TestText.h"

#include <gtest/gtest.h>

#include "Sjis.h"

#include <optional>
#include <random>
#include <vector>

using namespace textconv;

namespace {

using Finder = const char* (*)(const char*, const char*, const char*, const char*);

// The offset of the match, or nullopt for none.
std::optional<size_t> Find(Finder F, std::string_view Text, std::string_view Pattern)
{
    const char* match = F(Text.data(), Text.data() + Text.size(), Pattern.data(), Pattern.data() + Pattern.size());
    if (match == nullptr)
        return std::nullopt;
    return match - Text.data();
}

// The same searches done the plain way: try every character start, walking
// from the text start. A whole-word search goes on behind a rejected match.
std::optional<size_t> ReferenceFind(std::string_view Text, std::string_view Pattern, bool WholeWord)
{
    size_t resume = 0, previous = std::string_view::npos;
    for (sjis::CharCursor c(Text); !c.AtEnd(); previous = c.Pos(), c.Next()) {
        const size_t pos = c.Pos();
        if (pos < resume || Text.substr(pos, Pattern.size()) != Pattern)
            continue;
        if (!WholeWord)
            return pos;
        const size_t after = pos + Pattern.size();
        const bool starts =
            pos == 0 || (pos - previous == 1 && !WordCharSet.Contains(static_cast<unsigned char>(Text[previous])));
        const bool ends = after == Text.size() || !WordCharSet.Contains(static_cast<unsigned char>(Text[after]));
        if (starts && ends)
            return pos;
        resume = after;
    }
    return std::nullopt;
}

} // namespace

struct SearchCase {
    Finder F;
    std::string Text;
    std::string Pattern;
    std::optional<size_t> Expected;
};

TEST(SjisSearch, FindsMatchesOnCharacterBoundariesOnly)
{
    // clang-format off
    const std::vector<SearchCase> cases = {
        {FindBytes, Bytes({0x82, 0x41, 0x41}), "A", 1}, {FindBytes, "abc", "abcd", std::nullopt},
        {FindBytes, "abc", "", std::nullopt}, {FindBytes, "", "a", std::nullopt},
        // A match on a trail byte is skipped.
        {FindDbcs, Bytes({0x82, 0x41, 0x41}), "A", 2}, {FindDbcs, Bytes({0x82, 0x41}), "A", std::nullopt},
        {FindDbcs, S("亜亜"), Bytes({0x9F, 0x88}), std::nullopt}, {FindDbcs, S("アヂ"), S("ヂ"), 2},
        // "AA" first matches at the trail byte 41 of 82 41; the search goes
        // on from the next byte, where the real match starts.
        {FindDbcs, Bytes({0x82, 0x41, 0x41, 0x41}), "AA", 2},
        // Every byte of 亜亜亜 has a lead-byte value; only the walk from the
        // start tells the characters apart.
        {FindDbcs, S("亜亜亜x"), Bytes({0x9F, 'x'}), std::nullopt}, {FindDbcs, S("亜亜亜x"), S("亜x"), 4},
        // A lead byte without a valid trail is a character of its own.
        {FindDbcs, Bytes({0x82, '\r', '\n'}), "\r\n", 1}, {FindWholeWord, "x abc,", "abc", 2},
        {FindWholeWord, "abc", "abc", 0}, {FindWholeWord, "abc_", "abc", 0}, {FindWholeWord, "xabc abc", "abc", 5},
        {FindWholeWord, " abc", "abc", 1}, {FindWholeWord, "xabc", "abc", std::nullopt},
        {FindWholeWord, "abcd", "abc", std::nullopt}, {FindWholeWord, S("abcｱ"), "abc", std::nullopt},
        // Right after a double-byte character no word starts, even after
        // "　" (81 40), whose trail byte is no word character.
        {FindWholeWord, S("あabc"), "abc", std::nullopt}, {FindWholeWord, S("x　abc"), "abc", std::nullopt},
        // 亜 is 88 9F: the byte two before the match has a lead-byte value,
        // yet the character before the match is the space.
        {FindWholeWord, S("亜 abc"), "abc", 3}, {FindWholeWord, S("亜亜 abc"), "abc", 5},
    };
    // clang-format on
    for (const SearchCase& c : cases)
        EXPECT_EQ(Find(c.F, c.Text, c.Pattern), c.Expected) << U(c.Text) << " / " << U(c.Pattern);
}

TEST(FindDbcs, AgreesWithACharacterWalkOnRandomText)
{
    // Few distinct bytes, most of them lead-valued, so that matches on trail
    // bytes, long runs of lead-valued bytes and lone leads are everywhere.
    const unsigned char alphabet[] = {0x88, 0x9F, 0x82, 0xA0, 0x41, 0x20, 0xE0, 0x40, '\r', '\n'};
    std::mt19937 random(5102);
    auto pickText = [&](size_t Size) {
        std::string text;
        for (size_t i = 0; i < Size; ++i)
            text += static_cast<char>(alphabet[random() % std::size(alphabet)]);
        return text;
    };
    for (int round = 0; round < 3000; ++round) {
        const std::string text = pickText(random() % 80);
        const std::string pattern = pickText(1 + random() % 3);
        EXPECT_EQ(Find(FindDbcs, text, pattern), ReferenceFind(text, pattern, false));
        EXPECT_EQ(Find(FindWholeWord, text, pattern), ReferenceFind(text, pattern, true));
    }
}
