// The main window's toolbars: where they stand at the first start and what
// that start writes, the ticks that follow their showing across runs, and
// the buttons that drop menus down.
#include "FormFixture.h"

#include "DockToolbar.h"
#include "IniFiles.h"
#include "Menus.h"
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
    void Restart()
    {
        NewRun();
        Start();
    }
    bool Ticked() const { return form->MenuItem("OpTbStringShow")->Checked(); }
};

// Presses a floating bar's close box and lets go over it.
void ClickCloseBox(TDockToolbar& Bar)
{
    QPoint box(-1, -1);
    for (int x = Bar.width() - 1; x >= 0 && box.x() < 0; --x)
        if (Bar.HitTestFloatingFrame({x, Bar.height() / 8}) == htClose)
            box = {x, Bar.height() / 8};
    ASSERT_GE(box.x(), 0) << "the caption has a close box";
    const QPoint global = Bar.mapToGlobal(box);
    QCoreApplication::postEvent(
        &Bar, new QMouseEvent(QEvent::MouseButtonRelease, box, global, Qt::LeftButton, {}, Qt::NoModifier));
    QMouseEvent press(QEvent::MouseButtonPress, box, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Bar, &press);
}

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

TEST_F(Toolbars, ABarClosedByItsCloseBoxLosesItsTickAndStaysClosedAtTheNextStart)
{
    Start();
    form->ToolbarString()->SetDockedTo(nullptr);
    ClickCloseBox(*form->ToolbarString());
    EXPECT_FALSE(form->ToolbarString()->Visible());
    EXPECT_FALSE(Ticked());
    ASSERT_TRUE(form->FormCloseQuery());

    Restart();
    EXPECT_FALSE(form->ToolbarString()->Visible());
    EXPECT_FALSE(Ticked());
    form->MenuItem("OpTbStringShow")->Click();
    EXPECT_TRUE(form->ToolbarString()->Visible()) << "the item shows it again";
    EXPECT_TRUE(Ticked());
}

// The toolbar menu's ticks and the toolbar places are written side by side;
// where they disagree (a file from a run whose close box left the tick) the
// bar shows only when both say so, and its tick says what it does.
TEST_F(Toolbars, ABarShowsAtTheStartOnlyWhenItsTickAndItsPlaceBothSaySo)
{
    Start();
    ASSERT_TRUE(form->FormCloseQuery());
    const struct {
        bool Show;    // [ToolBar] "StringShow"
        bool Visible; // [ToolbarString] "Visible"
    } cases[] = {{true, true}, {true, false}, {false, true}};
    for (const auto& c : cases) {
        {
            TIniFile ini(SettingsFilePath());
            ini.WriteBool("ToolBar", "StringShow", c.Show);
            ini.WriteBool("ToolbarString", "Visible", c.Visible);
        }
        Restart();
        const bool shown = c.Show && c.Visible;
        EXPECT_EQ(form->ToolbarString()->Visible(), shown) << c.Show << c.Visible;
        EXPECT_EQ(Ticked(), shown) << c.Show << c.Visible;
    }
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
