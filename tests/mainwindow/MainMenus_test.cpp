// The menus of the running window as the keyboard and the mouse open them:
// the states are those of the moment a menu opens, with the editor as it
// was; Shift+F10 opens the editor's popup; one Escape leaves the menu bar.
#include "FormFixture.h"

#include "Menus.h"
#include "SettingsHost.h"

#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <stdexcept>

namespace {

class Menus : public FormTest {
protected:
    void SetUp() override
    {
        StartShown();
        Type(QStringLiteral("page\rline two"));
    }
    QMenu* EditPopup() const { return form->EditPopupMenu()->Menu(); }
    static void CloseMenus()
    {
        while (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        QApplication::processEvents();
    }
};

TEST_F(Menus, TheSplitIsEnabledInTheEditMenuAndThePopupOpenedFromTheEditor)
{
    ASSERT_TRUE(form->ToolButton("sbPageDevide")->Enabled()) << "the caret stands after the text's start";
    QMenu* edit = form->MenuItem("EditTop")->SubMenu();
    edit->popup(form->mapToGlobal(QPoint(20, 20)));
    QApplication::processEvents();
    ASSERT_TRUE(edit->isVisible());
    EXPECT_TRUE(form->MenuItem("EdPageDevide")->Enabled()) << "opening a menu leaves the editor as it was";
    CloseMenus();
    EXPECT_EQ(QApplication::focusWidget(), form->DataMemo());
    EXPECT_TRUE(form->ToolButton("sbPageDevide")->Enabled());

    QTest::keyClick(form->DataMemo(), Qt::Key_F10, Qt::ShiftModifier);
    QApplication::processEvents();
    EXPECT_TRUE(EditPopup()->isVisible()) << "Shift+F10 opens the editor's popup";
    EXPECT_TRUE(form->MenuItem("pEdPageDevide")->Enabled());
    CloseMenus();

    // Leaving the editor for the tree still takes the split away.
    form->DataTree()->setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(form->ToolButton("sbPageDevide")->Enabled());
}

TEST_F(Menus, OneEscapeLeavesAMenuOpenedWithAltAndTheLettersAreTextAgain)
{
    QMenuBar* bar = form->menuBar();
    QTest::keyClick(form->DataMemo(), Qt::Key_E, Qt::AltModifier);
    QApplication::processEvents();
    QMenu* edit = form->MenuItem("EditTop")->SubMenu();
    ASSERT_TRUE(edit->isVisible()) << "Alt+E opens the edit menu";
    QTest::keyClick(edit, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_FALSE(edit->isVisible());
    EXPECT_FALSE(bar->hasFocus());
    EXPECT_EQ(QApplication::focusWidget(), form->DataMemo());
    const std::string before = form->DataMemo()->GetText();
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("f"));
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "no menu opened by its letter";
    EXPECT_EQ(form->DataMemo()->GetText().size(), before.size() + 1);
}

TEST_F(Menus, ASplitFromTheEditMenuLeavesTheUsersClipboard)
{
    QApplication::clipboard()->setText(QStringLiteral("the user's"));
    form->DataMemo()->SetRowCol(1, 0);
    QMenu* edit = form->MenuItem("EditTop")->SubMenu();
    edit->popup(form->mapToGlobal(QPoint(20, 20)));
    QApplication::processEvents();
    dialogs.Answer(mrYes);
    form->MenuItem("EdPageDevide")->Action()->trigger();
    CloseMenus();
    EXPECT_EQ(Titles(), "page|line two");
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("the user's"));
}

// The settings file names the items and buttons it keeps; a name the window
// lacks stops the read instead of being passed over.
TEST_F(Menus, AnItemOrButtonNameTheWindowLacksFails)
{
    EXPECT_NO_THROW(form->SettingsHost().MenuChecked("TreeTipHelp"));
    EXPECT_THROW(form->SettingsHost().MenuChecked("TreeTipHlp"), std::invalid_argument);
    EXPECT_THROW(form->SettingsHost().SetMenuChecked("WeOpHyphen", true), std::invalid_argument)
        << "names keep their case";
    EXPECT_THROW(form->SettingsHost().SetButtonDown("sbRtn", true), std::invalid_argument);
    EXPECT_THROW(form->ToolButton("sbPageDivide"), std::invalid_argument);
}

} // namespace
