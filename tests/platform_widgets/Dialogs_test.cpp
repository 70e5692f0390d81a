// Modal questions through the dialog hook: the scripted answerer, the
// Shift-JIS edges of values and paths, and the Qt dialogs a person sees.
#include "Cp932.h"
#include "Dialogs.h"
#include "OsPath.h"
#include "Paths.h"
#include "QtDialogs.h"
#include "ScriptedDialogs.h"
#include "SjisLiteral.h"
#include "TempDir.h"

#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <tuple>

namespace {

const TMsgDlgButtons kYesNo{TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo};
const TMsgDlgButtons kYesNoCancel{TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo, TMsgDlgBtn::mbCancel};
const TMsgDlgButtons kOk{TMsgDlgBtn::mbOK};

TEST(ScriptedDialogs, RecordsEveryQuestionAndAnswersInOrder)
{
    TScriptedDialogs dialogs;
    dialogs.Answer(mrYes);
    EXPECT_EQ(MessageDlg("データが変更されています。セーブしますか ?", TMsgDlgType::mtWarning, kYesNoCancel), mrYes);
    ShowMessage("お知らせ");
    EXPECT_EQ(MessageDlgAt("位置つき", TMsgDlgType::mtConfirmation, kYesNo, QPoint(300, 40)), mrNo);

    const auto& asked = dialogs.Questions();
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(std::tie(asked[0].Text, asked[0].Buttons),
              std::make_tuple("データが変更されています。セーブしますか ?", kYesNoCancel));
    EXPECT_EQ(asked[1].Type, TMsgDlgType::mtCustom);
    EXPECT_EQ(asked[2].TopCentre, QPoint(300, 40));

    // A colour dialog opens on its colour and takes the choice.
    TColorDialog dialog;
    dialog.SetColor(0x010203);
    dialogs.AnswerColor(0x0A0B0C);
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.Color(), 0x0A0B0C);
    EXPECT_EQ(asked[3].Color, 0x010203);
}

TEST(ScriptedDialogs, UnscriptedQuestionsGetTheAnswerThatChangesNothing)
{
    TScriptedDialogs dialogs;
    EXPECT_EQ(MessageDlg("?", TMsgDlgType::mtWarning, kYesNoCancel), mrCancel);
    EXPECT_EQ(MessageDlg("?", TMsgDlgType::mtConfirmation, kYesNo), mrNo);
    EXPECT_EQ(MessageDlg("?", TMsgDlgType::mtError, kOk), mrOk);
    std::string value = "\x82\xA0"; // あ
    EXPECT_FALSE(InputQuery("題", "入力", value));
    EXPECT_EQ(value, "\x82\xA0");
    TColorDialog color;
    color.SetColor(clRed);
    EXPECT_FALSE(color.Execute());
    EXPECT_EQ(color.Color(), clRed);
    QDialog form;
    EXPECT_EQ(ShowModal(form), mrCancel);
}

TEST(ScriptedDialogs, AnAnswerThatDoesNotFitWaitsForTheNextQuestion)
{
    TScriptedDialogs dialogs;
    dialogs.Answer(mrAll);     // no such button on the first box
    dialogs.AnswerText("abc"); // not a message box's answer
    EXPECT_EQ(MessageDlg("?", TMsgDlgType::mtConfirmation, kYesNo), mrNo);
    EXPECT_EQ(dialogs.PendingAnswers(), 2u);
    EXPECT_EQ(MessageDlg("?", TMsgDlgType::mtConfirmation, kYesNoCancel + TMsgDlgButtons{TMsgDlgBtn::mbAll}), mrAll);
    std::string value;
    EXPECT_TRUE(InputQuery("", "", value));
    EXPECT_EQ(value, "abc");
    EXPECT_EQ(dialogs.PendingAnswers(), 0u);

    // Nested answerers put the previous hook back when they end.
    {
        TScriptedDialogs inner;
        MessageDlg("inner", TMsgDlgType::mtInformation, kOk);
    }
    EXPECT_EQ(&DialogHook(), &dialogs);
    EXPECT_EQ(dialogs.Questions().size(), 3u);
}

