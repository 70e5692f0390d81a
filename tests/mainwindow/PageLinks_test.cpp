// Links inserted into a page and followed from it, the page-link chooser,
// and the ten row marks with the captions of their menu items.
#include "FormFixture.h"

#include "DialogFrameCheck.h"
#include "Dialogs.h"
#include "EditorLook.h"
#include "NodeForm.h"
#include "PageLinks.h"
#include "PaneViews.h"
#include "ShellOpen.h"

#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <fstream>

namespace {

class Links : public ViewsTest {
protected:
    Links()
    {
        SetShellOpenHook([this](const std::string& Target) {
            Opened.push_back(Target);
            return Opens;
        });
    }
    ~Links() override { SetShellOpenHook(nullptr); }
    // Puts Text in the page and the caret on the first occurrence of At,
    // then clicks and double-clicks there.
    void FollowIn(TEditorEx& Editor, const std::string& At)
    {
        Editor.SetSelStart(static_cast<int>(Editor.GetText().find(At)) + 1);
        form->PageLinks().DataMemoClick(&Editor);
        form->PageLinks().DataMemoDblClick(&Editor);
    }
    // The mouse over the page editor's cell (Row, Col), from its metrics.
    void Mouse(QEvent::Type Type, int Row, int Col, Qt::MouseButtons Buttons = Qt::NoButton)
    {
        const TEditorEx& memo = *form->DataMemo();
        const QPoint p(memo.TextLeft() + (Col - memo.TopCol()) * memo.ColWidth() + 1,
                       memo.TextTop() + (Row - memo.TopRow()) * memo.RowHeight() + memo.RowHeight() / 2);
        QWidget* viewport = form->DataMemo()->viewport();
        const Qt::MouseButton button = Type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(Type, QPointF(p), QPointF(viewport->mapToGlobal(p)), button, Buttons, {});
        QApplication::sendEvent(viewport, &event);
    }
    void DoubleClick(int Row, int Col)
    {
        Mouse(QEvent::MouseButtonPress, Row, Col, Qt::LeftButton);
        Mouse(QEvent::MouseButtonRelease, Row, Col);
        Mouse(QEvent::MouseButtonDblClick, Row, Col, Qt::LeftButton);
        Mouse(QEvent::MouseButtonRelease, Row, Col);
    }
    Qt::CursorShape Pointer() const { return form->DataMemo()->viewport()->cursor().shape(); }
    std::vector<std::string> Opened;
    // Whether the desktop has a handler for what is opened.
    bool Opens = true;
};

TEST_F(Links, FileLinksGoBelowTheTitleRowRelativeToTheDocumentFolder)
{
    SettingsVars.FileLinkPath = true;
    SettingsVars.InsSpace = true;
    SettingsVars.InsSpc.width = 2;
    MakePages({"title"});
    form->PageLinks().pEdFileLinkClick();
    EXPECT_EQ(LastQuestion(), "カーソルが第１行にあるので挿入できません！");
    Type(QStringLiteral("\r"));
    form->PageLinks().pEdFileLinkClick();
    EXPECT_EQ(LastQuestion(), "新規作成ではファイルリンクの相対パス指定はできません！");

    form->DocumentFiles().NameDocument("/h/u/docs/a");
    dialogs.AnswerFiles({"/h/u/pics/x.png", "/h/u/docs/y.txt", "/srv/z"});
    form->PageLinks().pEdFileLinkClick();
    EXPECT_EQ(form->DataMemo()->GetText(), "title\r\n  <file@../pics/x.png>\r\n  <file@y.txt>\r\n  <file@/srv/z>\r\n");
    EXPECT_EQ(form->OpenDialog1()->InitialDir(), "/h/u/pics/") << "the folder of the first file chosen";
}

// Page text is Shift-JIS: a link to "a〜b.txt" would read back as a link
// to "a～b.txt", so it is refused; the document's own folder may hold one.
TEST_F(Links, ALinkIsNeverWrittenUnderALookAlikeNameAndFollowsFromAnyFolder)
{
    SettingsVars.FileLinkPath = true;
    const std::string folder = Home() + "資料〜2024/";
    form->DocumentFiles().NameDocument(FromOsPath(folder + "doc"));
    MakePages({"title"});
    Type(QStringLiteral("\r"));
    const std::string before = form->DataMemo()->GetText();
    dialogs.AnswerFiles({folder + "x.txt", folder + "a〜b.txt"});
    form->PageLinks().pEdFileLinkClick();
    EXPECT_EQ(LastQuestion(), folder
                                  + "a〜b."
                                    "txt\r\n\r\nこの名前の文字「〜」はページの文字にすると別の文字として読まれます。そ"
                                    "のためページに書けません。");
    EXPECT_EQ(form->DataMemo()->GetText(), before);

    dialogs.AnswerFiles({folder + "x.txt"});
    form->PageLinks().pEdFileLinkClick();
    EXPECT_EQ(form->DataMemo()->GetText(), before + "<file@x.txt>\r\n");
    FollowIn(*form->DataMemo(), "file@");
    ASSERT_EQ(Opened.size(), 1u);
    EXPECT_EQ(OsPath(Opened[0]), folder + "x.txt");
}

TEST_F(Links, LinksAreFollowedByKindAndPageLinksFindTheFirstTitle)
{
    SettingsVars.BracketFlg = true;
    form->EditorLook().SetupFountain();
    const std::string folder = Home() + "docs/";
    std::filesystem::create_directories(folder + "sub");
    form->DocumentFiles().NameDocument(folder + "doc");
    MakePages({"Two", "Two", "links"});
    Type(QStringLiteral("\r[:file@sub/../x.txt:]\r[:node@Two:]\r[:node@None:]\r[:file@a*b:]\rhttp://example.com/"));
    TEditorEx& memo = *form->DataMemo();

    FollowIn(memo, "file@sub");
    FollowIn(memo, "http");
    EXPECT_EQ(Opened, (std::vector<std::string>{folder + "x.txt", "http://example.com/"}));
    FollowIn(memo, "file@a*");
    EXPECT_EQ(Opened.size(), 2u) << "a path with a part no file may have is ignored";
    FollowIn(memo, "node@None");
    EXPECT_EQ(form->DataTree()->Selected(), Node(2)) << "no page of that title: nothing";
    FollowIn(memo, "node@Two");
    EXPECT_EQ(form->DataTree()->Selected(), Node(0)) << "the first of two pages of that title";
    EXPECT_EQ(form->DataMemo()->SelLength(), 0);

    SettingsVars.BracketFlg = false;
    form->EditorLook().SetupFountain();
    form->DataTree()->SetSelected(Node(2));
    FollowIn(memo, "node@Two");
    EXPECT_EQ(form->DataTree()->Selected(), Node(2)) << "the other form is no link";
}

TEST_F(Links, ARegionWithoutItsCloserIsNoLink)
{
    SettingsVars.BracketFlg = false;
    form->EditorLook().SetupFountain();
    MakePages({"other", "title\r<file@/tmp/abcdef\r\r<node@other"});
    FollowIn(*form->DataMemo(), "file@");
    FollowIn(*form->DataMemo(), "node@");
    EXPECT_TRUE(Opened.empty());
    EXPECT_EQ(form->DataTree()->Selected(), Node(1));
}

TEST_F(Links, ADoubleClickSelectsTheWordAndTheHandShowsOverLinks)
{
    SettingsVars.BracketFlg = false;
    form->EditorLook().SetupFountain();
    MakePages({"title\rab "});
    // Japanese comes committed by the input method.
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("日本語"));
    QApplication::sendEvent(form->DataMemo(), &commit);
    Type(QStringLiteral(" cd\r<node@title>\r<file@/tmp/x"));
    TEditorEx& memo = *form->DataMemo();
    ASSERT_EQ(memo.RowText(1), "ab " + Sjis("日本語") + " cd");
    DoubleClick(1, 5);
    EXPECT_EQ(memo.SelText(), Sjis("日本語"));
    DoubleClick(1, 11);
    EXPECT_EQ(memo.SelText(), "cd");

