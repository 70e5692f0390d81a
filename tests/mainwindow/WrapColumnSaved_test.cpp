// The wrap column the window closes with is the one in effect: a number
// typed on the way to another is neither applied nor saved; in the window
// started with the settings file its first run wrote.
#include "FormFixture.h"

#include "FontToolbar.h"
#include "IniFiles.h"
#include "SpinEx.h"

#include <QLabel>

namespace {

class WrapColumnSaved : public FormTest {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(RunOnceToWriteSettings());
        ASSERT_NO_FATAL_FAILURE(StartShown());
        // The field at 100, typed and taken with Return.
        ASSERT_NO_FATAL_FAILURE(FocusWrapField());
        Retype("100");
        QTest::keyClick(&Wrap(), Qt::Key_Return);
        ASSERT_EQ(form->DataMemo()->WrapOption()->WrapByte(), 100);
    }
    TMySpinEdit& Wrap() const { return WrapField(); }
    void Retype(const char* Text)
    {
        QTest::keyClick(&Wrap(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(&Wrap(), QString::fromUtf8(Text));
    }
    QString Hint() const
    {
        const QLabel* hint = Wrap().findChild<QLabel*>();
        return hint && hint->isVisible() ? hint->text() : QString();
    }
    int32_t Saved() const { return TIniFile(SettingsFilePath()).ReadInteger("Style", "WordWrap", -1); }
};

// What the page wraps at, and what the close saves, after the field is
// left in each way: typed on the way to 120 and the window closed; 120
// typed; emptied and Return.
TEST_F(WrapColumnSaved, TheCloseSavesTheColumnInEffect)
{
    const struct {
        const char* Typed;
        bool Return;
        int32_t Column;
        const char* Shown;
    } cases[] = {{"1", false, 100, "1"}, {"12", false, 100, "12"}, {"120", false, 120, "120"}, {"", true, 100, "100"}};
    for (const auto& c : cases) {
        QTest::mouseClick(&Wrap(), Qt::LeftButton);
        Retype(c.Typed);
        if (c.Return)
            QTest::keyClick(&Wrap(), Qt::Key_Return);
        EXPECT_EQ(std::pair(Wrap().text(), form->DataMemo()->WrapOption()->WrapByte()),
                  std::pair(QString::fromUtf8(c.Shown), c.Column))
            << '"' << c.Typed << '"';
        form->close();
        EXPECT_EQ(Saved(), c.Column) << '"' << c.Typed << '"';
        NewRun();
        ASSERT_NO_FATAL_FAILURE(StartShown());
        EXPECT_EQ(form->DataMemo()->WrapOption()->WrapByte(), c.Column) << "the next run";
        // Back to 100 for the next case.
        Wrap().SetValue(100);
    }
}

// Return in a field that holds no column of the range shows the column in
// effect again, told with the range, as leaving the field does; turning
// wrapping at the window's edge off goes back to that column.
TEST_F(WrapColumnSaved, ReturnShowsTheColumnInEffectAndWrappingAtTheEdgeGoesBackToIt)
{
    Retype("1");
    QTest::keyClick(&Wrap(), Qt::Key_Return);
    EXPECT_EQ(std::pair(Wrap().text(), Hint()),
              std::pair(QStringLiteral("100"), QStringLiteral("20 から 250 までの数を入力してください。")));

    Retype("2");
    Click("sbRTN");
    Click("sbRTN");
    EXPECT_EQ(form->DataMemo()->WrapOption()->WrapByte(), 100);
}

} // namespace
