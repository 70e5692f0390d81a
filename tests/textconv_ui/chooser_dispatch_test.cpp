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

#include <functional>

namespace {

using namespace textconv;
using TExpected = std::function<std::string(const std::string&)>;

const std::string& Selection()
{
    static const std::string text =
        Sjis("  ab　cd  ｶﾞｷﾞ\tＡｂ１２３ かなカナ「です。」\r\n  ab　cd  ｶﾞｷﾞ\r\nx := y;\r\n\r\n│罫線│\r\n");
    return text;
}

std::string Enclosed(const char* Open, const std::string& Text, const char* Close)
{
    return Sjis(Open) + Text + Sjis(Close);
}

class ChooserDispatch : public ConvertFixture {
protected:
    // Runs Chooser with the remembered index set to each index in turn,
    // the dialog confirmed, and compares with Expected[index].
    void Check(int32_t& Choice, void (TConvertRunner::*Chooser)(), const std::vector<TExpected>& Expected,
               const std::function<void(int)>& Answers = {})
    {
        for (int index = 0; index < static_cast<int>(Expected.size()); ++index) {
            SCOPED_TRACE(index);
            Choice = index;
            Editor.Selected = Selection();
            InsertNumber = 1;
            Dialogs.AnswerForm([](QDialog&) { return mrOk; });
            if (Answers)
                Answers(index);
            (Runner.*Chooser)();
            EXPECT_EQ(Editor.Selected, Expected[index](Selection()));
            EXPECT_EQ(Dialogs.PendingAnswers(), 0u);
        }
    }
};

TEST_F(ChooserDispatch, ConversionChooserRunsTheNamedConversion)
{
    const std::vector<TExpected> expected = {
        [](auto& s) { return TabsToSpaces(s, TabWidth); },
        [](auto& s) { return SpacesToTabs(s, TabWidth); },
        [](auto& s) { return FullWidthSpaceToSpacePairs(s); },
        [](auto& s) { return SpacePairsToFullWidthSpace(s); },
        [](auto& s) { return LowerCaseText(s); },
        [](auto& s) { return UpperCaseText(s); },
        [](auto& s) { return FullToHalfWidthLines(s); },
        [](auto& s) { return FullKanaToHalfKana(s); },
        [](auto& s) { return FullWidthToAscii(s, 0); },
        [](auto& s) { return FullWidthToAscii(s, 1); },
        [](auto& s) { return FullWidthToAscii(s, 2); },
        [](auto& s) { return HalfToFullWidthLines(s); },
        [](auto& s) { return HalfKanaToFullKana(s, kToKatakana); },
        [](auto& s) { return HalfKanaToFullKana(s, kToHiragana); },
        [](auto& s) { return AsciiToFullWidth(s, 0); },
        [](auto& s) { return AsciiToFullWidth(s, 1); },
        [](auto& s) { return AsciiToFullWidth(s, 2); },
        [](auto& s) { return ConvertKanaRuns(s, kToHiragana); },
        [](auto& s) { return ConvertKanaRuns(s, kToKatakana); },
        [](auto& s) { return ConvertDesuToDa(s, true); },
        [](auto& s) { return ConvertDaToDesu(s, true, {}); },
        [](auto& s) { return NumbersToKanji(s); },
    };
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
    const std::vector<TExpected> expected = {
        [](auto& s) { return BreakKagiSentences(s); },
        [](auto& s) { return SeparateAlphanumerics(s); },
        [](auto& s) { return InsertLeadingSpaces(s, 2); },
        [](auto& s) { return InsertLeadingTabs(s, 3); },
        [](auto& s) { return InsertLeadingZenSpaces(s, 1); },
        [](auto& s) { return InsertQuoteMarks(s, "> "); },
        [&](auto& s) {
            int number = 1;
            return InsertLineNumbers(s, numbering, number);
        },
        [](auto& s) { return Enclosed("（", s, "）"); },
        [](auto& s) { return Enclosed("「", s, "」"); },
        [](auto& s) { return Enclosed("『", s, "』"); },
        [](auto& s) { return Enclosed("【", s, "】"); },
        [](auto& s) { return Enclosed("［", s, "］"); },
        [](auto& s) { return Enclosed("《", s, "》"); },
        [](auto& s) { return Enclosed("{* ", s, " *}"); },
        [](auto& s) { return Enclosed("{! ", s, " !}"); },
        [](auto& s) { return Enclosed("/* ", s, " */"); },
        [](std::string s) {
            for (size_t pos = s.find('\r'); pos != std::string::npos; pos = s.find('\r', pos + 5))
                s.insert(pos, "<br>");
            return s;
        },
        [](auto& s) { return ReverseText(s); },
        [](auto& s) { return SwapAssignmentLines(s); },
        [](auto& s) { return s + "!"; },
        [](auto& s) { return LogicalLinesToParagraphs(s); },
        [](auto& s) { return BoxedComment(s); },
        [](auto& s) { return CapitalizeWords(s); },
        [](auto& s) { return s + Enclosed("［＃「", s, "」に傍点］"); },
    };
    ASSERT_EQ(expected.size(), StrSeikeiCount);
    Check(SettingsVars.Seikei.StrSeikeiNo, &TConvertRunner::sbSeikeiClick, expected);
}

TEST_F(ChooserDispatch, DeletionChooserRunsTheNamedDeletion)
{
    const std::vector<TExpected> expected = {
        [](auto& s) { return DeleteDuplicateLines(s); },
        [](auto& s) {
            std::string result;
            DeleteText(s, "ab", result, soMatchCase);
            return result;
        },
        [](auto& s) { return DeleteLineHeads(s, 2); },
        [](auto& s) { return DeleteLeadingSpace(s); },
        [](auto& s) { return DeleteLeadingTab(s); },
        [](auto& s) { return DeleteLeadingTabs(s); },
        [](auto& s) { return DeleteLeadingBlanks(s); },
        [](auto& s) { return DeleteAllSpaces(s); },
        [](auto& s) { return DeleteTrailingBlanks(s); },
        [](auto& s) { return ZenSpcZenDel(s); },
        [](auto& s) { return DeleteAllLineBreaks(s); },
        [](auto& s) { return DeleteEmptyLines(s); },
        [](auto& s) { return DeleteRepeatedEmptyLines(s); },
        [](auto& s) { return ZenRtnZenDel(s); },
        [](auto& s) { return ZenKeisenDel(s); },
    };
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

// An index out of range, a cancelled chooser and a sentence-style command
// on an empty selection change nothing and ask nothing more.
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

    const size_t asked = Dialogs.Questions().size();
    Editor.Selected.clear();
    SettingsVars.Convert.StrHenkanNo = 19;
    Runner.sbHenkanClick();
    Runner.pEdDesuToDaClick();
    EXPECT_EQ(Dialogs.Questions().size(), asked);
}

} // namespace
