#include "../folderchooser_core/TempNamespace.h"
#include "DialogFrameCheck.h"
#include "FileListBoxEx.h"
#include "FolderSelect.h"
#include "OsPath.h"
#include "ScriptedDialogs.h"
#include "ShellComboBox.h"
#include "ShellTreeView.h"
#include "SjisLiteral.h"

#include <QApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QUrl>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

class FolderDialog : public testing::Test {
protected:
    FolderDialog()
    {
        T = Temp.MakeDirs("T");
        Temp.MakeDirs("T/a/b");
        Temp.MakeDirs("T/表");
    }
    // Runs SelectFolder on Preset with the form driven by Drive; the
    // folder it leaves and whether it returned true.
    std::pair<bool, std::string> Select(const std::string& Preset,
                                        const std::function<TModalResult(TFolderOpen&)>& Drive)
    {
        Dialogs.AnswerForm([&](QDialog& Form) {
            auto& form = static_cast<TFolderOpen&>(Form);
            form.show();
            return Drive(form);
        });
        std::string folder = Preset;
        const bool chosen = TFolderOpen::SelectFolder(folder, Namespace.get());
        return {chosen, folder};
    }
    static TModalResult Press(TFolderOpen& Form, QWidget* Target, int Key, Qt::KeyboardModifiers Modifiers = {})
    {
        QTest::keyClick(Target, static_cast<Qt::Key>(Key), Modifiers);
        return Form.isVisible() ? mrNone : Form.result();
    }

    TTempNamespace Temp;
    std::string T;
    std::unique_ptr<TShellNamespace> Namespace = Temp.Make();
    TScriptedDialogs Dialogs;
};

TEST_F(FolderDialog, HasADialogBorderWithACloseBoxOnly)
{
    Select(T, [](TFolderOpen& Form) {
        EXPECT_TRUE(HasDialogFrame(Form, true));
        Form.CancelButton->click();
        return Form.result();
    });
}

TEST_F(FolderDialog, ReturnsTheSelectedFolderOnlyOnOk)
{
    const std::string preset = Sjis(T + "/表");
    const auto ok = [](TFolderOpen& Form) { return Press(Form, Form.EdMakeDir, Qt::Key_Return); };
    EXPECT_EQ(Select(preset, ok), std::make_pair(true, preset));
    EXPECT_FALSE(fs::exists(T + "/表/表")); // Enter in the name box confirms, it makes nothing
    const auto cancelBy = [&](const std::function<void(TFolderOpen&)>& Close) {
        return Select(preset, [&](TFolderOpen& Form) {
            Close(Form);
            return Form.isVisible() ? mrNone : Form.result();
        });
    };
    const std::pair<bool, std::string> unchanged{false, preset};
    EXPECT_EQ(cancelBy([](TFolderOpen& Form) { Press(Form, Form.ShellTreeView1, Qt::Key_Escape); }), unchanged);
    EXPECT_EQ(cancelBy([](TFolderOpen& Form) { Form.CancelButton->click(); }), unchanged);
    EXPECT_EQ(cancelBy([](TFolderOpen& Form) { Form.close(); }), unchanged); // the close box
    // A preset the tree does not list comes back as it was.
    EXPECT_EQ(Select(T + "/missing", ok), std::make_pair(true, T + "/missing"));
    // Computer has no path.
    EXPECT_EQ(Select(preset,
                     [&](TFolderOpen& Form) {
                         TItemIDList computer;
                         Namespace->GetSpecialFolderIDList(sfDrives, computer);
                         Form.ShellTreeView1->SelectIDList(computer);
                         EXPECT_EQ(Form.ShellComboBox1->currentText().toStdString(), "コンピューター");
                         return ok(Form);
                     }),
              std::make_pair(true, std::string()));
}

TEST_F(FolderDialog, APresetTheTreeDoesNotListShowsTheDesktopAndAClickOnItChoosesIt)
{
    WriteRaw(Temp.Config.Desktop + "/desk.txt", "");
    const std::string desktop = Sjis(Temp.Config.Desktop);
    EXPECT_EQ(Select(T + "/missing",
                     [&](TFolderOpen& Form) {
                         EXPECT_EQ(Form.FolderPath, T + "/missing");
                         EXPECT_EQ(Form.FileListBoxEx1->count(), 1);
                         EXPECT_EQ(Form.FileListBoxEx1->item(0)->text().toStdString(), "desk.txt");
                         // The desktop, selected already, clicked: it is the folder now.
                         TShellTreeView& tree = *Form.ShellTreeView1;
                         const QPoint at = tree.visualRect(tree.model()->index(0, 0)).center();
                         QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, at);
                         EXPECT_EQ(Form.FolderPath, Temp.Config.Desktop);
                         return Press(Form, Form.ShellTreeView1, Qt::Key_Return);
                     }),
              std::make_pair(true, desktop));
}

