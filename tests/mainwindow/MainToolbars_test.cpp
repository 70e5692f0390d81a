// The main window's toolbars: where they stand at the first start and what
// that start writes, and the buttons that drop menus down.
#include "FormFixture.h"

#include "DockToolbar.h"
#include "IniFiles.h"
#include "ToolDock.h"

#include <QMenu>

namespace {

class Toolbars : public FormTest {
protected:
    void Start()
    {
        ASSERT_EQ(form->FormCreate({}), TStartOutcome::Run);
        form->show();
        QApplication::processEvents();
    }
};

TEST_F(Toolbars, AllFiveStartOnTheTopDockTheFontAndStringBarsInTheSecondRowWithoutAGap)
{
    Start();
    TDockToolbar* font = form->ToolbarFont();
    TDockToolbar* strings = form->ToolbarString();
    TToolDock* top = font->DockedTo();
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(top->Name(), "ToolDock1");
    EXPECT_EQ(strings->DockedTo(), top);
    EXPECT_EQ(top->ShownBarList().size(), 5u);
    EXPECT_TRUE(form->findChild<TToolDock*>(QStringLiteral("ToolDock2"))->ShownBarList().empty());
    EXPECT_EQ(std::pair(font->DockRow(), font->DockPos()), std::pair(1, 0));
    EXPECT_EQ(std::pair(strings->DockRow(), strings->DockPos()), std::pair(1, font->width()));

    ASSERT_TRUE(form->FormCloseQuery());
    TIniFile ini(SettingsFilePath());
    EXPECT_EQ(ini.ReadString("ToolbarString", "DockedTo", ""), "ToolDock1");
    EXPECT_EQ(ini.ReadInteger("ToolbarFont", "DockPos", -2), 0) << "written as placed";
}

TEST_F(Toolbars, ALeftClickOnTheSubIconButtonDropsItsMenu)
{
    Start();
    std::vector<QMenu*> dropped;
    const TButtonPopup saved = TDockButton::SetPopup([&](QMenu& Menu, QPoint, bool) { dropped.push_back(&Menu); });
    QTest::mouseClick(form->ToolButton("sbImage"), Qt::LeftButton);
    TDockButton::SetPopup(saved);
    EXPECT_EQ(dropped, std::vector<QMenu*>{form->ImagePopupMenu()->Menu()});
    for (const char* name : {"sbPageUndo", "sbPageRedo"})
        EXPECT_TRUE(form->ToolButton(name)->DropdownCombo()) << name << ": the arrow part drops the page list";
}

TEST_F(Toolbars, TheAlignmentButtonsSayWhereTheyPutTheLine)
{
    Start();
    const std::pair<const char*, const char*> hints[] = {
        {"sbLeftStr", "左寄せ"}, {"sbCenterStr", "センタリング"}, {"sbRigthStr", "右寄せ"}};
    for (const auto& [button, hint] : hints)
        EXPECT_EQ(form->ToolButton(button)->Hint().toStdString(), hint) << button;
}

} // namespace
