// Opening, confirming and cancelling the options dialog, and what it
// stores from each page.
#include "OptionsFormFixture.h"

#include "Beep.h"
#include "DialogFrameCheck.h"
#include "FolderSelect.h"
#include "OsPath.h"
#include "QtFont.h"
#include "RadioGroup.h"
#include "SpinEx.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <cstdlib>

// Opening and confirming without a change leaves every setting and the
// page editor as they were, except the documented normalisations.
TEST_F(OptionsFormTest, OkWithoutChangesChangesNothing)
{
    SettingsVars.AutoSaveTime = 330000; // not whole minutes
    SettingsVars.LineScroll = 25;       // beyond the spin's 0..10
    TSettingsVars expected = SettingsVars;
    expected.AutoSaveTime = 300000;
    expected.LineScroll = 10;
    const std::string editor = EditorState();
    TFont treeFont;
    treeFont.Assign(&tree->Font());

    Open().OKButtonClick();

    EXPECT_EQ(form->result(), mrOk);
    EXPECT_TRUE(SettingsVars == expected);
    EXPECT_EQ(EditorState(), editor);
    EXPECT_EQ(std::tuple(tree->Font().SameAs(treeFont), tree->Color(), dialogs.Questions().size()),
              std::tuple(true, 0xEEEEEEu, size_t{0}));
}

// Escape and Enter close the dialog from any control: Escape keeps
// everything as it was, Enter stores the changes.
TEST_F(OptionsFormTest, EscapeChangesNothingAndEnterConfirms)
{
    const TSettingsVars before = SettingsVars;
    const std::string editor = EditorState();
    for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
        TOpForm& f = Open();
        f.SpinTop->SetValue(9);
        f.EdBefore->setText("[");
        f.SpinTimer->SetValue(10);
        QTest::keyClick(f.EdBefore, key);
        EXPECT_EQ(f.result(), key == Qt::Key_Escape ? mrCancel : mrOk);
        if (key == Qt::Key_Escape) {
            EXPECT_TRUE(SettingsVars == before);
            EXPECT_EQ(EditorState(), editor);
        }
    }
    EXPECT_EQ(std::pair(SettingsVars.BeforeNumberStr, SettingsVars.AutoSaveTime), std::pair(std::string("["), 600000));
}

TEST_F(OptionsFormTest, EditorPageReachesTheEditor)
{
    const int top = memo->Margin()->Top();
    TOpForm& f = Open();
    f.SpinTop->SetValue(top + 4);
    f.SpinTab->SetValue(2);
    f.CheckLocK->setChecked(true);
    f.CheckParen->setChecked(true);
    f.RadioGroup1->SetItemIndex(0);
    EXPECT_EQ(f.EdMonitor->Margin()->Top(), top + 4); // the preview follows at once
    EXPECT_EQ(memo->Margin()->Top(), top);
    f.OKButtonClick();

    EXPECT_EQ(std::tuple(memo->Margin()->Top(), memo->Caret()->TabSpaceCount(), memo->Caret()->LockScroll(),
                         memo->ExMarks()->ParenMark()->Visible(), memo->WrapOption()->Leading()),
              std::tuple(top + 4, 2, false, true, false));
    EXPECT_EQ(memo->GetText(), Sjis("一行目\r\n二行目"));
}

// Emptied, the backup folder falls back to the program's temporary folder
// and the help file stays.
TEST_F(OptionsFormTest, EmptiedFoldersAndFilesKeepAUsableValue)
{
    TOpForm& f = Open();
    f.EdBackuoFolder->clear();
    f.HelpEdit->clear();
    f.OKButtonClick();
    EXPECT_EQ(SettingsVars.Backup.Folder, BackupFolderDefault());
    EXPECT_EQ(SettingsVars.OtherHelp, "/usr/share/doc/help.html");
}

