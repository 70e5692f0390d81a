// The split and browse views' commands, state and panes.
#include "PaneViews.h"

#include "Cp932.h"
#include "DockButton.h"
#include "EditorEx.h"
#include "EditorQueries.h"
#include "ExceptionHandler.h"
#include "HPropUtils.h"
#include "HourGlass.h"
#include "MainMenus.h"
#include "MenuItemIds.h"
#include "NodeData.h"
#include "OutlineBinding.h"
#include "PageMirror.h"
#include "PageTitle.h"
#include "PaneViewsHost.h"
#include "SubIni.h"
#include "ToolImageList.h"
#include "TreeImageList.h"
#include "TreeView.h"

#include <QLayout>
#include <QPainter>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

namespace {

// How much of a page title the browse tab shows.
constexpr size_t BrowseTabTitleBytes = 96;

TNodeData* PageRecord(const TTreeNode* Page) { return Page ? dynamic_cast<TNodeData*>(Page->Data()) : nullptr; }

// A pane about to go hears nothing more: its last focus and resize
// events must not reach the window.
void DetachEvents(TEditor& Editor)
{
    Editor.OnCaretMoved = nullptr;
    Editor.OnChange = nullptr;
    Editor.OnDrawLine = nullptr;
    Editor.OnSelectionChange = nullptr;
    Editor.OnSelectionModeChange = nullptr;
    Editor.OnTopColChange = nullptr;
    Editor.OnTopRowChange = nullptr;
    Editor.OnKeyDown = nullptr;
    Editor.OnKeyPress = nullptr;
    Editor.OnClick = nullptr;
    Editor.OnDblClick = nullptr;
    Editor.OnEnter = nullptr;
    Editor.OnExit = nullptr;
    Editor.OnResize = nullptr;
    Editor.OnMouseWheel = nullptr;
    Editor.OnMouseMove = nullptr;
    Editor.OnUnmappedCharacters = nullptr;
}

// The browse button's picture while the view is open: its own, crossed
// in a corner, for the click that closes the view.
QPixmap ClosingPicture(const QPixmap& Open)
{
    QPixmap picture = Open;
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(200, 30, 30), 2));
    const QRectF corner(picture.width() * 0.55, picture.height() * 0.55, picture.width() * 0.4, picture.height() * 0.4);
    painter.drawLine(corner.topLeft(), corner.bottomRight());
    painter.drawLine(corner.topRight(), corner.bottomLeft());
    return picture;
}

} // namespace

TPaneViews::TPaneViews(IPaneViewsHost& Host, TPaneViewsParts Parts) : Host_(Host), Parts_(Parts) { BindCommands(); }

TPaneViews::~TPaneViews() = default;

void TPaneViews::BindCommands()
{
    const auto browse = [this] { OpSplitReadClick(); };
    const TCommandBinding items[] = {
        {Cmd::OpSplit, [this] { OpSplitClick(); }},
        {Cmd::OpSplitRead, browse},
        {Cmd::TabClose, browse},
        {Cmd::OpMoveWindow, [this] { OpMoveWindowClick(); }},
    };
    Parts_.Menus.Bind(items);
    Parts_.PanelL.setMinimumWidth(SeparatorMargin);
    Parts_.DataMemo.setMinimumWidth(SeparatorMargin);
    TDockButton& browseButton = Parts_.BrowseButton;
    browseButton.OnClick = [browse](TObject*) { CatchExceptions(browse); };
    const int openPicture = browseButton.ImageIndex();
    TToolImageList& images = Parts_.ButtonImages;
    BrowseButtonImages_ = {openPicture, images.Add(ClosingPicture(images.Image(openPicture)))};
}

void TPaneViews::OpSplitClick()
{
    if (Host_.TreeAboveEditor())
        return;
    Show(SplitViewOn() ? TPaneView::None : TPaneView::Split);
    Host_.UpdateToolButtons();
}

