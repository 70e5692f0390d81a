// The spin edit: reading, clamping and stepping its value, the keys it
// takes or refuses and its repeat buttons.
#include "Beep.h"
#include "SpinEx.h"
#include "SpinValue.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QTest>
#include <climits>
#include <gtest/gtest.h>

namespace {

TEST(SpinValue, ClampsAndSaturates)
{
    // The low ends of clamping and stepping (the spin edit tests drive the high ends).
    EXPECT_EQ(CheckSpinValue(-4, 1, 30), 1);
    EXPECT_EQ(SpinStep(INT_MIN + 1, INT_MAX, -10), INT_MIN);
}

// A timer the test ticks by hand.
class TManualTimer : public TRepeatTimer {
public:
    void Start(int IntervalMs) override { Running_ = {true, IntervalMs}; }
    void Stop() override { Running_.first = false; }
    bool Active() const override { return Running_.first; }
    int Interval() const override { return Running_.second; }

private:
    std::pair<bool, int> Running_{false, 0};
};

class SpinEdit : public testing::Test {
protected:
    SpinEdit()
    {
        SetBeepHook([this] { ++Beeps; });
        SetRepeatTimerFactory([] { return std::make_unique<TManualTimer>(); });
        Spin.SetMinValue(1);
        Spin.SetMaxValue(30);
        Spin.OnChange = [this](TObject*) { ++Changes; };
    }
    ~SpinEdit() override
    {
        SetBeepHook(nullptr);
        SetRepeatTimerFactory(nullptr);
    }
    void Leave()
    {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(&Spin, &out);
    }

    TMySpinEdit Spin;
    int Beeps = 0;
    int Changes = 0;
};

TEST_F(SpinEdit, OnChangeRunsOnlyWhenTheTextChangesAndAValuePastALimitIsRefusedOrClampedWhenLeaving)
{
    Spin.SetValue(5);
    Spin.SetValue(5);
    Spin.SetValue(30);
    Spin.SetValue(99); // clamped to 30: the same text
    EXPECT_EQ(Changes, 2);

    Spin.clear();
    QTest::keyClicks(&Spin, "35");
    EXPECT_EQ(Spin.text(), QString("3")) << "typed past the limit: refused";
    Spin.setText("35");
    EXPECT_EQ(Spin.Value(), 30) << "set from code: the limit it passed";
    Leave();
    EXPECT_EQ(Spin.text(), QString("30"));

    Spin.SetMinValue(0);
    Spin.SetMaxValue(0);
    Spin.SetValue(-1234);
    Leave();
    EXPECT_EQ(Spin.text(), QString("-1234")) << "equal limits clamp nothing";
}

TEST_F(SpinEdit, StepsFromTextThatIsNoNumberAndTenStepsWithShift)
{
    Spin.setText("abc");
    Spin.SetIncrement(2);
    QTest::keyClick(&Spin, Qt::Key_Up);
    EXPECT_EQ(Spin.text(), QString("3"));
    Spin.SetIncrement(1);
    QTest::keyClick(&Spin, Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(Spin.Value(), 13);
    QTest::keyClick(&Spin, Qt::Key_Up, Qt::ShiftModifier);
    QTest::keyClick(&Spin, Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(Spin.Value(), 30);
    QTest::keyClick(&Spin, Qt::Key_Down);
    EXPECT_EQ(Spin.Value(), 29);

    Spin.SetMinValue(0);
    Spin.SetMaxValue(0);
    Spin.SetValue(INT_MAX - 1);
    QTest::keyClick(&Spin, Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(Spin.Value(), INT_MAX) << "no wrap to negative";
    EXPECT_EQ(Beeps, 0);
}

TEST_F(SpinEdit, RefusedKeysBeepAndChangeNothing)
{
    Spin.SetValue(7);
    QTest::keyClick(&Spin, Qt::Key_A);
    QTest::keyClick(&Spin, Qt::Key_Return);
    EXPECT_EQ(std::pair(Beeps, Spin.text()), std::pair(1, QString("7"))) << "Return with a value is no refusal";

    Spin.SetReadOnly(true);
    Spin.UpClick();
    QTest::keyClick(&Spin, Qt::Key_Down);
    EXPECT_EQ(std::pair(Beeps, Spin.text()), std::pair(3, QString("7")));

    Spin.SetReadOnly(false);
    Spin.SetEditorEnabled(false);
    Spin.end(false);
    QTest::keyClick(&Spin, Qt::Key_5);
    QTest::keyClick(&Spin, Qt::Key_Backspace);
    EXPECT_EQ(std::pair(Beeps, Spin.text()), std::pair(5, QString("7")));
    QTest::keyClick(&Spin, Qt::Key_Up);
    EXPECT_EQ(Spin.text(), QString("8")) << "the arrows still step";
}

// An input method with its Japanese mode on composes "４" and commits it.
void Commit(QWidget& Field, const QString& Text)
{
    QInputMethodEvent composing(Text, {});
    QApplication::sendEvent(&Field, &composing);
    QInputMethodEvent commit;
    commit.setCommitString(Text);
    QApplication::sendEvent(&Field, &commit);
}

// Full-width digits are numbers on every way in; what is no number stays
// out, so the field never shows a value other than the one it gives.
TEST_F(SpinEdit, FullWidthDigitsCountAsDigitsTypedCommittedOrPasted)
{
    Spin.show();
    Spin.activateWindow();
    Spin.setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Spin));
    Spin.SetValue(1);
    Spin.end(false);

    QInputMethodEvent composing(QStringLiteral("４"), {});
    QApplication::sendEvent(&Spin, &composing);
    EXPECT_EQ(std::pair(Spin.text(), Spin.Value()), std::pair(QString("1"), 1)) << "composing is not yet typing";
    Commit(Spin, QStringLiteral("４"));
    EXPECT_EQ(std::pair(Spin.text(), Spin.Value()), std::pair(QString("14"), 14));
    Spin.SetMinValue(-30);
    Spin.clear();
    Commit(Spin, QStringLiteral("－２５"));
    EXPECT_EQ(Spin.Value(), -25) << "signs too, where the range takes them";

    Spin.selectAll();
    QTest::sendKeyEvent(QTest::Click, &Spin, Qt::Key_2, QStringLiteral("２"), Qt::NoModifier);
    EXPECT_EQ(Spin.text(), QString("2")) << "a key that types a full-width digit";

    QGuiApplication::clipboard()->setText(QStringLiteral("１２"));
    Spin.selectAll();
    QTest::keyClick(&Spin, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Spin.text(), QString("12"));
    EXPECT_EQ(Beeps, 0);

    QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
    QTest::keyClick(&Spin, Qt::Key_V, Qt::ControlModifier);
    Spin.end(false);
    Commit(Spin, QStringLiteral("あ"));
    EXPECT_EQ(std::pair(Beeps, Spin.text()), std::pair(2, QString("12"))) << "no number: refused";

    Spin.SetEditorEnabled(false);
    Commit(Spin, QStringLiteral("３"));
    EXPECT_EQ(std::pair(Beeps, Spin.text()), std::pair(3, QString("12"))) << "no typing, no committing";
}

// Emptied, or given a minus it has no use for through the input method, a
// spin edit keeps the value it had, and shows it again when left.
TEST_F(SpinEdit, AFieldEmptiedKeepsItsValueAndShowsItWhenLeft)
{
    Spin.show();
    Spin.activateWindow();
    Spin.setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Spin));
    Spin.SetMinValue(0);
    Spin.SetMaxValue(20);
    Spin.SetValue(7);
    Spin.selectAll();
    Commit(Spin, QStringLiteral("ー３"));
    EXPECT_EQ(std::tuple(Spin.text(), Spin.Value(), Beeps), std::tuple(QString("7"), 7, 1));

