// Where the focus stands after the font toolbar's choosers close their list
// and after a search dialog opened from a toolbar control: the keys pressed
// next go where the user was, never to the page behind.
#include "OutlineFixture.h"

#include "FontToolbar.h"
#include "SpinEx.h"

#include <QAbstractItemView>
#include <ostream>

namespace {

class ToolbarFocus : public OutlineTest {
protected:
    void SetUp() override
    {
        Start();
        ASSERT_NO_FATAL_FAILURE(Activate());
    }
    // The window active again, as the window manager leaves it once a list
    // or a dialog is gone.
    void Activate()
    {
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    // Clicks Chooser open and closes its list with Esc.
    void OpenAndEscape(QComboBox& Chooser)
    {
        QTest::mouseClick(&Chooser, Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return Chooser.view()->isVisible(); }));
        QTest::keyClick(Chooser.view(), Qt::Key_Escape);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !Chooser.view()->isVisible(); }));
        ASSERT_NO_FATAL_FAILURE(Activate());
    }
    TFontToolbar& Toolbar() const { return form->FontToolbar(); }
    // Presses Key where the focus is.
    static void Press(Qt::Key Key, Qt::KeyboardModifiers Modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), Key, Modifiers);
        QApplication::processEvents();
    }
};

TEST_F(ToolbarFocus, AChooserKeepsTheFocusOnceEscClosesItsList)
{
    const std::string outline = Outline();
    for (QComboBox* chooser : {Toolbar().ComboBox1(), Toolbar().ComboBox2()}) {
        const std::string name = chooser->objectName().toStdString();
        form->DataMemo()->setFocus();
        form->DataMemo()->SetSelStart(0);
        ASSERT_NO_FATAL_FAILURE(OpenAndEscape(*chooser)) << name;
        EXPECT_EQ(QApplication::focusWidget(), chooser) << name;
        Press(Qt::Key_Delete);
        EXPECT_EQ(Outline(), outline) << name << ": no title lost a character";
    }
}

TEST_F(ToolbarFocus, TheSymbolChooserTakesNoKeys)
{
    QComboBox& symbols = *Toolbar().ComboBox2();
    ASSERT_NO_FATAL_FAILURE(OpenAndEscape(symbols));
    ASSERT_EQ(QApplication::focusWidget(), &symbols);
    const std::string outline = Outline();
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_End, Qt::Key_A, Qt::Key_Delete, Qt::Key_Return}) {
        Press(key);
        EXPECT_EQ(symbols.currentIndex(), 0) << key;
        EXPECT_FALSE(symbols.view()->isVisible()) << key;
    }
    EXPECT_EQ(Outline(), outline);
}

struct TSearchKey {
    const char* Command;
    Qt::Key Key;
    friend void PrintTo(const TSearchKey& Search, std::ostream* Out) { *Out << Search.Command; }
};

class SearchFromToolbar : public ToolbarFocus, public testing::WithParamInterface<TSearchKey> {};

TEST_P(SearchFromToolbar, ACancelledDialogGivesTheFocusBackAndAConfirmedOneLeavesItInThePage)
{
    TMySpinEdit& size = *Toolbar().FontSpnEd();
    QTest::mouseClick(&size, Qt::LeftButton);
    ASSERT_TRUE(size.hasFocus());
    Fill({"foo", "bar", {"btnCancel"}});
    Press(GetParam().Key, Qt::ControlModifier);
    EXPECT_TRUE(size.hasFocus()) << "cancelled";
    EXPECT_EQ(PageText(0), "p0\r\nfoo one");

    Fill({"foo", "bar", {"btnOK"}});
    Press(GetParam().Key, Qt::ControlModifier);
    EXPECT_TRUE(form->DataMemo()->hasFocus()) << "confirmed: the page shows the hit";
}

INSTANTIATE_TEST_SUITE_P(Commands, SearchFromToolbar,
                         testing::Values(TSearchKey{"FdGoFind", Qt::Key_F}, TSearchKey{"FdReplace", Qt::Key_R}),
                         [](const testing::TestParamInfo<TSearchKey>& Info) {
                             return std::string(Info.param.Command);
                         });

} // namespace
