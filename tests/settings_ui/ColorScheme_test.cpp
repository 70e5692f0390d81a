#include "ColorSchemeFiles.h"
#include "Dialogs.h"
#include "FakeSettingsHost.h"
#include "FileSizeLimit.h"
#include "IniFiles.h"
#include "Paths.h"
#include "ScriptedDialogs.h"
#include "Strings.h"
#include "SubIni.h"
#include "TempDir.h"

#include <gtest/gtest.h>

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
        for (TColor* c : {&e.Colors.Select.Color, &e.Marks.EofMark.Color, &e.Marks.RetMark.Color,
                          &e.Marks.Underline.Color, &SettingsVars.AnkCol, &SettingsVars.StrCol, &SettingsVars.DBCSCol,
                          &e.Colors.Url.Color, &e.Colors.Mail.Color, &SettingsVars.ZenTabCol, &SettingsVars.HanCol,
                          &e.Colors.Comment.Color, &e.Colors.Reserve.Color, &e.Ruler.Color, &e.Ruler.MarkColor,
                          &SettingsVars.Colors.Back, &e.Colors.Select.BkColor, &Host.Html.TagColor,
                          &Host.Html.TagElement, &Host.Html.TagAttribute, &Host.Tree.FontColor, &Host.Tree.Color})
            *c = next += 0x010203;
        for (TItemColors& bracket : e.Brackets)
            bracket = {next += 0x010203, next += 0x010203};
        // As the program keeps them: the page background behind the text.
        ApplyBackground(e, SettingsVars.Colors.Back);
        SettingsVars.AnkBold = SettingsVars.DBCSUL = SettingsVars.CommentBold = SettingsVars.PageLinkItalic = true;
    }

    TempDir Dir;
    TScriptedDialogs Dialogs;
    TFakeSettingsHost Host;
    TOpenDialog OpenDialog;
    TSaveDialog SaveDialog;
};

// The 46 keys of a scheme file as written.
std::string SchemeKeys(const std::string& FileName)
{
    TStringList lines;
    TIniFile(FileName).ReadSectionValues("Colors", lines);
    return lines.Text();
}

TEST_F(ColorSchemeTest, SavingThenLoadingGivesEveryValueBack)
{
    GiveEveryValue();
    ASSERT_TRUE(Save(Dir.File("mine.cfg")));
    TStringList keys;
    TIniFile(Dir.File("mine.cfg")).ReadSection("Colors", keys);
    EXPECT_EQ(keys.Count(), 46);

    const TFakeSettingsHost saved = Host;
    const TSettingsVars savedVars = SettingsVars;
    Host = TFakeSettingsHost();
    SettingsVars = {};
    ASSERT_TRUE(Load(Dir.File("mine.cfg")));
    ASSERT_TRUE(Save(Dir.File("again.cfg")));
    EXPECT_EQ(SchemeKeys(Dir.File("again.cfg")), SchemeKeys(Dir.File("mine.cfg")));
    EXPECT_EQ(Host.Tree, saved.Tree);
    EXPECT_EQ(Host.Editor.Brackets, saved.Editor.Brackets);
    EXPECT_EQ(SettingsVars.CommentBold, savedVars.CommentBold);
}

TEST_F(ColorSchemeTest, AnEmptyFileGivesTheFallbacksAndLeavesOtherColours)
{
    GiveEveryValue();
    WriteRaw(Dir.File("empty.cfg"), "");
    TFakeSettingsHost before = Host;
    ASSERT_TRUE(Load(Dir.File("empty.cfg")));

    EXPECT_EQ(SettingsVars.StrCol, 0xCC41FA);
    EXPECT_EQ(SettingsVars.ZenTabCol, 0xC0C0C0);
    EXPECT_EQ(SettingsVars.HanCol, 0xC0CDFE);
    EXPECT_EQ(SettingsVars.Colors.Back, clWhite);
    EXPECT_FALSE(SettingsVars.AnkBold || SettingsVars.DBCSUL || SettingsVars.CommentBold);
    TEditorSettings expected = before.Editor;
    ApplyBackground(expected, clWhite);
    expected.Colors.Str.Color = 0xCC41FA;
    expected.Marks.Underline.Color = 0xFF0000;
    expected.Brackets[3] = {clBlack, clWhite};
    expected.Brackets[4].Color = 0xD5006A;
    expected.Brackets[5].Color = 0xFF80FF;
    EXPECT_EQ(Host.Editor, expected);
    before.Html.Str = 0xCC41FA;
    EXPECT_EQ(Host.Html, before.Html);
    EXPECT_EQ(Host.Tree, before.Tree);
}

