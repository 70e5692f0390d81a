// The hit check on stored page texts gives the verdict of the editor's find
// next from the page's start, on random pages and patterns, with word wrap
// on and off (off, a hit must start within a line's first 1000 bytes).
#include "EditorEx.h"
#include "PageHitCheck.h"
#include "SjisLiteral.h"

#include <gtest/gtest.h>

#include <random>

namespace {

TEST(PageHitCheck, GivesTheVerdictOfTheEditorsFindNext)
{
    const std::vector<std::string> pieces = {
        "a",  "A",  "b",        "-",        " ",       "\\",         "\r\n",     "\r\n",
        "\r", "\n", Sjis("ア"), Sjis("表"), Sjis("ｱ"), Sjis("日本"), Sjis("ａ"), Sjis("Ａ"),
    };
    const std::vector<std::string> plain = {
        "a", "A", "ab", "b a", "\\", "-b", Sjis("ア"), Sjis("表\\"), "\r", Sjis("ａ"), "a\r\nb",
    };
    // Patterns with and without a run every match holds: literals in
    // groups, alternations, classes, anchors, optional parts, escapes,
    // letters that fold and double-byte characters.
    // clang-format off
    const std::vector<std::string> regExps = {
        "a+b", "^a", "b$", "[aA]b", "\\\\", "a.*b$", "(ab|ba)", "^$", "ab", "Ab-", "a(b)a", "ab?a", "a?b",
        "(a|b)a", "b[aA]", "^ab", "ba$", "a\\x62", "a b*", "b.a", "-\r\n", Sjis("日本"), Sjis("ア+表"),
        Sjis("(ａ|b)Ａ"), Sjis("表\\\\"), Sjis("[ア表]a"), Sjis("ｱ?Ａ"),
    };
    // clang-format on
    std::mt19937 random(20261207);
    const auto pick = [&random](const std::vector<std::string>& From) {
        return From[std::uniform_int_distribution<size_t>(0, From.size() - 1)(random)];
    };
    const std::unique_ptr<TEditorEx> editor{TEditor::Create<TEditorEx>()};
    editor->resize(400, 300);
    int hits = 0;
    constexpr int kCases = 2000;
    for (int i = 0; i < kCases; ++i) {
        std::string text;
        const int length = std::uniform_int_distribution<int>(0, 40)(random);
        for (int k = 0; k < length; ++k)
            text += pick(pieces);
        // Now and then a line that runs past the unwrapped search limit.
        if (i % 4 == 0)
            text += std::string(std::uniform_int_distribution<size_t>(990, 1010)(random), 'x') + pick(pieces) + "b";
        const bool regExp = i % 3 == 0;
        const std::string pattern = pick(regExp ? regExps : plain);
        const auto options = TExSearchOptions::FromBits(std::uniform_int_distribution<uint32_t>(0, 15)(random))
                             - TExSearchOptions{TExSearchOption::soRegexp}
                             + (regExp ? TExSearchOptions{TExSearchOption::soRegexp} : TExSearchOptions{});
        const bool wrap = i % 2 == 0;

        editor->SetWordWrap(wrap);
        editor->Lines()->SetTextStr(text);
        editor->SetSelStart(0);
        editor->SetFindString(pattern);
        editor->SetExSearchOptions(options);
        const bool found = editor->FindNext();
        hits += found;
        TPageHitCheck check(pattern, editor->ExSearchOptions(), wrap);
        ASSERT_EQ(check.HasHit(text), found) << i << " [" << pattern << "] wrap " << wrap << " in [" << text << "]";
    }
    EXPECT_GT(hits, kCases / 6) << "the pages have hits and misses both";
    EXPECT_LT(hits, kCases * 5 / 6);
}

} // namespace