// Return presses the button the box makes its default: the question's own
// choice, else Yes, else OK.
TEST(ScriptedDialogs, ReturnPressesTheButtonTheBoxMakesItsDefault)
{
    const TMsgDlgButtons noCancel{TMsgDlgBtn::mbNo, TMsgDlgBtn::mbCancel};
    TScriptedDialogs dialogs;
    for (int i = 0; i < 4; ++i)
        dialogs.AnswerReturn();
    EXPECT_EQ(MessageDlg("?", TMsgDlgType::mtWarning, kYesNoCancel), mrYes);
    EXPECT_EQ(MessageDlg("?", TMsgDlgType::mtWarning, kYesNoCancel, {{TMsgDlgBtn::mbNo, "両方"}}, TMsgDlgBtn::mbNo),
              mrNo);
    EXPECT_EQ(MessageDlg("?", TMsgDlgType::mtError, kOk), mrOk);
    // A box without such a button leaves Return for the next one.
    EXPECT_EQ(MessageDlg("?", TMsgDlgType::mtWarning, noCancel), mrCancel);
    EXPECT_EQ(dialogs.PendingAnswers(), 1u);
}

TEST(InputQuery, ValuesAreShiftJisAndWhatShiftJisCannotHoldIsRefused)
{
    TScriptedDialogs dialogs;
    std::string value = Sjis("削除する文字列");
    dialogs.AnswerText("漢字かな");
    EXPECT_TRUE(InputQuery("指定した文字列を一括削除", "削除する文字列", value));
    EXPECT_EQ(value, Sjis("漢字かな"));
    const TDialogQuestion& asked = dialogs.Questions()[0];
    EXPECT_EQ(std::tie(asked.Kind, asked.Caption, asked.Value),
              std::make_tuple(TDialogKind::Input, "指定した文字列を一括削除", "削除する文字列"));

    // OK on what the box proposed keeps its bytes, even where Shift-JIS
    // has a second code for a character ("ⅰ" EE EF is also FA 40).
    value = std::string("\xEE\xEF", 2);
    ASSERT_NE(Utf8ToSjis(SjisToUtf8(value)), value);
    dialogs.Answer(mrOk);
    EXPECT_TRUE(InputQuery("", "", value));
    EXPECT_EQ(value, std::string("\xEE\xEF", 2));

    // "€" has no Shift-JIS form: the user is told and nothing changes.
    value = Sjis("漢字かな");
    dialogs.AnswerText("a€b");
    EXPECT_FALSE(InputQuery("", "", value));
    EXPECT_EQ(value, Sjis("漢字かな"));
    ASSERT_EQ(dialogs.Questions().size(), 4u);
    EXPECT_EQ(dialogs.Questions()[3].Type, TMsgDlgType::mtError);
    EXPECT_NE(dialogs.Questions()[3].Text.find("a€b"), std::string::npos);

    dialogs.Answer(mrCancel);
    EXPECT_EQ(InputBox("行頭に挿入する番号文字列", "先頭行の番号", "1"), "1") << "cancel gives the default";
}

TEST(FileDialogs, KeepTheirSettingsAndGiveShiftJisPaths)
{
    TScriptedDialogs dialogs;
    TOpenDialog open;
    open.SetFilter("Velk2000(*.vk2)|*.vk2");
    open.SetInitialDir(Sjis("/home/user/文書"));
    open.SetFileName(Sjis("/home/user/文書/前.vk2"));
    open.SetOptions({TOpenOption::ofAllowMultiSelect});
    dialogs.AnswerFiles({"/home/user/文書/一.txt", "/home/user/文書/二.txt"});
    ASSERT_TRUE(open.Execute());
    EXPECT_EQ(open.FileName(), Sjis("/home/user/文書/一.txt"));
    EXPECT_EQ(open.Files(), (std::vector<std::string>{Sjis("/home/user/文書/一.txt"), Sjis("/home/user/文書/二.txt")}));
    const TDialogQuestion& asked = dialogs.Questions()[0];
    EXPECT_EQ(std::tie(asked.Filter, asked.InitialDir, asked.Value, asked.MultiSelect),
              std::make_tuple("Velk2000(*.vk2)|*.vk2", "/home/user/文書", "/home/user/文書/前.vk2", true));

    std::string folder = Sjis("/home/ユーザー");
    dialogs.AnswerFolder("/home/ユーザー/バックアップ");
    ASSERT_TRUE(SelectDirectory("フォルダーの選択", folder));
    EXPECT_EQ(folder, Sjis("/home/ユーザー/バックアップ"));

    // OK with no file proposed chooses nothing: the script is not used.
    TSaveDialog unnamed;
    dialogs.Answer(mrOk);
    EXPECT_FALSE(unnamed.Execute());
    EXPECT_EQ(dialogs.PendingAnswers(), 1u);
}

