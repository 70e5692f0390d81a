// Number fields: full-width digits and signs as ASCII, whole numbers of a
// range as typed, committed or pasted, and what a field left holding none
// shows again.
#include "Beep.h"
#include "NumberField.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(NumberField, FullWidthDigitsAndSignsBecomeAsciiAndWholeNumbersAreSignAndDigits)
{
    EXPECT_EQ(AsciiDigitsAndSigns(QStringLiteral("０１２３４５６７８９＋－−ー")), QStringLiteral("0123456789+---"));
    EXPECT_EQ(AsciiDigitsAndSigns(QStringLiteral("ａ４ｰ。")), QStringLiteral("ａ4ｰ。")) << "nothing else changes";

    for (const char* text : {"12", "-007", "+3", "99999999999"})
        EXPECT_TRUE(IsWholeNumber(QString::fromUtf8(text))) << text;
    for (const char* text : {"", "-", "+", "1-2", "+-3", "a", " 1", "1.5", "１"})
        EXPECT_FALSE(IsWholeNumber(QString::fromUtf8(text))) << text;
}

class NumberFieldTest : public testing::Test {
protected:
    NumberFieldTest()
    {
        SetBeepHook([this] { ++Beeps; });
        Edit.show();
        Edit.activateWindow();
        Edit.setFocus();
    }
    ~NumberFieldTest() override { SetBeepHook(nullptr); }

    // The field holds Text, all selected, as when the user tabs into it.
    void Holding(const char* Text)
    {
        Edit.setText(QString::fromUtf8(Text));
        Edit.selectAll();
    }
    // What the user sees: the text and the hint, if one is up.
    std::pair<QString, QString> Shown() const
    {
        const QLabel* hint = Edit.findChild<QLabel*>();
        return {Edit.text(), hint && hint->isVisible() ? hint->text() : QString()};
    }
    void Leave()
    {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(&Edit, &out);
    }

    QLineEdit Edit;
    int Beeps = 0;
};

const QString CountHint = QStringLiteral("0 から 8192 までの数を入力してください。");

// Each key that would pass a limit or bring a sign the field cannot store
// is refused with a beep and the hint; the rest go in.
TEST_F(NumberFieldTest, KeysPastALimitOrWithASignTheRangeLacksAreRefusedWithTheHint)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Edit));
    new TNumberField(Edit, 0, 8192);
    const struct {
        const char* Typed;
        const char* Shown;
        int Beeps;
    } cases[] = {
        {"9000", "900", 1}, {"99999999999", "999", 8}, {"-3", "3", 1},
        {"+5", "+5", 0},    {"8192", "8192", 0},       {"1a", "1", 1},
    };
    for (const auto& c : cases) {
        Beeps = 0;
        Edit.clear();
        QTest::keyClicks(&Edit, QString::fromUtf8(c.Typed));
        EXPECT_EQ(std::pair(Edit.text(), Beeps), std::pair(QString::fromUtf8(c.Shown), c.Beeps)) << c.Typed;
    }
    EXPECT_EQ(Shown().second, CountHint);
}

// A field with a step takes its numbers only: a key after which no number
// of the steps can follow is refused with the hint that names them; a
// number set from code between two steps stands for the lower one.
TEST_F(NumberFieldTest, AFieldWithAStepTakesOnlyTheNumbersOfItsSteps)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Edit));
    TNumberField& field = *new TNumberField(Edit, 10, 40);
    field.SetStep(10);
    const struct {
        const char* Typed;
        const char* Shown;
        int Beeps;
    } cases[] = {{"30", "30", 0}, {"35", "3", 1}, {"15", "1", 1}, {"45", "4", 1}, {"40", "40", 0}};
    for (const auto& c : cases) {
        Beeps = 0;
        Edit.clear();
        QTest::keyClicks(&Edit, QString::fromUtf8(c.Typed));
        EXPECT_EQ(std::pair(Edit.text(), Beeps), std::pair(QString::fromUtf8(c.Shown), c.Beeps)) << c.Typed;
    }
    EXPECT_EQ(Shown().second, QStringLiteral("10、20、30、40 のいずれかを入力してください。"));

    Edit.setText(QStringLiteral("35"));
    EXPECT_EQ(std::pair(field.Value(), field.HoldsValue()), std::pair(30, false));
    Leave();
    EXPECT_EQ(Edit.text(), QStringLiteral("30"));
}

