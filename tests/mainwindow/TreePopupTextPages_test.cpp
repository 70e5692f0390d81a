// The tree popup's テキストを読み込んでページ作成 over a three-level outline:
// it makes pages of text files as the file menu's command does, and is
// enabled where that command may run: neither the found-pages list nor the
// sub-icon finder lets pages be made while it holds this tree's pages.
#include "OutlineFixture.h"

#include "FindIconForm.h"
#include "Menus.h"
#include "SubIcons.h"

#include <QAction>
#include <QMenu>

namespace {

class TreePopupTextPages : public OutlineTest {
protected:
    // The item's state as the popup shows it when the tree is right-clicked.
    bool EnabledInPopup() const
    {
        TPopupMenu& popup = *PopupMenuOf(form->DataTree());
        popup.Popup(0, 0);
        const bool enabled = Item().Enabled();
        popup.Menu()->close();
        return enabled;
    }
    TMenuItem& Item() const { return *form->MenuItem("pTreeLoadTexToMakePage"); }
};

TEST_F(TreePopupTextPages, ItMakesPagesOfTextFilesUnlessAListHoldsTheTree)
{
    form->DataTree()->SetSelected(Node(4));
    ASSERT_TRUE(EnabledInPopup());
    WriteFileAtomic(Home() + "note.txt", Sjis("覚え書き\r\n本文\r\n"));
    dialogs.AnswerFiles({Home() + "note.txt"});
    Item().Action()->trigger(); // chosen in the popup
    EXPECT_EQ(Titles(), "p0|p1|p2 foo|p3|p4 foo|" + Sjis("覚え書き"));
    EXPECT_EQ(form->DataMemo()->GetText(), Sjis("覚え書き\r\n本文\r\n"));

    // Off while the found-pages list or the sub-icon finder is open.
    Fill({"foo", "", {"ChkWholeFile", "ChkFindList", "全てのページ", "btnOK"}});
    Run("FdGoFind");
    EXPECT_FALSE(EnabledInPopup()) << "the list is open";
    Run("FdFindListClose");
    EXPECT_TRUE(EnabledInPopup());

    form->SubIcons().FdGoSubIconClick();
    ASSERT_NE(form->SubIcons().SubIconFinder(), nullptr);
    EXPECT_FALSE(EnabledInPopup()) << "the finder is open";
    form->SubIcons().SubIconFinder()->close();
    EXPECT_TRUE(EnabledInPopup());
}

} // namespace
