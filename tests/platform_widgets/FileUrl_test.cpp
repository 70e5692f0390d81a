#include "FileUrl.h"

#include "Files.h"
#include "OsPath.h"
#include "SjisLiteral.h"
#include "TempDir.h"
#include "TwoKanjiNames.h"

#include <QMimeData>
#include <gtest/gtest.h>

namespace {

// The addresses a file manager hands over for Files: each name's bytes
// percent-encoded, one a line.
QByteArray UriList(const std::string& Folder, const std::vector<std::string>& Files)
{
    QByteArray list;
    for (const std::string& file : Files)
        list += "file://" + QByteArray::fromStdString(Folder + file).toPercentEncoding("/") + "\r\n";
    return list;
}

} // namespace

// Dropped files are the files dropped, whatever their names' bytes, all
// dropped at once: one two-kanji name in Shift-JIS bytes for each UTF-8
// character such names hold by chance, and names in Shift-JIS bytes or
// UTF-8 that Shift-JIS cannot spell, made on disk; an address that is no
// local file is left out.
TEST(FileUrl, DroppedFilesAreTheFilesWhateverTheirNamesBytes)
{
    TempDir dir;
    const std::vector<std::string> onDisk = {Sjis("見積書.vk2"), Sjis("写真.vk2"),  Sjis("翻訳メモ.vk2"),
                                             Sjis("ﾃｽﾄ.vk2"),    Sjis("莉子.vk2"),  "jürgen.txt",
                                             "한국어 메모.txt",  "\xF0\x9F\x98\x80"};
    for (const std::string& name : onDisk)
        WriteRaw(dir.File(name), name);
    const std::vector<std::string> swept = TwoKanjiNamesByHeldCharacter();
    ASSERT_GT(swept.size(), 15000u);
    QMimeData dropped;
    dropped.setData("text/uri-list",
                    "http://example.com/a.txt\r\n" + UriList(dir.Path(), onDisk) + UriList("/docs/", swept));

    const std::vector<std::string> files = DroppedFileNames(dropped);
    ASSERT_EQ(files.size(), onDisk.size() + swept.size());
    std::vector<std::string> wrong;
    for (size_t i = 0; i < onDisk.size(); ++i)
        if (!FileExists(files[i]) || ReadFileBytes(files[i]) != onDisk[i])
            wrong.push_back(onDisk[i]);
    for (size_t i = 0; i < swept.size(); ++i)
        if (OsPath(files[onDisk.size() + i]) != "/docs/" + swept[i])
            wrong.push_back(swept[i]);
    EXPECT_EQ(wrong, std::vector<std::string>());
}
