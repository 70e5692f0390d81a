// Opening a document that a save cut short: the message names the whole
// copy the save left beside it, and that copy opens. Opening a whole
// document beside a newer copy that holds another save tells of it.
#include "FormFixture.h"

#include "DocumentFile.h"
#include "TempDir.h"

#include <chrono>
#include <filesystem>

namespace {

class MainFileSaveCopy : public RealFormTest {
protected:
    MainFileSaveCopy()
    {
        velk->show();
        QApplication::processEvents();
    }
};

TEST_F(MainFileSaveCopy, ADocumentCutShortIsToldWithItsWholeCopy)
{
    const std::string copy = Home() + "torn.save-copy-1.vk2";
    WriteDocumentFile(copy, {{0, "page", "page\r\nall of it", 1, -1}, {0, "two", "two", 1, -1}}, 0, 0);
    const std::string whole = ReadRaw(copy);
    const std::string note = "\r\n途中で止まった保存の内容は、すべて次のファイルに残っています。\r\n" + copy;
    const struct {
        std::string Bytes, Told;
    } cases[] = {
        {"", Home() + "torn.vk2\r\nこのファイルは空のため開けません。" + note},
        {whole.substr(0, whole.size() / 2),
         Home()
             + "torn.vk2\r\nこのファイルは壊れているため開けません。\r\n"
               "ページ見出しの数だけのページの記録がありません（ファイルが途中で切れています）。"
             + note},
    };
    for (const auto& c : cases) {
        WriteRaw(Home() + "torn.vk2", c.Bytes);
        EXPECT_FALSE(velk->DocumentFiles().LoadOutline(Home() + "torn"));
        EXPECT_EQ(LastQuestion(), c.Told);
    }
    ASSERT_TRUE(velk->DocumentFiles().LoadOutline(Home() + "torn.save-copy-1"));
    EXPECT_EQ(velk->DataTree()->Items().Count(), 2);
}

// A save stopped after it wrote its copy and before it rewrote the file:
// the file is whole but old, and what was saved is only in the copy. The
// document opens, and the open tells of the copy by name, each time,
// until the copy holds nothing the file does not or the file is newer.
TEST_F(MainFileSaveCopy, AWholeDocumentOpensAndIsToldOfANewerCopyThatHoldsAnotherSave)
{
    namespace fs = std::filesystem;
    const std::string file = Home() + "whole.vk2", copy = Home() + "whole.save-copy-1.vk2";
    WriteDocumentFile(file, {{0, "old", "old\r\ntext", 1, -1}}, 0, 0);
    fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::minutes(5));
    WriteDocumentFile(copy, {{0, "saved", "saved\r\ntext", 1, -1}}, 0, 0);
    const std::string notice = file
                               + "\r\nこのファイルより新しい、途中で止まった保存の内容が次のファイルに残っています。"
                                 "開いて確かめてください。\r\n"
                               + copy;
    for (int open = 0; open < 2; ++open) {
        const size_t asked = dialogs.Questions().size();
        ASSERT_TRUE(velk->DocumentFiles().LoadOutline(Home() + "whole"));
        EXPECT_EQ(velk->DataTree()->Items().Item(0)->Text(), "old");
        ASSERT_EQ(dialogs.Questions().size(), asked + 1);
        EXPECT_EQ(LastQuestion(), notice);
    }
    const struct {
        const char* What;
        std::function<void()> Change;
    } dealtWith[] = {
        {"the copy holds the file's bytes", [&] { fs::copy_file(file, copy, fs::copy_options::overwrite_existing); }},
        {"the file was saved after the copy",
         [&] {
             WriteDocumentFile(copy, {{0, "saved", "saved\r\ntext", 1, -1}}, 0, 0);
             fs::last_write_time(copy, fs::file_time_type::clock::now() - std::chrono::minutes(10));
         }},
    };
    for (const auto& c : dealtWith) {
        SCOPED_TRACE(c.What);
        c.Change();
        const size_t asked = dialogs.Questions().size();
        ASSERT_TRUE(velk->DocumentFiles().LoadOutline(Home() + "whole"));
        EXPECT_EQ(dialogs.Questions().size(), asked);
    }
}

} // namespace