TEST(FileDialogs, APathShiftJisCannotSpellIsTheFileItNames)
{
    TScriptedDialogs dialogs;
    TOpenDialog open;
    open.SetFileName("old.vk2");
    dialogs.AnswerFiles({"/tmp/ok.txt", "/tmp/caf\xC3\xA9.txt"}); // é
    ASSERT_TRUE(open.Execute());
    ASSERT_EQ(open.Files().size(), 2u);
    EXPECT_EQ(OsPath(open.Files()[1]), "/tmp/caf\xC3\xA9.txt");
    EXPECT_EQ(open.FileName(), open.Files()[0]);

    std::string folder = "/tmp";
    dialogs.AnswerFolder("/tmp/\xF0\x9F\x98\x80"); // an emoji
    ASSERT_TRUE(SelectDirectory("", folder));
    EXPECT_EQ(OsPath(folder), "/tmp/\xF0\x9F\x98\x80");
    EXPECT_EQ(dialogs.Questions().size(), 2u) << "nothing is refused";
}

TEST(FileDialogs, AChosenNameNamesExactlyItsFileEvenWithALookAlikeCharacter)
{
    // "〜" and "～" share one Shift-JIS code: neither choice may come back
    // as the other's name.
    TScriptedDialogs dialogs;
    TOpenDialog open;
    dialogs.AnswerFiles({"/tmp/資料〜2024/w〜.vk2", "/tmp/w～.vk2"});
    open.SetOptions({TOpenOption::ofAllowMultiSelect});
    ASSERT_TRUE(open.Execute());
    ASSERT_EQ(open.Files().size(), 2u);
    EXPECT_EQ(OsPath(open.Files()[0]), "/tmp/資料〜2024/w〜.vk2");
    EXPECT_EQ(OsPath(open.Files()[1]), "/tmp/w～.vk2");
    // Proposed again, the dialog shows the very name and folder chosen.
    open.SetInitialDir(ExtractFilePath(open.FileName()));
    dialogs.AnswerFiles({"/tmp/資料〜2024/w〜.vk2"});
    ASSERT_TRUE(open.Execute());
    EXPECT_EQ(dialogs.Questions().back().Value, "/tmp/資料〜2024/w〜.vk2");
    EXPECT_EQ(dialogs.Questions().back().InitialDir, "/tmp/資料〜2024/");

    std::string folder = "/tmp";
    dialogs.AnswerFolder("/tmp/資料〜2024");
    ASSERT_TRUE(SelectDirectory("", folder));
    EXPECT_EQ(OsPath(folder), "/tmp/資料〜2024");
    EXPECT_EQ(OsPath(FromOsPath("/tmp/a¥b‾c−d.vk2")), "/tmp/a¥b‾c−d.vk2");

    // Page text cannot hold such a name; the message says what in it.
    RefuseFileName(FromOsPath("/tmp/a〜b.txt"));
    EXPECT_EQ(dialogs.Questions().back().Text,
              "/tmp/a〜b.txt\r\n\r\nこの名前の文字「〜」はページの文字にすると別の文字として読まれます。"
              "そのためページに書けません。");
    // A name in Shift-JIS bytes shows as the words they spell.
    RefuseFileName(FromOsPath("/tmp/\x83\x81/〜.txt"));
    EXPECT_EQ(dialogs.Questions().back().Text,
              "/tmp/メ/〜.txt\r\n\r\nこの名前の文字「〜」はページの文字にすると別の文字として読まれます。"
              "この名前には UTF-8 の文字でないバイトがあります。そのためページに書けません。");
    RefuseFileName(FromOsPath("/tmp/jürgen/café.txt"));
    EXPECT_EQ(dialogs.Questions().back().Text,
              "/tmp/jürgen/café.txt\r\n\r\nこの名前には Shift-JIS で表せない文字（üé）があります。"
              "そのためページに書けません。");
}

