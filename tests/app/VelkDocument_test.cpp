// A person's whole round: start velk on an empty program folder under a
// virtual X display, type Japanese into the new page, save it under a name
// the scripted save dialog gives, quit, start again on that file and find
// the page with its text byte for byte.
#include "DocumentFile.h"
#include "SjisLiteral.h"
#include "TempDir.h"
#include "VelkProcess.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr const char* InsideDisplay = "VELK_TEST_INSIDE_XVFB";

// Runs an xdotool command line; true when it succeeded.
bool XDoTool(const std::string& Arguments) { return std::system(("xdotool " + Arguments).c_str()) == 0; }

// Waits, with patience, until Ready: at most Tenths tenths of a second.
template <typename TReady>
bool Eventually(TReady&& Ready, int Tenths = 300)
{
    for (int i = 0; i < Tenths; ++i) {
        if (Ready())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}

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

TEST(VelkDocument, APageTypedAndSavedIsFoundAgainAfterARestart)
{
    if (std::getenv(InsideDisplay)) {
        TypeSaveRestartAndFind();
        return;
    }
    // This same test, run again inside a virtual X display.
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    const std::string command = std::string(InsideDisplay) + "=1 xvfb-run -a -s '-screen 0 1280x1024x24' '" + self +
                                "' --gtest_filter=VelkDocument.APageTypedAndSavedIsFoundAgainAfterARestart";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
}

} // namespace