void TPaneViews::OpSplitReadClick()
{
    if (Parts_.DataTree.Items().Count() < 2 || Host_.TreeAboveEditor())
        return;
    const bool opening = !BrowseViewOn();
    // An open split view goes first: the page is stored with the caret of
    // the pane it was written in.
    Show(TPaneView::None);
    if (opening) {
        Parts_.Binding.StorePage(Parts_.DataTree.Selected());
        Show(TPaneView::Browse);
    }
    Host_.UpdateToolButtons();
}

void TPaneViews::OpMoveWindowClick()
{
    TEditorEx& editor = *Host_.ActiveEditor();
    if (TabIndents(editor)) {
        if (!editor.ReadOnly())
            editor.TabUnIndentSelection();
        return;
    }
    if (SecondEditor_ == nullptr)
        return;
    if (&editor == SecondEditor_)
        Parts_.DataMemo.setFocus();
    else
        SecondEditor_->setFocus();
}

TPaneView TPaneViews::CloseViews()
{
    const TPaneView open = View_;
    Show(TPaneView::None);
    return open;
}

void TPaneViews::CloseBrowseView()
{
    if (BrowseViewOn())
        Show(TPaneView::None);
}

void TPaneViews::Show(TPaneView View)
{
    const TPaneView open = View_;
    if (open == View)
        return;
    SetView(TPaneView::None);
    ToggleView(open);
    SetView(View);
    ToggleView(View);
}

void TPaneViews::SetView(TPaneView View)
{
    const bool browseFlips = (View == TPaneView::Browse) != BrowseViewOn();
    View_ = View;
    Parts_.Menus.Item(Cmd::OpSplit)->SetChecked(SplitViewOn());
    Parts_.Menus.Item(Cmd::OpSplitRead)->SetChecked(BrowseViewOn());
    if (!browseFlips)
        return;
    // The browse view needs the tree beside the editor.
    Parts_.TreeDispButton.SetEnabled(!BrowseViewOn());
    TDockButton& browseButton = Parts_.BrowseButton;
    browseButton.SetHint(BrowseViewOn() ? QStringLiteral("閲覧専用画面を閉じる")
                                        : QStringLiteral("閲覧専用画面を開く"));
    browseButton.SetImageIndex(BrowseButtonImages_[BrowseViewOn() ? 1 : 0]);
}

void TPaneViews::ToggleView(TPaneView View)
{
    if (View == TPaneView::Split)
        ToggleSplitView();
    else if (View == TPaneView::Browse)
        ToggleBrowseView();
}

// A second pane that looks and behaves like DataMemo: its settings, marks,
// handlers and colouring.
TEditorEx* TPaneViews::CreateSecondEditor(QWidget* Parent, bool ShareText)
{
    TEditorEx& dataMemo = Parts_.DataMemo;
    TEditorEx* editor = TEditor::Create<TEditorEx>();
    editor->setParent(Parent);
    editor->setObjectName(QStringLiteral("SecondEditor"));
    CopyPublishedProperties(dataMemo, *editor, {TPublishedKind::pkSetting, TPublishedKind::pkMethod});
    // Shared after the settings, so that the pane shows the shared rows as
    // they are wrapped.
    if (ShareText)
        editor->ShareList(&dataMemo);
    TEditorExMarks& marks = *editor->ExMarks();
    marks.SetFindMark(dataMemo.ExMarks()->FindMark());
    marks.SetSpaceMark(dataMemo.ExMarks()->SpaceMark());
    marks.SetHit(dataMemo.ExMarks()->Hit());
    for (TEditorMark* mark : {marks.DBSpaceMark(), marks.TabMark()}) {
        mark->SetVisible(SettingsVars.SpaceTab);
        mark->SetColor(SettingsVars.ZenTabCol);
    }
    marks.SpaceMark()->SetColor(SettingsVars.HanCol);
    editor->SetModified(dataMemo.Modified());
    editor->SetSelectionMode(dataMemo.SelectionMode());
    editor->SetFountain(dataMemo.Fountain());
    SetPopupMenu(*editor, Parts_.Menus.Popup(Cmd::EditPopupMenu));
    return editor;
}

