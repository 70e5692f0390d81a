// Pages added with the toolbar, typed into and switched between: each page
// keeps its text, title and caret, the status bar and the buttons follow,
// and a key runs its command only while the command is enabled.
#include "FormFixture.h"

#include "SearchListState.h"
#include "StatusBarTexts.h"

#include <QClipboard>
#include <QImage>
#include <QMenu>
#include <QScrollBar>
#include <QStatusBar>

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
    EXPECT_EQ(Titles(), "first page|second|third") << "leading blanks leave the title";
    EXPECT_EQ(Node(2)->Parent(), Node(1));
    EXPECT_EQ(Panel(0) + "|" + Panel(1) + "|" + Panel(2), " [3/3]|third|" + SizePanelText(5));

    Select(0);
    EXPECT_EQ(form->DataMemo()->GetText(), "first page\r\nline two");
    EXPECT_EQ(form->DataMemo()->SelStart(), 20);
    EXPECT_EQ(Panel(0), " [1/3]");
    EXPECT_EQ(Enabled({"sbSave"}), "+") << "switching pages keeps the document modified";
}

TEST_F(Pages, InsertedAndAddedPagesComeBackThroughTheHistoryButtons)
{
    Type(QStringLiteral("one"));
    Click("sbIns");
    Type(QStringLiteral("zero"));
    Click("sbAdd");
    Type(QStringLiteral("two & more"));
    Click("sbAdd");
    EXPECT_EQ(Titles(), "zero|two & more|UnTitled|one") << "inserted before the selection, added after it";
    // The back button's arrow drops the list of the pages left, newest
    // first.
    TDockButton* back = form->ToolButton("sbPageUndo");
    QMenu* dropped = nullptr;
    const TButtonPopup saved = TDockButton::SetPopup([&](QMenu& Menu, QPoint, bool) {
        dropped = &Menu;
        emit Menu.aboutToShow();
    });
    QTest::mouseClick(back, Qt::LeftButton, {}, QPoint(back->width() - 3, back->height() / 2));
    TDockButton::SetPopup(saved);
    ASSERT_NE(dropped, nullptr);
    const QList<QAction*> items = dropped->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->text(), QStringLiteral("two && more"));
    items[2]->trigger();
    QApplication::processEvents();
    EXPECT_EQ(form->DataMemo()->GetText() + Enabled({"sbPageUndo"}), "one-");
    Click("sbPageRedo");
    EXPECT_EQ(form->DataMemo()->GetText(), "zero");
}

TEST_F(Pages, TheTreeButtonsFollowTheSelectionAndTheText)
{
    const std::initializer_list<const char*> buttons = {"sbMoveUp", "sbMoveDown", "sbPageDown", "sbPageDel",
                                                        "sbPageUnify"};
    EXPECT_EQ(Enabled(buttons), "-----") << "one empty page";
    Type(QStringLiteral("a"));
    EXPECT_EQ(Enabled(buttons), "---+-");
    QTest::keyClick(form->DataMemo(), Qt::Key_Backspace);
    EXPECT_EQ(Enabled(buttons), "-----") << "empty again";
    Type(QStringLiteral("\r"));
    Click("sbAdd");
    EXPECT_EQ(Enabled(buttons), "+-++-");
    Select(0);
    EXPECT_EQ(Enabled(buttons), "-+-+-") << "a page of one line break cannot be joined";
    Type(QStringLiteral("x"));
    EXPECT_EQ(Enabled(buttons), "-+-++");
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
    EXPECT_EQ(memo.TopRow(), page) << "lines up as well as down";
}

TEST_F(Pages, ThePasteButtonFollowsTheClipboardWithoutAskingItWhilePainting)
{
    QApplication::clipboard()->setText(QStringLiteral("text"));
    QApplication::processEvents();
    EXPECT_EQ(Enabled({"sbPaste"}), "+");
    QApplication::clipboard()->clear();
    QApplication::processEvents();
    EXPECT_EQ(Enabled({"sbPaste"}), "-");
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

TEST_F(Pages, NoPageIsSplitUnderTheResultList)
{
    Type(QStringLiteral("text"));
    EXPECT_EQ(Enabled({"sbPageDevide"}), "+");
    SearchListState().SearchListOpen = true;
    QTest::keyClick(form->DataMemo(), Qt::Key_Left);
    EXPECT_EQ(Enabled({"sbPageDevide"}), "-");
    SearchListState().SearchListOpen = false;
    QTest::keyClick(form->DataMemo(), Qt::Key_Left);
    EXPECT_EQ(Enabled({"sbPageDevide"}), "+");
}

TEST_F(Pages, TheWindowEdgeWrapUsesTheWholeWidthBesideTheScrollBar)
{
    SettingsVars.RightRtn = true;
    TEditorEx& memo = *form->DataMemo();
    memo.Marks()->WrapMark()->SetVisible(true);
    Type(QString(memo.VisibleRows() + 5, QLatin1Char('\r')));
    form->ApplyWindowWrap();
    ASSERT_TRUE(memo.verticalScrollBar()->isVisible());
    const int charWidth = memo.ColWidth();
    // After the wrap column come the wrap mark's two columns and less than
    // two more, up to the scroll bar.
    const int gap = memo.viewport()->width() - memo.TextLeft() - memo.WrapOption()->WrapByte() * charWidth;
    EXPECT_GE(gap, 2 * charWidth);
    EXPECT_LT(gap, 4 * charWidth);
}

} // namespace
