// Polite to plain: the documented examples, the context rules and the
// table's entries.
#include "SentenceStyleText.h"

#include <gtest/gtest.h>

namespace {

TEST(DaHenkan, DocumentedExamples)
{
    // clang-format off
    ExpectConverted(ToDa, {
        {"今日は晴れです。", "今日は晴れだ。"}, {"書きます。", "書く。"}, {"起きます。", "起きる。"},
        {"行きました。", "行った。"}, {"起きました。", "起きた。"}, {"書きました。", "書いた。"},
        {"そうですね。", "そうだね。"},     // そ copied, うです converted, ね kept
        {"ですからね。", "だからね。"},
        {"下さい。", "いただきたい。"},     // the 下 leaves the output
        {"言いなさい。", "言え。"}, {"見ていなさい。", "見ていろ。"}, {"勉強します。", "勉強する。"},
        {"彼と話します。", "彼と話す。"},
        {"「そうです。」", "「そうです。」"}, // closed by a quotation
        {"です\r\n", "だ\r\n"},
        {"ですが彼\r\n", "ですが彼\r\n"},   // no terminator after the run
        {"です。", "だ。"},                 // no final line end, none added
        {"彼か。", "彼か。"},               // only a particle: an empty stem
    });
    // clang-format on
    EXPECT_EQ(DesuToDa("「です。\r\nです。」です。\r\n", true), "「です。\r\nです。」だ。\r\n");
}

TEST(DaHenkan, ContextRulesTellVerbsApart)
{
    // clang-format off
    ExpectConverted(ToDa, {
        {"落ちます。", "落ちる。"}, // the character before the run decides
        {"待ちます。", "待つ。"}, {"満ちました。", "満ちた。"}, {"勝ちました。", "勝った。"},
        {"生きます。", "生きる。"}, {"飽きました。", "飽きた。"}, {"逝きました。", "逝った。"},
        {"強いなさい。", "強いろ。"}, {"浴びなさい。", "浴びろ。"}, {"遊びなさい。", "遊べ。"},
        {"降りなさい。", "降りろ。"}, {"取りなさい。", "取れ。"}, {"彼と話しましょう。", "彼と話そう。"},
        {"ほどこしましょう。", "ほどこそう。"},
        {"電話しましょう。", "電話しよう。"}, // a kanji two before
        {"会いましょう。", "会おう。"}, {"彼といましょう。", "彼といよう。"}, {"コピーします。", "コピーする。"},
        {"テストしません。", "テストしない。"}, {"を出します。", "を出す。"},
        {"勉強\r\nします。", "勉強\r\nする。"}, // a line end between counts as one character
        // Endings that end in a particle are reachable.
        {"書くんですけど。", "書くが。"}, {"分かりませんので、", "分からないので、"}, {"ですよ。", "だよ。"},
    });
    // clang-format on
}

// The two bytes before さい spell 下 (89 BA), but they are the trail of ラ and
// the half-width ｺ: nothing may be taken out of the output.
TEST(DaHenkan, KudasaiRuleLooksAtTheRealCharacterBefore)
{
    const std::string text = Bytes({0x83, 0x89, 0xBA}) + S("さい。"); // ラｺさい。
    EXPECT_EQ(ToDa(text), text);
    EXPECT_EQ(DesuToDa("お下さい。"), "おいただきたい。");
}

// Each ending after a neutral character and before 。 becomes its listed
// replacement: catches a mistyped ending or replacement.
TEST(DaHenkan, EverySingleEntryConvertsInANeutralContext)
{
    for (const auto& single : textconv::DaEndingSources().Singles)
        EXPECT_EQ(DesuToDa(std::string("Ａ") + single.Ending + "。"), std::string("Ａ") + single.Replacement + "。");
}

} // namespace