// The editor side of an open view, put in DataMemo's place beside the tree.
QSplitter* TPaneViews::CreateEditorSide()
{
    auto* panel = new QSplitter(Qt::Vertical);
    panel->setObjectName(QStringLiteral("PanelR"));
    panel->setChildrenCollapsible(false);
    panel->setMinimumWidth(SeparatorMargin);
    ReplaceEditorSide(panel);
    return panel;
}

// Side takes DataMemo's place beside the tree (null: DataMemo comes back).
void TPaneViews::ReplaceEditorSide(QWidget* Side)
{
    TEditorEx* dataMemo = &Parts_.DataMemo;
    QSplitter& separater = Parts_.Separater1;
    // Moving, the page editor passes through sizes of a few pixels, which
    // scroll its caret into the top left corner; laid out again, it shows
    // what it showed before. Queued first, this runs before the panes are
    // placed by it.
    const int topRow = dataMemo->TopRow();
    const int topCol = dataMemo->TopCol();
    QTimer::singleShot(0, dataMemo, [dataMemo, topRow, topCol] {
        CatchExceptions([&] {
            dataMemo->SetTopRow(topRow);
            dataMemo->SetTopCol(topCol);
        });
    });
    QWidget* current = PanelR_ ? static_cast<QWidget*>(PanelR_) : dataMemo;
    const int sideIndex = separater.indexOf(current);
    if (Side != nullptr) {
        // The side is laid out at once, so that the panes placed in it
        // next know their sizes.
        const QRect geometry = current->geometry();
        separater.replaceWidget(sideIndex, Side);
        Side->setGeometry(geometry);
    } else {
        separater.replaceWidget(sideIndex, dataMemo);
        dataMemo->show();
    }
    // The editor side takes what the window gains or loses, the tree
    // keeps its extent: without its stretch the splitter would share the
    // room by the sizes it was last given, which after a restart are the
    // tree's saved extent against next to nothing.
    separater.setStretchFactor(sideIndex, 1);
}

void TPaneViews::ToggleSplitView()
{
    if (!SplitViewOn()) {
        CloseSecondEditor();
        return;
    }
    TEditorEx& dataMemo = Parts_.DataMemo;
    // Moving the page editor into the new side takes its focus away.
    const bool editing = dataMemo.hasFocus();
    PanelR_ = CreateEditorSide();
    PanelR_->addWidget(&dataMemo);
    dataMemo.show();
    if (editing)
        dataMemo.setFocus();
    SecondEditor_ = CreateSecondEditor(PanelR_, true);
    PanelR_->addWidget(SecondEditor_);
    const int height = Parts_.Separater1.height();
    PanelR_->setSizes({height / 2 + 5, height - height / 2 - 5});
    SecondEditor_->SetSelStart(dataMemo.SelStart());
    // The panes get their sizes when the event loop lays them out; the
    // lower one is scrolled by them then.
    QTimer::singleShot(0, SecondEditor_, [this] { CatchExceptions([this] { PlaceSplitPane(); }); });
}

void TPaneViews::PlaceSplitPane()
{
    // The view may have closed meanwhile.
    if (SecondEditor_ == nullptr || BrowseViewOn())
        return;
    const TEditorEx& dataMemo = Parts_.DataMemo;
    // The lower pane goes on where the upper one ends.
    const int below = dataMemo.TopRow() + dataMemo.VisibleRows();
    SecondEditor_->SetTopRow(below < dataMemo.RowCount() ? below : dataMemo.TopRow());
    SecondEditor_->SetTopCol(dataMemo.TopCol());
}

