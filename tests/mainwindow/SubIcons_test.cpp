// Sub-icons: the pictures taken from the Images folder, the menus that set
// a page's sub-icon, and the finder that lists pages by sub-icon.
#include "FormFixture.h"

#include "ClippingMode.h"
#include "DialogFrameCheck.h"
#include "FindIconForm.h"
#include "MainMenus.h"
#include "MenuItemIds.h"
#include "Paths.h"
#include "SearchListState.h"
#include "ShortCutText.h"
#include "SubIconHost.h"
#include "SubIcons.h"
#include "ToolButtonIds.h"
#include "ToolImageList.h"
#include "TreeImageList.h"

#include <QAction>
#include <QCheckBox>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <map>
#include <utility>
#include <vector>

namespace {

class SubIcons : public ViewsTest {
protected:
    // A bitmap of one colour; Index gives its red.
    static void WriteBitmap(const std::string& Name, int Index, int Size = 16)
    {
        QImage image(Size, Size, QImage::Format_RGB32);
        image.fill(QColor(Index * 10, 0, 0));
        image.save(QString::fromStdString(ProgramFolder() + "Images/" + Name), "BMP");
    }
    int RedOf(int Image) const
    {
        return form->SubIcons().TreeSubImageList().Image(Image)->toImage().pixelColor(8, 8).red();
    }
    TMenuItem& Popup(int Index) const { return *form->ImagePopupMenu()->Items().Items(Index); }
};

TEST_F(SubIcons, TheFirstElevenBitmapsByNameAreTaken)
{
    for (int i = 12; i >= 0; --i)
        WriteBitmap("b" + std::to_string(10 + i) + ".bmp", i);
    form->SubIcons().LoadSubIcons();
    ASSERT_EQ(form->SubIcons().TreeSubImageList().Count(), 12);
    EXPECT_EQ(RedOf(1), 0);
    EXPECT_EQ(RedOf(11), 100) << "b20, the eleventh by name";
}

TEST_F(SubIcons, FewBitmapsAreFilledUpWithThePicturesBeforeAndWrongSizesSkipped)
{
    const int ownFour = RedOf(4);
    WriteBitmap("a.BMP", 20);
    WriteBitmap("b.bmp", 21);
    WriteBitmap("bb.bmp", 1, 32);
    WriteBitmap("c.bmp", 22);
    form->SubIcons().LoadSubIcons();
    ASSERT_EQ(form->SubIcons().TreeSubImageList().Count(), 11);
    EXPECT_EQ(RedOf(1), 200) << "an upper-case extension is a bitmap too";
    EXPECT_EQ(RedOf(3), 220) << "the 32 x 32 picture was skipped";
    EXPECT_EQ(RedOf(4), ownFour);

    std::filesystem::remove_all(ProgramFolder() + "Images");
    form->SubIcons().LoadSubIcons();
    EXPECT_EQ(dialogs.Questions().back().Text, "Velk2000があるフォルダーの下に Images フォルダーが存在しません！");
    EXPECT_EQ(RedOf(1), 200) << "the pictures stay";
}

TEST_F(SubIcons, TheMenusSetTheSubIcon)
{
    MakePages({"one"});
    ASSERT_EQ(form->ImagePopupMenu()->Items().Count(), 11);
    form->DataMemo()->SetModified(false);
    Popup(3).Click();
    EXPECT_EQ(std::pair(form->DataTree()->Selected()->StateIndex(), form->ToolButton("sbImage")->ImageIndex()),
              std::pair(3, 3))
        << "the button shows the page's sub-icon";
    EXPECT_TRUE(form->DataMemo()->Modified());
    form->MenuItem("pTreeSubIcon")->Items(0)->Click();
    EXPECT_EQ(form->DataTree()->Selected()->StateIndex(), -1) << "なし";
}

// The menus and the button hold copies of the pictures; registering them
// again reaches every copy.
TEST_F(SubIcons, PicturesRegisteredAgainReachTheMenusAndTheButton)
{
    MakePages({"one"});
    Popup(1).Click();
    WriteBitmap("a.bmp", 20);
    form->SubIcons().LoadSubIcons();
    const auto red = [](const QIcon& Icon) { return Icon.pixmap(16, 16).toImage().pixelColor(8, 8).red(); };
    EXPECT_EQ(red(Popup(1).Action()->icon()), 200);
    EXPECT_EQ(red(form->MenuItem("pTreeSubIcon")->Items(1)->Action()->icon()), 200);
    const TDockButton& button = *form->ToolButton("sbImage");
    EXPECT_EQ(button.Images()->Image(button.ImageIndex()).toImage().pixelColor(8, 8).red(), 200);
}

TEST_F(SubIcons, ThePageHistoryMenusShowEachPagesSubIcon)
{
    MakePages({"a", "b", "c"});
    Node(0)->SetStateIndex(2);
    QMenu* back = form->ToolButton("sbPageUndo")->DropdownMenu();
    ASSERT_NE(back, nullptr);
    emit back->aboutToShow();
    std::string pictures;
    for (const QAction* item : back->actions())
        pictures += item->text().toStdString() + (item->icon().isNull() ? "-" : "+");
    EXPECT_EQ(pictures, "b-a+");
}

// Each window's own focus widget: which window is active is the desktop's
// business.
TEST_F(SubIcons, CtrlTabGoesToTheOpenFindersTree)
{
    MakePages({"a", "b"});
    form->SubIcons().FdGoSubIconClick();
    TFindIconForm* finder = form->SubIcons().SubIconFinder();
    ASSERT_NE(finder, nullptr);
    finder->IconTree()->clearFocus();
    QTest::keyClick(form->DataMemo(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(finder->focusWidget(), finder->IconTree());
    finder->close();
    Settle();
    QTest::keyClick(form->DataMemo(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(form->focusWidget(), form->DataTree()) << "the page tree while no finder is open";
}

TEST_F(SubIcons, TheFinderHasACloseBoxOnly)
{
    MakePages({"a", "b"});
    form->SubIcons().FdGoSubIconClick();
    ASSERT_NE(form->SubIcons().SubIconFinder(), nullptr);
    EXPECT_TRUE(HasDialogFrame(*form->SubIcons().SubIconFinder(), false));
}

TEST_F(SubIcons, TheFinderListsCyclesAndShowsPages)
{
    SettingsVars.SubIcon.AltSubIcon = false;
    MakePages({"a", "b", "c", "d"});
    Node(0)->SetStateIndex(2);
    Node(2)->SetStateIndex(2);
    Node(3)->SetStateIndex(5);
    form->SubIcons().FdGoSubIconClick();
    TFindIconForm* finder = form->SubIcons().SubIconFinder();
    ASSERT_NE(finder, nullptr);
    EXPECT_EQ(Enabled({"sbOpen"}), "-");
    form->SubIcons().FdGoSubIconClick();
    EXPECT_EQ(form->SubIcons().SubIconFinder(), finder) << "never a second finder";
    EXPECT_EQ(finder->LbSubIcon()->text(), QStringLiteral("全部で 3 ページ"));
    EXPECT_EQ(finder->IconTree()->Selected()->Text(), "d") << "the page shown in the tree";

    QTest::keyClick(finder->IconTree(), Qt::Key_Right);
    EXPECT_EQ(std::to_string(finder->Filter()) + finder->LbSubIcon()->text().toStdString(), "1なし");
    QTest::keyClick(finder->IconTree(), Qt::Key_Left);
    EXPECT_EQ(finder->Filter(), 11) << "round from the first";

    EXPECT_EQ(ShortCutToText(finder->SubItem(1)->ShortCut()), "Shift+Ctrl+1");
    finder->CkAlt()->setChecked(true);
    EXPECT_EQ(ShortCutToText(finder->SubItem(10)->ShortCut()) + " " + ShortCutToText(finder->SubItem(11)->ShortCut()),
              "Alt+0 Alt+-");
    finder->Dispatcher().Dispatch(TextToShortCut("Alt+2"), finder->IconTree());
    EXPECT_EQ(finder->LbSubIcon()->text(), QStringLiteral(" 2 ページ"));
    EXPECT_TRUE(finder->TbIcon(2)->Down());

    finder->IconTree()->SetSelected(finder->IconTree()->Items().Item(1));
    QTest::keyClick(finder->IconTree(), Qt::Key_Return);
    EXPECT_EQ(form->DataTree()->Selected(), Node(2));
    form->ImagePopupMenu()->Items().Items(2)->Click();
    EXPECT_EQ(finder->LbSubIcon()->text(), QStringLiteral(" 2 ページ")) << "the list follows a changed sub-icon";
    form->ImagePopupMenu()->Items().Items(0)->Click();
    EXPECT_EQ(finder->LbSubIcon()->text(), QStringLiteral(" 1 ページ"));

    finder->close();
    Settle();
    EXPECT_EQ(form->SubIcons().SubIconFinder(), nullptr);
    EXPECT_TRUE(SettingsVars.SubIcon.AltSubIcon);
    EXPECT_EQ(Enabled({"sbOpen"}), "+");
}

TEST_F(SubIcons, TheFinderShowsEachKeyUnderItsButton)
{
    MakePages({"a", "b"});
    form->SubIcons().FdGoSubIconClick();
    TFindIconForm& finder = *form->SubIcons().SubIconFinder();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&finder));
    QWidget& legend = *finder.Legend();
    const QImage painted = legend.grab().toImage();
    const QColor background = painted.pixelColor(0, 0);
    for (int filter = 1; filter <= AllSubIconsFilter; ++filter) {
        const TDockButton& button = *finder.TbIcon(filter);
        const int centre = legend.mapFromGlobal(button.mapToGlobal(QPoint(button.width() / 2, 0))).x();
        bool drawn = false;
        for (int x = std::max(centre - 4, 0); x <= std::min(centre + 4, painted.width() - 1); ++x)
            for (int y = 0; y < painted.height(); ++y)
                drawn = drawn || painted.pixelColor(x, y) != background;
        EXPECT_TRUE(drawn) << "the key of list " << filter << " under its button";
    }
}

TEST_F(SubIcons, ClosingTheFinderGivesBackTheListButtonsButNoEditorWhileClipping)
{
    SettingsVars.ExtEditor = true;
    MakePages({"a", "b"});
    SearchListState().FoundPageList.Assign({Node(1)});
    form->Clipping().OpClipClick();
    form->SubIcons().FdGoSubIconClick();
    ASSERT_NE(form->SubIcons().SubIconFinder(), nullptr);
    EXPECT_EQ(Enabled({"sbFindList", "sbGoEditor"}), "--");
    form->SubIcons().SubIconFinder()->close();
    Settle();
    EXPECT_EQ(Enabled({"sbFindList", "sbGoEditor"}), "+-") << "clipping forbids an external edit";
    EXPECT_TRUE(form->MenuItem("FdFindList")->Enabled());

    form->Clipping().OpClipClick();
    SearchListState().FoundPageList.Clear();
    form->SubIcons().FdGoSubIconClick();
    form->SubIcons().SubIconFinder()->close();
    Settle();
    EXPECT_EQ(Enabled({"sbFindList", "sbGoEditor"}), "-+") << "an empty list stays off";
}

// The sub-icons with nothing of the window but what their host gives them.
class FakeSubIconHost : public ISubIconHost {
public:
    FakeSubIconHost()
    {
        for (const char* name :
             {"sbImage", "sbSubIcon", "sbPageNew", "sbOpen", "sbLoadTreeText", "sbFind", "sbFindList", "sbGoEditor"}) {
            auto* button = new TDockButton(&Window);
            button->SetImages(&ButtonImages);
            button->SetImageIndex(ButtonImages.Add(QPixmap(16, 16)));
            Buttons.emplace(name, button);
        }
    }
    TDockButton* ToolButton(TCommandId Button) const override { return Buttons.at(std::string(Button.Name())); }
    TEditorEx* ActiveEditor() const override { return Memo.get(); }
    TEditorEx* DataMemo() const override { return Memo.get(); }
    TEditorEx* SecondEditor() const override { return Second.get(); }
    bool BrowseViewOn() const override { return false; }
    std::string CaptionText() const override { return "doc.vk2"; }
    void MarkModified() override { ++Modified; }
    void PageSubIconChanged(TTreeNode* Page) override { Changed.push_back(Page); }
    void UpdateToolButtons() override {}
    bool ExternalEditAllowed() const override { return false; }
    void FindListChanged() override { ++ListChanges; }

    QWidget Window;
    TToolImageList ButtonImages;
    TTreeView Tree{&Window};
    std::unique_ptr<TEditorEx> Memo{TEditor::Create<TEditorEx>()};
    std::unique_ptr<TEditorEx> Second{TEditor::Create<TEditorEx>()};
    std::map<std::string, TDockButton*> Buttons;
    std::vector<TTreeNode*> Changed;
    int Modified = 0;
    int ListChanges = 0;
};

TEST(SubIconsAlone, SetAPagesSubIconAndFindItOnAHostOfTheirOwn)
{
    FakeSubIconHost host;
    TVelkMenus menus;
    TSubIcons subIcons(host, host.Window, host.Tree, menus);
    subIcons.BindCommands();
    subIcons.BuildSubIconMenu();
    TMenuItem& popup = menus.Popup(Cmd::ImagePopupMenu)->Items();
    ASSERT_EQ(popup.Count(), 11) << "none and the ten default names";
    EXPECT_EQ(SjisToUtf8(subIcons.SubIconMenu().Strings(10)), "＜(_ _)＞");

    TTreeNode* page = host.Tree.Items().Add(nullptr, "a");
    host.Tree.Items().Add(nullptr, "b");
    host.Tree.SetSelected(page);
    popup.Items(3)->Click();
    EXPECT_EQ(page->StateIndex(), 3);
    EXPECT_EQ(host.Changed, std::vector<TTreeNode*>{page});
    EXPECT_EQ(host.Modified, 1);
    EXPECT_TRUE(host.Second->Modified()) << "both panes";
    const TDockButton& image = *host.ToolButton(Cmd::sbImage);
    EXPECT_NE(image.Images(), &host.ButtonImages) << "the button shows the sub-icon";
    EXPECT_EQ(image.ImageIndex(), 3);
    popup.Items(0)->Click();
    EXPECT_EQ(page->StateIndex(), -1);
    EXPECT_EQ(std::pair(image.Images(), image.ImageIndex()), std::pair(&host.ButtonImages, 0)) << "its own picture";

    popup.Items(2)->Click();
    menus.Item(Cmd::FdGoSubIcon)->Click();
    TFindIconForm* finder = subIcons.SubIconFinder();
    ASSERT_NE(finder, nullptr);
    EXPECT_EQ(finder->windowTitle(), QStringLiteral("doc.vk2"));
    EXPECT_EQ(finder->IconTree()->Items().Count(), 1);
    EXPECT_FALSE(host.ToolButton(Cmd::sbOpen)->Enabled());
    EXPECT_FALSE(menus.Item(Cmd::FlPageTextLoad)->Enabled());
    finder->close();
    EXPECT_EQ(subIcons.SubIconFinder(), nullptr);
    EXPECT_TRUE(host.ToolButton(Cmd::sbOpen)->Enabled());
    EXPECT_FALSE(host.ToolButton(Cmd::sbGoEditor)->Enabled()) << "as the host allows";
    EXPECT_EQ(host.ListChanges, 1);
}

} // namespace
