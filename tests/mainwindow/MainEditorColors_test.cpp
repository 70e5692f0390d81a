// The page editor's colours in the running window, with the settings file
// the program writes on its first run: a selection and a hit about to be
// replaced show in their own colours, in the pixels.
#include "FormFixture.h"

#include "Cp932.h"
#include "EditModeSwitch.h"
#include "EditorFountain.h"
#include "OptionsForm.h"

#include <QImage>
#include <functional>

namespace {

QColor QColorOf(TColor Colour) { return QColor(Colour & 0xFF, (Colour >> 8) & 0xFF, (Colour >> 16) & 0xFF); }

class EditorColours : public FormTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(RunOnceToWriteSettings());
        StartShown();
        memo = form->DataMemo();
        memo->SetWordWrap(false);
    }
    // How many pixels of the cells [FromCol, ToCol) of text row Row are
    // painted in Colour.
    int Pixels(TColor Colour, int Row, int FromCol, int ToCol) const
    {
        QApplication::processEvents();
        const QImage image = memo->viewport()->grab().toImage();
        const QColor wanted = QColorOf(Colour);
        const int top = memo->TextTop() + Row * memo->RowHeight();
        int count = 0;
        for (int x = memo->TextLeft() + FromCol * memo->ColWidth(); x < memo->TextLeft() + ToCol * memo->ColWidth();
             ++x)
            for (int y = top; y < top + memo->FontHeight(); ++y)
                count += image.pixelColor(x, y) == wanted;
        return count;
    }
    int CellArea(int Cols) const { return Cols * memo->ColWidth() * memo->FontHeight(); }

    TEditorEx* memo = nullptr;
};