// A name in Shift-JIS bytes ("メモ", "田中" unpacked from an old archive)
// is offered as it reads, and taken as offered it is the same file.
TEST(FileDialogs, ANameInShiftJisBytesIsOfferedAsItReadsAndKept)
{
    for (const std::string os : {"/tmp/\x83\x81\x83\x82", "/tmp/\x93\x63\x92\x86/doc"}) {
        const std::string name = FromOsPath(os);
        const std::string shown = ShownPath(name);
        TScriptedDialogs dialogs;
        TSaveDialog save;
        save.SetFileName(name);
        save.SetInitialDir(ExtractFilePath(name));
        dialogs.AnswerFiles({shown});
        ASSERT_TRUE(save.Execute()) << dialogs.Questions().back().Text;
        EXPECT_EQ(dialogs.Questions().front().Value, shown);
        EXPECT_EQ(dialogs.Questions().front().InitialDir, ExtractFilePath(shown));
        EXPECT_EQ(OsPath(save.FileName()), os);

        std::string folder = name;
        dialogs.AnswerFolder(shown);
        ASSERT_TRUE(SelectDirectory("", folder));
        EXPECT_EQ(OsPath(folder), os);
    }
}

TEST(QtNameFilters, TurnTheProgramsFiltersIntoQtsWithEveryCase)
{
    EXPECT_EQ(QtNameFilters("Velk2000(*.vk2)|*.vk2"), QStringList{QStringLiteral("Velk2000(*.vk2) (*.vk2 *.VK2)")});
    EXPECT_EQ(QtNameFilters("Text(*.txt;*.PAS)|*.txt;*.PAS;*.ini;*.ini|All Files|*.*"),
              (QStringList{QStringLiteral("Text(*.txt;*.PAS) (*.txt *.TXT *.PAS *.pas *.ini *.INI)"),
                           QStringLiteral("All Files (*)")}));
    for (const char* bad : {"", "no patterns", "empty|"})
        EXPECT_TRUE(QtNameFilters(bad).isEmpty()) << bad;
}

// Runs Act on the modal dialog the Qt hook shows, once it shows.
void WhenModalShows(std::function<void(QWidget&)> Act)
{
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, Act] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            Act(*modal);
        }
    });
    poll->start();
}

void Reject(QWidget& Box) { static_cast<QDialog&>(Box).reject(); }

class QtDialogsTest : public testing::Test {
protected:
    QtDialogsTest() : Previous_(SetDialogHook(nullptr)) {}
    ~QtDialogsTest() override { SetDialogHook(Previous_); }

private:
    TDialogHook* Previous_;
};

TEST_F(QtDialogsTest, MessageBoxesShowJapaneseButtonsAndGiveThePressedOne)
{
    QStringList seen; // title, text, then the buttons' captions
    WhenModalShows([&](QWidget& Box) {
        seen << Box.windowTitle() << static_cast<QMessageBox&>(Box).text();
        QPushButton* no = nullptr;
        for (QPushButton* button : Box.findChildren<QPushButton*>()) {
            seen << button->text();
            no = button->text() == QStringLiteral("いいえ") ? button : no;
        }
        no->click();
    });
    EXPECT_EQ(MessageDlg("一行目\r\n二行目", TMsgDlgType::mtWarning, kYesNoCancel), mrNo);
    std::sort(seen.begin() + 2, seen.end());
    QStringList expected{QStringLiteral("はい"), QStringLiteral("いいえ"), QStringLiteral("キャンセル")};
    expected.sort();
    EXPECT_EQ(seen, QStringList({QStringLiteral("警告"), QStringLiteral("一行目\n二行目")}) + expected);
}

// Buttons that say what they do: their words, Return on the one the
// question names, Escape on Cancel, and no letter presses one, so that keys
// typed as the box opens press nothing.
TEST_F(QtDialogsTest, NamedButtonsShowTheirWordsAndReturnPressesTheOneNamed)
{
    const std::vector<std::pair<TMsgDlgBtn, std::string>> named{{TMsgDlgBtn::mbNo, "両方を残す"},
                                                                {TMsgDlgBtn::mbYes, "上書きする"}};
    QStringList captions;
    bool stillOpen = false;
    WhenModalShows([&](QWidget& Box) {
        for (const QPushButton* button : Box.findChildren<QPushButton*>())
            captions << button->text();
        for (const char key : {'y', 'n', 'Y', 'N'})
            QTest::keyClick(&Box, key);
        stillOpen = Box.isVisible();
        QTest::keyClick(&Box, Qt::Key_Return);
    });
    EXPECT_EQ(MessageDlg("x", TMsgDlgType::mtWarning, kYesNoCancel, named, TMsgDlgBtn::mbNo), mrNo);
    EXPECT_TRUE(stillOpen);
    captions.sort();
    QStringList expected{QStringLiteral("両方を残す"), QStringLiteral("上書きする"), QStringLiteral("キャンセル")};
    expected.sort();
    EXPECT_EQ(captions, expected);

    WhenModalShows([](QWidget& Box) { QTest::keyClick(&Box, Qt::Key_Escape); });
    EXPECT_EQ(MessageDlg("x", TMsgDlgType::mtWarning, kYesNoCancel, named, TMsgDlgBtn::mbNo), mrCancel);
}

