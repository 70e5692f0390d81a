// The window caption and what it decides: the clipping marker stays on
// whatever the caption becomes, a document without a name is saved only
// under a name the user gives, and "open elsewhere" means another window.
#include "FormFixture.h"

#include "ClippingMode.h"
#include "DocumentFile.h"
#include "Instances.h"
#include "TempDir.h"

#include <algorithm>
#include <fcntl.h>
#include <functional>
#include <set>
#include <sys/file.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

const std::string Marker = Sjis("   ***** クリッピングモード *****");

// The documents in Folder, a hidden ".vk2" included.
std::set<std::string> DocumentsIn(const fs::path& Folder)
{
    std::set<std::string> files;
    for (const auto& entry : fs::directory_iterator(Folder))
        if (entry.path().string().ends_with(".vk2"))
            files.insert(entry.path().string());
    return files;
}

class MainFileCaption : public RealFormTest {
protected:
    MainFileCaption()
    {
        velk->show();
        QApplication::processEvents();
    }
    std::string SaveAs(const std::string& Name)
    {
        dialogs.AnswerFiles({Home() + Name});
        velk->DocumentFiles().FlSaveAsClick();
        return Home() + Name;
    }
    // Another running instance whose window shows Caption.
    void AnotherInstanceShows(const std::string& Caption)
    {
        const std::string entry = InstanceFolder() + "/999999";
        WriteRaw(entry + ".caption", Caption);
        WriteRaw(entry + ".lock", "");
        otherLock = open((entry + ".lock").c_str(), O_RDONLY);
        ASSERT_EQ(flock(otherLock, LOCK_EX), 0);
    }
    ~MainFileCaption() override
    {
        if (otherLock >= 0)
            close(otherLock);
    }
    size_t Asked(TDialogKind Kind, size_t From) const
    {
        return static_cast<size_t>(std::count_if(dialogs.Questions().begin() + static_cast<long>(From),
                                                 dialogs.Questions().end(),
                                                 [Kind](const TDialogQuestion& Q) { return Q.Kind == Kind; }));
    }
    int otherLock = -1;
};

// A named document was open, then a new one was made in clipping mode:
// its name is gone, its caption is no longer exactly "NewFile", and no
// save may invent a file for it.
TEST_F(MainFileCaption, EverySaveOfAnUnnamedDocumentInClippingModeAsksForANameAndWritesNothing)
{
    const struct {
        const char* Path;
        std::function<void(TVelkForm&)> Save;
        int SaveDialogs;
    } paths[] = {
        {"Ctrl+S", [](TVelkForm& V) { QTest::keyClick(V.DataMemo(), Qt::Key_S, Qt::ControlModifier); }, 1},
        {"File > Save", [](TVelkForm& V) { V.MenuItem("FlSave")->Click(); }, 1},
        {"forced save", [](TVelkForm& V) { V.MenuItem("FlOverSave")->Click(); }, 1},
        {"auto-save tick", [](TVelkForm& V) { V.Timer1Timer(); }, 0},
        {"close, forced save", [](TVelkForm& V) { EXPECT_FALSE(V.FormCloseQuery()); }, 1},
    };
    SettingsVars.AutoSave = true;
    SettingsVars.Options.Exit = true;
    TypeInPage(QStringLiteral("named"));
    SaveAs("named.vk2");
    velk->DocumentFiles().FlNewClick();
    velk->Clipping().OpClipClick();
    TypeInPage(QStringLiteral("clip"));
    ASSERT_EQ(velk->DocumentFiles().CaptionText(), "NewFile" + Marker);
    const std::set<std::string> before = DocumentsIn(Home()), here = DocumentsIn(fs::current_path());
    for (const auto& path : paths) {
        SCOPED_TRACE(path.Path);
        const size_t asked = dialogs.Questions().size();
        if (path.SaveDialogs > 0)
            dialogs.Answer(mrCancel);
        path.Save(*velk);
        EXPECT_EQ(Asked(TDialogKind::SaveFile, asked), static_cast<size_t>(path.SaveDialogs));
        if (path.SaveDialogs == 0) {
            EXPECT_EQ(dialogs.Questions().size(), asked) << "asked nothing";
        }
        EXPECT_EQ(dialogs.PendingAnswers(), 0u);
        EXPECT_EQ(DocumentsIn(Home()), before);
        EXPECT_EQ(DocumentsIn(fs::current_path()), here);
        EXPECT_TRUE(velk->DataMemo()->Modified());
    }

    // A name given: the document is written there, the marker stays.
    SaveAs("clip.vk2");
    EXPECT_EQ(ReadDocumentFile(Home() + "clip.vk2", 0).Pages.at(0).Text, "clip");
    EXPECT_EQ(velk->DocumentFiles().CaptionText(), Home() + "clip.vk2" + Marker);
}