    Spin.clear();
    EXPECT_EQ(Spin.Value(), 7) << "nothing typed is no 0";
    Leave();
    EXPECT_EQ(std::pair(Spin.text(), Beeps), std::pair(QString("7"), 2));
}

// The value of a field at 100 of 20..250 while a number is typed over it,
// and once Return (no dialog's) or leaving the field is done with it: a
// number on the way to another is never the value, and is told and given
// up when the field is done with; one of the range is taken.
TEST_F(SpinEdit, AHalfTypedNumberIsNotTheValueAndGivesWayToItWhenDoneWith)
{
    Spin.show();
    Spin.activateWindow();
    Spin.setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&Spin));
    Spin.SetMinValue(20);
    Spin.SetMaxValue(250);
    enum TDone { Typing, Return, Left };
    const struct {
        const char* Typed;
        TDone Done;
        const char* Shown;
        int32_t Value;
        int Beeps;
    } cases[] = {
        {"1", Typing, "1", 100, 0}, {"12", Typing, "12", 100, 0}, {"1", Return, "100", 100, 1},
        {"1", Left, "100", 100, 1}, {"", Return, "100", 100, 1},  {"+", Left, "100", 100, 1},
        {"120", Return, "120", 120, 0}, {"25", Left, "25", 25, 0},
    };
    for (const auto& c : cases) {
        Spin.SetValue(100);
        Spin.selectAll();
        Beeps = 0;
        QTest::keyClick(&Spin, Qt::Key_Backspace);
        QTest::keyClicks(&Spin, QString::fromUtf8(c.Typed));
        if (c.Done == Return)
            QTest::keyClick(&Spin, Qt::Key_Return);
        else if (c.Done == Left)
            Leave();
        EXPECT_EQ(std::tuple(Spin.text(), Spin.Value(), Beeps), std::tuple(QString::fromUtf8(c.Shown), c.Value, c.Beeps))
            << '"' << c.Typed << "\" " << c.Done;
    }
    QTest::keyClicks(&Spin, QStringLiteral("2"));
    QTest::keyClick(&Spin, Qt::Key_Up);
    EXPECT_EQ(Spin.text(), QStringLiteral("26")) << "a step goes from the value in effect";
}

TEST_F(SpinEdit, AHeldButtonRepeatsAfter400ThenEvery100Milliseconds)
{
    Spin.SetValue(10);
    Spin.show();
    TTimerMySpeedButton* up = Spin.Button()->UpButton();
    QTest::mousePress(up, Qt::LeftButton);
    auto* timer = up->RepeatTimer();
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->Active());
    EXPECT_EQ(std::pair(timer->Interval(), Spin.Value()), std::pair(400, 10)) << "the press alone does not step";
    timer->OnTimer();
    EXPECT_EQ(timer->Interval(), 100);
    timer->OnTimer();
    EXPECT_EQ(Spin.Value(), 12);
    QTest::mouseRelease(up, Qt::LeftButton);
    EXPECT_EQ(std::pair(timer->Active(), Spin.Value()), std::pair(false, 13)) << "the release clicks once more";

    // The down button steps down, the press moving the focus to the field.
    QTest::mouseClick(Spin.Button()->DownButton(), Qt::LeftButton);
    EXPECT_EQ(Spin.Value(), 12);
    EXPECT_EQ(Spin.Button()->FocusedButton(), Spin.Button()->DownButton());
}

} // namespace
