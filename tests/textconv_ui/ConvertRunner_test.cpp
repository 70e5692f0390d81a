// The commands that ask before they delete, and the ones whose dialog is
// their own: what the user is told, and what is kept for next time.
#include "Beep.h"
#include "ConvertFixture.h"
#include "SjisLiteral.h"
#include "SortForm.h"
#include "SubIni.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <vector>

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
    } cases[] = {{"2", 2, "cde\r\nh\r\n"},
                 {"３", 3, "de\r\n\r\n"}, // as the input method types it
                 {"0", 0, "abcde\r\nfgh\r\n"},
                 {"x", 0, "abcde\r\nfgh\r\n"}};
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

// A column the sort cannot use is told and the dialog stays open for
// another; the sort then uses the column it took.
TEST_F(QuestionCommands, SortRefusesAColumnOutOfRangeAndStaysOpen)
{
    const struct {
        bool OneBase;
        const char* Told;
    } bases[] = {{true, "1 から 2147483647 までの数を入力してください。"},
                 {false, "0 から 2147483646 までの数を入力してください。"}};
    for (const auto& base : bases) {
        SettingsVars.Col_Row.Mode = base.OneBase;
        Editor.Selected = "xb\r\nya\r\nzc\r\n";
        std::vector<TModalResult> results;
        std::vector<QString> told;
        int beeps = 0;
        SetBeepHook([&beeps] { ++beeps; });
        Dialogs.AnswerForm([&](QDialog& Form) {
            auto& sort = static_cast<TSortForm&>(Form);
            for (const char* typed :
                 {"99999999999", "-5", base.OneBase ? "0" : "2147483647", base.OneBase ? "2" : "1"}) {
                sort.Edit1->setText(typed);
                sort.OKButtonClick();
                results.push_back(sort.result());
                const QLabel* hint = sort.Edit1->findChild<QLabel*>();
                told.push_back(hint && hint->isVisible() ? hint->text() : QString());
            }
            return sort.result();
        });
        Runner.EdSortClick();
        SetBeepHook(nullptr);
        EXPECT_EQ(results, std::vector<TModalResult>({mrNone, mrNone, mrNone, mrOk}));
        EXPECT_EQ(std::pair(told.front(), beeps), std::pair(QString::fromUtf8(base.Told), 3));
        EXPECT_TRUE(Dialogs.MessageTexts().empty()) << "told beside the field, not in a box";
        EXPECT_EQ(Editor.Selected, "ya\r\nxb\r\nzc\r\n") << "by the second character";
    }
}

} // namespace
