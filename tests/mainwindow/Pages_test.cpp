// Pages added with the toolbar, typed into and switched between: each page
// keeps its text, title and caret, the status bar and the buttons follow,
// and a key runs its command only while the command is enabled.
#include "ViewsFixture.h"

#include "DockButton.h"
#include "EditorEx.h"
#include "StatusBarTexts.h"
#include "TreeView.h"

#include <QClipboard>
#include <QImage>
#include <QStatusBar>
#include <QTest>

namespace {

class Pages : public ViewsTest {
protected:
    void Select(int AbsoluteIndex)
    {
        form->DataTree()->SetSelected(Node(AbsoluteIndex));
        QApplication::processEvents();
    }
};

TEST_F(Pages, ThreePagesKeepTheirTextsTitlesAndCaretsAcrossSwitches)
{
    SettingsVars.PageCursor.Mode = true; // a shown page gets its caret back
    Type(QStringLiteral("first page\rline two"));
    Click("sbAdd");
    Type(QStringLiteral("  second"));
    Click("sbAddChild");
    Type(QStringLiteral("third"));
    ASSERT_EQ(form->DataTree()->Items().Count(), 3);
    EXPECT_EQ(Title(0), "first page");
    EXPECT_EQ(Title(1), "second") << "leading blanks leave the title";
    EXPECT_EQ(Title(2), "third");
    EXPECT_EQ(Node(2)->Parent(), Node(1));
    EXPECT_EQ(Panel(0), " [3/3]");
    EXPECT_EQ(Panel(1), "third");
    EXPECT_EQ(Panel(2), SizePanelText(5));

    Select(0);
    EXPECT_EQ(form->DataMemo()->GetText(), "first page\r\nline two");
    EXPECT_EQ(form->DataMemo()->SelStart(), 20);
    EXPECT_EQ(Panel(0), " [1/3]");
    EXPECT_TRUE(form->DataMemo()->Modified()) << "switching pages keeps the document modified";
    EXPECT_TRUE(form->ToolButton("sbSave")->Enabled());
}

TEST_F(Pages, InsertedAndAddedPagesComeBackThroughTheHistoryButtons)
{
    Type(QStringLiteral("one"));
    Click("sbIns");
    Type(QStringLiteral("zero"));
    Click("sbAdd");
    Type(QStringLiteral("two & more"));
    Click("sbAdd");
    EXPECT_EQ(Title(0), "zero") << "inserted before the selection";
    EXPECT_EQ(Title(1), "two & more") << "added after it";
    EXPECT_EQ(Title(2), "UnTitled");
    EXPECT_EQ(Title(3), "one");
    // The back button's menu lists the pages left, newest first.
    TPopupMenu* menu = PopupMenuOf(form->ToolButton("sbPageUndo"));
    ASSERT_NE(menu, nullptr);
    menu->OnPopup(menu);
    ASSERT_EQ(menu->Items().Count(), 3);
    EXPECT_EQ(menu->Items().Items(0)->Caption(), QStringLiteral("two && more"));
    menu->Items().Items(2)->Click();
    QApplication::processEvents();
    EXPECT_EQ(form->DataMemo()->GetText(), "one");
    EXPECT_FALSE(form->ToolButton("sbPageUndo")->Enabled());
    Click("sbPageRedo");
    EXPECT_EQ(form->DataMemo()->GetText(), "zero");
}

TEST_F(Pages, TheTreeButtonsFollowTheSelectionAndTheText)
{
    EXPECT_FALSE(form->ToolButton("sbMoveUp")->Enabled());
    EXPECT_FALSE(form->ToolButton("sbPageDel")->Enabled()) << "one empty page";
    Type(QStringLiteral("a"));
    EXPECT_TRUE(form->ToolButton("sbPageDel")->Enabled());
    QTest::keyClick(form->DataMemo(), Qt::Key_Backspace);
    EXPECT_FALSE(form->ToolButton("sbPageDel")->Enabled()) << "empty again";
    Type(QStringLiteral("\r"));
    Click("sbAdd");
    EXPECT_TRUE(form->ToolButton("sbMoveUp")->Enabled());
    EXPECT_FALSE(form->ToolButton("sbMoveDown")->Enabled());
    EXPECT_TRUE(form->ToolButton("sbPageDown")->Enabled());
    Select(0);
    EXPECT_TRUE(form->ToolButton("sbPageDel")->Enabled());
    EXPECT_FALSE(form->ToolButton("sbPageUnify")->Enabled()) << "a page of one line break";
    Type(QStringLiteral("x"));
    EXPECT_TRUE(form->ToolButton("sbPageUnify")->Enabled());
}

TEST_F(Pages, AKeyRunsItsCommandOnlyWhileItIsEnabled)
{
    QTest::keyClick(form->DataMemo(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(form->Saves, 0) << "nothing to save: the save command is disabled";
    Type(QStringLiteral("x"));
    QTest::keyClick(form->DataMemo(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(form->Saves, 1);
    QTest::keyClick(form->DataMemo(), Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(form->DataTree()->Items().Count(), 2) << "Ctrl+K adds a page";
}

TEST_F(Pages, TheWheelScrollsAPageANotchUnlessLinesAreAsked)
{
    QString text;
    for (int i = 0; i < 200; ++i)
        text += QStringLiteral("line\r");
    Type(text);
    TEditorEx& memo = *form->DataMemo();
    memo.SetTopRow(0);
    form->WMMouseWheel(-1);
    const int page = memo.TopRow();
    EXPECT_GT(page, 3);
    SettingsVars.LineScrollFlg = true;
    SettingsVars.LineScroll = 3;
    form->WMMouseWheel(-1);
    EXPECT_EQ(memo.TopRow(), page + 3);
    form->WMMouseWheel(1);
    EXPECT_EQ(memo.TopRow(), page);
}

TEST_F(Pages, ThePasteButtonFollowsTheClipboardWithoutAskingItWhilePainting)
{
    QApplication::clipboard()->setText(QStringLiteral("text"));
    QApplication::processEvents();
    EXPECT_TRUE(form->ToolButton("sbPaste")->Enabled());
    QApplication::clipboard()->clear();
    QApplication::processEvents();
    EXPECT_FALSE(form->ToolButton("sbPaste")->Enabled());
}

TEST_F(Pages, CharactersPastedWithoutAShiftJisFormAreToldInTheStatusBar)
{
    QApplication::clipboard()->setText(QString::fromUtf8("é€😀"));
    form->DataMemo()->PasteFromClipboard();
    EXPECT_EQ(form->statusBar()->currentMessage().toStdString(), UnmappedCharactersText(3));
    EXPECT_EQ(form->DataMemo()->GetText(), "???");
}

TEST_F(Pages, ASelectedRowWiderThanTheWindowPaintsWithoutPadding)
{
    form->DataMemo()->SetWordWrap(false);
    Type(QString(3000, QLatin1Char('w')));
    form->DataMemo()->SelectAll();
    const QImage painted = form->DataMemo()->viewport()->grab().toImage();
    EXPECT_FALSE(painted.isNull());
    EXPECT_TRUE(dialogs.Questions().empty()) << "painting raised " << dialogs.Questions().front().Text;
    EXPECT_EQ(Title(0), std::string(254, 'w')) << "a long first line gives a title of 254 bytes";
}

} // namespace