// Folders and files named in Shift-JIS bytes ("メモ", "田中" unpacked from
// an old archive) show as they read and, confirmed unchanged, stay the
// files they were.
TEST_F(OptionsFormTest, NamesInShiftJisBytesShowAsTheyReadAndKeepTheirFiles)
{
    SettingsVars.Backup.Folder = FromOsPath("/b/\x83\x81\x83\x82/");
    SettingsVars.APoFile.File = FromOsPath("/d/\x93\x63\x92\x86.vk2");
    SettingsVars.OtherHelp = FromOsPath("/h/\x83\x81\x83\x82.html");
    const TSettingsVars before = SettingsVars;
    TOpForm& f = Open();
    EXPECT_EQ(
        std::tuple(f.EdBackuoFolder->text(), f.ApoFileEdit->text(), f.HelpEdit->text()),
        std::tuple(QString::fromUtf8("/b/メモ/"), QString::fromUtf8("/d/田中.vk2"), QString::fromUtf8("/h/メモ.html")));
    f.OKButtonClick();
    EXPECT_EQ(f.result(), mrOk);
    EXPECT_TRUE(SettingsVars == before);
    EXPECT_EQ(dialogs.Questions().size(), 0u);
}

// An external editor that cannot be found is switched off, but its command
// stays for when it can be found again.
TEST_F(OptionsFormTest, ExternalEditorKeepsItsCommand)
{
    const struct {
        const char* Text;
        bool On;
    } cases[] = {{"/bin/sh -c x", true}, {"sh -n %LINE%", true}, {"/nonexistent/ed -n", false}, {".exe", false}};
    for (const auto& c : cases) {
        TOpForm& f = Open();
        f.ExEditor->setText(c.Text);
        f.OKButtonClick();
        EXPECT_EQ(SettingsVars.ExtEditor, c.On) << c.Text;
        EXPECT_EQ(SettingsVars.HideExe, c.Text);
    }
}

TEST_F(OptionsFormTest, UserExtension)
{
    const struct {
        const char* Typed;
        const char* Shown;
        const char* Stored; // null: refused with the message
    } cases[] = {{"..md", "md", "md"},           {"ASM", "ASM", "ASM"}, {"ab1", "ab1", nullptr},
                 {".ｔｘｔ", "ｔｘｔ", nullptr}, {" x", " x", nullptr}, {"", "", nullptr}};
    for (const auto& c : cases) {
        SettingsVars.UserExt = "txt";
        SettingsVars.BeforeNumberStr = "(";
        TOpForm& f = Open();
        f.EdUserExt->setText(QString::fromUtf8(c.Typed));
        f.EdBefore->setText("<");
        if (!c.Stored)
            dialogs.Answer(mrOk);
        f.OKButtonClick();
        EXPECT_EQ(f.EdUserExt->text(), QString::fromUtf8(c.Shown)) << c.Typed;
        EXPECT_EQ(SettingsVars.UserExt, c.Stored ? c.Stored : "txt") << c.Typed;
        EXPECT_EQ(SettingsVars.BeforeNumberStr, "<"); // the rest is written
        EXPECT_EQ(dialogs.PendingAnswers(), 0u);
    }
    EXPECT_EQ(dialogs.Questions().back().Text, "UserModeの拡張子の指定に誤りがあります。");
}

// What the user sees when a field refuses: its text and the hint under it.
std::pair<QString, QString> Shown(const QLineEdit& Field)
{
    const QLabel* hint = Field.findChild<QLabel*>();
    return {Field.text(), hint && hint->isVisible() ? hint->text() : QString()};
}

