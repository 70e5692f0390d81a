#include "SettingsFileTest.h"

#include "FileSizeLimit.h"
#include "IniFiles.h"
#include "OsPath.h"
#include "SettingsValues.h"
#include "Strings.h"
#include "SysErrorText.h"

#include <cerrno>
#include <filesystem>

namespace {

using SettingsSave = SettingsFileTest;

std::string Replaced(std::string Text, std::string_view From, std::string_view To)
{
    Text.replace(Text.find(From), From.size(), To);
    return Text;
}

// The file a first run writes: every section in its order (a blank line
// before each added one), every key in the order of its table, quoted keys
// in double quotes.
TEST_F(SettingsSave, AFirstRunWritesTheWholeFileInItsOwnOrder)
{
    Load();
    EXPECT_FALSE(std::filesystem::exists(File())) << "reading created the file";
    Save();
    const std::string golden = ReadRaw(VELK_TEST_DATA "/settings_core/first-run.ini");
    EXPECT_EQ(ReadRaw(File()), Replaced(golden, "<backup>", BackupFolderDefault()));
}

// Every value set away from its default, consistent with the rules that tie
// colours together (the background step, the colours "AnkCol" and "StrCol"
// also give).
void SetEveryValue(TFakeSettingsHost& Host)
{
    TSettingsVars& v = SettingsVars;
    v.ExtEditor = v.SpaceTab = v.HanSpace = v.LastFile = v.CommentType = v.NumberIndent = true;
    v.AutoSave = v.AutoClip = v.InsSpace = v.FindAll = v.BracketFlg = v.RightRtn = v.WaveTextFlg = true;
    v.TreeUndoRedo = v.FileLinkPath = v.ForderIconDel = v.NoContinue = v.LineScrollFlg = true;
    v.Options = {true, true, true, true};
    v.HideExe = R"("/usr/bin/ed" "+%LINE%")";
    v.OtherHelp = " help.chm ";
    v.LineScroll = 3;
    v.AutoSaveTime = 120000;
    v.LastFileName = Sjis("/home/u/日本語.vk2");
    v.BeforeNumberStr = " (";
    v.AfterNumberStr = ") ";
    v.QMark = "'>'";
    v.AllDelStr = " \t";
    v.BookLine = 20;
    v.BookMoji = 40;
    v.UserExt = "asm";
    v.TreeFontBold = v.TreeFontItalic = true;
    v.AnkCol = 0x111111;
    v.StrCol = 0x222222;
    v.DBCSCol = 0x333333;
    v.ZenTabCol = 0x444444;
    v.HanCol = 0x555555;
    v.Colors.Back = 0x666666;
    v.AnkBold = v.AnkItalic = v.AnkUL = v.DBCSBold = v.DBCSItalic = v.DBCSUL = v.UrlBold = v.UrlItalic = true;
    v.UrlUL = v.MailBold = v.MailItalic = v.MailUL = v.FileLinkBold = v.FileLinkItalic = true;
    v.PageLinkBold = v.PageLinkItalic = v.CommentBold = true;
    v.IME = {"yy", Sjis("年 "), "m", Sjis(" 月"), "d",  "\"", "h",  Sjis("時"),
             "n",  " ",         "s", "'",         true, true, true, true};
    v.Convert.StrHenkanNo = 21;
    v.Seikei = {"40", 4, true, true, true, true, 23};
    v.Delete.GStrDelNo = 14;
    v.LineNumber.Mode = 1;
    v.InsSpc.width = 8192;
    v.InsTab.width = 2;
    v.InsZenSpc.width = 3;
    v.DelSpc.width = 4;
    v.Col_Row.Mode = v.Backup.Mode = v.APoFile.Mode = v.PageCursor.Mode = v.Page.Mode = true;
    v.SubIcon.AltSubIcon = true;
    v.Backup.Folder = "/var/backup";
    v.APoFile = {true, "/doc/start.vk2", "/doc/text", "/doc/out"};

    // On a screen left of the primary one.
    Host.Screens = {{-1280, 0, 1280, 1024}, {0, 0, 1920, 1080}};
    Host.Form = {-1240, 30, 1024, 700, 0};
    TEditorSettings& e = Host.Editor;
    e.Font = {Sjis("ＭＳ ゴシック"), 12};
    e.Margin = {3, 4, 5, 6};
    e.Caret = {8, true, true, true, true, false};
    e.Marks = {{true, 0x10}, {true, 0x11}, {true, 0x12}};
    e.ExMarks = {{true, 0x13}, {false, 0x14}, {false, 0x15}};
    e.Ruler = {true, 0x16, 0x17, 0};
    e.Leftbar = {true, 0};
    e.WrapOption = {true, true};
    e.WordWrap = false;
    e.Colors.Select = {0x18, 0x19};
    e.Colors.Ank.Color = e.Colors.Symbol.Color = e.Colors.Int.Color = v.AnkCol;
    e.Colors.Str.Color = v.StrCol;
    e.Colors.DBCS.Color = v.DBCSCol;
    e.Colors.Comment.Color = 0x1A;
    e.Colors.Url.Color = 0x1B;
    e.Colors.Mail.Color = 0x1C;
    e.Colors.Reserve.Color = 0x1D;
    for (int i = 0; i < 6; ++i)
        e.Brackets[i].Color = 0x20 + i;
    e.Brackets[3].BkColor = 0x30;
    ApplyBackground(e, v.Colors.Back);
    Host.Tree = {"IPAGothic", 11, 0x40, 0x41};
    Host.Html = {0x50, 0x51, 0x52, v.StrCol, 0x1B, 0x1C, 0x1A};
    for (auto& [item, checked] : Host.Menus)
        checked = item != "OpTbEditShow" && item != "OpSubStrAdmin";
    Host.Buttons = {{"sbLineNo", true}, {"sbToEditor", true}};
    Host.Kind = 1;
    Host.PanelHeight = 120;
    Host.WrapSpin = 72;
    Host.SubIconMenu = {Sjis("なし"), Sjis("重要"), " spaced ", "\"quoted\""};
}

TEST_F(SettingsSave, EveryValueComesBackAfterASaveAndALoad)
{
    SetEveryValue(Host);
    const TSettingsVars saved = SettingsVars;
    Save();
    SettingsVars = {};
    TFakeSettingsHost restarted;
    restarted.Screens = Host.Screens;
    LoadIni(restarted, File());
    EXPECT_TRUE(SettingsVars == saved);
    EXPECT_TRUE(restarted.Editor == Host.Editor);
    EXPECT_TRUE(restarted.Html == Host.Html);
    EXPECT_TRUE(restarted.State() == Host.State());
}

// Sections the program does not know keep their bytes (a bare LF, blanks, a
// line without "="); [Options], [Colors] and [ToolBar] are written whole at
// the end; retired [Search] goes once it has entries.
TEST_F(SettingsSave, KeepsForeignSectionsByteForByteAndRewritesItsOwn)
{
    const std::string foreign = IniText("; comment\n[History]\nCount=1\nFile1=/home/u/日本.vk2\n")
                                + "[SearchLine]\nItem1=  two  blanks \n   no equals sign\r\n";
    const std::string toolbars = IniText("[ToolbarFile]\nDockRow=2\n");
    WriteRaw(File(), foreign
                         + IniText("[Options]\nLineScroll=3\nHandAdded=1\n[Form]\nLeft=10\nExtra=kept\n"
                                   "[Colors]\nMine=1\n[ToolBar]\nDummyKey=x\nOther=1\n[Search]\nCount=3\nS1=a\n"
                                   "[Replace]\nCount=0\nR1=b\n")
                         + toolbars);
    Load();
    Save();
    const std::string after = ReadRaw(File());
    EXPECT_EQ(after.substr(0, foreign.size()), foreign);
    EXPECT_NE(after.find(IniText("[Form]\nLeft=10\nExtra=kept\nTop=80\n")), std::string::npos);
    EXPECT_NE(after.find(IniText("[Replace]\nCount=0\nR1=b\n") + toolbars), std::string::npos);
    for (const char* gone : {"HandAdded", "Mine=", "Other=", "[Search]"})
        EXPECT_EQ(after.find(gone), std::string::npos) << gone;
    TIniFile ini(File());
    TStringList sections;
    ini.ReadSections(sections);
    EXPECT_EQ(sections.CommaText(), "History,SearchLine,Form,Replace,ToolbarFile,Font,Options,Tree,Colors,Kinsoku,"
                                    "Split,Style,IME,Convert,Seikei,Delete,LineNumber,InsSpc,InsTab,InsZenSpc,"
                                    "DelSpc,Col_Row,Backup,APoFile,PageCursor,Page,ImagePopup,ToolBar,RightClik,"
                                    "SubIcon");
}

// Maximised: the state is written, the last normal rectangle stays; the
// next start restores that rectangle, then maximises.
TEST_F(SettingsSave, PlacementIsWrittenOnlyWhileNormal)
{
    WriteIni("[Form]\nLeft=1\nTop=2\nWidth=300\nHeight=200\nWindow=0\n");
    Host.Form = {10, 20, 640, 480, 2};
    Save();
    TFakeSettingsHost restarted;
    LoadIni(restarted, File());
    EXPECT_EQ(restarted.Form, (TFormPlacement{1, 2, 300, 200, 2}));
}

// A refused write leaves the old file whole and raises the write error;
// at close the later writes still run and the error is told once.
TEST_F(SettingsSave, AFailedSaveKeepsTheOldFileAndLetsTheCloseGoOn)
{
    Save();
    const std::string before = ReadRaw(File());
    SettingsVars.AutoSave = true;
    bool laterWriteRan = false;
    std::vector<std::string> messages;
    {
        const FileSizeLimit limit(512);
        EXPECT_THROW(Save(), EIniFileException);
        messages = RunCloseWrites({[this] { Save(); }, [&] { laterWriteRan = true; }});
    }
    EXPECT_EQ(messages, std::vector<std::string>{File() + " に書き込めません\n" + SysErrorMessage(EFBIG)});
    EXPECT_TRUE(laterWriteRan);
    EXPECT_EQ(ReadRaw(File()), before);
    EXPECT_TRUE(RunCloseWrites({[this] { Save(); }}).empty());
}

// A close where several files could not be written names each of them once.
TEST(CloseWrites, NameEveryFileThatCouldNotBeWritten)
{
    const auto failing = [](const char* Message) { return [Message] { throw EIniFileException(Message); }; };
    EXPECT_EQ(RunCloseWrites({failing("mark.dat"), [] {}, failing("velk2000.ini"), failing("mark.dat")}),
              (std::vector<std::string>{"mark.dat", "velk2000.ini"}));
}

// A value with a line break cannot be stored: its key keeps what the file
// held. A chosen name Shift-JIS cannot write is refused.
TEST_F(SettingsSave, NeverWritesAValueAltered)
{
    WriteIni("[Options]\nLastFileName=/old.vk2\n");
    SettingsVars.LastFileName = "/new\nname.vk2";
    SettingsVars.APoFile.File = std::string(2048, 'a');
    Save();
    TIniFile ini(File());
    EXPECT_EQ(ini.ReadString("Options", "LastFileName", "?"), "/old.vk2");
    EXPECT_FALSE(ini.ValueExists("APoFile", "File"));

    EXPECT_EQ(StorablePath("/home/u/日本.vk2"), Sjis("/home/u/日本.vk2"));
    EXPECT_EQ(OsPath(StorablePath("/home/u/\xF0\x9F\x98\x80.vk2").value_or("")), "/home/u/\xF0\x9F\x98\x80.vk2");
    EXPECT_EQ(StorablePath("/home/u/a\nb"), std::nullopt);
}

// While a result list suspends the pages' caret restore, saving still
// stores the user's choice.
TEST_F(SettingsSave, ASuspendedCaretRestoreIsNotSaved)
{
    SettingsVars.PageCursor.Mode = true;
    SuspendPageCursorRestore(true);
    EXPECT_FALSE(PageCursorRestoreOn());
    Save();
    SuspendPageCursorRestore(false);
    EXPECT_TRUE(PageCursorRestoreOn());
    EXPECT_TRUE(TIniFile(File()).ReadBool("PageCursor", "Mode", false));
}

} // namespace
