#include "DocumentFile.h"

#include "../common/SjisLiteral.h"
#include "../common/TempDir.h"
#include "Files.h"
#include "SysErrorText.h"
#include "SysUtils.h"
#include "TextFileEncoding.h"
#include "TreeNodes.h"
#include "TreeText.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// The steps of an atomic save, each of which the file system below can be
// made to fail.
enum class TStep { CreateTemp, Write, SetMode, Sync, Close, Rename };

class TFailingFileSystem : public TFileSystem {
public:
    explicit TFailingFileSystem(TStep Failing) : Failing_(Failing) {}

    int CreateTemp(std::string& Template, int* Fd) override
    {
        return Fails(TStep::CreateTemp) ? EACCES : TFileSystem::CreateTemp(Template, Fd);
    }
    int Write(int Fd, std::span<const std::string_view> Pieces) override
    {
        if (!Fails(TStep::Write))
            return TFileSystem::Write(Fd, Pieces);
        TFileSystem::Write(Fd, Pieces.first(Pieces.size() / 2)); // half reaches the disk before it fills
        return ENOSPC;
    }
    int SetMode(int Fd, mode_t Mode) override { return Fails(TStep::SetMode) ? EPERM : TFileSystem::SetMode(Fd, Mode); }
    int Sync(int Fd) override { return Fails(TStep::Sync) ? EIO : TFileSystem::Sync(Fd); }
    int Close(int Fd) override
    {
        const int error = TFileSystem::Close(Fd);
        return Fails(TStep::Close) ? EIO : error;
    }
    int Rename(const std::string& From, const std::string& To) override
    {
        return Fails(TStep::Rename) ? EXDEV : TFileSystem::Rename(From, To);
    }

private:
    bool Fails(TStep Step) const { return Failing_ == Step; }
    TStep Failing_;
};

// Pages titled by their first lines, as the program titles them.
TFlatPages Pages(std::string_view Text, size_t Count = 2)
{
    TFlatPages pages;
    for (size_t i = 0; i < Count; ++i) {
        const std::string title = "page" + std::to_string(i);
        pages.push_back({0, title, title + "\r\n" + std::string(Text) + std::to_string(i), 1, -1});
    }
    return pages;
}

size_t FileCount(const std::string& Folder)
{
    return static_cast<size_t>(std::distance(fs::directory_iterator(Folder), fs::directory_iterator()));
}

TEST(DocumentFile, AFailedStepLeavesTheOldFileWhole)
{
    TempDir dir;
    const std::string file = dir.File("doc.vk2");
    WriteDocumentFile(file, Pages("old"), 0, 0);
    const std::string old = ReadRaw(file);
    for (TStep step : {TStep::CreateTemp, TStep::Write, TStep::SetMode, TStep::Sync, TStep::Close, TStep::Rename}) {
        TFailingFileSystem failing(step);
        EXPECT_THROW(WriteDocumentFile(file, Pages("new"), 0, 0, failing), EFCreateError) << static_cast<int>(step);
        EXPECT_EQ(ReadRaw(file), old) << static_cast<int>(step);
        EXPECT_EQ(FileCount(dir.Path()), 1u) << "the temporary file is removed";
    }
}

TEST(DocumentFile, ManyPagesAreWrittenWhole)
{
    // More pieces than one gathered write takes.
    TempDir dir;
    const TFlatPages pages = Pages("text", 3000);
    WriteDocumentFile(dir.File("many.vk2"), pages, 2999, 0);
    EXPECT_EQ(ReadRaw(dir.File("many.vk2")), EncodeVk2(pages, 2999, 0));
}

// The window saves its tree from where the tree keeps the texts: the file
// is the one its flat pages make, a page without a record included, and an
// empty tree is the new document's one page. What the save gives holds
// those bytes: the same file touched is no change.
TEST(DocumentFile, ATreeIsWrittenAsItsFlatPages)
{
    TempDir dir;
    TTreeNodes nodes;
    WriteDocumentFile(dir.File("empty.vk2"), nodes, 0, 3);
    EXPECT_EQ(ReadRaw(dir.File("empty.vk2")), EncodeVk2({}, 0, 3));

    TFlatPages pages = Pages("text", 4);
    pages[1].Depth = 1;
    pages[2].Depth = 2;
    pages[1].SubIcon = 3;
    BuildTree(nodes, pages, TDepthPolicy::Strict);
    nodes.Add(nullptr, "no record");
    const std::string file = dir.File("tree.vk2");
    TFileVersion written = WriteDocumentFile(file, nodes, 2, 3);
    EXPECT_EQ(ReadRaw(file), EncodeVk2(FlattenTree(nodes), 2, 3));
    ASSERT_EQ(utimensat(AT_FDCWD, file.c_str(), nullptr, 0), 0);
    EXPECT_FALSE(ChangedOnDisk(written, file));
}

