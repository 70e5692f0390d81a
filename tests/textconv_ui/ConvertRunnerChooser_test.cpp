// Each index of the three chooser dialogs runs the conversion its caption
// names: the result on a fixed selection equals the routine called directly.
#include "CaseMap.h"
#include "ChooserForm.h"
#include "ConvertFixture.h"
#include "DaHenkan.h"
#include "DelphiSource.h"
#include "DesuHenkan.h"
#include "KanjiNumber.h"
#include "LineHeads.h"
#include "LineTransforms.h"
#include "SjisLiteral.h"
#include "StrDeleteEtc.h"
#include "StrHenkan.h"
#include "StrSeikeiEtc.h"
#include "SubIni.h"

#include <QRadioButton>

#include <functional>

namespace {

using namespace textconv;
using TExpected = std::function<std::string(std::string_view)>;

const std::string& Selection()
{
    static const std::string text =
        Sjis("  ab　cd  ｶﾞｷﾞ\tＡｂ１２３ かなカナ「です。」\r\n  ab　cd  ｶﾞｷﾞ\r\nx := y;\r\n\r\n│罫線│\r\n");
    return text;
}

// Convert with its second argument bound.
template <typename Fn, typename Arg>
TExpected Bind(Fn Convert, Arg Value)
{
    return [Convert, Value](std::string_view Text) { return Convert(Text, Value); };
}

TExpected Enclosed(const char* Open, const char* Close)
{
    return [Open, Close](std::string_view Text) { return Sjis(Open) + std::string(Text) + Sjis(Close); };
}

class ChooserDispatch : public ConvertFixture {
protected:
    // Runs Chooser with each index in turn chosen in the dialog, which
    // opens on the one remembered before, and compares with Expected[index].
    void Check(int32_t& Choice, void (TConvertRunner::*Chooser)(), const std::vector<TExpected>& Expected,
               const std::function<void(int)>& Answers = {})
    {
        const int count = static_cast<int>(Expected.size());
        for (int index = 0; index < count; ++index) {
            SCOPED_TRACE(index);
            const int remembered = (index + 1) % count;
            Choice = remembered;
            Editor.Selected = Selection();
            InsertNumber = 1;
            Dialogs.AnswerForm([index, remembered](QDialog& Form) {
                auto& chooser = static_cast<TChooserForm&>(Form);
                EXPECT_TRUE(chooser.Radio(remembered)->isChecked());
                chooser.Radio(index)->setChecked(true);
                chooser.OKButtonClick();
                return chooser.result();
            });
            if (Answers)
                Answers(index);
            (Runner.*Chooser)();
            EXPECT_EQ(Choice, index);
            EXPECT_EQ(Editor.Selected, Expected[index](Selection()));
            EXPECT_EQ(Dialogs.PendingAnswers(), 0u);
        }
    }
};

TEST_F(ChooserDispatch, ConversionChooserRunsTheNamedConversion)
{
    // clang-format off
    const std::vector<TExpected> expected = {
        Bind(TabsToSpaces, TabWidth),     Bind(SpacesToTabs, TabWidth), FullWidthSpaceToSpacePairs,
        SpacePairsToFullWidthSpace,       LowerCaseText,                UpperCaseText,
        FullToHalfWidthLines,             FullKanaToHalfKana,           Bind(FullWidthToAscii, 0),
        Bind(FullWidthToAscii, 1),        Bind(FullWidthToAscii, 2),    HalfToFullWidthLines,
        Bind(HalfKanaToFullKana, kToKatakana), Bind(HalfKanaToFullKana, kToHiragana), Bind(AsciiToFullWidth, 0),
        Bind(AsciiToFullWidth, 1),        Bind(AsciiToFullWidth, 2),    Bind(ConvertKanaRuns, kToHiragana),
        Bind(ConvertKanaRuns, kToKatakana), Bind(ConvertDesuToDa, true),
        [](std::string_view s) { return ConvertDaToDesu(s, true, {}); }, NumbersToKanji,
    };
    // clang-format on
    ASSERT_EQ(expected.size(), StrHenkanCount);
    // The sentence-style converters ask whether to pass over 「」.
    Check(SettingsVars.Convert.StrHenkanNo, &TConvertRunner::sbHenkanClick, expected, [this](int Index) {
        if (Index == 19 || Index == 20)
            Dialogs.Answer(mrYes);
    });
}

TEST_F(ChooserDispatch, FormattingChooserRunsTheNamedFormatting)
{
    SettingsVars.InsSpc.width = 2;
    SettingsVars.InsTab.width = 3;
    SettingsVars.InsZenSpc.width = 1;
    SettingsVars.QMark = "> ";
    SettingsVars.NoContinue = false;
    const TLineNumberOptions numbering{SettingsVars.BeforeNumberStr, SettingsVars.AfterNumberStr,
                                       SettingsVars.NumberIndent, false};
    // clang-format off
    const std::vector<TExpected> expected = {
        BreakKagiSentences, SeparateAlphanumerics, Bind(InsertLeadingSpaces, 2), Bind(InsertLeadingTabs, 3),
        Bind(InsertLeadingZenSpaces, 1), Bind(InsertQuoteMarks, "> "),
        [&](std::string_view s) {
            int number = 1;
            return InsertLineNumbers(s, numbering, number);
        },
        Enclosed("（", "）"), Enclosed("「", "」"), Enclosed("『", "』"), Enclosed("【", "】"),
        Enclosed("［", "］"), Enclosed("《", "》"), Enclosed("{* ", " *}"), Enclosed("{! ", " !}"),
        Enclosed("/* ", " */"),
        [](std::string_view Text) {
            std::string s(Text);
            for (size_t pos = s.find('\r'); pos != std::string::npos; pos = s.find('\r', pos + 5))
                s.insert(pos, "<br>");
            return s;
        },
        ReverseText, SwapAssignmentLines, [](std::string_view s) { return std::string(s) + "!"; },
        LogicalLinesToParagraphs, BoxedComment, CapitalizeWords,
        [](std::string_view s) { return std::string(s) + Enclosed("［＃「", "」に傍点］")(s); },
    };
    // clang-format on
    ASSERT_EQ(expected.size(), StrSeikeiCount);
    Check(SettingsVars.Seikei.StrSeikeiNo, &TConvertRunner::sbSeikeiClick, expected);
}

TEST_F(ChooserDispatch, DeletionChooserRunsTheNamedDeletion)
{
    // clang-format off
    const std::vector<TExpected> expected = {
        DeleteDuplicateLines,
        [](std::string_view s) {
            std::string result;
            DeleteText(std::string(s), "ab", result, soMatchCase);
            return result;
        },
        Bind(DeleteLineHeads, 2), DeleteLeadingSpace, DeleteLeadingTab, DeleteLeadingTabs, DeleteLeadingBlanks,
        DeleteAllSpaces, DeleteTrailingBlanks, ZenSpcZenDel, DeleteAllLineBreaks, DeleteEmptyLines,
        DeleteRepeatedEmptyLines, ZenRtnZenDel, ZenKeisenDel,
    };
    // clang-format on
    ASSERT_EQ(expected.size(), StrDelCount);
    Check(SettingsVars.Delete.GStrDelNo, &TConvertRunner::sbDeleteClick, expected, [this](int Index) {
        if (Index == 1) {
            Dialogs.AnswerText("ab");
            Dialogs.Answer(mrOk);
        } else if (Index == 2) {
            Dialogs.AnswerText("2");
        }
    });
}

// An index out of range, a cancelled chooser, and a chooser or a
// sentence-style command on an empty selection change nothing and ask
// nothing more.
TEST_F(ChooserDispatch, RunsNothingOutOfRangeOnCancelOrOnAnEmptySelection)
{
    for (int index : {-1, 22, 99}) {
        SCOPED_TRACE(index);
        SettingsVars.Convert.StrHenkanNo = index;
        Editor.Selected = Selection();
        Dialogs.AnswerForm([](QDialog& Form) {
            EXPECT_EQ(static_cast<TChooserForm&>(Form).ItemIndex(), -1);
            return mrOk;
        });
        Runner.sbHenkanClick();
        EXPECT_EQ(Editor.Selected, Selection());
    }
    SettingsVars.Delete.GStrDelNo = 10;
    Dialogs.AnswerForm([](QDialog&) { return mrCancel; });
    Runner.sbDeleteClick();
    EXPECT_EQ(Editor.Selected, Selection());

    // Without a selection the chooser still opens and keeps the choice.
    Editor.Selected.clear();
    SettingsVars.Convert.StrHenkanNo = 0;
    Dialogs.AnswerForm([](QDialog& Form) {
        auto& chooser = static_cast<TChooserForm&>(Form);
        chooser.Radio(19)->setChecked(true);
        chooser.OKButtonClick();
        return chooser.result();
    });
    Runner.sbHenkanClick();
    EXPECT_EQ(Dialogs.PendingAnswers(), 0u) << "the chooser opened";
    EXPECT_EQ(SettingsVars.Convert.StrHenkanNo, 19);
    const size_t asked = Dialogs.Questions().size();
    Runner.pEdDesuToDaClick();
    EXPECT_EQ(Dialogs.Questions().size(), asked);
    EXPECT_TRUE(Editor.Selected.empty());
}

} // namespace
