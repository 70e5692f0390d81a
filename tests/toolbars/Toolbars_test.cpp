// Docks, toolbars and buttons as the main window uses them, and the
// toolbars' places kept in the settings file.
#include "DockButton.h"
#include "DockLayoutIni.h"
#include "DockSeparator.h"
#include "DockToolbar.h"
#include "IniFiles.h"
#include "TempDir.h"
#include "ToolDock.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A form with a top and a left dock and three toolbars on the top one.
struct TForm {
    QWidget Form;
    TToolDock* Top = new TToolDock(&Form, "ToolDock1");
    TToolDock* Left = new TToolDock(&Form, "ToolDock2", TDockPosition::dpLeft);
    TDockToolbar* File = new TDockToolbar(Top, "ToolbarFile");
    TDockToolbar* Tree = new TDockToolbar(Top, "ToolbarTree");
    TDockToolbar* Font = new TDockToolbar(Top, "ToolbarFont");

    TForm()
    {
        Top->setGeometry(0, 0, 600, 0);
        Left->setGeometry(0, 40, 0, 400);
        Top->SetFixAlign(true);
        for (TDockToolbar* bar : {File, Tree, Font}) {
            new TDockButton(bar, "a");
            new TDockSeparator(bar);
            new TDockButton(bar, "b");
        }
        QApplication::sendPostedEvents();
    }
};

TEST(ToolDock, LaysItsBarsOutInRowsAndIsAsThickAsThem)
{
    TForm f;
    const int thickness = f.File->height();
    EXPECT_EQ(f.Top->height(), thickness);
    EXPECT_EQ(f.File->geometry().right() + 1, f.Tree->x());
    EXPECT_EQ(f.Left->width(), 0) << "an empty dock without FixAlign";

    f.Font->SetDockRow(1);
    EXPECT_EQ(f.Font->geometry().topLeft(), QPoint(f.Font->DockPos(), thickness));
    EXPECT_EQ(f.Top->height(), 2 * thickness);

    f.Font->SetVisible(false);
    EXPECT_EQ(f.Top->height(), thickness) << "a hidden bar's row closes up";

    // Moving a bar to the left dock stands it upright.
    int changed = 0;
    f.Tree->OnDockChanged = [&](TObject*) { ++changed; };
    f.Tree->SetDockedTo(f.Left);
    QApplication::sendPostedEvents();
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(f.Tree->DockedTo(), f.Left);
    EXPECT_GT(f.Tree->height(), f.Tree->width());
    EXPECT_EQ(f.Left->width(), f.Tree->width());
    f.Tree->SetDockedTo(f.Left);
    EXPECT_EQ(changed, 1) << "docking where it is changes nothing";

    // A hidden button leaves no gap.
    const int length = f.File->width();
    auto* button = f.File->findChild<TDockButton*>();
    button->SetVisible(false);
    QApplication::sendPostedEvents();
    EXPECT_EQ(f.File->width(), length - button->sizeHint().width());
}

TEST(DockButton, DownInAGroupReleasesTheOthersOfItsToolbar)
{
    TForm f;
    auto* a = new TDockButton(f.Font);
    auto* b = new TDockButton(f.Font);
    auto* plain = new TDockButton(f.Font);
    auto* elsewhere = new TDockButton(f.File);
    for (TDockButton* button : {a, b, elsewhere})
        button->SetGroupIndex(2);
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };

    a->SetDown(true);
    elsewhere->SetDown(true);
    b->SetDown(true);
    EXPECT_FALSE(a->Down());
    EXPECT_TRUE(b->Down());
    EXPECT_TRUE(elsewhere->Down()) << "another toolbar";
    b->SetDown(false);
    EXPECT_TRUE(b->Down()) << "without AllowAllUp a group keeps one down";
    plain->SetDown(true);
    EXPECT_FALSE(plain->Down()) << "group 0 never stays down";

    // With AllowAllUp (spread to the group) a click toggles.
    a->SetAllowAllUp(true);
    f.Form.show();
    QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_FALSE(b->Down());
    QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_TRUE(b->Down());
    EXPECT_EQ(clicks, 2);
    b->SetEnabled(false);
    QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
}

class DockLayoutIni : public testing::Test {
protected:
    TempDir Dir;
    std::string IniName = Dir.File("velk2000.ini");
};

TEST_F(DockLayoutIni, PlacesRoundTripThroughTheSettingsFile)
{
    {
        TForm f;
        f.Font->SetDockRow(1);
        f.Font->SetDockPos(40);
        f.Tree->SetDockedTo(f.Left);
        f.File->SetVisible(false);
        SaveDockLayoutToIni(f.Form, IniName, "");
    }
    const TIniFile ini(IniName);
    EXPECT_EQ(ini.ReadInteger("ToolbarFont", "Rev", 0), 3);
    EXPECT_EQ(ini.ReadString("ToolbarTree", "DockedTo", ""), "ToolDock2");
    EXPECT_EQ(ini.ReadString("ToolbarFile", "Visible", ""), "0");

    TForm f;
    LoadDockLayoutFromIni(f.Form, IniName, "");
    EXPECT_FALSE(f.File->Visible());
    EXPECT_EQ(f.Tree->DockedTo(), f.Left);
    EXPECT_EQ(f.Font->DockedTo(), f.Top);
    EXPECT_EQ(f.Font->DockRow(), 0) << "the hidden bar's row 0 is empty, so row 1 closes up";
    EXPECT_EQ(f.Font->DockPos(), 40);
    EXPECT_EQ(f.Font->geometry().topLeft(), QPoint(40, 0));
}

TEST_F(DockLayoutIni, ForeignSectionsUnknownDocksAndAMissingFileChangeLittle)
{
    TForm f;
    LoadDockLayoutFromIni(f.Form, IniName, "");
    EXPECT_TRUE(f.File->Visible());
    EXPECT_FALSE(std::filesystem::exists(IniName)) << "loading never makes the file";

    TIniFile ini(IniName);
    ini.WriteInteger("ToolbarFile", "Rev", 4);
    ini.WriteInteger("ToolbarFile", "Visible", 0);
    ini.WriteInteger("ToolbarTree", "Rev", 2);
    ini.WriteInteger("ToolbarTree", "Visible", 0);
    ini.WriteString("ToolbarTree", "DockedTo", "NoSuchDock");
    ini.WriteInteger("ToolbarTree", "DockRow", 5);
    ini.WriteInteger("pToolbarFont", "Rev", 3);
    ini.WriteString("pToolbarFont", "DockedTo", "ToolDock2");
    LoadDockLayoutFromIni(f.Form, IniName, "p");
    EXPECT_TRUE(f.File->Visible()) << "another revision is ignored whole";
    EXPECT_EQ(f.Font->DockedTo(), f.Left) << "the prefix names the sections";
    LoadDockLayoutFromIni(f.Form, IniName, "");
    EXPECT_FALSE(f.Tree->Visible());
    EXPECT_EQ(f.Tree->DockedTo(), f.Top);
    EXPECT_EQ(f.Tree->DockRow(), 0);

    new TDockToolbar(f.Top, "");
    EXPECT_THROW(SaveDockLayoutToIni(f.Form, IniName, ""), Exception);
    EXPECT_EQ(TIniFile(IniName).ReadInteger("ToolbarFile", "Rev", 0), 3) << "sections before the error are kept";
}

} // namespace