    Mouse(QEvent::MouseMove, 2, 3);
    EXPECT_EQ(Pointer(), Qt::PointingHandCursor) << "a page link";
    Mouse(QEvent::MouseMove, 1, 1);
    EXPECT_NE(Pointer(), Qt::PointingHandCursor);
    Mouse(QEvent::MouseMove, 3, 3);
    EXPECT_NE(Pointer(), Qt::PointingHandCursor) << "a link without its closer is none";
}

TEST_F(Links, ALinkNothingOpensIsTold)
{
    Opens = false;
    MakePages({"title\rhttp://example.com/"});
    FollowIn(*form->DataMemo(), "http");
    EXPECT_EQ(Opened, std::vector<std::string>{"http://example.com/"});
    EXPECT_EQ(LastQuestion(), "http://example.com/\r\n\r\nこのリンクを開けませんでした。開くためのアプリケーション"
                              "（ウェブブラウザーなど）がデスクトップに設定されているか確かめてください。");
}

TEST_F(Links, PageLinksDoNothingInTheBrowsePaneAndProgramsAskFirst)
{
    SettingsVars.BracketFlg = false;
    form->EditorLook().SetupFountain();
    MakePages({"links\r<node@second>", "second"});
    form->PaneViews().OpSplitReadClick();
    TEditorEx& browse = *form->SecondEditor();
    FollowIn(browse, "node@");
    EXPECT_EQ(LastQuestion(), "閲覧画面ではページリンクは機能しません！");
    EXPECT_EQ(form->DataTree()->Selected(), Node(1));
    form->PaneViews().OpSplitReadClick();

    const std::string program = Home() + "run.sh";
    {
        std::ofstream(program) << "#!/bin/sh\n";
    }
    std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    Type(QString::fromStdString("\r<file@" + program + ">"));
    dialogs.Answer(mrNo);
    FollowIn(*form->DataMemo(), "file@");
    EXPECT_TRUE(Opened.empty());
    dialogs.Answer(mrYes);
    FollowIn(*form->DataMemo(), "file@");
    EXPECT_EQ(Opened, std::vector<std::string>{program});
}

