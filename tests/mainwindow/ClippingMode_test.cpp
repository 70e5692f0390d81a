// Clipping mode: text another program copies goes into the page or a new
// one, converted or not; the program's own copies never do.
#include "FormFixture.h"

#include "Clipboard.h"
#include "ClippingMode.h"
#include "Menus.h"

#include <QClipboard>
#include <QStatusBar>

namespace {

class ClippingTest : public FormTest {
protected:
    void SetUp() override
    {
        ASSERT_EQ(form->FormCreate({}), TStartOutcome::Run);
        form->Clipping().SetProgramInFront([this] { return inFront; });
        form->Clipping().OpClipClick();
    }
    // Another program copies Text.
    static void ForeignCopy(const QString& Text)
    {
        QApplication::clipboard()->setText(Text);
        QApplication::processEvents();
    }
    std::string Page() const { return form->DataMemo()->GetText(); }
    int Pages() const { return form->DataTree()->Items().Count(); }
    bool inFront = false;
};

TEST_F(ClippingTest, CapturesForEachCombinationOfOwnPageAndConversion)
{
    const struct {
        bool AutoClip, Convert;
        std::string Before, After;
        int NewPages;
    } cases[] = {
        {false, false, "p\r\n", "p\r\na\tb\r\n", 0},
        {false, true, "\r\np\r\n", "p\r\na b\r\n", 0},
        {true, false, "p", "a\tb", 1},
        {true, true, "", "a b", 0},
    };
    for (const auto& c : cases) {
        const int before = Pages();
        SettingsVars.AutoClip = c.AutoClip;
        SettingsVars.WaveTextFlg = c.Convert;
        form->DataMemo()->SetText(c.Before);
        ForeignCopy("a\tb");
        SCOPED_TRACE(testing::Message() << c.AutoClip << c.Convert);
        EXPECT_EQ(Page(), c.After);
        EXPECT_EQ(Pages() - before, c.NewPages);
        EXPECT_EQ(form->DataTree()->Selected()->Text(), form->DataMemo()->RowText(0));
    }
}

TEST_F(ClippingTest, OwnCopiesAndCopiesWithTheProgramInFrontAreNotCaptured)
{
    form->DataMemo()->SetText("p");
    SetProgramClipboardText("own");
    QApplication::processEvents();
    inFront = true;
    ForeignCopy("front");
    EXPECT_EQ(Page() + Enabled({"sbPaste"}), "p+");
    inFront = false;
    form->Clipping().OpClipClick();
    ForeignCopy("off");
    EXPECT_EQ(Page(), "p");
}

TEST_F(ClippingTest, ModeShowsInTheCaptionAndBarsTheExternalEditor)
{
    EXPECT_EQ(form->DocumentFiles().CaptionText(), "NewFile" + Sjis("   ***** クリッピングモード *****"));
    SettingsVars.ExtEditor = true;
    form->Clipping().OpClipClick();
    EXPECT_EQ(form->DocumentFiles().CaptionText() + Enabled({"sbGoEditor"}), "NewFile+");
    form->Clipping().OpClipClick();
    EXPECT_EQ(Enabled({"sbGoEditor"}), "-");
}

TEST_F(ClippingTest, ClipsAppendedAtTheEndLeaveEveryRowMarkWhereItIs)
{
    for (const bool convert : {false, true}) {
        SettingsVars.AutoClip = false;
        SettingsVars.WaveTextFlg = convert;
        TEditorEx& memo = *form->DataMemo();
        memo.SetText("title\r\none\r\ntwo\r\nthree\r\n");
        memo.PutRowMark(1, 1);
        memo.PutRowMark(3, 3);
        for (const char* clip : {"first", "second", "third"})
            ForeignCopy(QString::fromLatin1(clip));
        SCOPED_TRACE(convert);
        EXPECT_EQ(Page(), "title\r\none\r\ntwo\r\nthree\r\nfirst\r\nsecond\r\nthird\r\n");
        EXPECT_EQ(std::pair(memo.RowMarks(1), memo.RowMarks(3)), std::pair(uint16_t{1 << 1}, uint16_t{1 << 3}));
    }
}

TEST_F(ClippingTest, CharactersShiftJisCannotHoldAreTold)
{
    SettingsVars.AutoClip = false;
    SettingsVars.WaveTextFlg = false;
    form->DataMemo()->SetText("p\r\n");
    ForeignCopy(QString::fromUtf8("é😀"));
    EXPECT_EQ(Page(), "p\r\n??\r\n");
    EXPECT_EQ(form->statusBar()->currentMessage().toStdString(), UnmappedCharactersText(2));
}

TEST_F(ClippingTest, EmptyLineOptionsExcludeEachOther)
{
    TMenuItem* all = form->MenuItem("WeOpTopRtnDel");
    TMenuItem* rules = form->MenuItem("WeOphyphen");
    all->Click();
    EXPECT_EQ(std::pair(all->Checked(), rules->Checked()), std::pair(true, false));
    rules->Click();
    EXPECT_EQ(std::pair(all->Checked(), rules->Checked()), std::pair(false, true));
}

} // namespace