// A count takes only what its setting can hold, so what it shows is what
// OK stores: a key past the limit or a minus is refused with a beep and
// the hint. Emptied, it is refused at OK, showing its value again.
TEST_F(OptionsFormTest, CountEdits)
{
    int beeps = 0;
    SetBeepHook([&] { ++beeps; });
    const struct {
        const char* Typed;
        const char* Shown;
        int Beeps;
    } cases[] = {{"5", "5", 0}, {"-3", "3", 1}, {"9000", "900", 1}, {"99999999999", "999", 8}};
    const QString hint = QStringLiteral("0 から 8192 までの数を入力してください。");
    for (const auto& c : cases) {
        TOpForm& f = OpenActive();
        f.PageControl1->setCurrentIndex(5);
        f.EdSpcNum->setFocus();
        f.EdSpcNum->clear();
        beeps = 0;
        QTest::keyClicks(f.EdSpcNum, QString::fromUtf8(c.Typed));
        EXPECT_EQ(Shown(*f.EdSpcNum), std::pair(QString::fromUtf8(c.Shown), c.Beeps ? hint : QString())) << c.Typed;
        EXPECT_EQ(beeps, c.Beeps) << c.Typed;
        QTest::keyClick(f.EdSpcNum, Qt::Key_Return);
        EXPECT_EQ(std::pair(f.result(), SettingsVars.InsSpc.width), std::pair(mrOk, atoi(c.Shown))) << c.Typed;
    }

    SettingsVars.BookLine = -1;
    TOpForm& f = OpenActive();
    EXPECT_EQ(f.EdBookLine->text(), QStringLiteral("16")) << "a setting still absent shows what OK stores";
    f.PageControl1->setCurrentIndex(5);
    f.EdBookLine->setFocus();
    f.EdBookLine->clear();
    beeps = 0;
    QTest::keyClick(f.EdBookLine, Qt::Key_Return);
    EXPECT_EQ(Shown(*f.EdBookLine),
              std::pair(QStringLiteral("16"), QStringLiteral("1 から 2147483647 までの数を入力してください。")));
    EXPECT_EQ(std::tuple(f.result(), f.PageControl1->currentIndex(), beeps, SettingsVars.BookLine),
              std::tuple(mrNone, 5, 1, -1));
    QTest::keyClick(f.EdBookLine, Qt::Key_Return);
    EXPECT_EQ(std::pair(f.result(), SettingsVars.BookLine), std::pair(mrOk, 16));
    SetBeepHook(nullptr);
}

// The editor takes even tab widths only: an odd one typed is refused with
// the hint that names the widths it takes, and one left by code is refused
// at OK, shown as the width it stands for, rather than taken silently.
TEST_F(OptionsFormTest, TheTabWidthTakesEvenWidthsAndNamesThem)
{
    int beeps = 0;
    SetBeepHook([&] { ++beeps; });
    const QString hint = QStringLiteral("2、4、6、8 のいずれかを入力してください。");
    TOpForm& f = OpenActive();
    f.SpinTab->SetValue(4);
    f.SpinTab->setFocus();
    f.SpinTab->selectAll();
    QTest::keyClicks(f.SpinTab, QStringLiteral("3"));
    EXPECT_EQ(std::pair(Shown(*f.SpinTab), beeps), std::pair(std::pair(QStringLiteral("4"), hint), 1));
    f.SpinTab->selectAll();
    QTest::keyClicks(f.SpinTab, QStringLiteral("6"));
    QTest::keyClick(f.SpinTab, Qt::Key_Return);
    EXPECT_EQ(std::pair(f.result(), memo->Caret()->TabSpaceCount()), std::pair(mrOk, 6));

    TOpForm& again = OpenActive();
    again.SpinTab->setText(QStringLiteral("7"));
    beeps = 0;
    again.OKButtonClick();
    EXPECT_EQ(std::tuple(Shown(*again.SpinTab), again.result(), again.PageControl1->currentIndex(), beeps),
              std::tuple(std::pair(QStringLiteral("6"), hint), mrNone, 0, 1));
    EXPECT_EQ(memo->Caret()->TabSpaceCount(), 6);
    SetBeepHook(nullptr);
}

// With the input method on, "-3" comes as 「ー３」. 行間 takes no minus:
// the commit is refused, and the field keeps its value, which OK keeps.
TEST_F(OptionsFormTest, AMinusThroughTheInputMethodLeavesTheLineMarginAsItWas)
{
    int beeps = 0;
    SetBeepHook([&] { ++beeps; });
    TOpForm& f = OpenActive();
    f.SpinLine->setFocus();
    ASSERT_EQ(f.SpinLine->selectedText(), QStringLiteral("3"));
    for (const QString& composing : {QStringLiteral("ー"), QStringLiteral("ー３")}) {
        QInputMethodEvent event(composing, {});
        QApplication::sendEvent(f.SpinLine, &event);
    }
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("ー３"));
    QApplication::sendEvent(f.SpinLine, &commit);
    EXPECT_EQ(Shown(*f.SpinLine),
              std::pair(QStringLiteral("3"), QStringLiteral("0 から 20 までの数を入力してください。")));
    QTest::keyClick(f.SpinLine, Qt::Key_Return);
    EXPECT_EQ(std::tuple(f.result(), memo->Margin()->Line(), beeps), std::tuple(mrOk, 3, 1));
    SetBeepHook(nullptr);
}