TEST_F(Links, OneChooserAtATimeInsertsPageLinks)
{
    MakePages({"first", "second"});
    form->PageLinks().pEdPageLinkClick();
    QPointer<TNodeForm> chooser = form->PageLinks().PageLinkChooser();
    ASSERT_TRUE(chooser);
    const QWidget* leftDock = form->findChild<QWidget*>(QStringLiteral("ToolDock2"));
    ASSERT_NE(leftDock, nullptr);
    EXPECT_EQ(chooser->height(), leftDock->height() + 2) << "as tall as the dock down the window's left";
    form->PageLinks().pEdPageLinkClick();
    EXPECT_EQ(form->PageLinks().PageLinkChooser(), chooser) << "a second click while it is open does nothing";

    chooser->TreeView1()->SetSelected(chooser->TreeView1()->Items().Item(0));
    chooser->TreeView1DblClick();
    EXPECT_EQ(LastQuestion(), "カーソルが第１行にあるので挿入できません！");
    Type(QStringLiteral("\r"));
    chooser->TreeView1DblClick();
    EXPECT_EQ(form->DataMemo()->GetText(), "second\r\n<node@first>\r\n");

    QTest::keyClick(chooser, Qt::Key_Escape);
    Settle();
    EXPECT_FALSE(chooser) << "closing frees it";
    form->PageLinks().pEdPageLinkClick();
    EXPECT_NE(form->PageLinks().PageLinkChooser(), nullptr);
}

