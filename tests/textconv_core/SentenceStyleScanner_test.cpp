// The scanner both sentence-style converters share: terminators, particle
// groups, line ends, quoted spans and texts beyond any fixed buffer.
#include "SentenceStyleText.h"

#include <gtest/gtest.h>

namespace {

TEST(SentenceStyle, TerminatorsEndSentencesAndParticleGroupsStay)
{
    for (const char* terminator : {"、", "。", "，", "．", "？", "！", "（", "）", "］", "」", "\r\n"}) {
        SCOPED_TRACE(terminator);
        EXPECT_EQ(DesuToDa(std::string("晴れです") + terminator), std::string("晴れだ") + terminator);
    }
    // clang-format off
    ExpectConverted(ToDa, {
        {"晴れです・", "晴れです・"}, {"晴れです 。", "晴れです 。"},
        // A terminator followed by a closing quote blocks.
        {"「晴れです！」", "「晴れです！」"}, {"「晴れです。」と", "「晴れです。」と"},
        {"晴れです」。", "晴れだ」。"}, // 」 is itself the terminator here
        {"晴れですか。", "晴れだか。"}, {"晴れですが、", "晴れだが、"}, {"晴れですし、", "晴れだし、"},
        {"晴れですね。", "晴れだね。"}, {"晴れですよ。", "晴れだよ。"}, {"晴れですから、", "晴れだから、"},
        {"晴れですけど、", "晴れだけど、"}, {"晴れですので、", "晴れだので、"},
        {"晴れですからね。", "晴れだからね。"}, {"晴れですけどね。", "晴れだけどね。"},
        // The longest known tail wins.
        {"ありがとうございます。", "ありがとう。"}, {"かしこまりました。", "かしこまった。"},
    });
    // clang-format on
    // し is no particle for plain to polite.
    EXPECT_EQ(DaToDesu("書くね。"), "書きますね。");
    EXPECT_EQ(DaToDesu("書くし。"), "書くし。");
}

TEST(SentenceStyle, LineEnds)
{
    // clang-format off
    ExpectConverted(ToDa, {
        {"晴れです\r\n雨です\r\n", "晴れだ\r\n雨だ\r\n"},
        // The text after the last line end converts and gets no line end.
        {"晴れです。\r\n雨です", "晴れだ。\r\n雨だ"},
        // A lone CR is an ordinary byte: it neither ends a line nor eats the next.
        {"晴れです\r雨です。", "晴れです\r雨だ。"}, {"晴れです\n", "晴れです\n"}, {"\r\n\r\n", "\r\n\r\n"}, {"", ""},
    });
    // clang-format on
}

TEST(SentenceStyle, StrayLeadByteDoesNotSwallowTheLineEnd)
{
    const std::string text = S("です") + Bytes({0x88, '\r', '\n'}) + S("です。");
    EXPECT_EQ(ToDa(text), S("です") + Bytes({0x88, '\r', '\n'}) + S("だ。"));
}

TEST(SentenceStyle, QuoteSkipping)
{
    ExpectConverted(Bind(textconv::ConvertDesuToDa, true),
                    {
                        {"「です。」です。", "「です。」だ。"},
                        {"「です。\r\nです、\r\nです。」です。\r\n", "「です。\r\nです、\r\nです。」だ。\r\n"},
                        {"「「です。」です。」です。", "「「です。」です。」だ。"},
                        {"「です。」「です。」です。", "「です。」「です。」だ。"},
                        {"「です。」\r\n「です。」\r\nです。", "「です。」\r\n「です。」\r\nだ。"},
                        {"「です。\r\nです。", "「です。\r\nです。"}, // never closed: copied to the end
                        {"です、「です。」", "だ、「です。」"},
                    });
    EXPECT_EQ(DesuToDa("「です、です。」", false), "「だ、です。」");
    EXPECT_EQ(DaToDesu("「だ。」だ。", true), "「だ。」です。");
}

TEST(SentenceStyle, RunsLongerThan127Characters)
{
    const std::string kana = Repeat("あ", 300);
    EXPECT_EQ(DesuToDa(kana + "です。"), kana + "だ。");
    EXPECT_EQ(DaToDesu(kana + "だ。"), kana + "です。");
    EXPECT_EQ(DesuToDa(kana + "。"), kana + "。");
}

TEST(SentenceStyle, LinesLongerThan8192Bytes)
{
    const std::string kanji = Repeat("漢", 6000);
    EXPECT_EQ(DesuToDa(kanji + "です。" + kanji + "です\r\nです。\r\n"), kanji + "だ。" + kanji + "だ\r\nだ。\r\n");
    EXPECT_EQ(DesuToDa("「" + kanji + "\r\n" + kanji + "」です。", true), "「" + kanji + "\r\n" + kanji + "」だ。");
}

} // namespace
