// The search dialogs as the commands see them: what Execute returns, the
// enabling rules of the option boxes, and what the history file keeps.
#include "FastReplaceForm.h"
#include "IniFiles.h"
#include "ProgramHome.h"
#include "ReplaceForm.h"
#include "ScriptedDialogs.h"
#include "SearchForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

class SearchDialogs : public testing::Test {
protected:
    // The program folder is decided before the first file name is made.
    SearchDialogs()
    {
        ProgramHome();
        std::filesystem::remove(SearchHistoryFileName());
    }

    // Answers the next dialog with Act, then closes it with Button.
    void Answer(std::function<void(QDialog&)> Act, const char* Button)
    {
        dialogs.AnswerForm([Act, Button](QDialog& Dialog) {
            Act(Dialog);
            Dialog.findChild<QPushButton*>(Button)->click();
            return Dialog.result();
        });
    }
    // Each named control as "e" enabled or "-" not, then "x" checked or ".".
    static std::string States(QDialog& Dialog, std::initializer_list<const char*> Names)
    {
        std::string states;
        for (const char* name : Names) {
            auto* control = Dialog.findChild<QWidget*>(name);
            auto* button = qobject_cast<QAbstractButton*>(control);
            states += control->isEnabled() ? 'e' : '-';
            states += button && button->isChecked() ? 'x' : '.';
        }
        return states;
    }
    static void Type(QDialog& Dialog, const char* Combo, const QString& Text)
    {
        Dialog.findChild<QComboBox*>(Combo)->setEditText(Text);
    }

    TScriptedDialogs dialogs;
};

TEST_F(SearchDialogs, ExecuteSucceedsOnlyWithAFindText)
{
    struct Case {
        std::string Passed;
        QString Typed;
        const char* Button;
        bool Ok;
        std::string Find;
    };
    const std::vector<Case> cases = {
        {"abc", "", "btnOK", true, ""}, // the caller then switches the search off
        {"", "", "btnOK", false, ""},
        {"", "xyz", "btnOK", true, "xyz"},
        {"abc", "xyz", "btnCancel", false, "abc"},
        {"", QString::fromUtf8("a😀"), "btnOK", false, ""}, // no Shift-JIS for it
    };
    for (const Case& c : cases) {
        Answer([&](QDialog& D) { Type(D, "ComboBox1", c.Typed); }, c.Button);
        std::string find = c.Passed;
        TSearchOptionWord options = soWholeFile | soFuzzy;
        EXPECT_EQ(TfmSearch::Execute(nullptr, find, options, false), c.Ok) << c.Passed << " " << c.Button;
        EXPECT_EQ(find, c.Find);
        EXPECT_EQ(options, c.Ok ? soDownward : soWholeFile | soFuzzy);
    }
    EXPECT_EQ(ReadSearchHistory(TIniFile(SearchHistoryFileName())).FindHistory, std::vector<std::string>{"xyz"})
        << "a cancelled or refused dialog keeps nothing";
    EXPECT_EQ(dialogs.Questions().back().Text,
              "入力された文字列には Shift-JIS で表せない文字が含まれているので使えません。");
}

TEST_F(SearchDialogs, ReplaceTellsOkFromAll)
{
    for (const auto& [button, bit] : {std::pair{"btnOK", soReplace}, {"btnAll", soReplaceAll}}) {
        Answer(
            [](QDialog& D) {
                Type(D, "ComboBox1", "a");
                Type(D, "ComboBox2", "b");
            },
            button);
        std::string find, replacement;
        TSearchOptionWord options = 0;
        ASSERT_TRUE(TFmReplace::Execute(nullptr, find, replacement, options));
        EXPECT_EQ(replacement, "b");
        EXPECT_EQ(options, bit | soReplaceConfirm) << "the confirmation box is checked at every showing";
    }
}

TEST_F(SearchDialogs, OptionBoxesFollowTheirRules)
{
    const std::vector<std::pair<std::vector<const char*>, std::string>> cases = {
        {{}, "e.e.-.e.-.e.-."},
        {{"chkRegExp"}, "e.-.e.ex-.e.-."},
        {{"chkWholeWord"}, "e.ex-.-.-.e.-."},
        {{"chkRegExp", "chkFuzzy"}, "e.-.exex-.e.-."},
        {{"chkRegExp", "chkFuzzy", "ChkMatchCase"}, "ex-.e.ex-.e.-."},
        {{"ChkWholeFile"}, "e.e.-.e.ex-.e."},
    };
    for (const auto& [clicks, expected] : cases) {
        std::string seen;
        Answer(
            [&](QDialog& D) {
                for (const char* name : clicks)
                    D.findChild<QCheckBox*>(name)->click();
                seen = States(D, {"ChkMatchCase", "chkWholeWord", "chkFuzzy", "chkRegExp", "ChkFindList", "RadioGroup1",
                                  "RadioGroup2"});
            },
            "btnCancel");
        std::string find;
        TSearchOptionWord options = 0;
        TfmSearch::Execute(nullptr, find, options, false);
        EXPECT_EQ(seen, expected) << clicks.size();
    }
}

