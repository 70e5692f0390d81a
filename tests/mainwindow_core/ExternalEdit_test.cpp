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

// What comes back replaces the page only as Shift-JIS: UTF-8 is converted,
// Shift-JIS kept, and bytes in neither refused.
TEST(ExternalEdit, TheTransferFileComesBackAsShiftJis)
{
    const std::string page = "a\x80z"; // 0x80 has no Unicode form
    constexpr auto Utf8 = TTextEncoding::Utf8;
    const struct {
        const char* Name;
        std::string Bytes;
        std::optional<std::string> Back;
        int Unmapped;
    } cases[] = {
        {"left as it went", "a\xEF\xBF\xBDz\r\n", page, 0},
        {"edited in UTF-8", "a\xEF\xBF\xBDz\nc\xE3\x81\x82\n", "a?z\r\nc\x82\xA0", 1},
        {"saved in Shift-JIS", "ab\r\n\x83\x5C\r\n", "ab\r\n\x83\x5C", 0},
        {"neither", "ab\xFF\r\n", std::nullopt, 0},
    };
    EXPECT_EQ(TransferFileBytes(page, Utf8), cases[0].Bytes);
    for (const auto& c : cases) {
        int unmapped = -1;
        EXPECT_EQ(PageTextFromTransferFile(page, c.Bytes, Utf8, unmapped), c.Back) << c.Name;
        EXPECT_EQ(unmapped, c.Unmapped) << c.Name;
    }
}

} // namespace
