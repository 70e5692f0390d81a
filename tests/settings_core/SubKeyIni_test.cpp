#include "SubKeyIni.h"

#include "CommandTable.h"
#include "FileSizeLimit.h"
#include "Files.h"
#include "IniFiles.h"
#include "SettingsTestSupport.h"
#include "ShortCutText.h"
#include "Strings.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

namespace {

class KeyIni : public ::testing::Test {
protected:
    // Writes a key file of these lines, CR LF after each.
    void WriteKeyFile(std::initializer_list<std::string_view> Lines)
    {
        std::string text;
        for (std::string_view line : Lines)
            (text += line) += "\r\n";
        WriteFileAtomic(Path, text);
    }
    void Load() { LoadKeyIni(Items, Path); }

    TempDir Folder;
    const std::string Path = Folder.File("velk2000Key.ini");
    TMenuItems Items;
};

TEST_F(KeyIni, FirstStartWithoutAFileAppliesTheDefaultsAndCreatesNothing)
{
    Load();
    EXPECT_EQ(Items.ShortCut("FlNew"), scCtrl | 'N');
    EXPECT_EQ(Items.ShortCut("EdCopy"), scCtrl | 'C');
    EXPECT_EQ(Items.ShortCut("pEdCopy"), scCtrl | 'C');
    EXPECT_EQ(Items.ShortCut("pTreeDel"), scCtrl | VK_DELETE);
    EXPECT_EQ(Items.ShortCut("pEdZenSpcToHankSpc"), scCtrl | VK_OEM_PERIOD);
    EXPECT_EQ(Items.ShortCut("FdGoFind"), scCtrl | 'F');
    EXPECT_EQ(Items.ShortCut("FlOverSave"), 0);
    EXPECT_EQ(Items.ShortCut("pEdDel"), 0);
    EXPECT_FALSE(FileExists(Path));
}

TEST_F(KeyIni, WithoutTheMarkerAnEntryStillWinsOverTheDefault)
{
    WriteKeyFile({"[ShortcutKey]", "FileNew=Ctrl+Q", "FileOpen="});
    Load();
    EXPECT_EQ(Items.ShortCut("FlNew"), scCtrl | 'Q');
    EXPECT_EQ(Items.ShortCut("FlOpen"), scCtrl | 'O');
}

TEST_F(KeyIni, WithTheMarkerAnEmptyEntryMeansNoShortcut)
{
    WriteKeyFile({"[Activation]", "First=IsFirst", "[ShortcutKey]", "FileNew=", "Find=", "FindForward=", "Replace="});
    Load();
    EXPECT_EQ(Items.ShortCut("FlNew"), 0);
    // The shortcuts the menu definition gives stay removed as well.
    EXPECT_EQ(Items.ShortCut("FdGoFind"), 0);
    EXPECT_EQ(Items.ShortCut("FdForwardFind"), 0);
    EXPECT_EQ(Items.ShortCut("FdReplace"), 0);
    // A missing entry keeps the menu definition, and no default applies.
    EXPECT_EQ(Items.ShortCut("FdBackFind"), scShift | VK_F3);
    EXPECT_EQ(Items.ShortCut("OpBoxSel"), scCtrl | 'B');
    EXPECT_EQ(Items.ShortCut("EdCopy"), 0);
}

TEST_F(KeyIni, AnyMarkerTextCountsAndNamesMatchInAnyCase)
{
    WriteKeyFile({"[activation]", "first=1", "[SHORTCUTKEY]", "filenew=ctrl+shift+n", "EDITCOPY=Ctrl+Ins"});
    Load();
    EXPECT_EQ(Items.ShortCut("FlNew"), scShift | scCtrl | 'N');
    EXPECT_EQ(Items.ShortCut("EdCopy"), scCtrl | VK_INSERT);
    EXPECT_EQ(Items.ShortCut("pEdCopy"), scCtrl | VK_INSERT);
    EXPECT_EQ(Items.ShortCut("FlOpen"), 0); // marked: no default
}

TEST_F(KeyIni, AnEntryThatNamesNoKeyLeavesNoShortcut)
{
    Items.SetShortCut("FdGoFind", scCtrl | 'F');
    WriteKeyFile({"[ShortcutKey]", "FileNew=Ctrl+Foo", "Find=UnDefined"});
    Load();
    EXPECT_EQ(Items.ShortCut("FlNew"), 0);
    EXPECT_EQ(Items.ShortCut("FdGoFind"), 0);
}

TEST_F(KeyIni, TwinsFollowTheirMainItemEvenWhenItHasNoEntry)
{
    Items.SetShortCut("EdDel", VK_DELETE);
    WriteKeyFile({"[Activation]", "First=IsFirst", "[ShortcutKey]", "MTreeUnify=Alt+U"});
    Load();
    EXPECT_EQ(Items.ShortCut("pEdDel"), VK_DELETE);
    EXPECT_EQ(Items.ShortCut("pTreeNodeUnify"), scAlt | 'U');
}

// Every command gets a shortcut of its own; saving and loading into fresh
// menus must hand each one back to its own item.
TEST_F(KeyIni, SaveThenLoadGivesEveryCommandItsOwnShortcut)
{
    TMenuItems saved;
    std::set<TShortCut> used;
    std::vector<TShortCut> unused; // every shortcut that has a text of its own
    const TShortCut modifierSets[] = {scCtrl, scAlt, scShift | scCtrl};
    for (TShortCut modifiers : modifierSets)
        for (unsigned key = 0; key <= 0xFF; ++key)
            if (key != VK_OEM_102 && !ShortCutToText(static_cast<TShortCut>(modifiers | key)).empty())
                unused.push_back(static_cast<TShortCut>(modifiers | key));
    for (const TCommandRow& row : CommandRegistry()) {
        if (!row.IsKeyed())
            continue;
        ASSERT_LT(used.size(), unused.size());
        saved.SetShortCut(row.ItemName, unused[used.size()]);
        used.insert(unused[used.size()]);
    }
    ASSERT_EQ(used.size(), 152u);
    saved.SetShortCut("FlOverSave", 0);
    SaveKeyIni(saved, Path);

    Items.SetShortCut("FlOverSave", scCtrl | 'W');
    Load();
    for (const TCommandRow& row : CommandRegistry()) {
        if (!row.IsKeyed())
            continue;
        EXPECT_EQ(Items.ShortCut(row.ItemName), saved.ShortCut(row.ItemName)) << row.Key;
        if (!row.Twin.empty()) {
            EXPECT_EQ(Items.ShortCut(row.Twin), saved.ShortCut(row.ItemName)) << row.Twin;
        }
    }
    EXPECT_EQ(Items.ShortCut("FlOverSave"), 0);
    // Keys whose spelling differs from their item's.
    EXPECT_EQ(Items.ShortCut("pEdStrCvSmallToBig"), saved.ShortCut("pEdStrCvSmallToBig"));
    EXPECT_EQ(Items.ShortCut("pEdTopRtnDel"), saved.ShortCut("pEdTopRtnDel"));
    EXPECT_EQ(Items.ShortCut("pEdTopStrDel"), saved.ShortCut("pEdTopStrDel"));
}

// A removed default must not come back at the next start.
TEST_F(KeyIni, ARemovedDefaultStaysRemovedAfterSaveAndLoad)
{
    Load(); // first start: the defaults and the menu definition
    Items.SetShortCut("FdGoFind", 0);
    Items.SetShortCut("FlNew", 0);
    SaveKeyIni(Items, Path);

    TMenuItems restarted;
    LoadKeyIni(restarted, Path);
    EXPECT_EQ(restarted.ShortCut("FdGoFind"), 0);
    EXPECT_EQ(restarted.ShortCut("FlNew"), 0);
    EXPECT_EQ(restarted.ShortCut("FdForwardFind"), VK_F3);
    EXPECT_EQ(restarted.ShortCut("EdCopy"), scCtrl | 'C');
}

TEST_F(KeyIni, TheWriterReplacesItsSectionAndKeepsTheRest)
{
    WriteKeyFile({"; kept", "[Other]", "Name=Value", "[ShortcutKey]", "Obsolete=Ctrl+Q", "FileNew=Ctrl+Q"});
    Load();
    SaveKeyIni(Items, Path);

    const std::string text = ReadFileBytes(Path);
    EXPECT_TRUE(text.starts_with("; kept\r\n[Other]\r\nName=Value\r\n")) << text;
    const TIniFile ini(Path);
    EXPECT_EQ(ini.ReadString("Activation", "First", ""), "IsFirst");
    EXPECT_FALSE(ini.ValueExists("ShortcutKey", "Obsolete"));
    EXPECT_EQ(ini.ReadString("ShortcutKey", "FileNew", "-"), "Ctrl+Q");
    EXPECT_EQ(ini.ReadString("ShortcutKey", "FileOverSave", "-"), "");
    EXPECT_EQ(ini.ReadString("ShortcutKey", "EdZenSpcToHankSpc", "-"), "Ctrl+.");
    EXPECT_NE(text.find("\r\nFileNew=Ctrl+Q\r\n"), std::string::npos);
}

TEST_F(KeyIni, TheWriterKeepsTheTableOrderWithTwoPairsSwapped)
{
    SaveKeyIni(Items, Path);
    TStringList keys;
    TIniFile(Path).ReadSection("ShortcutKey", keys);

    std::vector<std::string> expected;
    for (const TCommandRow& row : CommandRegistry())
        if (row.IsKeyed())
            expected.emplace_back(row.Key);
    const auto swapAt = [&expected](std::string_view First) {
        const auto at = std::ranges::find(expected, First);
        std::iter_swap(at, at + 1);
    };
    swapAt("EditLinkSel");
    swapAt("SpEdSpHankSp");

    ASSERT_EQ(keys.Count(), 152);
    for (int i = 0; i < keys.Count(); ++i)
        EXPECT_EQ(keys.Strings(i), expected[i]) << i;
    EXPECT_EQ(expected[66], "EditDouble");
    EXPECT_EQ(expected[67], "EditLinkSel");
}

// Reads the shortcuts and fails part of the way through, as a save that
// is interrupted would.
class TFailingItems final : public IShortCutTarget {
public:
    TShortCut ShortCut(std::string_view) const override
    {
        if (++Reads_ == 100)
            throw std::runtime_error("interrupted");
        return scCtrl | 'Q';
    }
    void SetShortCut(std::string_view, TShortCut) override {}

private:
    mutable int Reads_ = 0;
};

TEST_F(KeyIni, AnInterruptedSaveLeavesTheOldFileWhole)
{
    Load();
    SaveKeyIni(Items, Path);
    const std::string before = ReadFileBytes(Path);

    EXPECT_THROW(SaveKeyIni(TFailingItems(), Path), std::runtime_error);
    EXPECT_EQ(ReadFileBytes(Path), before);
}

// A write the system refuses (here: the file size limit, which binds root
// too) is raised, and the old file stays as it was.
TEST_F(KeyIni, ARefusedWriteIsReportedAndLeavesTheOldFileWhole)
{
    Load();
    SaveKeyIni(Items, Path);
    const std::string before = ReadFileBytes(Path);
    Items.SetShortCut("FlNew", scCtrl | 'Q');
    {
        const FileSizeLimit limit(512);
        try {
            SaveKeyIni(Items, Path);
            ADD_FAILURE() << "no error raised";
        } catch (const EIniFileException& e) {
            EXPECT_EQ(e.Message(), Path + " に書き込めません");
        }
    }
    EXPECT_EQ(ReadFileBytes(Path), before);
}

// Random bytes as the key file: loading survives them, and saving keeps
// every byte it found and hands the shortcuts back.
TEST_F(KeyIni, NoiseIsReadSafelyAndKeptBySaving)
{
    std::mt19937 random(20240611);
    std::string noise(1 << 20, '\0');
    for (char& c : noise)
        c = static_cast<char>(random());
    WriteRaw(Path, noise);
    Load();
    EXPECT_EQ(Items.ShortCut("FlNew"), scCtrl | 'N');

    Items.SetShortCut("FlNew", scCtrl | 'Q');
    SaveKeyIni(Items, Path);
    EXPECT_TRUE(ReadFileBytes(Path).starts_with(noise));

    TMenuItems restarted;
    LoadKeyIni(restarted, Path);
    EXPECT_EQ(restarted.Items(), Items.Items());
}

} // namespace
