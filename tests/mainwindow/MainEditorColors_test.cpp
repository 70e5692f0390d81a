// The page editor's colours in the running window, with the settings file
// the program writes on its first run: a selection and a hit about to be
// replaced show in their own colours, in the pixels.
#include "FormFixture.h"

#include "Cp932.h"
#include "EditorFountain.h"

#include <QImage>

namespace {

QColor QColorOf(TColor Colour) { return QColor(Colour & 0xFF, (Colour >> 8) & 0xFF, (Colour >> 16) & 0xFF); }

class EditorColours : public FormTest {
protected:
    // The second start: the first one wrote the settings file.
    void SetUp() override
    {
        StartShown();
        ASSERT_TRUE(form->FormCloseQuery());
        ASSERT_TRUE(FileExists(SettingsFilePath()));
        form.reset();
        SettingsVars = {};
        form = std::make_unique<TTestForm>(*instances, std::make_unique<TFakeTimer>());
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

} // namespace