// A character Shift-JIS cannot hold is refused at OK with the message, its
// field is shown, and nothing is written; a file or folder name with such
// characters is kept as the very name typed.
TEST_F(OptionsFormTest, TextsShiftJisCannotHoldAreRefusedAtTheirFieldAndNamesKept)
{
    const char* const textRefusal = "入力された文字列には Shift-JIS で表せない文字が含まれているので使えません。";
    const TSettingsVars before = SettingsVars;
    const std::string editor = EditorState();
    TOpForm& f = Open();
    const struct {
        QLineEdit* Field;
        const char* Typed;
        const char* Refusal;
        int Page;
    } cases[] = {{f.ExEditor, "vi 😀", textRefusal, 4}, {f.EdAfter, "년", textRefusal, 5}};
    for (const auto& c : cases) {
        const QString kept = c.Field->text();
        c.Field->setText(QString::fromUtf8(c.Typed));
        f.SpinTop->SetValue(9);
        f.PageControl1->setCurrentIndex(0);
        dialogs.Answer(mrOk);
        f.OKButtonClick();
        ASSERT_EQ(dialogs.MessageTexts().size(), static_cast<size_t>(&c - cases + 1)) << c.Typed;
        EXPECT_EQ(dialogs.MessageTexts().back(), std::string(c.Typed) + "\r\n\r\n" + c.Refusal);
        EXPECT_EQ(std::pair(f.result(), f.PageControl1->currentIndex()), std::pair(mrNone, c.Page)) << c.Typed;
        EXPECT_TRUE(SettingsVars == before) << c.Typed;
        EXPECT_EQ(EditorState(), editor) << c.Typed;
        c.Field->setText(kept);
    }
    f.EdBackuoFolder->setText(QString::fromUtf8("/tmp/년"));
    f.HelpEdit->setText(QString::fromUtf8("/tmp/😀.html"));
    f.OKButtonClick();
    EXPECT_EQ(std::pair(f.result(), memo->Margin()->Top()), std::pair(mrOk, 9));
    EXPECT_EQ(OsPath(SettingsVars.Backup.Folder), "/tmp/년");
    EXPECT_EQ(OsPath(SettingsVars.OtherHelp), "/tmp/😀.html");
    EXPECT_EQ(dialogs.MessageTexts().size(), std::size(cases));
}

TEST_F(OptionsFormTest, CommentMarker)
{
    const struct {
        bool Comment;
        const char* QMark;
        std::string Marker;
    } cases[] = {{true, "※", Sjis("※")}, {true, "> ", ">"}, {false, "> ", "//"}, {true, "", "//"}};
    for (const auto& c : cases) {
        TOpForm& f = Open();
        f.CheckComment->setChecked(c.Comment);
        f.EdQuoteMark->setCurrentText(QString::fromUtf8(c.QMark));
        f.PageControl1->setCurrentIndex(1);
        EXPECT_EQ(f.ClMonitor->View()->Commenter(), c.Marker) << c.QMark;
        f.OKButtonClick();
        EXPECT_EQ(memo->View()->Commenter(), c.Marker) << c.QMark;
    }
}

TEST_F(OptionsFormTest, QuoteMarkIsChosenNotTyped)
{
    TOpForm& f = Open();
    QTest::keyClicks(f.EdQuoteMark->lineEdit(), "abc");
    QTest::keyClick(f.EdQuoteMark->lineEdit(), Qt::Key_Backspace);
    EXPECT_EQ(f.EdQuoteMark->currentText(), "> ");
    f.EdQuoteMark->lineEdit()->setCursorPosition(0);
    QTest::keyClick(f.EdQuoteMark->lineEdit(), Qt::Key_Delete);
    EXPECT_EQ(f.EdQuoteMark->currentText(), " ");
}

TEST_F(OptionsFormTest, AnInputMethodCannotTypeTheQuoteMark)
{
    TOpForm& f = Open();
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("＞"));
    QApplication::sendEvent(f.EdQuoteMark->lineEdit(), &commit);
    EXPECT_EQ(f.EdQuoteMark->currentText(), "> ");
}

