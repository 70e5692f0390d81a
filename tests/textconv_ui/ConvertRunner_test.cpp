// The commands that ask before they delete, and the ones whose dialog is
// their own: what the user is told, and what is kept for next time.
#include "ConvertFixture.h"
#include "SjisLiteral.h"
#include "SortForm.h"
#include "SubIni.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLineEdit>

namespace {

using QuestionCommands = ConvertFixture;

TEST_F(QuestionCommands, StringDeletionTellsTheCountOrThatNothingWasFound)
{
    // Without a selection the box still tells the count.
    const struct {
        const char* Selection;
        const char* Typed;
        const char* Result;
        const char* Told;
    } cases[] = {
        {"xabyab", "ab", "xy", "削除文字列  ' ab '\r\n\r\n2個削除しました。"},
        {"xyz", "あい", "xyz", "削除文字列  ' あい 'は見つかりませんでした。"},
        {"", "あい", "", "削除文字列  ' あい 'は見つかりませんでした。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Selection);
        Editor.Selected = c.Selection;
        Dialogs.AnswerText(c.Typed);
        Runner.pEdSpecifiedStrDelClick();
        EXPECT_EQ(Editor.Selected, Sjis(c.Result));
        EXPECT_EQ(Dialogs.MessageTexts().size(), static_cast<size_t>(&c - cases + 1));
        EXPECT_EQ(Dialogs.MessageTexts().back(), c.Told);
        EXPECT_EQ(SettingsVars.AllDelStr, Sjis(c.Typed));
    }
}

TEST_F(QuestionCommands, CancelledDeletionsChangeNothing)
{
    SettingsVars.AllDelStr = "keep";
    Editor.Selected = "keep this";
    Dialogs.Answer(mrCancel);
    Runner.pEdSpecifiedStrDelClick();
    Dialogs.Answer(mrCancel);
    Runner.pEdTopStrDelClick();
    EXPECT_EQ(Editor.Selected, "keep this");
    EXPECT_EQ(SettingsVars.AllDelStr, "keep");
    EXPECT_TRUE(Dialogs.MessageTexts().empty());
}

TEST_F(QuestionCommands, LeadingCharacterDeletionCountIsKept)
{
    const struct {
        const char* Typed;
        int Kept;
        std::string Result;
    } cases[] = {{"2", 2, "cde\r\nh\r\n"}, {"0", 0, "abcde\r\nfgh\r\n"}, {"x", 0, "abcde\r\nfgh\r\n"}};
    for (const auto& c : cases) {
        Editor.Selected = "abcde\r\nfgh\r\n";
        Dialogs.AnswerText(c.Typed);
        Runner.pEdTopStrDelClick();
        EXPECT_EQ(SettingsVars.DelSpc.width, c.Kept) << c.Typed;
        EXPECT_EQ(Editor.Selected, c.Result) << c.Typed;
    }
}

TEST_F(QuestionCommands, UnbalancedKakkoAreToldAndNothingConverts)
{
    const std::string text = Sjis("「です。\r\n");
    Editor.Selected = text;
    Dialogs.Answer(mrYes);
    Runner.pEdDesuToDaClick();
    EXPECT_EQ(Editor.Selected, text);
    EXPECT_EQ(Dialogs.MessageTexts().back(), "「 = 1\r\n\r\n」 = 0\r\n\r\n「 」の数が一致しないので処理できません。");
}

TEST_F(QuestionCommands, SortUsesTheColumnAndDirectionChosen)
{
    SettingsVars.Col_Row.Mode = true;
    Editor.Selected = "xb\r\nya\r\nzc\r\n";
    Dialogs.AnswerForm([](QDialog& Form) {
        auto& sort = static_cast<TSortForm&>(Form);
        sort.Edit1->setText("2");
        sort.RadioGroup1->button(1)->setChecked(true);
        sort.OKButtonClick();
        return sort.result();
    });
    Runner.EdSortClick();
    EXPECT_EQ(Editor.Selected, "zc\r\nxb\r\nya\r\n");
    EXPECT_EQ(SortChoice().SortPosition, 2);
    EXPECT_EQ(SortChoice().SortDirection, 1);
    EXPECT_FALSE(SortChoice().SortPositionEmpty);
}

} // namespace