// A list search has no direction, so the direction group is off whenever
// the list box is checked, from the showing on; the start-of-page box
// changes neither.
TEST_F(SearchDialogs, TheDirectionIsOfferedOnlyWithoutAList)
{
    std::ofstream(SearchHistoryFileName()) << "[Search]\nWholeFile=1\n";
    std::vector<std::string> seen;
    Answer(
        [&](QDialog& D) {
            const auto look = [&] { seen.push_back(States(D, {"ChkFindList", "RadioGroup1", "RadioGroup2"})); };
            look();
            D.findChild<QCheckBox*>("chkStartPos")->click();
            look();
            D.findChild<QCheckBox*>("ChkFindList")->click();
            look();
            D.findChild<QCheckBox*>("ChkWholeFile")->click();
            look();
        },
        "btnCancel");
    std::string find;
    TSearchOptionWord options = 0;
    TfmSearch::Execute(nullptr, find, options, false);
    EXPECT_EQ(seen, (std::vector<std::string>{"ex-.e.", "ex-.e.", "e.e.-.", "-.e.-."}));
}

TEST_F(SearchDialogs, ShowingAppliesTheFileAndTheCaller)
{
    std::ofstream(SearchHistoryFileName())
        << "[Search]\nRegExp=1\nWholeFile=1\nWholeWord=1\nFuzzy=1\nCount=1\n0=\" last \"\n";
    std::string search, fast;
    Answer(
        [&](QDialog& D) {
            search = D.findChild<QComboBox*>("ComboBox1")->currentText().toStdString() + "|"
                     + States(D, {"ChkWholeFile"}) + (D.findChildren<QRadioButton*>().at(1)->isChecked() ? "v" : "^");
        },
        "btnCancel");
    std::string find;
    TSearchOptionWord options = 0;
    TfmSearch::Execute(nullptr, find, options, true);
    EXPECT_EQ(search, " last |-.v") << "blanks kept; the browse pane searches its own page; downward";
    Answer([&](QDialog& D) { fast = States(D, {"chkMatchCase", "chkWholeWord"}); }, "btnCancel");
    std::string replacement;
    int scope = 0;
    TFmFastReplace::Execute(nullptr, find, replacement, scope, options);
    EXPECT_EQ(fast, "-x-.") << "a regular expression is case-sensitive; a stored fuzzy unchecks whole word";
}

TEST_F(SearchDialogs, ClearingEmptiesTheHistoryWhenConfirmed)
{
    for (const char* text : {"one", "two", "three"})
        Answer(
            [text](QDialog& D) {
                if (std::string_view(text) == "three")
                    D.findChild<QPushButton*>("btnFindStrClr")->click();
                Type(D, "ComboBox1", text);
            },
            "btnOK");
    std::vector<std::vector<std::string>> kept;
    for (int i = 0; i < 3; ++i) {
        std::string find;
        TSearchOptionWord options = 0;
        TfmSearch::Execute(nullptr, find, options, false);
        kept.push_back(ReadSearchHistory(TIniFile(SearchHistoryFileName())).FindHistory);
    }
    EXPECT_EQ(kept, (std::vector<std::vector<std::string>>{{"one"}, {"two", "one"}, {"three"}}));
}

// A history file the user made read-only stays as it is; the search runs,
// and that the history was not kept is told once, not at every search.
TEST_F(SearchDialogs, AReadOnlyHistoryFileIsKeptAndToldOnce)
{
    const std::string kept = "[Search]\r\nFind0=mine\r\n";
    std::ofstream(SearchHistoryFileName(), std::ios::binary) << kept;
    chmod(SearchHistoryFileName().c_str(), 0444);
    for (const char* text : {"one", "two"}) {
        Answer([text](QDialog& D) { Type(D, "ComboBox1", text); }, "btnOK");
        std::string find;
        TSearchOptionWord options = 0;
        EXPECT_TRUE(TfmSearch::Execute(nullptr, find, options, false));
        EXPECT_EQ(find, text);
    }
    EXPECT_EQ(dialogs.MessageTexts(),
              std::vector<std::string>{SearchHistoryFileName()
                                       + " に書き込めません\n"
                                         "読み出し専用のファイルなので、書き換えずにそのまま残しました。"});
    std::ifstream file(SearchHistoryFileName(), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), kept);
    chmod(SearchHistoryFileName().c_str(), 0644);
}

} // namespace