// The preview quotes strings as the page editor does in the document's
// edit mode, whatever the mode label reads; both previews show the Mincho
// face, mapped to the installed one.
TEST_F(OptionsFormTest, ThePreviewFollowsTheEditModeInTheMinchoFace)
{
    for (const auto& [mode, quote] : {std::pair{0, "\""}, std::pair{1, "'"}, std::pair{3, "\""}})
        EXPECT_EQ(Open(mode).ClMonitor->View()->Quotation(), quote) << mode;
    for (const TEditorEx* preview : {form->EdMonitor, form->ClMonitor}) {
        EXPECT_EQ(preview->Font()->Name(), Sjis("ＭＳ 明朝"));
        const QString shown = QFontInfo(FontToQFont(*preview->Font())).family();
        EXPECT_TRUE(shown.startsWith(QStringLiteral("IPA"))) << shown.toStdString() << ": an installed Japanese face";
    }
}

// Without word wrap the horizontal scroll bar is always there: the box is
// checked and disabled at the next page switch.
TEST_F(OptionsFormTest, WordWrapOffForcesTheScrollBar)
{
    TOpForm& f = Open();
    f.CheckScrbar->setChecked(false);
    f.CheckWordWrapOff->setChecked(true);
    f.PageControl1->setCurrentIndex(3);
    EXPECT_EQ(std::pair(f.CheckScrbar->isChecked(), f.CheckScrbar->isEnabled()), std::pair(true, false));
    f.OKButtonClick();
    EXPECT_EQ(std::pair(memo->WordWrap(), SettingsVars.Options.Scroll), std::pair(false, true));
}

TEST_F(OptionsFormTest, BackupFolderChoiceTakesEffectAtOnce)
{
    TOpForm& f = Open();
    dialogs.AnswerForm([](QDialog& Form) {
        static_cast<TFolderOpen&>(Form).FolderPath = "/tmp/chosen";
        return mrOk;
    });
    f.SpBtnFolder->click();
    EXPECT_EQ(f.EdBackuoFolder->text(), "/tmp/chosen");
    f.reject();
    EXPECT_EQ(SettingsVars.Backup.Folder, "/tmp/chosen");
}

// Return and Esc pressed in an open drop-down list are the list's: Return
// picks the entry, Esc closes the list, and the dialog stays open with its
// changes; with the list closed they confirm and cancel again.
TEST_F(OptionsFormTest, ReturnAndEscapeInAnOpenListAreTheLists)
{
    TOpForm& f = Open();
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    f.SpinTop->SetValue(7);
    for (const auto& [page, box] : {std::pair{1, f.ComboBox1}, std::pair{2, f.trFontComboBox}}) {
        SCOPED_TRACE(page);
        f.PageControl1->setCurrentIndex(page);
        box->setCurrentIndex(0);
        box->showPopup();
        ASSERT_NE(QApplication::activePopupWidget(), nullptr);
        QTest::keyClick(box->view(), Qt::Key_Down);
        QTest::keyClick(box->view(), Qt::Key_Return);
        EXPECT_EQ(std::tuple(box->currentIndex(), f.result(), f.isVisible()), std::tuple(1, mrNone, true));
        box->showPopup();
        QTest::keyClick(box->view(), Qt::Key_Escape);
        EXPECT_EQ(std::tuple(QApplication::activePopupWidget(), f.result(), f.isVisible()),
                  std::tuple(nullptr, mrNone, true));
    }
    const int top = memo->Margin()->Top();
    QTest::keyClick(f.trFontComboBox, Qt::Key_Escape);
    EXPECT_EQ(std::pair(f.result(), memo->Margin()->Top()), std::pair(mrCancel, top));
}

// With the input method's Japanese mode on a digit is committed full-width;
// the spin edits and the count edits take it as the digit.
TEST_F(OptionsFormTest, DigitsCommittedFullWidthAreStored)
{
    TOpForm& f = Open();
    for (QLineEdit* edit : std::initializer_list<QLineEdit*>{f.SpinTop, f.EdSpcNum, f.EdBookLine}) {
        SCOPED_TRACE(edit->metaObject()->className());
        edit->clear();
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("４"));
        QApplication::sendEvent(edit, &commit);
        EXPECT_EQ(edit->text(), QStringLiteral("4"));
    }
    QTest::keyClick(f.EdBookLine, Qt::Key_Return);
    EXPECT_EQ(std::tuple(memo->Margin()->Top(), SettingsVars.InsSpc.width, SettingsVars.BookLine), std::tuple(4, 4, 4));
}

TEST_F(OptionsFormTest, HasADialogBorderWithACloseBoxOnly) { EXPECT_TRUE(HasDialogFrame(Open(), true)); }