// A plain box is titled as the window it stands over: the key dialog's
// "already used" box reads "キーカスタマイズ", as every other box has a
// Japanese title.
TEST_F(QtDialogsTest, APlainBoxTakesTheTitleOfTheWindowItStandsOver)
{
    QDialog keyDialog;
    keyDialog.setWindowTitle(QStringLiteral("キーカスタマイズ"));
    keyDialog.show();
    QApplication::setActiveWindow(&keyDialog);
    QString title;
    WhenModalShows([&title](QWidget& Box) {
        title = Box.windowTitle();
        Reject(Box);
    });
    ShowMessage("このキー割り当ては既に使われています。 Ctrl+N");
    EXPECT_EQ(title.toStdString(), "キーカスタマイズ");
}

TEST_F(QtDialogsTest, EscapeGivesCancelElseNoAndFormsAndInputBoxesGiveTheirResult)
{
    WhenModalShows(Reject);
    EXPECT_EQ(MessageDlg("x", TMsgDlgType::mtWarning, kYesNoCancel), mrCancel);
    WhenModalShows(Reject);
    EXPECT_EQ(MessageDlg("x", TMsgDlgType::mtConfirmation, kYesNo), mrNo);
    QDialog form;
    WhenModalShows([](QWidget& Form) { static_cast<QDialog&>(Form).done(mrYes); });
    EXPECT_EQ(ShowModal(form), mrYes);
    WhenModalShows(Reject);
    EXPECT_EQ(ShowModal(form), mrCancel);

    // An input box takes what was typed.
    WhenModalShows([](QWidget& Box) {
        auto& dialog = static_cast<QInputDialog&>(Box);
        EXPECT_EQ(dialog.textValue(), QStringLiteral("初め"));
        dialog.setTextValue(QStringLiteral("後"));
        dialog.accept();
    });
    std::string value = Sjis("初め");
    EXPECT_TRUE(InputQuery("題", "入力", value));
    EXPECT_EQ(value, Sjis("後"));
}

// The file list as a Japanese reader sees it: folders, documents and dates.
TEST_F(QtDialogsTest, FileListsNameFoldersAndDocumentsAndDateInJapanese)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    TempDir folder;
    std::filesystem::create_directory(folder.File("章"));
    WriteRaw(folder.File("a.vk2"), "x");
    std::map<QString, QStringList> rows; // name: type, date
    WhenModalShows([&](QWidget& Dialog) {
        auto* list = Dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
        QAbstractItemModel* model = list->model();
        for (int waited = 0; model->rowCount(list->rootIndex()) < 2 && waited < 5000; waited += 10)
            QTest::qWait(10);
        for (int row = 0; row < model->rowCount(list->rootIndex()); ++row) {
            auto cell = [&](int Column) { return model->index(row, Column, list->rootIndex()).data().toString(); };
            rows[cell(0)] = {cell(2), cell(3)};
        }
        static_cast<QDialog&>(Dialog).reject();
    });
    TDialogQuestion question{.Kind = TDialogKind::OpenFile, .InitialDir = folder.Path()};
    DialogHook().Ask(question);
    const QString date = QLocale().toString(QFileInfo(QString::fromStdString(folder.File("a.vk2"))).lastModified(),
                                            QLocale::ShortFormat);
    EXPECT_EQ(rows[QStringLiteral("章")].value(0), QStringLiteral("フォルダー"));
    EXPECT_EQ(rows[QStringLiteral("a.vk2")], QStringList({QStringLiteral("Velk2000File"), date}));
    EXPECT_TRUE(date.contains(u'/')) << date.toStdString();
    QLocale::setDefault(previous);
}

} // namespace
