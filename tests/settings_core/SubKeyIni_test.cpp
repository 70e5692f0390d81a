#include "SubKeyIni.h"

#include "CommandTable.h"
#include "Files.h"
#include "IniFiles.h"
#include "SettingsTestSupport.h"
#include "ShortCutText.h"
#include "Strings.h"
#include "TempDir.h"

#include <algorithm>
#include <filesystem>
#include <map>

namespace {

class KeyIni : public ::testing::Test {
protected:
    void Load() { LoadKeyIni(Items, Path); }

    TempDir Folder;
    const std::string Path = Folder.File("velk2000Key.ini");
    TMenuItems Items;
};

// A file that "[Activation]" marks was written by the program: an empty
// entry there means "no shortcut" and only a missing key keeps what the
// menus held. An unmarked file falls back to the defaults.
TEST_F(KeyIni, EntriesDefaultsAndTheMarkerDecideEachShortcut)
{
    const struct {
        const char* Name;
        std::vector<std::string_view> Lines; // none: no file at all
        std::map<std::string_view, TShortCut> Preset, Expected;
        // clang-format off
    } cases[] = {
        {"first start",
         {},
         {},
         {{"FlNew", scCtrl | 'N'}, {"EdCopy", scCtrl | 'C'}, {"pEdCopy", scCtrl | 'C'},
          {"pTreeDel", scCtrl | VK_DELETE}, {"pEdZenSpcToHankSpc", scCtrl | VK_OEM_PERIOD},
          {"FdGoFind", scCtrl | 'F'}, {"FlOverSave", 0}, {"pEdDel", 0}}},
        {"unmarked", {"[ShortcutKey]", "FileNew=Ctrl+Q", "FileOpen="}, {}, {{"FlNew", scCtrl | 'Q'}, {"FlOpen", scCtrl | 'O'}}},
        {"marked, empty entries",
         {"[Activation]", "First=IsFirst", "[ShortcutKey]", "FileNew=", "Find=", "FindForward=", "Replace="},
         {},
         {{"FlNew", 0}, {"FdGoFind", 0}, {"FdForwardFind", 0}, {"FdReplace", 0},
          {"FdBackFind", scShift | VK_F3}, {"OpBoxSel", scCtrl | 'B'}, {"EdCopy", 0}}},
        {"any marker text, names in any case",
         {"[activation]", "first=1", "[SHORTCUTKEY]", "filenew=ctrl+shift+n", "EDITCOPY=Ctrl+Ins"},
         {},
         {{"FlNew", scShift | scCtrl | 'N'}, {"EdCopy", scCtrl | VK_INSERT}, {"pEdCopy", scCtrl | VK_INSERT},
          {"FlOpen", 0}}},
        {"entries naming no key",
         {"[ShortcutKey]", "FileNew=Ctrl+Foo", "Find=UnDefined"},
         {{"FdGoFind", scCtrl | 'F'}},
         {{"FlNew", 0}, {"FdGoFind", 0}}},
        {"twins follow their main item even without its entry",
         {"[Activation]", "First=IsFirst", "[ShortcutKey]", "MTreeUnify=Alt+U"},
         {{"EdDel", VK_DELETE}},
         {{"pEdDel", VK_DELETE}, {"pTreeNodeUnify", scAlt | 'U'}}},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        std::string text;
        for (std::string_view line : c.Lines)
            (text += line) += "\r\n";
        if (!c.Lines.empty())
            WriteFileAtomic(Path, text);
        TMenuItems items;
        for (const auto& [item, shortcut] : c.Preset)
            items.SetShortCut(item, shortcut);
        LoadKeyIni(items, Path);
        for (const auto& [item, shortcut] : c.Expected)
            EXPECT_EQ(items.ShortCut(item), shortcut) << item;
        EXPECT_EQ(FileExists(Path), !c.Lines.empty()) << "loading creates no file";
        std::filesystem::remove(Path);
    }
}

// Every command gets a shortcut of its own; saving and loading into fresh
// menus must hand each one back to its own item and its twin.
TEST_F(KeyIni, SaveThenLoadGivesEveryCommandItsOwnShortcut)
{
    std::vector<TShortCut> named; // every shortcut that has a text of its own
    for (TShortCut modifiers : {scCtrl, scAlt, static_cast<TShortCut>(scShift | scCtrl)})
        for (unsigned key = 0; key <= 0xFF; ++key)
            if (key != VK_OEM_102 && !ShortCutToText(static_cast<TShortCut>(modifiers | key)).empty())
                named.push_back(static_cast<TShortCut>(modifiers | key));
    TMenuItems saved;
    size_t used = 0;
    for (const TCommandRow& row : CommandRegistry())
        if (row.IsKeyed())
            saved.SetShortCut(*row.Item, named.at(used++));
    ASSERT_EQ(used, 152u);
    saved.SetShortCut("FlOverSave", 0);
    SaveKeyIni(saved, Path);

    Items.SetShortCut("FlOverSave", scCtrl | 'W');
    Load();
    for (const TCommandRow& row : CommandRegistry()) {
        if (!row.IsKeyed())
            continue;
        EXPECT_EQ(Items.ShortCut(*row.Item), saved.ShortCut(*row.Item)) << row.Key;
        if (row.Twin) {
            EXPECT_EQ(Items.ShortCut(*row.Twin), saved.ShortCut(*row.Item)) << row.Twin->Name();
        }
    }
}

// The writer puts every key of the table in its order, with two pairs
// swapped, and nothing else into its section; the rest of the file stays.
TEST_F(KeyIni, TheWriterReplacesItsSectionInTableOrderAndKeepsTheRest)
{
    WriteFileAtomic(Path, "; kept\r\n[Other]\r\nName=Value\r\n[ShortcutKey]\r\nObsolete=Ctrl+Q\r\nFileNew=Ctrl+Q\r\n");
    Load();
    SaveKeyIni(Items, Path);

    const std::string text = ReadFileBytes(Path);
    EXPECT_TRUE(text.starts_with("; kept\r\n[Other]\r\nName=Value\r\n")) << text;
    EXPECT_NE(text.find("\r\nFileNew=Ctrl+Q\r\n"), std::string::npos);
    const TIniFile ini(Path);
    EXPECT_EQ(ini.ReadString("Activation", "First", ""), "IsFirst");
    EXPECT_EQ(ini.ReadString("ShortcutKey", "FileOverSave", "-"), "") << "every key is written, empty ones too";
    EXPECT_EQ(ini.ReadString("ShortcutKey", "EdZenSpcToHankSpc", "-"), "Ctrl+.");

    TStringList keys;
    ini.ReadSection("ShortcutKey", keys);
    std::vector<std::string> expected;
    for (const TCommandRow& row : CommandRegistry())
        if (row.IsKeyed())
            expected.emplace_back(row.Key);
    for (std::string_view first : {"EditLinkSel", "SpEdSpHankSp"}) {
        const auto at = std::ranges::find(expected, first);
        std::iter_swap(at, at + 1);
    }
    ASSERT_EQ(keys.Count(), 152);
    for (int i = 0; i < keys.Count(); ++i)
        EXPECT_EQ(keys.Strings(i), expected[static_cast<size_t>(i)]) << i;
}

// Reads the shortcuts and fails part of the way through, as a save that
// is interrupted would.
class TFailingItems final : public IShortCutTarget {
public:
    TShortCut ShortCut(TCommandId) const override
    {
        if (++Reads_ == 100)
            throw std::runtime_error("interrupted");
        return scCtrl | 'Q';
    }
    void SetShortCut(TCommandId, TShortCut) override {}

private:
    mutable int Reads_ = 0;
};

// The save is one batch: an interruption leaves the old file whole. (A
// write the system refuses is the settings file's business, tested there.)
TEST_F(KeyIni, AnInterruptedSaveLeavesTheOldFileWhole)
{
    Load();
    SaveKeyIni(Items, Path);
    const std::string before = ReadFileBytes(Path);
    EXPECT_THROW(SaveKeyIni(TFailingItems(), Path), std::runtime_error);
    EXPECT_EQ(ReadFileBytes(Path), before);
}

} // namespace
