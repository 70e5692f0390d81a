// Opening a document that a save cut short: the message names the whole
// copy the save left beside it, and that copy opens.
#include "FormFixture.h"

#include "DocumentFile.h"
#include "TempDir.h"

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

} // namespace