TEST(DocumentFile, ReadingNamesTheFileOfADamagedDocument)
{
    TempDir dir;
    const std::string file = dir.File("bad.vk2");
    WriteRaw(file, std::string("\xFF\xFF\xFF\xFF", 4));
    EXPECT_THAT(
        [&] { ReadDocumentFile(file, 0); },
        testing::ThrowsMessage<EVk2Format>(file
                                           + "\r\nこのファイルは壊れているため開けません。\r\n"
                                             "ファイルが途中で切れているか、ページ見出しの長さが壊れています。"));
    EXPECT_THROW(ReadDocumentFile(dir.File("missing.vk2"), 0), EFOpenError);
}

// A length cut short by a byte of a page followed by empty pages pushes
// out a zero that reads as padding: byte for byte a sound document padded
// so. The open cannot tell the two apart, so it tells of the zeros, keeps
// the file as it was beside it before any save (once, however often it is
// opened), and opens.
TEST(DocumentFile, AFileEndingInZerosIsToldAndKeptAsOpenedBesideItsFile)
{
    TempDir dir;
    const std::string file = dir.File("doubt.vk2");
    const std::string text = "title\r\n" + std::string(200, 'x') + "abc";
    TFlatPages pages{{0, "title", text, 0, -1}, {0, "UnTitled", "", 0, -1}, {0, "UnTitled", "", 0, -1}};
    std::string bytes = EncodeVk2(pages, 0, 0);
    const size_t lengthAt = 4 + (static_cast<unsigned char>(bytes[0]) | static_cast<unsigned char>(bytes[1]) << 8);
    bytes[lengthAt] = static_cast<char>(bytes[lengthAt] - 1); // the text's end read as the caret's low byte
    WriteRaw(file, bytes);

    const std::string kept = dir.File("doubt.original-1.vk2");
    for (int open = 0; open < 2; ++open) {
        std::string notice;
        const TVk2Document document = ReadDocumentFile(file, 0, nullptr, &notice);
        EXPECT_EQ(document.Pages.at(0).Text, text.substr(0, text.size() - 1));
        EXPECT_EQ(notice, file
                              + "\r\nファイルの終わりに、どのページにも入らない 0 のバイトが 1 バイトあります。"
                                "0 で埋めたコピーなら問題ありませんが、ページの長さが壊れていて、本文の一部を正しく"
                                "読めていないのかもしれません。\r\n開く前のファイルを、そのまま次の名前で残しています。"
                                "\r\n"
                              + kept);
    }
    EXPECT_EQ(ReadRaw(kept), bytes);
    EXPECT_EQ(ReadRaw(file), bytes);
    EXPECT_FALSE(fs::exists(dir.File("doubt.original-2.vk2")));

    // A document as the program writes it ends in no zeros: nothing to tell.
    WriteDocumentFile(file, pages, 0, 0);
    std::string notice = "?";
    ReadDocumentFile(file, 0, nullptr, &notice);
    EXPECT_EQ(notice, "");
}