// The chooser has a close box only. From a window as tall as the screen it
// is moved up until its lower edge can be reached; it keeps its height.
TEST_F(Links, ThePageLinkChooserHasACloseBoxAndStaysOnTheScreen)
{
    MakePages({"first", "second"});
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    form->setGeometry(area);
    Settle();
    form->PageLinks().pEdPageLinkClick();
    TNodeForm* chooser = form->PageLinks().PageLinkChooser();
    ASSERT_NE(chooser, nullptr);
    EXPECT_TRUE(HasDialogFrame(*chooser, false));
    Settle();
    EXPECT_TRUE(area.contains(chooser->frameGeometry()));
    EXPECT_EQ(chooser->height(), form->findChild<QWidget*>(QStringLiteral("ToolDock2"))->height() + 2);
}

TEST_F(Links, RowMarksSetMoveClearAndJumpWithTheirCaptions)
{
    MakePages({"title"});
    Type(QStringLiteral("\rA&B\rline three\r") + QString(60, 'x'));
    TEditorEx& memo = *form->DataMemo();
    memo.SetSelStart(8); // row 1
    form->PageLinks().SetMarkClick(3);
    EXPECT_EQ(form->MenuItem("SetMark3")->Caption(), QStringLiteral("Mark3 A&&B"));
    EXPECT_EQ(form->MenuItem("Jump3")->Caption(), QStringLiteral("Jump3 A&&B"));
    EXPECT_TRUE(form->MenuItem("Jump3")->Checked());

    memo.SetSelStart(13); // row 2
    form->PageLinks().SetMarkClick(3);
    EXPECT_EQ(memo.RowMarks(1) >> 3 & 1, 0) << "the mark moved";
    EXPECT_EQ(form->MenuItem("SetMark3")->Caption(), QStringLiteral("Mark3 line three"));
    memo.SetSelStart(0);
    form->PageLinks().JumpClick(3);
    EXPECT_EQ(memo.Row(), 2);
    form->PageLinks().SetMarkClick(3);
    EXPECT_EQ(form->MenuItem("SetMark3")->Caption(), QStringLiteral("Mark3"));
    EXPECT_FALSE(form->MenuItem("SetMark3")->Checked());

    memo.SetSelStart(static_cast<int>(memo.GetText().size()));
    form->PageLinks().SetMarkClick(0);
    EXPECT_EQ(form->MenuItem("Jump0")->Caption(), QStringLiteral("Jump0 ") + QString(50, 'x'));

    Click("sbAdd");
    EXPECT_EQ(form->MenuItem("Jump0")->Caption(), QStringLiteral("Jump0")) << "another page has no marks";
    EXPECT_FALSE(form->MenuItem("SetMark0")->Checked());
}

TEST_F(Links, AMarkOnAWrappedRowShowsThatRowAndKeepsTheShortcutColumn)
{
    MakePages({"title"});
    TEditorEx& memo = *form->DataMemo();
    const int wrap = memo.WrapOption()->WrapByte();
    Type(QStringLiteral("\r") + QString(wrap - 1, QLatin1Char('x')) + QStringLiteral(" second\tpart\r"));
    ASSERT_EQ(memo.RowText(2), "second\tpart");
    memo.SetRowCol(2, 3);
    form->PageLinks().SetMarkClick(4);
    EXPECT_EQ(std::pair(memo.Row(), memo.Col()), std::pair(2, 0)) << "the caret goes to the row's start";
    EXPECT_EQ(form->MenuItem("SetMark4")->Caption(), QStringLiteral("Mark4 second part"));
    EXPECT_EQ(form->MenuItem("Jump4")->Action()->text(), QStringLiteral("Jump4 second part\tCtrl+4"));

    // The empty row after the last line break is no row: nothing is set.
    memo.SetSelStart(memo.GetTextLen());
    form->PageLinks().SetMarkClick(5);
    EXPECT_EQ(memo.RowMarksInUse() >> 5 & 1, 0);
    EXPECT_EQ(std::pair(form->MenuItem("Jump5")->Caption(), form->MenuItem("Jump5")->Checked()),
              std::pair(QStringLiteral("Jump5"), false));
    memo.SetSelStart(0);
    form->PageLinks().JumpClick(5);
    EXPECT_EQ(memo.SelStart(), 0);
    form->PageLinks().JumpClick(4);
    EXPECT_EQ(memo.Row(), 2);
}

} // namespace
