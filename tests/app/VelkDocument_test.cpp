// A person's whole round: start velk on an empty program folder under a
// virtual X display, type Japanese into the new page, save it under a name
// the scripted save dialog gives, quit, start again on that file and find
// the page with its text byte for byte.
#include "DocumentFile.h"
#include "SjisLiteral.h"
#include "TempDir.h"
#include "VelkProcess.h"
#include "XDisplay.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <unistd.h>

namespace {

std::string FirstPageText(const std::string& File)
{
    try {
        return ReadDocumentFile(Sjis(File), 0).Pages.at(0).Text;
    } catch (const std::exception&) {
        return {};
    }
}

void TypeSaveRestartAndFind()
{
    const TempDir home;
    const std::string file = home.File("文書.vk2");
    const std::string typed = Sjis("日本語のページ");
    const std::vector<std::pair<std::string, std::string>> onDisplay{{"QT_QPA_PLATFORM", "xcb"}};
    {
        auto environment = onDisplay;
        environment.emplace_back("VELK_DIALOG_ANSWERS", "file:" + file);
        TVelkProcess velk(home.Path(), {}, environment);
        ExpectReady(velk);
        ASSERT_TRUE(XDoTool("search --sync --name '^NewFile$' windowfocus --sync"));
        // xdotool types a character beyond the keyboard by remapping a spare
        // key for it; on a busy machine the program can read a remapping
        // too late and drop that character. So the text is typed again,
        // after clearing the page with BackSpace, until the saved file holds
        // it (the first save names the file, the next ones overwrite it).
        bool saved = false;
        for (int attempt = 0; attempt < 5 && !saved; ++attempt) {
            ASSERT_TRUE(XDoTool("key --delay 20 --repeat 30 BackSpace"));
            ASSERT_TRUE(XDoTool("type --delay 80 '日本語のページ'"));
            ASSERT_TRUE(XDoTool("key ctrl+s"));
            saved = Eventually([&] { return FirstPageText(file) == typed; }, 50);
        }
        EXPECT_TRUE(saved) << FirstPageText(file);
        ExpectCleanEnd(velk);
    }
    const TVk2Document saved = ReadDocumentFile(Sjis(file), 0);
    ASSERT_EQ(saved.Pages.size(), 1u);
    EXPECT_EQ(saved.Pages[0].Title, typed);

    // Started again on the file, the page is there: a letter typed at its
    // start and saved lands before the very same bytes.
    TVelkProcess velk(home.Path(), {file}, onDisplay);
    ExpectReady(velk);
    ASSERT_TRUE(XDoTool("search --sync --name '文書\\.vk2$' windowfocus --sync"));
    ASSERT_TRUE(XDoTool("key ctrl+Home X ctrl+s"));
    EXPECT_TRUE(Eventually([&] { return FirstPageText(file) == "X" + typed; })) << FirstPageText(file);
    ExpectCleanEnd(velk);
}

TEST(VelkDocument, APageTypedAndSavedIsFoundAgainAfterARestart) { RunOnVirtualDisplay(TypeSaveRestartAndFind); }

} // namespace
