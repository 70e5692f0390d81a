// The direct conversion commands as the editor's popup menu runs them on a
// selection.
#include "ConvertCommands.h"
#include "SjisLiteral.h"

#include <gtest/gtest.h>

namespace {

using namespace textconv;

struct TFakeEditor : ISelectionEditor {
    std::string Selected;
    int Start = 5;
    int Writes = 0;
    std::string SelText() const override { return Selected; }
    void SetSelText(std::string_view Text) override
    {
        Selected = Text;
        ++Writes;
        Start += static_cast<int>(Text.size());
    }
    int SelStart() const override { return Start; }
    void SetSelStart(int Position) override { Start = Position; }
};

std::string RunOn(std::string_view Name, std::string Selection, TConvertContext Context = {})
{
    const TConvertCommand* command = FindConvertCommand(Name);
    EXPECT_NE(command, nullptr) << Name;
    TFakeEditor editor;
    editor.Selected = std::move(Selection);
    if (command)
        RunConvertCommand(*command, editor, Context);
    return editor.Selected;
}

TEST(ConvertCommands, EmptySelectionRunsOnlyTheMarkedCommands)
{
    for (const TConvertCommand& command : ConvertCommandTable()) {
        TFakeEditor editor;
        TConvertContext context;
        RunConvertCommand(command, editor, context);
        if (!command.RunsOnEmpty) {
            EXPECT_EQ(editor.Writes, 0) << command.Name;
        }
    }
    // Enclosures insert their pair at the caret.
    EXPECT_EQ(RunOn("pEdHankKakkoClick", ""), "[]");
    EXPECT_EQ(RunOn("pEdKakko1Click", ""), Sjis("「」"));
    EXPECT_EQ(RunOn("pEdKakko5Click", "x"), "{* x *}");
    EXPECT_EQ(RunOn("pEdDoubleQutnClick", "x"), "\"x\"");
}

TEST(ConvertCommands, AbsurdLineHeadCountsFromTheSettingsAreHeld)
{
    const std::string result = RunOn("pEdInsSpcClick", "a\r\nb\r\n", {.InsSpcWidth = 1'000'000'000});
    EXPECT_EQ(result.size(), 2 * (8192 + 3));
}

TEST(ConvertCommands, NumbersAdvanceTheRunningNumberAndTheSwapPutsTheCaretBack)
{
    TConvertContext context{.InsertNumber = 7};
    context.Numbering.NoContinue = true;
    TFakeEditor editor;
    editor.Selected = "a\r\nb\r\n";
    RunConvertCommand(*FindConvertCommand("pEdInsNumberClick"), editor, context);
    EXPECT_EQ(editor.Selected, "7a\r\n8b\r\n");
    EXPECT_EQ(context.InsertNumber, 9);
    editor.Selected = "a := b;\r\n";
    editor.Start = 5;
    RunConvertCommand(*FindConvertCommand("pEdDelphiClick"), editor, context);
    EXPECT_EQ(editor.Selected, "b := a;\r\n");
    EXPECT_EQ(editor.Start, 5);
}

TEST(ConvertCommands, KakkoAreCountedAsWholeCharacters)
{
    // メ is 83 81: with "u" (75) after it, its trail byte and the "u" read
    // as the bytes of 「 (81 75).
    EXPECT_EQ(CountKakko(Sjis("メu")).Open, 0);
    const TKakkoCount count = CountKakko(Sjis("「あ」「い"));
    EXPECT_EQ(std::pair(count.Open, count.Close), std::pair(2, 1));
}

} // namespace
