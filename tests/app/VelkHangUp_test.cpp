// The terminal velk was started from closes, or a remote session drops:
// SIGHUP closes the window as any request to close it does, with what
// closing does to the document, and leaves nothing in the run folder. A
// program started to ignore it (nohup) goes on.
#include "DocumentFile.h"
#include "Files.h"
#include "TempDir.h"
#include "VelkProcess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace {

ino_t InodeOf(const std::string& Path)
{
    struct stat info {};
    return ::stat(Path.c_str(), &info) == 0 ? info.st_ino : 0;
}

TEST(VelkHangUp, ClosesTheWindowAsAnyCloseDoes)
{
    const TempDir home;
    const std::string document = home.File("doc.vk2");
    WriteDocumentFile(document, {{.Title = "page", .Text = "page\r\nbody"}}, 0, 0);
    // Closing saves the document without a question.
    WriteFileAtomic(home.Path() + "velk2000.ini", "[Options]\r\nExit=1\r\n");
    const ino_t before = InodeOf(document);
    TVelkProcess velk(home.Path(), {document});
    ExpectReady(velk);
    ExpectCleanEnd(velk, SIGHUP);
    EXPECT_NE(InodeOf(document), before) << "the close saved the document";
    EXPECT_EQ(ReadDocumentFile(document, 0).Pages.at(0).Text, "page\r\nbody");
    EXPECT_TRUE(std::filesystem::is_empty(home.Path() + ".run")) << "no lock, caption or socket left";
}

TEST(VelkHangUp, AProgramStartedToIgnoreItGoesOn)
{
    const TempDir home;
    TVelkProcess velk(home.Path(), {}, {}, TVelkProcess::THangUp::Ignored);
    ExpectReady(velk);
    velk.Signal(SIGHUP);
    EXPECT_TRUE(velk.RunsOnFor(3000));
    ExpectCleanEnd(velk);
}

} // namespace
