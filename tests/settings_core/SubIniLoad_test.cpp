#include "SettingsFileTest.h"

#include <cstdint>
#include <functional>
#include <ostream>
#include <tuple>
#include <vector>

namespace {

using SettingsLoad = SettingsFileTest;

// One key in a file, and what it gives.
struct TReadCase {
    const char* Text;
    std::function<int64_t(const TFakeSettingsHost&)> Value;
    int64_t Expected;
};

void PrintTo(const TReadCase& Case, std::ostream* Out)
{
    for (const char* c = Case.Text; *c; ++c)
        *Out << (*c == '\n' ? std::string_view("\\n") : std::string_view(c, 1));
}

class SettingsRead : public SettingsFileTest, public ::testing::WithParamInterface<TReadCase> {};

TEST_P(SettingsRead, GivesTheValueItsRulesSay)
{
    WriteIni(GetParam().Text);
    Load();
    EXPECT_EQ(GetParam().Value(Host), GetParam().Expected) << GetParam().Text;
}

const auto& Vars = SettingsVars;

INSTANTIATE_TEST_SUITE_P(
    Values, SettingsRead,
    ::testing::Values(
        TReadCase{"[Font]\nFontSize=0", [](auto& H) { return H.Editor.Font.Size; }, 9},
        TReadCase{"[Options]\nLockScroll=1", [](auto& H) { return H.Editor.Caret.LockScroll; }, 0},
        // Present "LineScroll": not a first run, absent keys read false.
        TReadCase{"[Options]\nLineScroll=3", [](auto&) { return Vars.LineScrollFlg; }, 0},
        TReadCase{"[Options]\nLineScroll=3", [](auto& H) { return H.Menus.at("WeOphyphen"); }, 0},
        TReadCase{"[Options]\nLineShow=1", [](auto& H) { return H.Buttons.at("sbLineNo"); }, 1},
        // Values that would stall, divide by zero or index past a list.
        TReadCase{"[Options]\nAutoSaveTime=0", [](auto&) { return Vars.AutoSaveTime; }, 600000},
        TReadCase{"[Options]\nBookLine=0", [](auto&) { return Vars.BookLine; }, 16},
        TReadCase{"[Options]\nBookMoji=-5", [](auto&) { return Vars.BookMoji; }, 42},
        TReadCase{"[InsSpc]\nwidth=2000000000", [](auto&) { return Vars.InsSpc.width; }, 8192},
        TReadCase{"[InsTab]\nwidth=-7", [](auto&) { return Vars.InsTab.width; }, 1},
        TReadCase{"[Convert]\nStrHenkanNo=22", [](auto&) { return Vars.Convert.StrHenkanNo; }, 0},
        TReadCase{"[Seikei]\nStrSeikeiNo=23", [](auto&) { return Vars.Seikei.StrSeikeiNo; }, 23},
        TReadCase{"[Seikei]\nIndex=5", [](auto&) { return Vars.Seikei.Index; }, 0},
        TReadCase{"[Seikei]\nIndex=3", [](auto&) { return Vars.Seikei.Index; }, 3},
        TReadCase{"[Delete]\nGStrDelNo=15", [](auto&) { return Vars.Delete.GStrDelNo; }, 0},
        // Placement: -1 is absent, a minimised start is normal, a
        // rectangle on no screen is not applied, a partly visible one is
        // moved onto the screen.
        TReadCase{"[Form]\nLeft=-1\nTop=7", [](auto& H) { return H.Form.Left * 1000 + H.Form.Top; }, 100007},
        TReadCase{"[Form]\nWindow=1", [](auto& H) { return H.Form.WindowState; }, 0},
        TReadCase{"[Form]\nLeft=5000\nTop=10", [](auto& H) { return H.Form.Left; }, 100},
        TReadCase{"[Form]\nLeft=-700\nTop=10", [](auto& H) { return H.Form.Left; }, 0},
        TReadCase{"[Form]\nWidth=0", [](auto& H) { return H.Form.Width; }, 800},
        // Colours: the string colour is always "StrCol"'s; a present
        // "HTMLTagAtrCol" wins over "AnkCol".
        TReadCase{"[Colors]\nAnkCol=255", [](auto& H) { return H.Editor.Colors.Str.Color; }, 0xCC41FA},
        TReadCase{"[Colors]\nAnkCol=255", [](auto& H) { return H.Html.TagAttribute; }, 255},
        TReadCase{"[Colors]\nAnkCol=255\nHTMLTagAtrCol=9", [](auto& H) { return H.Html.TagAttribute; }, 9},
        TReadCase{"[Colors]\nBack=1193046", [](auto& H) { return H.Editor.Brackets[5].BkColor; }, 0x123456},
        TReadCase{"[Colors]\nBack=1193046", [](auto& H) { return H.Editor.Colors.Mail.BkColor; }, 0x123456},
        TReadCase{"[Colors]\nBack=1193046\nKagiBkCol=7", [](auto& H) { return H.Editor.Brackets[3].BkColor; }, 7},
        TReadCase{"[Colors]\nBack=1193046\nSelectBkCol=8", [](auto& H) { return H.Editor.Colors.Select.BkColor; }, 8},
        // The tree panel's extent is judged by the side "Mode" gave.
        TReadCase{"[Split]\nMode=1\nLine=150", [](auto& H) { return H.PanelHeight; }, 150},
        TReadCase{"[Split]\nMode=1\nLine=150", [](auto& H) { return H.Menus.at("TreeDisp"); }, 1},
        TReadCase{"[Split]\nMode=1\nLine=150", [](auto& H) { return H.Buttons.at("sbToEditor"); }, 1},
        TReadCase{"[Split]\nMode=0\nLine=150", [](auto& H) { return H.PanelWidth; }, 150},
        TReadCase{"[Split]\nMode=0\nLine=150", [](auto& H) { return H.Menus.at("TreeDisp"); }, 0},
        TReadCase{"[Split]\nMode=7\nLine=150", [](auto& H) { return H.PanelWidth; }, 150},
        // Sizes the window cannot show are cut to what it can: the tree
        // leaves the editor room in an 800 x 600 window, a window is no
        // larger than its screen, margins no wider than the dialog sets.
        TReadCase{"[Split]\nMode=0\nLine=2147483647", [](auto& H) { return H.PanelWidth; }, 600},
        TReadCase{"[Split]\nMode=1\nLine=3000", [](auto& H) { return H.PanelHeight; }, 400},
        TReadCase{"[Split]\nMode=0\nLine=3000\n[Form]\nWindow=2", [](auto& H) { return H.PanelWidth; }, 1720},
        TReadCase{"[Form]\nWidth=2147483647\nHeight=5", [](auto& H) { return H.Form.Width * 10000 + H.Form.Height; },
                  19200160},
        TReadCase{"[Options]\nTopMargin=2147483647", [](auto& H) { return H.Editor.Margin.Top; }, 20},
        TReadCase{"[Options]\nCharMargin=-3", [](auto& H) { return H.Editor.Margin.Character; }, 0},
        TReadCase{"[Options]\nTabSpace=1000", [](auto& H) { return H.Editor.Caret.TabSpaceCount; }, 8},
        TReadCase{"[Font]\nFontSize=5000", [](auto& H) { return H.Editor.Font.Size; }, 30},
        TReadCase{"[Style]\nWordWrap=100\nWordWrapOff=1", [](auto& H) { return H.WrapSpin * 10 + H.Editor.WordWrap; },
                  1000},
        // A marker present reads the keys; absent keys read false. An empty
        // one is a first run of that section alone.
        TReadCase{"[ToolBar]\nDummyKey=\nFileShow=0\n[RightClik]\nDummyKey=1",
                  [](auto& H) { return H.Menus.at("OpTbFileShow") * 10 + H.Menus.at("OpSubMoveLink"); }, 10}));

// A window saved on a larger screen comes back whole on a smaller one:
// moved back first, then cut to the screen; on two screens it stays on the
// one it was mostly on.
TEST_F(SettingsLoad, PlacementIsKeptOnTheScreenItIsMostlyOn)
{
    const TScreenArea small{0, 0, 1024, 600}, right{1024, 0, 1280, 1024};
    const struct {
        const char* Form;
        std::vector<TScreenArea> Screens;
        TFormPlacement Expected;
    } cases[] = {
        {"Left=400\nTop=120\nWidth=950\nHeight=620", {small}, {74, 0, 950, 600, 0}},
        {"Left=400\nTop=120\nWidth=600\nHeight=400", {small}, {400, 120, 600, 400, 0}},
        {"Left=-50\nTop=-20\nWidth=600\nHeight=400", {small}, {0, 0, 600, 400, 0}},
        {"Left=900\nTop=300\nWidth=1300\nHeight=700", {small, right}, {1024, 300, 1280, 700, 0}},
        {"Left=850\nTop=300\nWidth=300\nHeight=200", {small, right}, {724, 300, 300, 200, 0}},
        // The default, 800 x 600 at 100, 80, kept on the screen too.
        {"Left=5000\nTop=5000", {small}, {100, 0, 800, 600, 0}},
    };
    for (const auto& c : cases) {
        WriteIni(std::string("[Form]\n") + c.Form);
        TFakeSettingsHost host;
        host.Screens = c.Screens;
        LoadIni(host, File());
        EXPECT_EQ(host.Form, c.Expected) << c.Form;
    }
}

// Strings: the format parts take only their two forms, fallbacks fill an
// empty value.
TEST_F(SettingsLoad, StringsFollowTheirRules)
{
    WriteIni("[IME]\nYear=YYYY\nMonth=M\nDay=d\nHour=\nYearK=\" 年 \"\n[Seikei]\nWidth=\nIndex=2\n"
             "[Backup]\nFolder=\n[Options]\nLineScroll=1\nHideExe=  \"/bin/ed\"  \nQMark=\n");
    Load();
    const TSettingsVars& v = SettingsVars;
    EXPECT_EQ(std::tie(v.IME.Year, v.IME.Month, v.IME.Day, v.IME.Hour, v.IME.YearK),
              std::tuple("yyyy", "mm", "d", "", Sjis(" 年 ")));
    EXPECT_EQ(std::tie(v.Seikei.Width, v.Seikei.Index, v.Seikei.StrSeikeiNo), std::tuple("72", 2, 0));
    EXPECT_EQ(std::tie(v.Backup.Folder, v.HideExe, v.QMark), std::tuple(BackupFolderDefault(), "/bin/ed", "> "));
}

// Items 1 to Count are read in number order, empty and missing ones passed
// over, however few keys the section has; a corrupt count finishes at once.
TEST_F(SettingsLoad, SubIconCaptionsSkipEmptyItemsAndBadCounts)
{
    const std::string none = Sjis("なし");
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"Count=3\nItem1=赤\nItem2=\nItem3=青\n", {none, Sjis("赤"), Sjis("青")}},
        {"Count=2000000000\nItem1=a\nItem2=b\nItem3=c\n", {none, "a", "b", "c"}},
        {"Count=-2\nItem1=a\n", {none}},
        {"Count=3\nItem3=three\n", {none, "three"}},
        {"Count=12\nItem12=l\nitem2=b\nItem4=\n", {none, "b", "l"}},
        {"Count=2000000000\nItem1999999999=z\nItem1=a\n", {none, "a", "z"}},
        {"Count=2\nItem3=past the count\nItem02=zero\nItemX=x\nItem=y\nItem-1=m\n", {none}},
    };
    for (const auto& [items, captions] : cases) {
        WriteIni(std::string("[ImagePopup]\n") + items);
        Load();
        EXPECT_EQ(Host.SubIconMenu, captions) << items;
    }
}

// A close while the tree panel is hidden leaves the stored extent alone.
TEST_F(SettingsLoad, AHiddenTreePanelKeepsItsStoredExtent)
{
    WriteIni("[Split]\nMode=0\nLine=150\n");
    Load();
    Host.PanelVisible = false;
    Host.PanelWidth = 10;
    Save();
    TFakeSettingsHost restarted;
    LoadIni(restarted, File());
    EXPECT_EQ(restarted.PanelWidth, 150);
}

} // namespace