// Records that no longer match the tree: read as they were, the first
// save would lose a page's text (an auto-save or a forced save at close
// needs no key).
TEST(DocumentFile, ADocumentWhoseRecordsNoLongerMatchItsTreeIsDamaged)
{
    TempDir dir;
    const std::string file = dir.File("five.vk2");
    TFlatPages pages;
    for (int i = 0; i < 5; ++i) {
        const std::string title = Sjis("第") + std::to_string(i + 1) + Sjis("章　題");
        pages.push_back({0, title, title + "\r\n" + Sjis("本文です。") + std::string(700, 'x'), 0, -1});
    }
    WriteDocumentFile(file, pages, 0, 0);
    const std::string whole = ReadRaw(file);
    ASSERT_EQ(ReadDocumentFile(file, 0).Pages, pages);
    const auto changed = [&](size_t At, std::string_view Bytes) {
        std::string bytes = whole;
        bytes.replace(At, Bytes.size(), Bytes);
        return bytes;
    };
    // One CR LF of the tree text made two blanks: four pages, five records.
    const std::string lostLine = changed(whole.find("\r\n" + pages[4].Title), "  ");
    const size_t lastLength = whole.size() - 12 - pages[4].Text.size();
    const std::string strayBytes = "最後のページのあとに、どのページにも入らないデータが %zu バイトあります"
                                   "（見出しの行が失われたか、本文の長さが壊れています）。";
    const std::string lastRecord = "5 ページ目「第5章　題」の記録が壊れています（本文の長さが正しくないようです）。";
    const struct {
        const char* Name;
        std::string Bytes, Told;
    } cases[] = {
        {"the issue's tree", lostLine, Format(strayBytes.c_str(), 12 + pages[4].Text.size())},
        {"and bytes after it", lostLine + "junk", Format(strayBytes.c_str(), 16 + pages[4].Text.size())},
        {"bytes after the last record", whole + "stray bytes", Format(strayBytes.c_str(), size_t{11})},
        {"a last length inside the title", changed(lastLength, std::string("\x03\0\0\0", 4)), lastRecord},
        {"a last length past the title", changed(lastLength, std::string("\x20\0\0\0", 4)), lastRecord},
        {"a title that is another page's", changed(whole.find(pages[2].Title), pages[1].Title),
         "3 ページ目の本文が見出し「第2章　題」と合いません（見出しとページの記録がずれています）。"},
    };
    for (const auto& c : cases) {
        WriteRaw(file, c.Bytes);
        EXPECT_THAT(
            [&] { ReadDocumentFile(file, 0); },
            testing::ThrowsMessage<EVk2Format>(file + "\r\nこのファイルは壊れているため開けません。\r\n" + c.Told))
            << c.Name;
        EXPECT_EQ(ReadRaw(file), c.Bytes) << c.Name;
    }
    WriteRaw(file, whole + std::string(11, '\0'));
    EXPECT_EQ(ReadDocumentFile(file, 0).Pages, pages) << "zeros after the last record stay ignored";
}

TEST(DocumentFile, BackupCopiesTheOldDocumentOrNothing)
{
    TempDir dir;
    const std::string doc = dir.File("doc.vk2");
    const std::string backups = dir.File("backup");
    fs::create_directory(backups);
    EXPECT_EQ(BackupDocument(doc, backups).Failure, "") << "no old file: nothing to copy";
    EXPECT_EQ(FileCount(backups), 0u);

    WriteDocumentFile(doc, Pages("first"), 0, 0);
    ASSERT_EQ(BackupDocument(doc, backups).Failure, "");
    EXPECT_EQ(ReadRaw(backups + "/doc.vk~"), ReadRaw(doc));

    const std::string firstBackup = ReadRaw(doc);
    WriteDocumentFile(doc, Pages("second"), 0, 0);
    TFailingFileSystem failing(TStep::Write);
    EXPECT_NE(BackupDocument(doc, backups, failing).Failure, "");
    EXPECT_EQ(ReadRaw(backups + "/doc.vk~"), firstBackup) << "a failed copy leaves the earlier backup";
    EXPECT_NE(BackupDocument(doc, dir.File("no-such-folder")).Failure, "");
}

// A failed backup says why: to set the folder again only when the folder is
// the trouble. A backup the user made read-only, or the read-only file a
// link leads to, is kept (whoever saves, root too).
TEST(DocumentFile, AFailedBackupSaysWhyAndKeepsAReadOnlyBackup)
{
    TempDir dir;
    const std::string doc = dir.File("doc.vk2");
    WriteDocumentFile(doc, Pages("x"), 0, 0);
    WriteRaw(dir.File("plain"), "x");
    for (const char* folder : {"ro", "full", "linked"})
        fs::create_directory(dir.File(folder));
    WriteRaw(dir.File("ro/doc.vk~"), "mine");
    chmod(dir.File("ro/doc.vk~").c_str(), 0444);
    fs::create_symlink("../ro/doc.vk~", dir.File("linked/doc.vk~"));
    const std::string setAgain =
        "バックアップに失敗しました。オプションの登録でバックアップフォルダーを設定し直してみてください。\n";
    const std::string failed = "バックアップに失敗しました。\n";
    const std::string readOnly = "読み出し専用のファイルなので、書き換えずにそのまま残しました。";
    TFailingFileSystem diskFull(TStep::Write);
    const struct {
        std::string Folder;
        TFileSystem& System;
        std::string Told;
    } cases[] = {
        {dir.File("gone"), SystemFileSystem(),
         setAgain + dir.File("gone/") + " に書き込めません\n" + SysErrorMessage(ENOENT)},
        {dir.File("plain"), SystemFileSystem(),
         setAgain + dir.File("plain/") + " に書き込めません\n" + SysErrorMessage(ENOTDIR)},
        {dir.File("full"), diskFull,
         failed + dir.File("full/doc.vk~") + " に書き込めません\n" + SysErrorMessage(ENOSPC)},
        {dir.File("ro"), SystemFileSystem(), failed + dir.File("ro/doc.vk~") + " に書き込めません\n" + readOnly},
        {dir.File("linked"), SystemFileSystem(),
         failed + dir.File("linked/doc.vk~") + " に書き込めません\n" + readOnly},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BackupDocument(doc, c.Folder, c.System).Failure, c.Told);
    EXPECT_EQ(ReadRaw(dir.File("ro/doc.vk~")), "mine");
    EXPECT_TRUE(fs::is_symlink(dir.File("linked/doc.vk~")));
    EXPECT_EQ(FileCount(dir.File("full")), 0u);
}

