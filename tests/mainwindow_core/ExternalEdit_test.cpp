#include "ExternalEdit.h"
#include "OsPath.h"
#include "Recoded.h"

#include "SjisLiteral.h"

#include <gtest/gtest.h>

namespace {

TEST(ExternalEdit, TemplateLosesWindowMarkAndTakesTheRow)
{
    const std::string line = ExpandEditorTemplate("ed /%WIN% -l %LINE%", 0);
    EXPECT_EQ(line, "ed  -l 0");
    const TProgramCommand command = CommandWithFile(line, "/tmp/a b/temp.txt");
    EXPECT_EQ(command.Program, "ed");
    EXPECT_EQ(command.Arguments, (std::vector<std::string>{"-l", "0", "/tmp/a b/temp.txt"}));
    EXPECT_TRUE(CommandWithFile("  ", "f").Program.empty());
    EXPECT_EQ(CommandWithFile("\"my ed\" -w", "f").Program, "my ed");
}

// The command holds no "/%WIN%", not even one that taking another out
// joins; "%LINE%" is the row wherever the template without "/%WIN%" holds it.
TEST(ExternalEdit, TemplateKeepsNoWindowMarkItsRemovalJoins)
{
    const struct {
        const char* Template;
        int Row;
        const char* Command;
    } cases[] = {
        {"/%W/%WIN%IN%", 0, ""},
        {"ed /%/%WIN%WIN% f", 0, "ed  f"},
        {"/%W/%W/%WIN%IN%IN%x", 0, "x"},
        {"a/%WIN%/%WIN%b", 0, "ab"},
        {"/%WIN /%WI%N%", 0, "/%WIN /%WI%N%"},
        {"%LI/%WIN%NE%", 7, "7"},
        {"%LINE%LINE% %%LINE%%", 12, "12LINE% %12%"},
        {"\x82\xA0/%WIN%\x83\x81 +%LINE%", 3, "\x82\xA0\x83\x81 +3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExpandEditorTemplate(c.Template, c.Row), c.Command) << c.Template;
}

// Words as a shell splits them, and nothing a shell would do beyond that.
TEST(ExternalEdit, CommandLinesSplitAsAShellSplitsThem)
{
    const struct {
        const char* Line;
        QStringList Words;
    } cases[] = {
        {"xterm -e vim", {"xterm", "-e", "vim"}},
        {"  a\tb  ", {"a", "b"}},
        {"sh -c 'exec vim \"$1\"' sh", {"sh", "-c", "exec vim \"$1\"", "sh"}},
        {"\"my ed\" --opt=\"a b\"c", {"my ed", "--opt=a bc"}},
        {"a\\ b \"x\\\"y\\z\" 'p\\q'", {"a b", "x\"y\\z", "p\\q"}},
        {"ed '' \"\"", {"ed", "", ""}},
        {"ed $HOME ~ *.txt `id` ;", {"ed", "$HOME", "~", "*.txt", "`id`", ";"}},
        {"ed 'open to the end", {"ed", "open to the end"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShellWords(QString::fromUtf8(c.Line)), c.Words) << c.Line;
}

// The view runs what the page edit runs: every word of the command, the
// file as an argument of its own, the row placeholder at the view's start.
TEST(ExternalEdit, ViewerRunsTheWholeCommand)
{
    const struct {
        const char* Template;
        std::string Program;
        std::vector<std::string> Arguments;
    } cases[] = {
        {"/bin/sh edit.sh", "/bin/sh", {"edit.sh", "/t/Temp/doc.txt"}},
        {"xterm -e vim +%LINE%", "xterm", {"-e", "vim", "+0", "/t/Temp/doc.txt"}},
        {"flatpak run org.gnome.gedit --wait /%WIN%",
         "flatpak",
         {"run", "org.gnome.gedit", "--wait", "/t/Temp/doc.txt"}},
        {"ed.exe /%WIN% -l %LINE% -x", "ed.exe", {"-l", "0", "-x", "/t/Temp/doc.txt"}},
    };
    for (const auto& c : cases) {
        const TProgramCommand command = ViewerCommand(c.Template, "/t/Temp/doc.txt");
        EXPECT_EQ(command.Program, c.Program) << c.Template;
        EXPECT_EQ(command.Arguments, c.Arguments) << c.Template;
    }
    EXPECT_TRUE(ViewerCommand("/%WIN%", "f").Program.empty());
}

// A program folder named in Shift-JIS bytes (メモ, 田中 unpacked from an
// old archive) is the folder the editor must write to: the file goes as
// the system names it, never as U+FFFD.
TEST(ExternalEdit, TheFileGoesAsTheSystemNamesIt)
{
    for (const std::string os : {"/h/\x83\x81\x83\x82/temp.txt", "/h/\x93\x63\x92\x86 x/temp.txt"}) {
        const TProgramCommand command = CommandWithFile("ed -w", FromOsPath(os));
        EXPECT_EQ(command.Arguments, (std::vector<std::string>{"-w", os}));
    }
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
// Shift-JIS kept byte for byte, and a file that is no text refused.
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
        {"Shift-JIS with a byte of no Unicode form", "ab\xFF\r\n", "ab\xFF", 0},
        // Written in UTF-8, and as UTF-8 these bytes come back, though
        // they read as Shift-JIS too ("辣手幻", "鮨願陸").
        {"short UTF-8", "煎茶\r\n", Sjis("煎茶"), 0},
        {"short UTF-8 of a name", "齊藤\r\n", Sjis("齊藤"), 0},
        {"short UTF-8 that weighs as Shift-JIS", "饒e\r\n", Sjis("饒e"), 0}, // "鬣弾"
        {"no text", std::string("\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR", 16), std::nullopt, 0},
    };
    EXPECT_EQ(TransferFileBytes(page, Utf8), cases[0].Bytes);
    for (const auto& c : cases) {
        const TTextReading back = PageTextFromTransferFile(page, c.Bytes, Utf8);
        EXPECT_EQ(back.Judgement.Encoding ? std::optional(back.Text) : std::nullopt, c.Back) << c.Name;
        EXPECT_EQ(back.Unmapped, c.Unmapped) << c.Name;
    }
}

// The transfer file is read by the rule every text file is read by: a page
// that starts as a binary format does comes back, and what the user must
// learn of the bytes comes with the text.
TEST(ExternalEdit, WhatTheTransferFileIsComesWithItsText)
{
    const std::string page = Sjis("GIF89a の仕様メモ");
    const std::string line = "吾輩は猫である。名前はまだ無い。どこで生れたかとんと見当がつかぬ。";
    const struct {
        const char* Name;
        std::string Bytes, Back;
        std::optional<TTextEncoding> Encoding;
        TTextFinding Finding;
    } cases[] = {
        {"a line appended", "GIF89a の仕様メモ\r\n追記\n", Sjis("GIF89a の仕様メモ\r\n追記"), TTextEncoding::Utf8,
         TTextFinding::Plain},
        {"saved cut inside its last character", "GIF89a の仕様メモ\n" + line + "\xE4\xBD",
         Sjis("GIF89a の仕様メモ\r\n" + line + "〓〓"), TTextEncoding::Utf8, TTextFinding::UnreadableBytes},
        {"saved in EUC-JP", Recoded("GIF89a の仕様メモ\nはい\n", "EUC-JP"), Sjis("GIF89a の仕様メモ\r\nはい"),
         TTextEncoding::EucJp, TTextFinding::Plain},
        {"saved in Windows-1252", "Caf\xE9\n", "Caf\xE9", TTextEncoding::ShiftJis, TTextFinding::Western},
    };
    for (const auto& c : cases) {
        const TTextReading back = PageTextFromTransferFile(page, c.Bytes, TTextEncoding::Utf8);
        EXPECT_EQ(back.Text, c.Back) << c.Name;
        EXPECT_EQ(back.Judgement.Encoding, c.Encoding) << c.Name;
        EXPECT_EQ(back.Judgement.Finding, c.Finding) << c.Name;
    }
}

} // namespace