TEST_F(FolderDialog, FollowsTheTreeWithTheComboAndTheFileList)
{
    WriteRaw(T + "/a/b/y.txt", "y");
    WriteRaw(T + "/a/b/x.txt", "x");
    WriteRaw(T + "/a/b/.hidden", "h");
    Select(T + "/a/b", [&](TFolderOpen& Form) {
        EXPECT_EQ(Form.FolderPath, T + "/a/b");
        EXPECT_EQ(Form.EdMakeDir->text().toStdString(), "b");
        QTest::mouseClick(Form.EdMakeDir, Qt::LeftButton);
        EXPECT_EQ(Form.EdMakeDir->selectedText().toStdString(), "b");
        EXPECT_EQ(Form.ShellComboBox1->EditText(Form.ShellComboBox1->currentIndex()).toStdString(), T + "/a/b");
        EXPECT_EQ(std::tuple(Form.FileListBoxEx1->count(), Form.FileListBoxEx1->currentRow(),
                             Form.FileListBoxEx1->item(0)->text().toStdString()),
                  std::tuple(2, 0, std::string("x.txt")));
        // The selected file: silver and black until the list has the focus.
        EXPECT_EQ(Form.SelectionBackground(), QColor(0xC0, 0xC0, 0xC0));
        QFocusEvent focusIn(QEvent::FocusIn);
        QApplication::sendEvent(Form.FileListBoxEx1, &focusIn);
        EXPECT_EQ(Form.SelectionBackground(), Form.palette().highlight().color());
        EXPECT_EQ(Form.SelectionText(), QColor(Qt::white));
        return mrCancel;
    });
}

TEST_F(FolderDialog, MakesANewFolderBesideTheSelectedOne)
{
    WriteRaw(T + "/file", "");
    WriteRaw(T + "/a/plain", "");
    Temp.Mount({{"USB", "/dev/sdb1", "vfat"}});
    Namespace = Temp.Make();
    struct {
        std::string Selected, Name, Message;
    } const cases[] = {
        {T + "/a/b", "new", ""},
        {T + "/a/b", "new", T + "/a/new-->このフォルダーはすでに存在します。"},
        {T + "/a/b", "a*b", "a*b-->フォルダー名が不正です。"},
        {T + "/a/b", "plain", "フォルダーの作成に失敗しました。"}, // a file of that name
        {T + "/a/b", "é", "é-->フォルダー名が不正です。"},
        {Temp.Root + "/media/USB", "new", ""},
    };
    Select(T + "/a/b", [&](TFolderOpen& Form) {
        for (const auto& c : cases) {
            Form.ShellTreeView1->SelectPath(c.Selected);
            Form.EdMakeDir->setText(QString::fromStdString(c.Name));
            const size_t asked = Dialogs.MessageTexts().size();
            Form.sbMakeDir->click();
            const std::vector<std::string> messages = Dialogs.MessageTexts();
            EXPECT_EQ(messages.size() > asked ? messages.back() : std::string(), c.Message) << c.Name;
        }
        EXPECT_TRUE(fs::is_directory(T + "/a/new"));
        EXPECT_TRUE(fs::is_directory(Temp.Root + "/media/USB/new")); // inside a volume's root
        // A folder that cannot be made: its parent is a file.
        Form.FolderPath = T + "/file/x";
        Form.EdMakeDir->setText("y");
        Form.sbMakeDir->click();
        EXPECT_EQ(Dialogs.MessageTexts().back(), "フォルダーの作成に失敗しました。");
        Form.ShellTreeView1->SelectPath(T + "/a/b");
        Form.EdMakeDir->setText("made");
        Form.sbMakeDir->click();
        EXPECT_EQ(Form.FolderPath, T + "/a/made");
        EXPECT_EQ(Form.ShellTreeView1->SelectedPath(), T + "/a/made");
        return mrCancel;
    });
}

