#include "XDisplay.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>

namespace {

constexpr const char* InsideDisplay = "VELK_TEST_INSIDE_XVFB";

} // namespace

bool XDoTool(const std::string& Arguments) { return std::system(("xdotool " + Arguments).c_str()) == 0; }

void RunOnVirtualDisplay(const std::function<void()>& Body)
{
    if (std::getenv(InsideDisplay)) {
        Body();
        return;
    }
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string self = std::filesystem::read_symlink("/proc/self/exe").string();
    const std::string command = std::string(InsideDisplay) + "=1 xvfb-run -a -s '-screen 0 1280x1024x24' '" + self
                                + "' --gtest_filter=" + test->test_suite_name() + "." + test->name();
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
}
