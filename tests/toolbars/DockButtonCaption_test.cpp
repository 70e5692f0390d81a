// Toolbar buttons with captions: wrapping and aligning them, the keys that
// click a button from its window, the action a button shows, and the
// result it gives its dialog.
#include "ToolbarForm.h"

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// The rows and columns of Image drawn on: its pixels unlike the
// background, as the top-left pixel shows it.
QRect InkBounds(const QImage& Image)
{
    QRect ink;
    for (int y = 0; y < Image.height(); ++y)
        for (int x = 0; x < Image.width(); ++x)
            if (Image.pixel(x, y) != Image.pixel(0, 0))
                ink |= QRect(x, y, 1, 1);
    return ink;
}

TEST(DockButtonCaption, WrapsBetweenWordsAndAlignsItsLines)
{
    QWidget parent;
    TDockButton button(&parent);
    button.resize(60, 60);
    button.SetCaption(QStringLiteral("wide words here"));
    const int line = button.fontMetrics().height();
    ASSERT_GT(button.fontMetrics().horizontalAdvance(button.Caption()), 60) << "the test needs a caption too wide";

    const QRect oneLine = InkBounds(Rendered(button));
    EXPECT_LE(oneLine.height(), line);
    button.SetWordWrap(true);
    const QRect wrapped = InkBounds(Rendered(button));
    EXPECT_GT(wrapped.height(), line) << "more than one line";
    // Room is the content less twice 4 px: no line runs into the border.
    EXPECT_GE(wrapped.left(), 1 + 4 - 1);
    EXPECT_LE(wrapped.right(), 60 - 1 - 4);

    // "here" is shorter than "wide words": left-aligned it starts where the
    // first line starts, right-aligned it ends where that line ends.
    button.SetCaption(QStringLiteral("wide words here"));
    const auto lastLine = [&] {
        const QImage image = Rendered(button);
        return InkBounds(image.copy(0, wrapped.bottom() - line / 2, 60, line / 2));
    };
    button.SetAlignment(TAlignment::taLeftJustify);
    const QRect left = lastLine();
    button.SetAlignment(TAlignment::taRightJustify);
    const QRect right = lastLine();
    EXPECT_LT(left.left(), right.left());
    EXPECT_EQ(left.width(), right.width()) << "the same line moved";
}

struct DialogKeys : testing::Test {
    DialogKeys()
    {
        Dialog.resize(200, 100);
        Button->OnClick = [this](TObject*) { ++Clicks; };
        Dialog.show();
        Dialog.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&Dialog));
    }

    QDialog Dialog;
    QWidget* Toolbar = new QWidget(&Dialog);
    TDockButton* Button = new TDockButton(Toolbar);
    QLineEdit* Line = new QLineEdit(&Dialog);
    QPlainTextEdit* Text = new QPlainTextEdit(&Dialog);
    int Clicks = 0;
};

TEST_F(DialogKeys, EnterEscAndTheMarkedLetterClickWhenNoControlTakesThem)
{
    Button->SetCaption(QStringLiteral("R&&D"));
    QTest::keyClick(Text, Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(Clicks, 0) << "a doubled & marks no letter";

    Button->SetCaption(QStringLiteral("&Go"));
    Button->SetDefault(true);
    struct TCase {
        const char* Name;
        QWidget* Focus;
        int Key;
        Qt::KeyboardModifiers Shifts;
        int Clicks;
    };
    const TCase cases[] = {
        {"Enter in a line edit", Line, Qt::Key_Return, Qt::NoModifier, 1},
        {"keypad Enter", Line, Qt::Key_Enter, Qt::KeypadModifier, 1},
        {"Enter in a text that takes it", Text, Qt::Key_Return, Qt::NoModifier, 0},
        {"Ctrl+Enter", Line, Qt::Key_Return, Qt::ControlModifier, 0},
        {"Alt and the marked letter", Text, Qt::Key_G, Qt::AltModifier, 1},
        {"Alt and another letter", Line, Qt::Key_H, Qt::AltModifier, 0},
        // Last: the dialog takes it and closes.
        {"Esc without Cancel", Line, Qt::Key_Escape, Qt::NoModifier, 0},
    };
    for (const TCase& c : cases) {
        Clicks = 0;
        c.Focus->setFocus();
        QTest::keyClick(c.Focus, static_cast<Qt::Key>(c.Key), c.Shifts);
        EXPECT_EQ(Clicks, c.Clicks) << c.Name;
    }
}

TEST_F(DialogKeys, EscClicksACancelButtonAndAHiddenOrPictureOnlyButtonTakesNoKeys)
{
    Button->SetCaption(QStringLiteral("&Stop"));
    Button->SetCancel(true);
    Line->setFocus();
    QTest::keyClick(Line, Qt::Key_Escape);
    EXPECT_EQ(Clicks, 1);
    EXPECT_TRUE(Dialog.isVisible()) << "the button took Esc before the dialog";

    Button->SetDisplayMode(TButtonDisplayMode::dmGlyphOnly);
    QTest::keyClick(Line, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(Clicks, 1) << "no caption shows";
    Button->SetEnabled(false);
    QTest::keyClick(Line, Qt::Key_Escape);
    EXPECT_EQ(Clicks, 1) << "disabled";
}

TEST_F(DialogKeys, AClickGivesTheDialogTheButtonsResult)
{
    Button->SetModalResult(mrOk);
    Button->Click();
    EXPECT_EQ(Clicks, 1);
    EXPECT_EQ(Dialog.result(), mrOk);
    EXPECT_FALSE(Dialog.isVisible());
}

TEST(DockButtonAction, ShowsItsActionAndTriggersItWithoutAnOnClick)
{
    QWidget toolbar;
    TDockButton button(&toolbar);
    button.SetGroupIndex(1);
    button.SetAllowAllUp(true);
    int triggered = 0, clicks = 0;
    {
        QAction action(QStringLiteral("&Bold"));
        action.setToolTip(QStringLiteral("Bold text"));
        action.setCheckable(true);
        QObject::connect(&action, &QAction::triggered, [&] { ++triggered; });
        button.SetAction(&action);
        EXPECT_EQ(button.Caption(), QStringLiteral("&Bold"));
        EXPECT_EQ(button.Hint(), QStringLiteral("Bold text"));

        action.setChecked(true);
        EXPECT_TRUE(button.Down());
        action.setEnabled(false);
        EXPECT_FALSE(button.Enabled());
        action.setEnabled(true);

        button.Click();
        EXPECT_EQ(triggered, 1);
        EXPECT_FALSE(button.Down());
        EXPECT_FALSE(action.isChecked()) << "the click went through the action";

        button.OnClick = [&](TObject*) { ++clicks; };
        button.Click();
        EXPECT_EQ(std::pair(clicks, triggered), std::pair(1, 1)) << "OnClick comes in place of the action";
    }
    EXPECT_EQ(button.Action(), nullptr) << "the action went away";
    button.Click();
    EXPECT_EQ(clicks, 2);
}

} // namespace
