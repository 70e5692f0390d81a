// Date and time on a new setup and in the dialog that sets their formats,
// driven from the keyboard.
#include "FormFixture.h"

#include "DateTimeForm.h"
#include "EditCommands.h"

#include <QLineEdit>
#include <QPushButton>

namespace {

class DateTime : public FormTest {
protected:
    void SetUp() override
    {
        StartShown();
        form->EditCommands().SetClock([] { return TDateTimeParts{2026, 3, 7, 9, 5, 4, 6}; });
        form->DataMemo()->SetText("");
    }
    std::string Inserted(const char* Item)
    {
        form->DataMemo()->SetText("");
        form->MenuItem(Item)->Click();
        return SjisToUtf8(form->DataMemo()->GetText());
    }
};

// A first run inserts what a Japanese user writes; formats the user
// emptied insert nothing and say so.
TEST_F(DateTime, ANewSetupInsertsTheJapaneseFormsAndEmptyFormatsSaySo)
{
    EXPECT_EQ(Inserted("EdDate"), "2026年03月07日");
    EXPECT_EQ(Inserted("EdTime"), "09時05分04秒");
    EXPECT_EQ(Inserted("EdDateTime"), "2026年03月07日 09時05分04秒");
    EXPECT_TRUE(dialogs.Questions().empty());

    SettingsVars.IME = {};
    for (const char* item : {"EdDate", "EdTime", "EdDateTime"}) {
        EXPECT_EQ(Inserted(item), "") << item;
        EXPECT_NE(LastQuestion().find("日付・時刻の設定"), std::string::npos) << item;
    }
    EXPECT_EQ(dialogs.Questions().size(), 3u);
}

// Return walks code box, text box, next code box ... and, after the last
// text, reaches OK, which only then takes it; nothing else means OK.
TEST_F(DateTime, ReturnWalksTheBoxesAndPressesOnlyTheFocusedButton)
{
    TDateTimeForm dialog(form.get());
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    dialog.NumEdits[0]->setFocus();
    QApplication::processEvents();
    dialog.KigoEdits[5]->setText(QStringLiteral("秒です"));
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_TRUE(dialog.NumEdits[i]->hasFocus()) << i;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_TRUE(dialog.KigoEdits[i]->hasFocus()) << i;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    ASSERT_TRUE(dialog.OkButton->hasFocus());
    EXPECT_TRUE(dialog.isVisible()) << "no box's Return closed the dialog";
    QTest::keyClick(dialog.OkButton, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), mrOk);
    EXPECT_EQ(SjisToUtf8(SettingsVars.IME.SecK), "秒です");

    TDateTimeForm again(form.get());
    again.show();
    again.CancelButton->setFocus();
    again.KigoEdits[0]->setText(QStringLiteral("x"));
    QTest::keyClick(again.CancelButton, Qt::Key_Enter);
    EXPECT_FALSE(again.isVisible());
    EXPECT_EQ(SjisToUtf8(SettingsVars.IME.YearK), "年") << "Cancel stored nothing";
}

// A character Shift-JIS cannot hold is refused at OK with the message and
// its box gets the focus; nothing is stored until every box can be.
TEST_F(DateTime, ATextShiftJisCannotHoldIsRefusedAtItsBox)
{
    TDateTimeForm dialog(form.get());
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QApplication::processEvents();
    dialog.KigoEdits[0]->setText(QStringLiteral("년😀"));
    dialog.KigoEdits[1]->setText(QStringLiteral("月の"));
    dialogs.Answer(mrOk);
    QTest::mouseClick(dialog.OkButton, Qt::LeftButton);
    EXPECT_EQ(LastQuestion(), "년😀\r\n\r\n入力された文字列には Shift-JIS で表せない文字が含まれているので使えません。");
    EXPECT_EQ(std::tuple(dialog.isVisible(), dialog.KigoEdits[0]->hasFocus(), SjisToUtf8(SettingsVars.IME.MonthK)),
              std::tuple(true, true, "月"));

    dialog.KigoEdits[0]->setText(QStringLiteral("年の"));
    QTest::mouseClick(dialog.OkButton, Qt::LeftButton);
    EXPECT_EQ(dialog.result(), mrOk);
    EXPECT_EQ(Inserted("EdDate"), "2026年の03月の07日");
}

// A wrong code in the box left by clicking OK is told as leaving it tells
// it, and OK stores nothing meanwhile.
TEST_F(DateTime, AWrongCodeLeftForOkIsToldNotStored)
{
    TDateTimeForm dialog(form.get());
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    dialog.NumEdits[1]->setFocus();
    QApplication::processEvents();
    dialog.NumEdits[1]->setText(QStringLiteral("M"));
    dialogs.Answer(mrOk);
    QTest::mouseClick(dialog.OkButton, Qt::LeftButton);
    EXPECT_EQ(std::pair(dialog.isVisible(), SettingsVars.IME.Month), std::pair(true, std::string("mm")));
    QApplication::processEvents();
    EXPECT_EQ(LastQuestion(), "入力に間違いがあります！");
    EXPECT_EQ(std::pair(dialog.NumEdits[1]->text(), dialog.NumEdits[1]->hasFocus()),
              std::pair(QStringLiteral("mm"), true));
}

} // namespace
