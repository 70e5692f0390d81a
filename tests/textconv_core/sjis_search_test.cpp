// Substring search that never matches inside a double-byte character.
#include "SjisSearch.h"
#include "TestText.h"

#include <gtest/gtest.h>

#include "Sjis.h"

#include <optional>
#include <random>

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
        const bool starts = pos == 0
                            || (pos - previous == 1 && !WordCharSet.Contains(static_cast<unsigned char>(Text[previous])));
        const bool ends = after == Text.size() || !WordCharSet.Contains(static_cast<unsigned char>(Text[after]));
        if (starts && ends)
            return pos;
        resume = after;
    }
    return std::nullopt;
}

} // namespace

TEST(FindBytes, FindsTheFirstByteMatch)
{
    EXPECT_EQ(Find(FindBytes, Bytes({0x82, 0x41, 0x41}), "A"), 1u);
    EXPECT_EQ(Find(FindBytes, "abc", "abcd"), std::nullopt);
    EXPECT_EQ(Find(FindBytes, "abc", ""), std::nullopt);
    EXPECT_EQ(Find(FindBytes, "", "a"), std::nullopt);
}

TEST(FindDbcs, SkipsAMatchOnATrailByte)
{
    EXPECT_EQ(Find(FindDbcs, Bytes({0x82, 0x41, 0x41}), "A"), 2u);
    EXPECT_EQ(Find(FindDbcs, Bytes({0x82, 0x41}), "A"), std::nullopt);
    EXPECT_EQ(Find(FindDbcs, S("亜亜"), Bytes({0x9F, 0x88})), std::nullopt);
    EXPECT_EQ(Find(FindDbcs, S("アヂ"), S("ヂ")), 2u);
}

TEST(FindDbcs, FindsTheRealMatchRightAfterARejectedOne)
{
    // "AA" first matches at the trail byte 41 of 82 41; the search goes on
    // from the next byte, where the real match starts.
    EXPECT_EQ(Find(FindDbcs, Bytes({0x82, 0x41, 0x41, 0x41}), "AA"), 2u);
}

TEST(FindDbcs, CountsCharactersFromTheTextStart)
{
    // Every byte of 亜亜亜 has a lead-byte value; only the walk from the
    // start tells the characters apart.
    const std::string text = S("亜亜亜") + "x";
    EXPECT_EQ(Find(FindDbcs, text, Bytes({0x9F, 'x'})), std::nullopt);
    EXPECT_EQ(Find(FindDbcs, text, S("亜x")), 4u);
    // A lead byte without a valid trail is a character of its own.
    EXPECT_EQ(Find(FindDbcs, Bytes({0x82, '\r', '\n'}), "\r\n"), 1u);
}

TEST(FindDbcs, RefusesMissingInput)
{
    EXPECT_EQ(FindDbcs(nullptr, nullptr, "a", nullptr), nullptr);
    const std::string text = "abc";
    EXPECT_EQ(FindDbcs(text.data(), text.data(), "a", "a" + 1), nullptr);
}

TEST(FindWholeWord, FindsAWordBetweenNonWordCharacters)
{
    EXPECT_EQ(Find(FindWholeWord, "x abc,", "abc"), 2u);
    EXPECT_EQ(Find(FindWholeWord, "abc", "abc"), 0u);
    EXPECT_EQ(Find(FindWholeWord, " abc", "abc"), 1u);
    EXPECT_EQ(Find(FindWholeWord, "abc_", "abc"), 0u);
    EXPECT_EQ(Find(FindWholeWord, "xabc abc", "abc"), 5u);
}

TEST(FindWholeWord, RejectsAWordInsideAWord)
{
    EXPECT_EQ(Find(FindWholeWord, "xabc", "abc"), std::nullopt);
    EXPECT_EQ(Find(FindWholeWord, "abcd", "abc"), std::nullopt);
    EXPECT_EQ(Find(FindWholeWord, S("abcｱ"), "abc"), std::nullopt);
}

TEST(FindWholeWord, RejectsAWordRightAfterADoubleByteCharacter)
{
    EXPECT_EQ(Find(FindWholeWord, S("あabc"), "abc"), std::nullopt);
    // "　" is 81 40: its trail byte is no word character, but it still ends a
    // double-byte character.
    EXPECT_EQ(Find(FindWholeWord, S("x　abc"), "abc"), std::nullopt);
}

TEST(FindWholeWord, AcceptsAWordAfterAKanjiAndASpace)
{
    // 亜 is 88 9F: the byte two before the match has a lead-byte value, yet
    // the character before the match is the space.
    EXPECT_EQ(Find(FindWholeWord, S("亜 abc"), "abc"), 3u);
    EXPECT_EQ(Find(FindWholeWord, S("亜亜 abc"), "abc"), 5u);
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