// The second pane and the editor side of either view go; DataMemo takes
// the whole side again.
void TPaneViews::CloseSecondEditor()
{
    if (SecondEditor_ == nullptr)
        return;
    TEditorEx& dataMemo = Parts_.DataMemo;
    dataMemo.setFocus();
    Host_.SetActiveEditor(&dataMemo);
    TEditorEx* second = std::exchange(SecondEditor_, nullptr);
    DetachEvents(*second);
    ReplaceEditorSide(nullptr);
    // Moved back beside the tree, it lost the focus again.
    dataMemo.setFocus();
    // A shortcut typed in the pane may be closing it: it goes once its
    // event is over.
    // Out of the splitter it has no parent: the window keeps it until then.
    PanelR_->setParent(&Parts_.Window);
    PanelR_->hide();
    PanelR_->deleteLater();
    PanelR_ = nullptr;
    BrowseTab_ = nullptr;
}

void TPaneViews::ToggleBrowseView()
{
    if (BrowseViewOn())
        OpenBrowsePanes();
    else
        CloseBrowsePanes();
}

void TPaneViews::OpenBrowsePanes()
{
    const THourGlass hourGlass;
    TEditorEx& dataMemo = Parts_.DataMemo;
    TTreeView& dataTree = Parts_.DataTree;
    QWidget& panelL = Parts_.PanelL;
    // Moving the page editor into the new side takes its focus away.
    const bool editing = dataMemo.hasFocus();
    BrowseSplitter_ = new QSplitter(Qt::Vertical);
    BrowseSplitter_->setObjectName(QStringLiteral("BrowseSplitter"));
    BrowseSplitter_->setChildrenCollapsible(false);
    delete panelL.layout()->replaceWidget(&dataTree, BrowseSplitter_);
    BrowseTree_ = new TTreeView(BrowseSplitter_);
    BrowseTree_->setObjectName(QStringLiteral("BrowseTree"));
    BrowseTree_->SetFont(dataTree.Font());
    BrowseTree_->SetColor(dataTree.Color());
    if (!SettingsVars.ForderIconDel)
        BrowseTree_->SetImages(&Parts_.TreeImages);
    BrowseTree_->SetStateImages(&Parts_.TreeSubImages);
    BrowseTree_->setDragEnabled(false);
    BrowseSplitter_->addWidget(BrowseTree_);
    BrowseSplitter_->addWidget(&dataTree);
    dataTree.show();

    BrowseMirror_ = std::make_unique<TPageMirror>(*BrowseTree_);
    BrowseMirror_->CopyTree(dataTree.Items());
    if (BrowsePageNode_ == nullptr)
        BrowsePageNode_ = dataTree.Items().GetFirstNode();
    TTreeNodes& entries = BrowseTree_->Items();
    entries.OnChanging = [this](TTreeNode* Node) { CatchExceptions([&] { BrowseTreeChanging(Node); }); };
    entries.OnChange = [this](TTreeNode* Node) { CatchExceptions([&] { BrowseTreeChange(Node); }); };
    BrowseTree_->OnGetImageIndex = [](TObject*, TTreeNode* Node) {
        Node->SetImageIndex(TOutlineBinding::PageImageIndex(*Node, false));
    };
    BrowseTree_->OnGetSelectedIndex = [](TObject*, TTreeNode* Node) {
        Node->SetSelectedIndex(TOutlineBinding::PageImageIndex(*Node, true));
    };
    BrowseTree_->OnKeyDown = [this](TObject*, uint16_t& Key, TShiftState Shift) {
        if (Key == VK_TAB && Shift == TShiftState{TShiftStateItem::ssCtrl} && SecondEditor_) {
            SecondEditor_->setFocus();
            Key = 0;
        }
    };
    Parts_.PageDevideButton.SetEnabled(false);

    PanelR_ = CreateEditorSide();
    BrowseTab_ = new QTabWidget(PanelR_);
    BrowseTab_->setObjectName(QStringLiteral("BrowseTab"));
    SetPopupMenu(*BrowseTab_->tabBar(), Parts_.Menus.Popup(Cmd::TabPopup));
    SecondEditor_ = CreateSecondEditor(BrowseTab_, false);
    SecondEditor_->SetReadOnly(true);
    BrowseTab_->addTab(SecondEditor_, QString());
    BrowseTab_->tabBar()->setTabTextColor(0, Qt::blue);
    PanelR_->addWidget(BrowseTab_);
    PanelR_->addWidget(&dataMemo);
    dataMemo.show();
    if (editing)
        dataMemo.setFocus();
    // The two upper panes keep one height.
    QObject::connect(BrowseSplitter_, &QSplitter::splitterMoved, PanelR_, [this](int Pos) {
        PanelR_->setSizes({Pos, std::max(PanelR_->height() - Pos, 1)});
    });
    QObject::connect(PanelR_, &QSplitter::splitterMoved, BrowseSplitter_, [this](int Pos) {
        BrowseSplitter_->setSizes({Pos, std::max(BrowseSplitter_->height() - Pos, 1)});
    });
    const int half = panelL.height() / 2;
    BrowseSplitter_->setSizes({half, panelL.height() - half});
    PanelR_->setSizes({half, std::max(PanelR_->height() - half, 1)});

    TTreeNode* entry = BrowseMirror_->EntryOf(BrowsePageNode_);
    if (entry == BrowseTree_->Selected())
        BrowseTreeChange(entry);
    else
        BrowseTree_->SetSelected(entry);
    // Shown again once laid out, so that the caret's row is scrolled by the
    // pane's real height.
    QTimer::singleShot(0, SecondEditor_, [this] {
        CatchExceptions([this] {
            if (BrowseTree_)
                BrowseTreeChange(BrowseTree_->Selected());
        });
    });
}

