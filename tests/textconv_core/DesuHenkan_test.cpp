// Plain to polite: the documented examples, the context rules, the two
// questions and the table's entries.
#include "SentenceStyleText.h"

#include <gtest/gtest.h>

namespace {

// Answers the converter's questions from Script in turn and records them.
textconv::YesNoQuestion Scripted(std::vector<bool> Script, std::vector<std::string>& Asked)
{
    return [Script = std::move(Script), &Asked](const std::string& Question) {
        Asked.push_back(Question);
        return Asked.size() <= Script.size() && Script[Asked.size() - 1];
    };
}

const std::string kIkuQuestion = "\"行った\" を \"行いました\" に変換しますか？";
const std::string kKayouQuestion = "\"通った\" を \"通いました\" に変換しますか？";

TEST(DesuHenkan, DocumentedExamples)
{
    // clang-format off
    ExpectConverted(ToDesu, {
        {"晴れだ。", "晴れです。"}, {"書く。", "書きます。"}, {"書いた。", "書きました。"},
        {"持った。", "持ちました。"}, {"言った。", "言いました。"}, {"取った。", "取りました。"},
        {"死んだ。", "死にました。"}, {"遊んだ。", "遊びました。"}, {"読んだ。", "読みました。"},
        {"大きく、", "大きく、"}, {"ように。", "ように。"}, {"ありがとう。", "ありがとう。"},
        {"「行くのだ。」", "「行くのだ。」"},
    });
    // clang-format on
}

TEST(DesuHenkan, AsksAboutIttaAndKayottaEachTimeAndNoKeepsTheDefault)
{
    std::vector<std::string> asked;
    EXPECT_EQ(DaToDesu("行った。\r\n行った、通った。通った。", false, Scripted({true, false, true, false}, asked)),
              "行いました。\r\n行きました、通いました。通りました。");
    EXPECT_EQ(asked, (std::vector<std::string>{kIkuQuestion, kIkuQuestion, kKayouQuestion, kKayouQuestion}));
    // No callback means no; other endings ask nothing, nor do skipped quotes.
    EXPECT_EQ(DaToDesu("行った。通った。"), "行きました。通りました。");
    asked.clear();
    EXPECT_EQ(DaToDesu("言った。行く。通る。行ったり「行った。」", true, Scripted({true}, asked)),
              "言いました。行きます。通ります。行ったり「行った。」");
    EXPECT_TRUE(asked.empty());
}

TEST(DesuHenkan, ContextRules)
{
    // clang-format off
    ExpectConverted(ToDesu, {
        {"書く、", "書く、"}, // before 、 or ， the adverb form stays
        {"美しく，", "美しく，"}, {"強いた。", "強いました。"}, {"もいた。", "もいました。"}, {"出る。", "出ます。"},
        {"知る。", "知ります。"}, {"来まい。", "来ないでしょう。"}, {"寝なかった。", "寝ませんでした。"},
        {"思いだ。", "思いです。"}, {"泳いだ。", "泳ぎました。"}, {"過ぎる。", "過ぎます。"},
        {"ちぎる。", "ちぎります。"}, {"情けない。", "情けないです。"}, {"情けなかった。", "情けないでした。"},
        {"負けない。", "負けません。"},
        {"そう。", "そう。"}, // the adverb opening a line, the first line too
        {"あ\r\nそう、", "あ\r\nそう、"}, {"　そう。", "　そう。"}, {"話そう。", "話しましょう。"},
        {"見つかった。", "見つかりました。"}, {"ぶつかった。", "ぶつかりました。"},
        {"をつかった。", "をつかいました。"}, {"向かった。", "向かいました。"}, {"分かった。", "分かりました。"},
        {"高かった。", "高いでした。"}, {"逝った。", "逝きました。"}, {"ご存じない。", "ご存じありません。"},
        {"感じない。", "感じません。"}, {"飛び交った。", "飛び交いました。"}, {"躊躇った。", "躊躇いました。"},
        // The whole run is looked up before the particle split.
        {"彼だけで、", "彼だけで、"}, {"するのか。", "するのでしょうか。"}, {"ないのか。", "ないのでしょうか。"},
        {"だよ。", "ですよ。"}, {"するようにしろ。", "するようにしなさい。"},
        {"するようにせよ。", "するようにしなさい。"},
        // Kept entries starting with a kanji or a digit are reachable.
        {"理由は一つ。", "理由は一つ。"}, {"１つ、", "１つ、"}, {"ひとつ。", "ひとつ。"},
    });
    // clang-format on
}

// A context with no replacement is no match: the tail a character shorter
// is tried instead.
TEST(DesuHenkan, NothingForAContextRetriesTheShorterTail) { EXPECT_EQ(DaToDesu("Ａつかった。"), "Ａついでした。"); }

// Each ending after a neutral character and before 。 becomes its listed
// replacement, and each kept ending stays: catches a mistyped string.
TEST(DesuHenkan, EverySingleEntryConvertsInANeutralContext)
{
    for (const auto& single : textconv::DesuEndingSources().Singles)
        EXPECT_EQ(DaToDesu(std::string("Ａ") + single.Ending + "。"), std::string("Ａ") + single.Replacement + "。");
    for (const char* kept : textconv::DesuEndingSources().Kept)
        EXPECT_EQ(DaToDesu(std::string("Ａ") + kept + "。"), std::string("Ａ") + kept + "。");
}

} // namespace