TEST_F(EditorColours, ASelectionShowsInTheSelectionColoursWithTheFirstRunSettings)
{
    const TFountainColor& select = *memo->View()->Colors()->Select();
    ASSERT_NE(select.BkColor(), memo->Color()) << "the settings give the selection a background of its own";
    // "日本語abc" takes nine cells; the second row is longer.
    memo->SetText(Utf8ToSjis("日本語abc\r\ndefghijkl"));
    QTest::keyClick(memo, Qt::Key_A, Qt::ControlModifier);
    EXPECT_GT(Pixels(select.BkColor(), 0, 0, 9), CellArea(9) / 2) << "Ctrl+A";
    EXPECT_GT(Pixels(select.Color(), 0, 0, 9), 0) << "the selected text in the selection's colour";

    // Shift+arrows: three cells of the second row, the rest unselected.
    QTest::keyClick(memo, Qt::Key_Home); // the caret stood at the end
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(memo, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_GT(Pixels(select.BkColor(), 1, 0, 3), CellArea(3) / 2) << "Shift+Right";
    EXPECT_EQ(Pixels(select.BkColor(), 1, 3, 9), 0);
    EXPECT_EQ(Pixels(select.BkColor(), 0, 0, 9), 0) << "the first row is no longer selected";
}

TEST_F(EditorColours, AHitAboutToBeReplacedShowsInTheHitColours)
{
    Type(QStringLiteral("abc target xyz"));
    memo->SetRowCol(0, 4);
    memo->SetHitSelLength(6);
    // The hit shows in the hit's colours or the selection's, as the hit
    // style says; colours left unset draw it inverted.
    const TEditorColors& scheme = *memo->View()->Colors();
    const bool hitColours = memo->SelectionState() == TEditorSelectionState::sstHitSelected;
    const TFountainColor& shown = hitColours ? *scheme.Hit() : *scheme.Select();
    const TColor background = shown.BkColor() == clNone ? memo->Font()->Color() : shown.BkColor();
    EXPECT_GT(Pixels(background, 0, 4, 10), CellArea(6) / 2);
    EXPECT_EQ(Pixels(background, 0, 11, 14), 0);
}

// Confirming the options gives the page the colouring of its edit mode
// again: a code page's strings keep their colour, or take the one chosen.
TEST_F(EditorColours, StringsKeepTheirColourThroughTheOptions)
{
    const TColor chosen = 0x00AA00;
    const struct {
        const char* Name;
        int Mode;
        bool ChooseColour;
    } cases[] = {{"C/C++, nothing changed", 3, false}, {"C/C++, colour chosen", 3, true}, {"text", 0, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        form->EditModeSwitch().SwitchEditMode(c.Mode);
        memo->SetText("s = \"abc\";");
        const TColor before = memo->View()->Colors()->Str()->Color();
        EXPECT_EQ(before, c.Mode == 0 ? SettingsVars.AnkCol : SettingsVars.StrCol);
        // The quoted string takes the cells 4 to 8.
        ASSERT_GT(Pixels(before, 0, 4, 9), 0);
        dialogs.AnswerForm([&](QDialog& Dialog) {
            auto& options = static_cast<TOpForm&>(Dialog);
            if (c.ChooseColour)
                options.ClMonitor->View()->Colors()->Str()->SetColor(chosen);
            options.OKButtonClick();
            return options.result();
        });
        form->MenuItem("OpMain")->Click();
        const TColor expected = c.ChooseColour ? chosen : before;
        EXPECT_EQ(memo->View()->Colors()->Str()->Color(), expected);
        EXPECT_GT(Pixels(expected, 0, 4, 9), 0) << "the string is painted in it";
    }
}

using EditorColourKeys = FormTest;

TEST_F(EditorColourKeys, EveryColourKeyReachesItsElementOfThePageEditor)
{
    // (The end-of-file and line-break marks take the white-space colours at
    // the first show instead of their own keys.)
    using TElement = std::function<TColor(const TEditorEx&)>;
    const auto colours = [](const TEditorEx& E) -> const TEditorColors& { return *E.View()->Colors(); };
    const auto bracket = [](const TEditorEx& E, int I) { return E.View()->Brackets()->Items(I)->ItemColor(); };
    const std::pair<const char*, TElement> keys[] = {
        {"SelectCol", [&](const TEditorEx& E) { return colours(E).Select()->Color(); }},
        {"SelectBkCol", [&](const TEditorEx& E) { return colours(E).Select()->BkColor(); }},
        {"ULCol", [](const TEditorEx& E) { return E.Marks()->Underline()->Color(); }},
        {"ParenCol", [](const TEditorEx& E) { return E.ExMarks()->ParenMark()->Color(); }},
        {"AnkCol", [&](const TEditorEx& E) { return colours(E).Ank()->Color(); }},
        // Text mode colours strings as single-byte text; the other modes
        // take the string colour kept here.
        {"StrCol", [](const TEditorEx&) { return SettingsVars.StrCol; }},
        {"DBCSCol", [&](const TEditorEx& E) { return colours(E).DBCS()->Color(); }},
        {"UrlCol", [&](const TEditorEx& E) { return colours(E).Url()->Color(); }},
        {"MailCol", [&](const TEditorEx& E) { return colours(E).Mail()->Color(); }},
        {"CommentCol", [&](const TEditorEx& E) { return colours(E).Comment()->Color(); }},
        {"ReserveCol", [&](const TEditorEx& E) { return colours(E).Reserve()->Color(); }},
        {"brAsterisk", [&](const TEditorEx& E) { return bracket(E, 0)->Color(); }},
        {"brEexclamation", [&](const TEditorEx& E) { return bracket(E, 1)->Color(); }},
        {"brC_Comment", [&](const TEditorEx& E) { return bracket(E, 2)->Color(); }},
        {"KagiCol", [&](const TEditorEx& E) { return bracket(E, 3)->Color(); }},
        {"FileCol", [&](const TEditorEx& E) { return bracket(E, 4)->Color(); }},
        {"PageCol", [&](const TEditorEx& E) { return bracket(E, 5)->Color(); }},
        {"KagiBkCol", [&](const TEditorEx& E) { return bracket(E, 3)->BkColor(); }},
        {"RulerCol", [](const TEditorEx& E) { return E.Ruler()->Color(); }},
        {"RulerMarkCol", [](const TEditorEx& E) { return E.Ruler()->MarkColor(); }},
        {"HitCol", [](const TEditorEx& E) { return E.ExMarks()->Hit()->Color(); }},
        {"HitMarkCol", [](const TEditorEx& E) { return E.ExMarks()->FindMark()->Color(); }},
        {"Back", [](const TEditorEx& E) { return E.Color(); }},
    };
    std::string file = "[Colors]\r\n";
    TColor value = 0x102030;
    for (const auto& [key, element] : keys)
        file += std::string(key) + "=" + std::to_string(value++) + "\r\n";
    WriteFileAtomic(SettingsFilePath(), file);
    StartShown();
    ASSERT_EQ(form->EditMode(), 0);
    value = 0x102030;
    for (const auto& [key, element] : keys)
        EXPECT_EQ(element(*form->DataMemo()), value++) << key;
}

} // namespace
