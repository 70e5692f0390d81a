// The sort dialog's column as the user types it: a full-width number from
// the input method is the number, what the sort cannot use is refused, and
// what is no number at all is column 1.
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
    } cases[] = {{"-5", "5", 1, 5, false},
                 {"99999999999", "999999999", 2, 999999999, false},
                 {"", "", 0, 1, true},
                 {"+", "+", 0, 1, false}};
    for (const auto& c : cases) {
        TSortForm form;
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        form.Edit1->setFocus();
        beeps = 0;
        QTest::keyClicks(form.Edit1, QString::fromUtf8(c.Typed));
        EXPECT_EQ(std::pair(form.Edit1->text(), beeps), std::pair(QString::fromUtf8(c.Shown), c.Beeps)) << c.Typed;
        form.OKButton->click();
        EXPECT_EQ(std::tuple(form.result(), SortChoice().SortPosition, SortChoice().SortPositionEmpty),
                  std::tuple(mrOk, c.Position, c.Empty))
            << c.Typed;
    }
    SetBeepHook(nullptr);
}

} // namespace