// Where the range has negative numbers the input method's minus is one.
// Where it has none, the whole commit is refused and the field holds what
// it held before the composition began, not the nothing that composing
// left.
TEST_F(NumberFieldTest, TheInputMethodsLongVowelMarkIsAMinusWhereTheRangeTakesOne)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Edit));
    TNumberField& field = *new TNumberField(Edit, -100, 100);
    const auto type = [this](const QString& Text) {
        for (qsizetype length = 1; length <= Text.size(); ++length) {
            QInputMethodEvent composing(Text.left(length), {});
            QApplication::sendEvent(&Edit, &composing);
        }
        QInputMethodEvent commit;
        commit.setCommitString(Text);
        QApplication::sendEvent(&Edit, &commit);
    };
    Holding("3");
    type(QStringLiteral("ー３"));
    EXPECT_EQ(Shown(), std::pair(QStringLiteral("-3"), QString()));

    field.SetRange(0, 20);
    Holding("3");
    type(QStringLiteral("ー３"));
    EXPECT_EQ(Shown(), std::pair(QStringLiteral("3"), QStringLiteral("0 から 20 までの数を入力してください。")));
    EXPECT_EQ(std::tuple(Edit.selectedText(), field.Value(), Beeps), std::tuple(QStringLiteral("3"), 3, 1));

    QInputMethodEvent composing(QStringLiteral("ー"), {});
    QApplication::sendEvent(&Edit, &composing);
    QInputMethodEvent givenUp;
    QApplication::sendEvent(&Edit, &givenUp);
    EXPECT_EQ(std::pair(Edit.text(), Beeps), std::pair(QStringLiteral("3"), 1)) << "a composition given up";
}

// Left holding no value of its range, a field shows the value it had, a
// number typed on the way to another too; told as a refusal is.
TEST_F(NumberFieldTest, AFieldLeftWithoutAValueShowsTheNearestOneAgain)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Edit));
    TNumberField& field = *new TNumberField(Edit, 20, 250);
    const struct {
        const char* Held; // then typed over
        const char* Typed;
        const char* Shown;
    } cases[] = {{"80", "", "80"}, {"80", "5", "80"}, {"80", "+", "80"}, {"64", "64", "64"}};
    for (const auto& c : cases) {
        Beeps = 0;
        Holding(c.Held);
        QTest::keyClick(&Edit, Qt::Key_Backspace);
        QTest::keyClicks(&Edit, QString::fromUtf8(c.Typed));
        const bool held = field.HoldsValue();
        Leave();
        EXPECT_EQ(std::tuple(Edit.text(), Beeps, field.Value()),
                  std::tuple(QString::fromUtf8(c.Shown), held ? 0 : 1, Edit.text().toInt()))
            << c.Held << " " << c.Typed;
    }

    field.SetEmptyAllowed(true);
    Holding("30");
    QTest::keyClick(&Edit, Qt::Key_Backspace);
    Leave();
    EXPECT_EQ(std::tuple(Edit.text(), field.HoldsValue(), field.Value()), std::tuple(QString(), true, 30))
        << "where empty is a value it stays";
}

TEST_F(NumberFieldTest, TextSetFromCodeIsKeptAndFullWidthDigitsPasteAsDigits)
{
    new TNumberField(Edit, -100, 100);
    Edit.setText(QStringLiteral("abc"));
    EXPECT_EQ(Edit.text(), QStringLiteral("abc")) << "set from code: shown as it is";
    Edit.setText(QStringLiteral("４２"));
    EXPECT_EQ(Edit.text(), QStringLiteral("42"));
    EXPECT_EQ(Beeps, 0);
}

} // namespace