// Of two keys that set one colour, the one read later wins.
TEST_F(ColorSchemeTest, LaterKeysWinOverAnkCol)
{
    WriteRaw(Dir.File("a.cfg"), "[Colors]\r\nAnkCol=255\r\nHTMLTagAtrCol=4660\r\n");
    ASSERT_TRUE(Load(Dir.File("a.cfg")));
    EXPECT_EQ(Host.Editor.Colors.Ank.Color, 255);
    EXPECT_EQ(Host.Editor.Colors.Str.Color, 0xCC41FA);
    EXPECT_EQ(Host.Html.TagAttribute, 4660);
}

TEST_F(ColorSchemeTest, SavingTakesTheExtensionCfgAndKeepsOtherKeys)
{
    SaveDialog.SetInitialDir("/elsewhere/");
    WriteRaw(Dir.File("x.cfg"), "[Colors]\r\nMine=7\r\nAnkCol=1\r\n");
    ASSERT_TRUE(Save(Dir.File("x.txt")));
    ASSERT_TRUE(Save(Dir.File("y")));
    EXPECT_FALSE(std::filesystem::exists(Dir.File("x.txt")));
    EXPECT_EQ(TIniFile(Dir.File("x.cfg")).ReadInteger("Colors", "Mine", 0), 7);
    EXPECT_EQ(TIniFile(Dir.File("x.cfg")).ReadInteger("Colors", "AnkCol", -1), 0);
    EXPECT_TRUE(std::filesystem::exists(Dir.File("y.cfg")));

    const TDialogQuestion& asked = Dialogs.Questions().at(0);
    EXPECT_EQ(asked.Filter, "カラー設定(*.cfg)|*.cfg");
    EXPECT_EQ(asked.InitialDir, ProgramFolder());
    EXPECT_TRUE(asked.OverwritePrompt);
    EXPECT_EQ(SaveDialog.InitialDir(), "/elsewhere/");
}

TEST_F(ColorSchemeTest, TheSettingsFileIsRefusedInAnyCaseButACopyIsRead)
{
    const std::string settings = Dir.File("VELK2000.INI");
    WriteRaw(settings, "[Colors]\r\nAnkCol=255\r\n");
    EXPECT_FALSE(Load(settings));
    EXPECT_EQ(Dialogs.Questions().back().Text, "Velk2000.ini は読み込めません！");
    EXPECT_EQ(Host.State(), TFakeSettingsHost().State());
    EXPECT_EQ(SettingsVars, TSettingsVars{});

    std::filesystem::copy_file(settings, Dir.File("copy.ini"));
    EXPECT_TRUE(Load(Dir.File("copy.ini")));
    EXPECT_EQ(SettingsVars.AnkCol, 255);
}

TEST_F(ColorSchemeTest, CancellingChangesAndWritesNothing)
{
    GiveEveryValue();
    const TFakeSettingsHost before = Host;
    const TSettingsVars beforeVars = SettingsVars;
    Dialogs.Answer(mrCancel);
    EXPECT_FALSE(SaveColorCfg(Host, SaveDialog));
    Dialogs.Answer(mrCancel);
    EXPECT_FALSE(LoadColorCfg(Host, OpenDialog));
    EXPECT_EQ(Host.State(), before.State());
    EXPECT_EQ(SettingsVars, beforeVars);
    EXPECT_TRUE(std::filesystem::is_empty(Dir.Path()));
}

// A failed write is told, not passed over, and the old scheme stays whole.
TEST_F(ColorSchemeTest, AWriteThatFailsIsToldAndKeepsTheOldFile)
{
    WriteRaw(Dir.File("old.cfg"), "[Colors]\r\nAnkCol=1\r\n");
    {
        const FileSizeLimit limit(512);
        EXPECT_FALSE(Save(Dir.File("old.cfg")));
    }
    EXPECT_EQ(Dialogs.Questions().back().Type, TMsgDlgType::mtError);
    EXPECT_NE(Dialogs.Questions().back().Text.find("に書き込めません"), std::string::npos);
    EXPECT_EQ(ReadRaw(Dir.File("old.cfg")), "[Colors]\r\nAnkCol=1\r\n");
}

} // namespace