TEST_F(FolderDialog, CtrlShiftDeleteEmptiesTheFolderOfFilesAfterYes)
{
    const std::string d = T + "/a";
    WriteRaw(d + "/a.txt", "");
    WriteRaw(d + "/.h", "");
    WriteRaw(d + "/b/b.txt", ""); // which files stay is the deleting function's own test
    Select(d, [&](TFolderOpen& Form) {
        for (Qt::KeyboardModifiers modifiers :
             {Qt::KeyboardModifiers(Qt::ControlModifier), Qt::KeyboardModifiers(Qt::ShiftModifier),
              Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier})
            Press(Form, Form.ShellTreeView1, Qt::Key_Delete, modifiers);
        EXPECT_TRUE(Dialogs.MessageTexts().empty());
        // Unscripted, the question gets No.
        Press(Form, Form.ShellTreeView1, Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(Dialogs.MessageTexts(),
                  std::vector<std::string>{"指定したフォルダー下のファイルをすべて削除します。実行ますか？"});
        EXPECT_TRUE(fs::exists(d + "/a.txt"));
        EXPECT_EQ(Form.FileListBoxEx1->count(), 1);
        Dialogs.Answer(mrYes);
        Dialogs.Answer(mrOk);
        Press(Form, Form.FileListBoxEx1, Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(Dialogs.MessageTexts().back(), "3個のファイルを削除しました。");
        EXPECT_EQ(Form.FileListBoxEx1->count(), 0);
        Dialogs.Answer(mrYes);
        Press(Form, Form.FileListBoxEx1, Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(Dialogs.MessageTexts().back(), "削除したファイルはありません。");
        return mrCancel;
    });
}

TEST_F(FolderDialog, WithoutKeyPreviewTheFormDoesNotSeeItsControlsKeys)
{
    WriteRaw(T + "/a/a.txt", "");
    Select(T + "/a", [&](TFolderOpen& Form) {
        Form.KeyPreview = false;
        Press(Form, Form.ShellTreeView1, Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_TRUE(Dialogs.MessageTexts().empty());
        Form.KeyPreview = true;
        Press(Form, Form.ShellTreeView1, Qt::Key_Delete, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(Dialogs.MessageTexts().size(), 1u); // the question, answered No
        EXPECT_TRUE(fs::exists(T + "/a/a.txt"));
        return mrCancel;
    });
}

// A folder named with characters Shift-JIS has no code for, or in
// Shift-JIS bytes that hold one by chance ("写真"), is chosen as itself.
TEST_F(FolderDialog, ChoosesAFolderWhateverItsNameHolds)
{
    for (const std::string name : {"caf\xC3\xA9", "\x8E\xCA\x90\x5E"}) {
        Temp.MakeDirs("T/" + name);
        const std::pair<bool, std::string> chosen = Select(T, [&](TFolderOpen& Form) {
            Form.ShellTreeView1->SelectPath(T + "/" + name);
            Form.OkButton->click();
            return Form.result();
        });
        EXPECT_TRUE(chosen.first);
        EXPECT_EQ(OsPath(chosen.second), T + "/" + name);
        EXPECT_TRUE(Dialogs.MessageTexts().empty());
    }
}

TEST_F(FolderDialog, RefusesEveryDropOntoTheTree)
{
    WriteRaw(T + "/dropped.txt", "");
    Select(T + "/a", [&](TFolderOpen& Form) {
        TShellTreeView& tree = *Form.ShellTreeView1;
        const QPoint at = tree.visualRect(tree.currentIndex()).center();
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(T + "/dropped.txt"))});
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(tree.viewport(), &enter);
        QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(tree.viewport(), &move);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(tree.viewport(), &drop);
        EXPECT_TRUE(Dialogs.MessageTexts().empty()); // told only after the drop returned
        QApplication::processEvents();
        EXPECT_EQ(Dialogs.MessageTexts(), std::vector<std::string>{"フォルダーの移動はできません！"});
        EXPECT_FALSE(fs::exists(T + "/a/dropped.txt"));
        return mrCancel;
    });
}

TEST_F(FolderDialog, DrawsTheLayoutOffscreen)
{
    for (int i = 0; i < 12; ++i)
        WriteRaw(T + "/a/file" + std::to_string(i) + ".txt", "");
    Select(T + "/a", [&](TFolderOpen& Form) {
        const QImage image = Form.grab().toImage();
        EXPECT_EQ(image.size(), QSize(514, 332));
        const QRect client = Form.rect();
        const std::vector<QWidget*> parts{Form.ShellTreeView1, Form.ShellComboBox1, Form.FileListBoxEx1, Form.OkButton,
                                          Form.CancelButton,   Form.EdMakeDir,      Form.sbMakeDir};
        for (QWidget* part : parts) {
            const QRect bounds(part->mapTo(&Form, QPoint()), part->size());
            EXPECT_TRUE(part->isVisible() && client.contains(bounds)) << part->metaObject()->className();
        }
        EXPECT_EQ(QRect(Form.OkButton->mapTo(&Form, QPoint()), Form.OkButton->size()), QRect(155, 299, 60, 25));
        // The tree and the list are painted: not one flat colour.
        const QImage tree = image.copy(QRect(Form.ShellTreeView1->mapTo(&Form, QPoint()), Form.ShellTreeView1->size()));
        EXPECT_GT(std::set<QRgb>(reinterpret_cast<const QRgb*>(tree.constBits()),
                                 reinterpret_cast<const QRgb*>(tree.constBits()) + tree.sizeInBytes() / 4)
                      .size(),
                  2u);
        if (const char* out = getenv("VELK_FOLDER_DIALOG_PNG"))
            image.save(QString::fromLocal8Bit(out));
        return mrCancel;
    });
}

} // namespace