// A document or its backup named by a link to a FIFO (or a device) is
// refused: the link's target stays what it was.
TEST(DocumentFile, NeitherASaveNorABackupReplacesWhatIsNoRegularFile)
{
    TempDir dir;
    ASSERT_EQ(mkfifo(dir.File("pipe").c_str(), 0644), 0);
    fs::create_symlink("pipe", dir.File("doc.vk2"));
    EXPECT_THROW(WriteDocumentFile(dir.File("doc.vk2"), Pages("x"), 0, 0), EFCreateError);

    WriteDocumentFile(dir.File("real.vk2"), Pages("x"), 0, 0);
    fs::create_symlink("pipe", dir.File("real.vk~"));
    EXPECT_NE(BackupDocument(dir.File("real.vk2"), dir.Path()).Failure, "");
    EXPECT_EQ(fs::symlink_status(dir.File("pipe")).type(), fs::file_type::fifo);
}

TEST(DocumentFile, RefusesReadOnlyFilesAndSeesLocks)
{
    TempDir dir;
    const std::string file = dir.File("doc.vk2");
    EXPECT_EQ(SaveRefusal(file).Reason, "") << "a new file";
    WriteDocumentFile(file, Pages("x"), 0, 0);
    EXPECT_EQ(std::pair(SaveRefusal(file).Reason, IsKeptReadOnly(file)), std::pair(std::string(), false));
    chmod(file.c_str(), 0444);
    EXPECT_EQ(std::pair(SaveRefusal(file).Reason, IsKeptReadOnly(file)),
              std::pair(std::string("指定したファイルは読み出し専用なので保存できません！"), true));

    EXPECT_FALSE(IsFileLocked(file));
    const int fd = open(file.c_str(), O_RDONLY);
    ASSERT_EQ(flock(fd, LOCK_EX), 0);
    EXPECT_TRUE(IsFileLocked(file));
    close(fd);
    EXPECT_FALSE(IsFileLocked(file));
}

