// The sort dialog's column as the user types it: a full-width number from
// the input method is the number, and what the sort cannot use, a sign on
// its own too, is refused.
#include "SortForm.h"

#include "Beep.h"
#include "DialogHook.h"
#include "SubIni.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(SortForm, AColumnCommittedFullWidthIsTheColumn)
{
    TSortForm form;
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("１２"));
    QApplication::sendEvent(form.Edit1, &commit);
    form.OKButton->click();
    EXPECT_EQ(std::tuple(form.result(), SortChoice().SortPosition, SortChoice().SortPositionEmpty),
              std::tuple(mrOk, 12, false));
}

TEST(SortForm, AColumnTypedTakesOnlyWhatTheSortCanUse)
{
    int beeps = 0;
    SetBeepHook([&] { ++beeps; });
    SettingsVars.Col_Row.Mode = false;
    const struct {
        const char* Typed;
        const char* Shown;
        int Beeps, Position;
        bool Empty;
        TModalResult Result;
    } cases[] = {{"-5", "5", 1, 5, false, mrOk},
                 {"99999999999", "999999999", 2, 999999999, false, mrOk},
                 {"", "", 0, 1, true, mrOk},
                 {"+", "+", 0, 1, true, mrNone}};
    for (const auto& c : cases) {
        TSortForm form;
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        form.Edit1->setFocus();
        beeps = 0;
        QTest::keyClicks(form.Edit1, QString::fromUtf8(c.Typed));
        EXPECT_EQ(std::pair(form.Edit1->text(), beeps), std::pair(QString::fromUtf8(c.Shown), c.Beeps)) << c.Typed;
        // Return, as a click on OK would leave the field first.
        QTest::keyClick(form.Edit1, Qt::Key_Return);
        EXPECT_EQ(std::tuple(form.result(), SortChoice().SortPosition, SortChoice().SortPositionEmpty),
                  std::tuple(c.Result, c.Position, c.Empty))
            << c.Typed;
    }
    SetBeepHook(nullptr);
}

} // namespace