TEST_F(MainFileCaption, TheClippingMarkerStaysOnEveryNewCaption)
{
    velk->Clipping().OpClipClick();
    TypeInPage(QStringLiteral("a"));
    const std::string file = SaveAs("doc.vk2");
    EXPECT_EQ(velk->DocumentFiles().CaptionText(), file + Marker) << "saved";
    velk->DocumentFiles().FlNewClick();
    EXPECT_EQ(velk->DocumentFiles().CaptionText(), "NewFile" + Marker) << "new";
    ASSERT_TRUE(velk->DocumentFiles().LoadOutline(Home() + "doc"));
    EXPECT_EQ(velk->DocumentFiles().CaptionText(), file + Marker) << "opened";
    WriteRaw(Home() + "tree.txt", ".A\r\n.B\r\n");
    ASSERT_TRUE(velk->DocumentFiles().LoadTreeText(Home() + "tree.txt"));
    EXPECT_EQ(velk->DocumentFiles().CaptionText(), Home() + "tree.txt" + Sjis(" ［階層付きテキスト］") + Marker)
        << "tree text";
    velk->Clipping().OpClipClick();
    EXPECT_EQ(velk->DocumentFiles().CaptionText(), Home() + "tree.txt" + Sjis(" ［階層付きテキスト］"))
        << "clipping off";
    EXPECT_EQ(velk->windowTitle().toStdString(), SjisToUtf8(velk->DocumentFiles().CaptionText()));
}

// A taskbar that cuts a long title still shows the mode: the title leads
// with "(*)" while clipping. Other windows compare the caption without it.
TEST_F(MainFileCaption, ClippingModeLeadsTheTitleWithItsMarkUntilItEnds)
{
    TypeInPage(QStringLiteral("a"));
    const std::string file = SaveAs("title.vk2");
    velk->MenuItem("OpClip")->Click();
    EXPECT_EQ(velk->windowTitle().toStdString(), "(*)" + SjisToUtf8(file + Marker));
    EXPECT_TRUE(instances->IsCaptionOpen(file + Marker));
    velk->DocumentFiles().FlNewClick();
    EXPECT_EQ(velk->windowTitle().toStdString(), "(*)NewFile" + SjisToUtf8(Marker)) << "a new caption keeps it";
    velk->MenuItem("OpClip")->Click();
    EXPECT_EQ(velk->windowTitle().toStdString(), "NewFile");
}

TEST_F(MainFileCaption, ADocumentAnotherWindowHoldsInClippingModeIsAskedAbout)
{
    TypeInPage(QStringLiteral("a"));
    const std::string file = SaveAs("shared.vk2");
    velk->DocumentFiles().FlNewClick();
    AnotherInstanceShows(file + Marker);
    dialogs.Answer(mrNo);
    EXPECT_FALSE(velk->DocumentFiles().LoadOutline(Home() + "shared"));
    EXPECT_EQ(LastQuestion(), file + "\r\nこのファイルはすでに開かれています。強制的に開きますか？");
    EXPECT_EQ(velk->DocumentFiles().CaptionText(), "NewFile");
}

// Opening this window's own document again, from the recent-file list,
// reads it back without calling it open elsewhere.
TEST_F(MainFileCaption, ItsOwnDocumentIsNotOpenElsewhere)
{
    TypeInPage(QStringLiteral("own"));
    const std::string file = SaveAs("own.vk2");
    velk->Clipping().OpClipClick();
    const size_t asked = dialogs.Questions().size();
    velk->MenuItem("FlHistory")->Items(0)->Click();
    EXPECT_EQ(dialogs.Questions().size(), asked) << LastQuestion();
    EXPECT_EQ(velk->DocumentFiles().CaptionText(), file + Marker);
}

} // namespace