TEST(DocumentFile, TextFilesReadAsPagesGetCrLfLineBreaks)
{
    const struct {
        std::string_view In, Out;
    } cases[] = {
        {"a\nb\n", "a\r\nb\r\n"},
        {"a\rb\r", "a\r\nb\r\n"},
        {"a\r\nb", "a\r\nb"},
        {"\n\r\r\n\r", "\r\n\r\n\r\n\r\n"},
        {"\x82\xA0\n\x95\\", "\x82\xA0\r\n\x95\\"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NormalizeLineBreaks(c.In), c.Out) << c.In;
    TempDir dir;
    WriteRaw(dir.File("t.txt"), "one\ntwo");
    const TTextReading reading = ReadTextAsPage(dir.File("t.txt"));
    EXPECT_EQ(reading.Text, "one\r\ntwo");
    EXPECT_EQ(reading.Unmapped, 0);
}

// Pages holding bytes with no Unicode form (0x80, 0xFD, an unassigned
// pair, a lone lead byte at a line end), NULs and control codes go out as
// hierarchical text and as page text, and come back as they were.
TEST(DocumentFile, PagesWithBytesOfNoUnicodeFormReadBack)
{
    std::string everyByte = "every byte\r\n";
    for (int byte = 0; byte < 256; ++byte)
        if (byte != '\r' && byte != '\n')
            everyByte += static_cast<char>(byte);
    const std::string texts[] = {"a\x80"
                                 "b\xFD\r\nc",
                                 Sjis("表") + "\x85\x40",
                                 "x\x81\r\ny",
                                 std::string("n\0ul", 4),
                                 "ab\x01\x02\x03\x04"
                                 "cd",
                                 "NULs\r\n" + std::string(15, '\0'),
                                 everyByte};
    TFlatPages pages;
    for (const std::string& text : texts)
        pages.push_back({0, text.substr(0, text.find('\r')), text});
    TTreeNodes nodes;
    BuildTree(nodes, pages, TDepthPolicy::Clamp);
    TempDir dir;
    WriteFileAtomic(dir.File("tree.txt"), TreeTextOfTree(nodes));
    const TTextReading tree = ReadTextFile(dir.File("tree.txt"));
    EXPECT_EQ(tree.Judgement.Finding, TTextFinding::Plain);
    TFlatPages back = ParseTreeText(tree.Text);
    ASSERT_EQ(back.size(), pages.size());
    for (size_t i = 0; i < pages.size(); ++i)
        EXPECT_EQ(back[i].Text, texts[i] + "\r\n") << i;
    for (const std::string& text : texts) {
        WriteFileAtomic(dir.File("page.txt"), text);
        const TTextReading page = ReadTextAsPage(dir.File("page.txt"));
        EXPECT_EQ(page.Text, text);
        EXPECT_EQ(page.Unmapped, 0);
        EXPECT_EQ(page.Judgement.Finding, TTextFinding::Plain);
    }
}

// A page that starts as a binary format does ("GIF89a", "%PDF-", zip's
// PK 03 04) is text: it reads back from its page file and its hierarchical
// text.
TEST(DocumentFile, APageThatStartsLikeABinaryFormatReadsBack)
{
    TempDir dir;
    for (const std::string& text :
         {Sjis("GIF89a の仕様メモ\r\n幅と高さ"), Sjis("%PDF-1.7 の構造"), "PK\x03\x04" + Sjis("書庫の見出し")}) {
        WriteFileAtomic(dir.File("page.txt"), text);
        const TTextReading page = ReadTextAsPage(dir.File("page.txt"));
        EXPECT_EQ(page.Text, text);
        EXPECT_EQ(page.Judgement.Finding, TTextFinding::Plain);
        // A hierarchical text another program wrote, its first page with no
        // dots.
        WriteFileAtomic(dir.File("tree.txt"), text + "\r\n.next\r\n");
        const TFlatPages pages = ParseTreeText(ReadTextFile(dir.File("tree.txt")).Text);
        ASSERT_EQ(pages.size(), 2u);
        EXPECT_EQ(pages[0].Text, text + "\r\n");
    }
}

TEST(DocumentFile, AnEmptyFileIsToldAsEmptyNotAsDamaged)
{
    TempDir dir;
    WriteRaw(dir.File("empty.vk2"), "");
    WriteRaw(dir.File("short.vk2"), "\x01");
    const auto message = [&](const char* Name) -> std::string {
        try {
            ReadDocumentFile(dir.File(Name), 0);
        } catch (const EVk2Format& error) {
            return error.what();
        }
        return "read";
    };
    EXPECT_EQ(message("empty.vk2"), dir.File("empty.vk2") + "\r\nこのファイルは空のため開けません。");
    EXPECT_EQ(message("short.vk2"), dir.File("short.vk2")
                                        + "\r\nこのファイルは壊れているため開けません。\r\n"
                                          "ファイルが途中で切れているか、ページ見出しの長さが壊れています。");
}

// A process killed at any moment while saving leaves either the whole old
// or the whole new document, never a mixture or a torn file.
TEST(DocumentFile, AKilledSaveLeavesTheOldOrTheNewDocument)
{
    TempDir dir;
    const std::string file = dir.File("big.vk2");
    const std::string page(10 * 1024 * 1024 / 4, 'a');
    const TFlatPages documents[2] = {Pages(page + "A", 4), Pages(page + "B", 4)};
    WriteDocumentFile(file, documents[0], 0, 0);

    std::mt19937 random(99);
    for (int round = 0; round < 6; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int save = 1; save <= 100; ++save)
                WriteDocumentFile(file, documents[save % 2], 0, 0);
            _exit(0);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(std::uniform_int_distribution<int>(5, 400)(random)));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        const TFlatPages read = ReadDocumentFile(file, 0).Pages;
        EXPECT_TRUE(read == documents[0] || read == documents[1]) << "round " << round;
    }
}

} // namespace
