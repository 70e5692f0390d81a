// Number fields: full-width digits and signs as ASCII, whole numbers on
// their way, and a plain line edit made a number field.
#include "Beep.h"
#include "NumberField.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(NumberField, FullWidthDigitsAndSignsBecomeAsciiAndOnlyWholeNumbersPass)
{
    EXPECT_EQ(AsciiDigitsAndSigns(QStringLiteral("０１２３４５６７８９＋－−")), QStringLiteral("0123456789+--"));
    EXPECT_EQ(AsciiDigitsAndSigns(QStringLiteral("ａ４ー。")), QStringLiteral("ａ4ー。")) << "nothing else changes";

    for (const char* text : {"", "-", "+", "12", "-007", "+3"})
        EXPECT_TRUE(IsPartialInteger(QString::fromUtf8(text))) << text;
    for (const char* text : {"1-2", "+-", "a", " 1", "1.5", "１"})
        EXPECT_FALSE(IsPartialInteger(QString::fromUtf8(text))) << text;
}

TEST(NumberField, AnEditTakesWhatTheInputMethodCommitsAsANumberAndKeepsTextSetFromCode)
{
    int beeps = 0;
    SetBeepHook([&] { ++beeps; });
    QLineEdit edit;
    MakeNumberField(edit, IsPartialInteger);
    edit.show();
    edit.activateWindow();
    edit.setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&edit));

    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("－３"));
    QApplication::sendEvent(&edit, &commit);
    EXPECT_EQ(edit.text(), QStringLiteral("-3"));
    QTest::keyClicks(&edit, QStringLiteral("x"));
    EXPECT_EQ(std::pair(edit.text(), beeps), std::pair(QStringLiteral("-3"), 1));

    edit.setText(QStringLiteral("abc"));
    EXPECT_EQ(edit.text(), QStringLiteral("abc")) << "set from code: shown as it is";
    edit.setText(QStringLiteral("４２"));
    EXPECT_EQ(edit.text(), QStringLiteral("42"));
    SetBeepHook(nullptr);
}

} // namespace
