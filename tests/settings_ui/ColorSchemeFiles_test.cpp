#include "ColorSchemeFiles.h"
#include "Dialogs.h"
#include "FakeSettingsHost.h"
#include "FileSizeLimit.h"
#include "IniFiles.h"
#include "Paths.h"
#include "ScriptedDialogs.h"
#include "Strings.h"
#include "SubIni.h"
#include "SysErrorText.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

namespace {

class ColorSchemeTest : public ::testing::Test {
protected:
    ColorSchemeTest() { SettingsVars = {}; }
    ~ColorSchemeTest() override { SettingsVars = {}; }

    bool Save(const std::string& Chosen)
    {
        Dialogs.AnswerFiles({Chosen});
        return SaveColorCfg(Host, SaveDialog);
    }
    bool Load(const std::string& Chosen)
    {
        Dialogs.AnswerFiles({Chosen});
        return LoadColorCfg(Host, OpenDialog);
    }
    // Every value a scheme holds made different from a new window's.
    void GiveEveryValue()
    {
        TEditorSettings& e = Host.Editor;
        TColor next = 0x010101;
        for (TColor* c :
             {&e.Colors.Select.Color,    &e.Colors.Select.BkColor, &e.Marks.EofMark.Color,  &e.Marks.RetMark.Color,
              &e.Marks.Underline.Color,  &e.Colors.Url.Color,      &e.Colors.Mail.Color,    &e.Colors.Comment.Color,
              &e.Colors.Reserve.Color,   &e.Ruler.Color,           &e.Ruler.MarkColor,      &SettingsVars.AnkCol,
              &SettingsVars.StrCol,      &SettingsVars.DBCSCol,    &SettingsVars.ZenTabCol, &SettingsVars.HanCol,
              &SettingsVars.Colors.Back, &Host.Html.TagColor,      &Host.Html.TagElement,   &Host.Html.TagAttribute,
              &Host.Tree.FontColor,      &Host.Tree.Color})
            *c = next += 0x010203;
        for (TItemColors& bracket : e.Brackets)
            bracket = {next += 0x010203, next += 0x010203};
        ApplyBackground(e, SettingsVars.Colors.Back); // as the program keeps them
        SettingsVars.AnkBold = SettingsVars.DBCSUL = SettingsVars.CommentBold = true;
    }
    static std::string SchemeKeys(const std::string& FileName)
    {
        TStringList lines;
        TIniFile(FileName).ReadSectionValues("Colors", lines);
        return std::to_string(lines.Count()) + ": " + lines.Text();
    }

