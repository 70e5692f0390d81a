// Find and replace over a three-level outline, driven through the menu
// commands with the dialogs answered by the test.
#include "OutlineFixture.h"

#include "EscapePoll.h"
#include "FindAndReplace.h"
#include "SearchCommands.h"

#include <QComboBox>
#include <QKeyEvent>

namespace {

using Search = OutlineTest;

TEST_F(Search, FindWalksDownAndUpThroughTheOutline)
{
    const std::string before = Outline();
    Fill({"foo", "", {"ChkWholeFile", "btnOK"}});
    Run("FdGoFind");
    EXPECT_EQ(At(), std::make_tuple(0, 1, 0));
    for (const char* button : {"sbFoward", "sbBack"})
        EXPECT_TRUE(form->ToolButton(button)->Enabled()) << button << " searches again";
    const std::vector<std::tuple<int, int, int>> down = {{2, 0, 3}, {2, 1, 0}, {4, 0, 3}};
    for (const auto& expected : down) {
        Run("FdForwardFind");
        EXPECT_EQ(At(), expected);
    }
    Run("FdForwardFind");
    EXPECT_EQ(LastQuestion(), "前方（↓）に foo が見つかりません！");
    EXPECT_EQ(SelectedIndex(), 4) << "the walk ends on the last page";

    // Backwards from the hit shown, which does not count again.
    const std::vector<std::tuple<int, int, int>> up = {{2, 1, 0}, {2, 0, 3}, {0, 1, 0}};
    for (const auto& expected : up) {
        Run("FdBackFind");
        EXPECT_EQ(At(), expected);
    }
    Run("FdBackFind");
    EXPECT_EQ(LastQuestion(), "後方（↑）に foo が見つかりません！");
    EXPECT_EQ(SelectedIndex(), 0);
    EXPECT_EQ(Outline(), before) << "a walk changes no page";
}

TEST_F(Search, OnlyTheDialogStartsAtThePageTopTheStepsGoOn)
{
    form->DataTree()->SetSelected(Node(2));
    Fill({"foo", "", {"chkStartPos", "ChkWholeFile", "btnOK"}});
    Run("FdGoFind");
    EXPECT_EQ(At(), std::make_tuple(2, 0, 3));
    for (const auto& expected : std::vector<std::tuple<int, int, int>>{{2, 1, 0}, {4, 0, 3}}) {
        Run("FdForwardFind");
        EXPECT_EQ(At(), expected);
    }
    Run("FdBackFind");
    EXPECT_EQ(At(), std::make_tuple(2, 1, 0)) << "backwards from the hit, not from the top";

    // The next confirmed dialog starts over at the top of the page shown.
    Fill({"foo", "", {"chkStartPos", "ChkWholeFile", "btnOK"}});
    Run("FdGoFind");
    EXPECT_EQ(At(), std::make_tuple(2, 0, 3));
}

// Ctrl+Home and Ctrl+End belong to the page text wherever the focus is.
TEST_F(Search, TopAndBottomGoToThePageTextFromTheTree)
{
    for (const auto& [key, position] : {std::pair{Qt::Key_End, 11}, {Qt::Key_Home, 0}}) {
        form->DataTree()->setFocus();
        QTest::keyClick(form->DataTree(), key, Qt::ControlModifier);
        EXPECT_EQ(QApplication::focusWidget(), form->DataMemo());
        EXPECT_EQ(form->DataMemo()->SelStart(), position);
        EXPECT_EQ(SelectedIndex(), 0) << "the tree kept its page";
    }
}

TEST_F(Search, ReplaceAcrossPagesWithAllCountsEveryHit)
{
    Fill({"foo", "bar", {"ChkWholeFile", "btnAll"}});
    dialogs.Answer(mrNo);  // the hit on p0 stays
    dialogs.Answer(mrAll); // this one and every later one
    Run("FdReplace");
    const auto& questions = dialogs.Questions();
    ASSERT_GE(questions.size(), 3u);
    EXPECT_EQ(questions[1].Text, " foo   を\r\n bar   に 置き換えますか？");
    EXPECT_EQ(LastQuestion(), "3 個置換しました。");
    EXPECT_EQ(Outline(), "p0:p0\r\nfoo one|p1:p1\r\nno hit|p2 bar:p2 bar\r\nbar|p3:p3|p4 bar:p4 bar|")
        << "the stored pages' titles follow";
    EXPECT_TRUE(form->DataMemo()->Modified());
}

TEST_F(Search, ASecondReplaceShowsTheReplacementAsTyped)
{
    Fill({"one", "\\\\t&", {"chkRegExp", "-chkReplaceConfirm", "btnAll"}});
    Run("FdReplace");
    EXPECT_EQ(PageText(0), "p0\r\nfoo \\t&") << "escapes expanded once, & kept";
    std::string shown;
    dialogs.AnswerForm([&](QDialog& Dialog) {
        shown = Dialog.findChild<QComboBox*>("ComboBox2")->currentText().toStdString();
        return mrCancel;
    });
    Run("FdReplace");
    EXPECT_EQ(shown, "\\\\t&");
}

TEST_F(Search, FastReplaceCoversThePageTheSubtreeOrTheLaterPages)
{
    struct Case {
        int Start;
        const char* Scope;
        std::vector<const char*> Options;
        std::string Find, Replacement;
        std::vector<std::string> Expected;
        std::string Message;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {0, "現在のページ", {}, "foo", "X", {"p0\r\nX one", "p1\r\nno hit", "p2 foo\r\nfoo", "p3", "p4 foo"}, "1"},
        {0, "現在のページ（下の階層を含む）", {}, "FOO", "X",
         {"p0\r\nX one", "p1\r\nno hit", "p2 X\r\nX", "p3", "p4 foo"}, "3"},
        // A regular expression over a subtree replaces each hit once.
        {0, "現在のページ（下の階層を含む）", {"chkRegExp"}, "f(o+)", "<&>",
         {"p0\r\n<foo> one", "p1\r\nno hit", "p2 <foo>\r\n<foo>", "p3", "p4 foo"}, "3"},
        {2, "現在以降の全てのページ", {"-chkRegExp"}, "foo", "X", {"p0\r\nfoo one", "p1\r\nno hit", "p2 X\r\nX", "p3", "p4 X"}, "3"},
    };
    // clang-format on
    for (const Case& c : cases) {
        form.reset();
        form = std::make_unique<TTestForm>(*instances);
        Start();
        form->DataTree()->SetSelected(Node(c.Start));
        std::vector<const char*> clicks = c.Options;
        clicks.push_back(c.Scope);
        clicks.push_back("btnOK");
        Fill({c.Find, c.Replacement, clicks});
        Run("FdFastReplace");
        for (size_t i = 0; i < c.Expected.size(); ++i)
            EXPECT_EQ(PageText(static_cast<int>(i)), c.Expected[i]) << c.Scope << " page " << i;
        EXPECT_EQ(LastQuestion(),
                  "検索文字列 " + c.Find + " を " + c.Replacement + " に\r\n\r\n" + c.Message + "個置換しました。");
    }
}

TEST_F(Search, BadPatternsAreToldOnceAndChangeNothing)
{
    const std::string before = Outline();
    for (const char* pattern : {"()", "(|)", "o*"}) {
        Fill({pattern, "X", {"chkRegExp", "btnOK"}});
        Run("FdFastReplace");
        EXPECT_EQ(LastQuestion(), std::string("検索文字列  ") + pattern + " は正規表現では検索できません。");
    }
    Fill({"f(", "X", {"chkRegExp", "btnOK"}});
    Run("FdFastReplace");
    EXPECT_EQ(LastQuestion(), "正規表現の記述に誤りがあります。");
    EXPECT_EQ(Outline(), before);
    EXPECT_FALSE(form->DataMemo()->Modified());

    Fill({"foo", "", {"-chkRegExp", "btnOK"}});
    Run("FdGoFind");
    Fill({"fo(", "", {"chkRegExp", "btnOK"}});
    Run("FdGoFind");
    EXPECT_EQ(LastQuestion(), "正規表現の記述に誤りがあります。");
    EXPECT_EQ(form->DataMemo()->FindString(), "foo") << "the find string stays";
    const size_t told = dialogs.Questions().size();
    form->DataMemo()->repaint();
    EXPECT_EQ(dialogs.Questions().size(), told) << "painting tells nothing more";

    std::string result;
    EXPECT_EQ(form->FindAndReplace().SearchCommands().DeleteText("xabyAB", "ab", result, 0), 2);
    EXPECT_EQ(result, "xy");
    EXPECT_EQ(form->FindAndReplace().SearchCommands().ReplaceText("abc", "a(", result, soRegexp, "x"), 0);
    EXPECT_EQ(result, "abc") << "the whole-text replacement keeps the text";
    EXPECT_EQ(LastQuestion(), "正規表現の記述に誤りがあります。");
}

TEST_F(Search, EscStopsAFastReplaceAndTheCountSoFarIsTold)
{
    int polls = 0;
    TEscapePoll::OnPoll() = [&] {
        if (++polls == 2) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QCoreApplication::sendEvent(form->DataMemo(), &press);
        }
    };
    Fill({"foo", "X", {"現在以降の全てのページ", "btnOK"}});
    Run("FdFastReplace");
    TEscapePoll::OnPoll() = nullptr;
    EXPECT_EQ(LastQuestion(), "検索文字列 foo を X に\r\n\r\n1個置換しました。");
    EXPECT_EQ(PageText(2), "p2 foo\r\nfoo");
    EXPECT_EQ(PageText(4), "p4 foo");
}

// The browse view's pane shows a page read-only: no replacing there.
TEST_F(Search, TheBrowsePaneRefusesReplacing)
{
    Run("OpSplitRead");
    ASSERT_TRUE(form->BrowseViewOn());
    form->SecondEditor()->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(form->ActiveEditor(), form->SecondEditor());
    for (const char* command : {"FdReplace", "FdFastReplace"}) {
        Run(command);
        EXPECT_EQ(LastQuestion(), "閲覧画面では置換できません！");
    }
    EXPECT_EQ(dialogs.Questions().size(), 2u) << "no dialog opened";
}

} // namespace
