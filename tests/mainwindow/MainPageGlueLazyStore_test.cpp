// A keystroke leaves the page's text in the editor: the node's record takes
// it the first time anything reads it. Random edits interleaved with every
// kind of reader must always read the editor's text, and no page's text
// may ever land in another page's record.
#include "FormFixture.h"

#include "NodeData.h"
#include "PageList.h"
#include "PageTitle.h"
#include "SubtreeItems.h"
#include "TextOutputs.h"

#include <random>

namespace {

class LazyStore : public ViewsTest {
protected:
    TNodeData& Record(int AbsoluteIndex) const { return *static_cast<TNodeData*>(Node(AbsoluteIndex)->Data()); }
    int Shown() const { return form->DataTree()->Selected()->AbsoluteIndex(); }
    std::string EditorText() const { return form->DataMemo()->GetText(); }
    void Select(int AbsoluteIndex)
    {
        form->DataTree()->SetSelected(Node(AbsoluteIndex));
        QApplication::processEvents();
    }
    // One random key at a random place of the shown page.
    void RandomEdit(std::mt19937& Random)
    {
        TEditorEx& editor = *form->DataMemo();
        editor.SetSelStart(std::uniform_int_distribution<int>(0, editor.GetTextLen())(Random));
        static const QString keys = QStringLiteral("ab\r 日本");
        const int key = std::uniform_int_distribution<int>(0, static_cast<int>(keys.size()))(Random);
        if (key == keys.size())
            QTest::keyClick(&editor, Qt::Key_Backspace);
        else if (keys[key] == u'\r')
            QTest::keyClick(&editor, Qt::Key_Return);
        else
            QTest::sendKeyEvent(QTest::Click, &editor, Qt::Key_unknown, keys.mid(key, 1), Qt::NoModifier);
        QApplication::processEvents();
    }
    // Every page as the readers must see it: the shown one as the editor
    // holds it, the others as last left.
    void ExpectPages(const std::vector<std::string>& Texts, const char* Reader) const
    {
        const TFlatPages pages = FlattenTree(form->DataTree()->Items());
        ASSERT_EQ(pages.size(), Texts.size());
        for (size_t i = 0; i < pages.size(); ++i) {
            EXPECT_EQ(pages[i].Text, Texts[i]) << Reader << ", page " << i;
            EXPECT_EQ(pages[i].Title, PageTitle(Texts[i])) << Reader << ", page " << i;
        }
    }
};

TEST_F(LazyStore, RandomEditsAndReadsAlwaysReadTheEditorsText)
{
    MakePages({"zero", "one\rline", "two", "three"});
    std::vector<std::string> texts = {"zero", "one\r\nline", "two", "three"};
    std::mt19937 random(53);
    for (int step = 0; step < 300; ++step) {
        const int shown = Shown();
        RandomEdit(random);
        const bool changed = texts[static_cast<size_t>(shown)] != EditorText();
        texts[static_cast<size_t>(shown)] = EditorText();
        // The title follows the first line without storing the text.
        EXPECT_TRUE(Record(shown).Unstored() || !changed) << "step " << step;
        EXPECT_EQ(Title(shown), PageTitle(EditorText())) << "step " << step;
        switch (std::uniform_int_distribution<int>(0, 6)(random)) {
        case 0: ExpectPages(texts, "the saved page list"); break;
        case 1: {
            const std::vector<TSubtreeItem> items = AddSubtreeItems(*Node(shown));
            ASSERT_FALSE(items.empty());
            EXPECT_EQ(items.front().ItemStr, EditorText()) << "the page clipboard";
            EXPECT_EQ(items.front().SelStart, form->DataMemo()->SelStart());
            break;
        }
        case 2: {
            EXPECT_EQ(TextOutputBytes(tokPage, form->DataTree()->Items(), *Node(shown), {}), EditorText())
                << "the page output";
            break;
        }
        case 3: EXPECT_EQ(Record(shown).ItemStr(), EditorText()) << "a page search"; break;
        case 4: Select(std::uniform_int_distribution<int>(0, 3)(random)); break;
        default: break; // several edits in a row
        }
        EXPECT_EQ(EditorText(), texts[static_cast<size_t>(Shown())]) << "step " << step;
    }
    ExpectPages(texts, "at the end");
}

TEST_F(LazyStore, ASwitchRightAfterAnEditKeepsEachPageInItsOwnRecord)
{
    SettingsVars.PageCursor.Mode = true; // a shown page gets its caret back
    MakePages({"first", "second"});
    Type(QStringLiteral("!"));
    Select(0);
    EXPECT_FALSE(Record(1).Unstored());
    EXPECT_EQ(Record(1).ItemStr(), "second!");
    Type(QStringLiteral("?"));
    Select(1);
    EXPECT_EQ(EditorText(), "second!");
    ExpectPages({"first?", "second!"}, "after two switches");
}

TEST_F(LazyStore, DeletingTheEditedPageLeavesTheOthersIntact)
{
    MakePages({"kept", "edited"});
    Type(QStringLiteral(" more"));
    ASSERT_TRUE(Record(1).Unstored());
    dialogs.Answer(mrYes);
    Click("sbPageDel");
    QApplication::processEvents();
    EXPECT_EQ(EditorText(), "kept");
    ExpectPages({"kept"}, "after the delete");
    Type(QStringLiteral("!"));
    ExpectPages({"!kept"}, "edited again");
}

TEST_F(LazyStore, NewAndLoadNeverCarryTheEditedTextOver)
{
    MakePages({"saved", "page"});
    ASSERT_TRUE(form->DocumentFiles().SaveOutline(Home() + "doc"));
    Type(QStringLiteral(" unsaved"));
    dialogs.Answer(mrNo);
    form->DocumentFiles().FlNewClick();
    ExpectPages({""}, "a new document");
    Type(QStringLiteral("new"));
    ASSERT_TRUE(form->DocumentFiles().LoadOutline(Home() + "doc"));
    ExpectPages({"saved", "page"}, "the loaded document");
    EXPECT_EQ(EditorText(), "saved");
    Type(QStringLiteral("x"));
    ExpectPages({"xsaved", "page"}, "edited after loading");
}

TEST_F(LazyStore, ACommandReplacingThePageTextIsNotUndoneByTheWaitingEdit)
{
    MakePages({"page"});
    Type(QStringLiteral(" typed"));
    Record(0).SetItemStr("replaced");
    EXPECT_FALSE(Record(0).Unstored());
    EXPECT_EQ(Record(0).ItemStr(), "replaced");
    // A copy reads its source through the same barrier.
    Type(QStringLiteral("!"));
    TNodeData copy;
    copy.Assign(&Record(0));
    EXPECT_EQ(copy.ItemStr(), EditorText());
}

} // namespace