void TPaneViews::CloseBrowsePanes()
{
    if (BrowseTree_ == nullptr)
        return;
    BrowsePageNode_ = BrowseMirror_->PageOf(BrowseTree_->Selected());
    CloseSecondEditor();
    TTreeNodes& entries = BrowseTree_->Items();
    entries.OnChanging = nullptr;
    entries.OnChange = nullptr;
    BrowseMirror_->Clear();
    BrowseMirror_.reset();
    TTreeView& dataTree = Parts_.DataTree;
    delete Parts_.PanelL.layout()->replaceWidget(BrowseSplitter_, &dataTree);
    dataTree.show();
    BrowseSplitter_->hide();
    BrowseSplitter_->deleteLater();
    BrowseSplitter_ = nullptr;
    BrowseTree_ = nullptr;
    dataTree.setFocus();
}

// The caret of the page being left is kept for its next showing.
void TPaneViews::BrowseTreeChanging(TTreeNode*)
{
    if (TNodeData* record = PageRecord(BrowseMirror_->PageOf(BrowseTree_->Selected())); record && SecondEditor_)
        record->SetSelStart(SecondEditor_->SelStart());
}

void TPaneViews::BrowseTreeChange(TTreeNode* Node)
{
    if (SecondEditor_ == nullptr)
        return;
    TTreeNode* page = BrowseMirror_->PageOf(Node);
    if (page != nullptr) {
        Node->SetText(page->Text());
        Node->SetStateIndex(page->StateIndex());
    }
    if (const TNodeData* record = PageRecord(page)) {
        SecondEditor_->Lines()->SetTextStr(record->ItemStr());
        SecondEditor_->SetSelStart(SettingsVars.PageCursor.Mode ? record->SelStart() : 0);
        Parts_.Binding.ScrollCaretIntoBand(*SecondEditor_);
    } else {
        SecondEditor_->Lines()->Clear();
    }
    SetBrowseTabCaption(page);
}

void TPaneViews::SetBrowseTabCaption(const TTreeNode* Page)
{
    const std::string_view title = Page ? CopyLeftDbcs(Page->Text(), BrowseTabTitleBytes) : std::string_view();
    BrowseTab_->setTabText(0, QStringLiteral(" ［閲覧専用］") + QString::fromStdString(SjisToUtf8(title)));
}

void TPaneViews::PageNodeDeleted(TTreeNode* Node)
{
    if (BrowsePageNode_ == Node)
        BrowsePageNode_ = nullptr;
    if (BrowseMirror_)
        BrowseMirror_->PageDeleted(Node);
}
