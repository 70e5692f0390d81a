#include "ExternalEdit.h"

#include <gtest/gtest.h>

namespace {

TEST(ExternalEdit, TemplateLosesWindowMarkAndTakesTheRow)
{
    const std::string line = ExpandEditorTemplate("ed /%WIN% -l %LINE%", 0);
    EXPECT_EQ(line, "ed  -l 0");
    const TExternalCommand command = CommandWithFile(line, "/tmp/a b/temp.txt");
    EXPECT_EQ(command.Program, "ed");
    EXPECT_EQ(command.Arguments, (QStringList{"-l", "0", "/tmp/a b/temp.txt"}));
    EXPECT_TRUE(CommandWithFile("  ", "f").Program.isEmpty());
    EXPECT_EQ(CommandWithFile("\"my ed\" -w", "f").Program, "my ed");
}

TEST(ExternalEdit, ViewerTakesTheProgramAlone)
{
    EXPECT_EQ(ViewerCommand("gedit --wait +%LINE%", "f").Arguments, QStringList{"f"});
    const TExternalCommand windows = ViewerCommand("c:\\ed.EXE /%WIN% %LINE%", "f");
    EXPECT_EQ(windows.Program, "c:\\ed.EXE");
    EXPECT_EQ(windows.Arguments, QStringList{"f"});
}

// Out with a final CR LF, back without the one added: a line the editor
// appends never joins the page's last line.
TEST(ExternalEdit, TheTransferFileEndsEveryLine)
{
    const struct {
        std::string_view Page, Transfer, Edited, Back;
    } cases[] = {
        {"abc", "abc\r\n", "abc\r\ndef\r\n", "abc\r\ndef"},
        {"abc", "abc\r\n", "abc\r\ndef", "abc\r\ndef"}, // the editor took it off itself
        {"abc\r\n", "abc\r\n", "abc\r\ndef\r\n", "abc\r\ndef\r\n"},
        {"a\r\n\r\n", "a\r\n\r\n", "a\r\n\r\n", "a\r\n\r\n"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TransferText(c.Page), c.Transfer) << c.Page;
        EXPECT_EQ(PageTextFromTransfer(c.Page, std::string(c.Edited)), c.Back) << c.Page;
    }
}

} // namespace
