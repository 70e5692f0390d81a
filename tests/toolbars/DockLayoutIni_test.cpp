// The toolbars' places kept in the settings file.
#include "DockLayoutIni.h"

#include "IniFiles.h"
#include "Monitors.h"
#include "TempDir.h"
#include "ToolbarForm.h"

#include <gtest/gtest.h>

namespace {

class DockLayoutIni : public testing::Test {
protected:
    TempDir Dir;
    std::string IniName = Dir.File("velk2000.ini");
};

TEST_F(DockLayoutIni, PlacesRoundTripThroughTheSettingsFile)
{
    {
        TToolbarForm f;
        f.Edit->SetDockRow(1);
        f.Edit->SetDockPos(40);
        f.Tree->SetDockedTo(f.Left);
        f.File->SetVisible(false);
        f.Tree->SetFloatRightX(80);
        SaveDockLayoutToIni(f.Form, IniName, "");
    }
    const TIniFile ini(IniName);
    EXPECT_EQ((std::vector{ini.ReadString("ToolbarEdit", "Rev", ""), ini.ReadString("ToolbarTree", "DockedTo", ""),
                           ini.ReadString("ToolbarEdit", "DockRow", ""), ini.ReadString("ToolbarFile", "Visible", "")}),
              (std::vector<std::string>{"3", "ToolDock2", "1", "0"}));

    TToolbarForm f;
    LoadDockLayoutFromIni(f.Form, IniName, "");
    EXPECT_FALSE(f.File->Visible());
    EXPECT_EQ(std::pair(f.Tree->DockedTo(), f.Edit->DockedTo()), std::pair(f.Left, f.Top));
    EXPECT_EQ(std::pair(f.Tree->FloatRightX(), f.File->FloatRightX()), std::pair(80, 0));
    EXPECT_EQ(std::pair(f.Edit->DockRow(), f.Edit->DockPos()), std::pair(1, 40)) << "the hidden bar keeps row 0";
    EXPECT_EQ(f.Edit->geometry().topLeft(), QPoint(41, 1)) << "inside the bound lines; row 0 takes no room";
}

TEST_F(DockLayoutIni, DockedBarsWriteTheirLastDockAndAWindowOfTheFormKeepsItsOwnBars)
{
    TToolbarForm f;
    QWidget finder(&f.Form, Qt::Window);
    new TDockToolbar(new TToolDock(&finder, "FinderDock"), "FinderBar");
    SaveDockLayoutToIni(f.Form, IniName, "");
    TIniFile ini(IniName);
    EXPECT_EQ(ini.ReadString("ToolbarEdit", "LastDock", ""), "ToolDock1");
    EXPECT_EQ(ini.ReadInteger("FinderBar", "Rev", 0), 0) << "the finder's bar has no section";

    ini.WriteString("ToolbarTree", "DockedTo", "FinderDock");
    LoadDockLayoutFromIni(f.Form, IniName, "");
    EXPECT_EQ(f.Tree->DockedTo(), f.Top) << "the finder's dock is not the form's";
}

TEST_F(DockLayoutIni, ForeignSectionsUnknownDocksAndAMissingFileChangeLittle)
{
    TToolbarForm f;
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
    ini.WriteInteger("pToolbarEdit", "Rev", 3);
    ini.WriteString("pToolbarEdit", "DockedTo", "ToolDock2");
    LoadDockLayoutFromIni(f.Form, IniName, "p");
    EXPECT_TRUE(f.File->Visible()) << "another revision is ignored whole";
    EXPECT_EQ(f.Edit->DockedTo(), f.Left) << "the prefix names the sections";
    LoadDockLayoutFromIni(f.Form, IniName, "");
    EXPECT_FALSE(f.Tree->Visible());
    EXPECT_EQ(std::pair(f.Tree->DockedTo(), f.Tree->DockRow()), std::pair(f.Top, 0));

    new TDockToolbar(f.Top, "");
    EXPECT_THROW(SaveDockLayoutToIni(f.Form, IniName, ""), Exception);
    EXPECT_EQ(TIniFile(IniName).ReadInteger("ToolbarFile", "Rev", 0), 3) << "sections before the error are kept";
}

TEST_F(DockLayoutIni, AFloatingBarComesBackWhereItFloatedAndOntoTheScreen)
{
    const TMonitorWorkAreas saved = SetMonitorWorkAreas([] { return std::vector<QRect>{{0, 0, 1024, 768}}; });
    {
        TToolbarForm f;
        f.Tree->SetDockRow(1);
        f.Tree->SetFloatPosition({300, 200});
        f.Tree->SetDockedTo(nullptr);
        f.Edit->SetFloatPosition({-20, 100});
        f.Edit->SetDockedTo(nullptr);
        SaveDockLayoutToIni(f.Form, IniName, "");
    }
    TIniFile ini(IniName);
    EXPECT_EQ(ini.ReadString("ToolbarTree", "DockedTo", ""), "+");
    EXPECT_EQ(ini.ReadString("ToolbarTree", "LastDock", ""), "ToolDock1");
    ini.WriteInteger("ToolbarEdit", "Rev", 2);
    for (const char* section : {"ToolbarTree", "ToolbarEdit"})
        ini.WriteString(section, "LastDock", "ToolDock2");
    {
        TToolbarForm f;
        LoadDockLayoutFromIni(f.Form, IniName, "");
        EXPECT_EQ(std::tuple(f.Tree->DockedTo(), f.Tree->pos(), f.Tree->LastDock()),
                  std::tuple(static_cast<TToolDock*>(nullptr), QPoint(300, 200), f.Left));
        EXPECT_EQ(f.Tree->DockRow(), 1) << "kept for docking again";
        EXPECT_EQ(f.Edit->pos(), QPoint(-20, 100)) << "partly on the screen: kept";
        EXPECT_EQ(f.Edit->LastDock(), f.Top) << "revision 2 is read but for its last dock";
    }
    ini.WriteInteger("ToolbarTree", "FloatLeft", 5000);
    TToolbarForm f;
    LoadDockLayoutFromIni(f.Form, IniName, "");
    EXPECT_EQ(f.Tree->geometry().right(), 1023) << "wholly off the screen: moved onto it";
    SetMonitorWorkAreas(saved);
}

TEST_F(DockLayoutIni, AFailedWriteIsReported)
{
    TToolbarForm f;
    // A settings file whose folder is a file cannot be written.
    WriteRaw(IniName, "");
    EXPECT_THROW(SaveDockLayoutToIni(f.Form, IniName + "/velk2000.ini", ""), EIniFileException);
}

} // namespace