    TempDir Dir;
    TScriptedDialogs Dialogs;
    TFakeSettingsHost Host;
    TOpenDialog OpenDialog;
    TSaveDialog SaveDialog;
};

// The equal files also show that "HTMLTagAtrCol" wins over "AnkCol".
TEST_F(ColorSchemeTest, SavingThenLoadingGivesThe46ValuesBack)
{
    GiveEveryValue();
    ASSERT_TRUE(Save(Dir.File("mine.cfg")));
    const TFakeSettingsHost saved = Host;
    Host = TFakeSettingsHost();
    SettingsVars = {};
    ASSERT_TRUE(Load(Dir.File("mine.cfg")));
    ASSERT_TRUE(Save(Dir.File("again.cfg")));
    EXPECT_EQ(SchemeKeys(Dir.File("again.cfg")), SchemeKeys(Dir.File("mine.cfg")));
    EXPECT_EQ(SchemeKeys(Dir.File("mine.cfg")).substr(0, 4), "46: ");
    EXPECT_EQ(Host.Tree, saved.Tree);
    EXPECT_EQ(Host.Editor.Brackets, saved.Editor.Brackets);
}

TEST_F(ColorSchemeTest, AnEmptyFileGivesTheFallbacksAndLeavesOtherColours)
{
    GiveEveryValue();
    WriteRaw(Dir.File("empty.cfg"), "");
    TFakeSettingsHost expected = Host;
    ASSERT_TRUE(Load(Dir.File("empty.cfg")));

    EXPECT_EQ((std::vector{SettingsVars.StrCol, SettingsVars.ZenTabCol, SettingsVars.HanCol, SettingsVars.Colors.Back}),
              (std::vector<TColor>{0xCC41FA, 0xC0C0C0, 0xC0CDFE, clWhite}));
    EXPECT_FALSE(SettingsVars.AnkBold || SettingsVars.DBCSUL || SettingsVars.CommentBold);
    TEditorSettings& e = expected.Editor;
    ApplyBackground(e, clWhite);
    e.Colors.Str.Color = expected.Html.Str = 0xCC41FA;
    e.Marks.Underline.Color = 0xFF0000;
    e.Brackets[3] = {clBlack, clWhite};
    e.Brackets[4].Color = 0xD5006A;
    e.Brackets[5].Color = 0xFF80FF;
    EXPECT_EQ(Host.State(), expected.State());
}

TEST_F(ColorSchemeTest, SavingTakesTheExtensionCfgAndKeepsOtherKeys)
{
    SaveDialog.SetInitialDir("/elsewhere/");
    WriteRaw(Dir.File("x.cfg"), "[Colors]\r\nMine=7\r\nAnkCol=1\r\n");
    ASSERT_TRUE(Save(Dir.File("x.txt")));
    ASSERT_TRUE(Save(Dir.File("y")));
    const TIniFile saved(Dir.File("x.cfg"));
    EXPECT_EQ(saved.ReadString("Colors", "Mine", "") + " " + saved.ReadString("Colors", "AnkCol", ""), "7 0");
    EXPECT_EQ(std::pair(std::filesystem::exists(Dir.File("x.txt")), std::filesystem::exists(Dir.File("y.cfg"))),
              std::pair(false, true));
    const TDialogQuestion& asked = Dialogs.Questions().at(0);
    EXPECT_EQ(std::tuple(asked.Filter, asked.InitialDir, asked.OverwritePrompt),
              std::tuple("カラー設定(*.cfg)|*.cfg", ProgramFolder(), true));
    EXPECT_EQ(SaveDialog.InitialDir(), "/elsewhere/");
}

// Refused, cancelled: nothing is read, changed or written.
TEST_F(ColorSchemeTest, TheSettingsFileIsRefusedInAnyCaseButACopyIsRead)
{
    const std::string settings = Dir.File("VELK2000.INI");
    WriteRaw(settings, "[Colors]\r\nAnkCol=255\r\n");
    EXPECT_FALSE(Load(settings));
    EXPECT_EQ(Dialogs.Questions().back().Text, "Velk2000.ini は読み込めません！");
    Dialogs.Answer(mrCancel);
    EXPECT_FALSE(LoadColorCfg(Host, OpenDialog));
    Dialogs.Answer(mrCancel);
    EXPECT_FALSE(SaveColorCfg(Host, SaveDialog));
    EXPECT_EQ(Host.State(), TFakeSettingsHost().State());
    EXPECT_EQ(SettingsVars, TSettingsVars{});
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Dir.Path()), {}), 1);

    std::filesystem::copy_file(settings, Dir.File("copy.ini"));
    EXPECT_TRUE(Load(Dir.File("copy.ini")));
    EXPECT_EQ(std::pair(SettingsVars.AnkCol, Host.Editor.Colors.Str.Color), std::pair(TColor{255}, TColor{0xCC41FA}))
        << "StrCol is read after AnkCol";
}

TEST_F(ColorSchemeTest, AWriteThatFailsIsToldAndKeepsTheOldFile)
{
    WriteRaw(Dir.File("old.cfg"), "[Colors]\r\nAnkCol=1\r\n");
    {
        const FileSizeLimit limit(512);
        EXPECT_FALSE(Save(Dir.File("old.cfg")));
    }
    EXPECT_EQ(Dialogs.Questions().back().Type, TMsgDlgType::mtError);
    EXPECT_EQ(Dialogs.Questions().back().Text, Dir.File("old.cfg") + " に書き込めません\n" + SysErrorMessage(EFBIG));
    EXPECT_EQ(ReadRaw(Dir.File("old.cfg")), "[Colors]\r\nAnkCol=1\r\n");
}

// The shared dialogs may hold the document's file; the scheme dialogs start
// in the program folder all the same, and give the document's name back.
TEST_F(ColorSchemeTest, TheDialogsStartInTheProgramFolderWithASchemeName)
{
    SaveDialog.SetFileName("/docs/o13.idx");
    OpenDialog.SetFileName("/docs/o13.idx");
    WriteRaw(Dir.File("a.cfg"), "[Colors]\r\nAnkCol=1\r\n");
    ASSERT_TRUE(Save(Dir.File("b.cfg")));
    ASSERT_TRUE(Load(Dir.File("a.cfg")));
    const std::vector<TDialogQuestion>& asked = Dialogs.Questions();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(std::pair(asked[0].InitialDir, asked[0].Value), std::pair(ProgramFolder(), std::string("color.cfg")));
    EXPECT_EQ(std::pair(asked[1].InitialDir, asked[1].Value), std::pair(ProgramFolder(), std::string()));
    EXPECT_EQ(SaveDialog.FileName(), "/docs/o13.idx");
}

TEST_F(ColorSchemeTest, AFileThatIsNoSchemeIsToldAndChangesNothing)
{
    WriteRaw(Dir.File("doc.vk2"), std::string("VK2\0\x01\x02[Tree]\r\n", 12));
    EXPECT_FALSE(Load(Dir.File("doc.vk2")));
    EXPECT_EQ(Dialogs.Questions().back().Text, "doc.vk2 はカラー設定ファイルではありません！");
    EXPECT_EQ(Host.State(), TFakeSettingsHost().State());
    EXPECT_EQ(SettingsVars, TSettingsVars{});
}

} // namespace
