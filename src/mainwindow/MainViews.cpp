// The split view (the page in two panes sharing one text) and the browse
// view (a second, read-only page tree and editor to read one page while
// writing another). Their panes are made when a view opens and go when it
// closes.
#include "Main.h"

#include "Cp932.h"
#include "DockButton.h"
#include "EditorEx.h"
#include "ExceptionHandler.h"
#include "HPropUtils.h"
#include "HourGlass.h"
#include "NodeData.h"
#include "PageTitle.h"
#include "SubIcons.h"
#include "SubIni.h"
#include "ToolImageList.h"
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

void TVelkForm::BindViewCommands()
{
    const auto browse = [this] { OpSplitReadClick(); };
    const TCommandBinding items[] = {
        {"OpSplit", [this] { OpSplitClick(); }},
        {"OpSplitRead", browse},
        {"TabClose", browse},
        {"OpMoveWindow", [this] { OpMoveWindowClick(); }},
    };
    BindItems(items);
    PanelL_->setMinimumWidth(SeparatorMargin);
    DataMemo_->setMinimumWidth(SeparatorMargin);
    TDockButton* browseButton = Button("sbSplitTargetNode");
    browseButton->OnClick = [browse](TObject*) { CatchExceptions(browse); };
    const int openPicture = browseButton->ImageIndex();
    BrowseButtonImages_ = {openPicture, ButtonImages_->Add(ClosingPicture(ButtonImages_->Image(openPicture)))};
}

void TVelkForm::OpSplitClick()
{
    if (Menus_.Item("TreeDisp")->Checked())
        return;
    if (BrowseViewOn()) {
        Menus_.Item("OpSplitRead")->SetChecked(false);
        ToggleBrowseView();
    }
    TMenuItem* split = Menus_.Item("OpSplit");
    split->SetChecked(!split->Checked());
    ToggleSplitView();
    UpdateToolButtons();
}

void TVelkForm::OpSplitReadClick()
{
    if (DataTree_->Items().Count() < 2 || Menus_.Item("TreeDisp")->Checked())
        return;
    TMenuItem* split = Menus_.Item("OpSplit");
    if (split->Checked()) {
        split->SetChecked(false);
        ToggleSplitView();
    }
    TMenuItem* browse = Menus_.Item("OpSplitRead");
    browse->SetChecked(!browse->Checked());
    Button("sbToEditor")->SetEnabled(!browse->Checked());
    if (browse->Checked())
        StorePage(DataTree_->Selected());
    ToggleBrowseView();
    UpdateToolButtons();
}

TVelkForm::TOpenViews TVelkForm::CloseViews()
{
    const TOpenViews open{Menus_.Item("OpSplit")->Checked(), BrowseViewOn()};
    if (open.Split) {
        Menus_.Item("OpSplit")->SetChecked(false);
        ToggleSplitView();
    }
    if (open.Browse) {
        Menus_.Item("OpSplitRead")->SetChecked(false);
        ToggleBrowseView();
    }
    return open;
}

void TVelkForm::ReopenViews(TOpenViews Views)
{
    if (Views.Split) {
        Menus_.Item("OpSplit")->SetChecked(true);
        ToggleSplitView();
    }
    if (Views.Browse) {
        Menus_.Item("OpSplitRead")->SetChecked(true);
        ToggleBrowseView();
    }
}

// A second pane that looks and behaves like DataMemo: its settings, marks,
// handlers and colouring.
TEditorEx* TVelkForm::CreateSecondEditor(QWidget* Parent, bool ShareText)
{
    TEditorEx* editor = TEditor::Create<TEditorEx>();
    editor->setParent(Parent);
    editor->setObjectName(QStringLiteral("SecondEditor"));
    CopyPublishedProperties(*DataMemo_, *editor, {TPublishedKind::pkSetting, TPublishedKind::pkMethod});
    // Shared after the settings, so that the pane shows the shared rows as
    // they are wrapped.
    if (ShareText)
        editor->ShareList(DataMemo_);
    TEditorExMarks& marks = *editor->ExMarks();
    marks.SetFindMark(DataMemo_->ExMarks()->FindMark());
    marks.SetSpaceMark(DataMemo_->ExMarks()->SpaceMark());
    marks.SetHit(DataMemo_->ExMarks()->Hit());
    for (TEditorMark* mark : {marks.DBSpaceMark(), marks.TabMark()}) {
        mark->SetVisible(SettingsVars.SpaceTab);
        mark->SetColor(SettingsVars.ZenTabCol);
    }
    marks.SpaceMark()->SetColor(SettingsVars.HanCol);
    editor->SetModified(DataMemo_->Modified());
    editor->SetSelectionMode(DataMemo_->SelectionMode());
    editor->SetFountain(DataMemo_->Fountain());
    SetPopupMenu(*editor, Menus_.Popup("EditPopupMenu"));
    return editor;
}

// Side takes DataMemo's place beside the tree (null: DataMemo comes back).
void TVelkForm::ReplaceEditorSide(QWidget* Side)
{
    // Moving, the page editor passes through sizes of a few pixels, which
    // scroll its caret into the top left corner; laid out again, it shows
    // what it showed before. Queued first, this runs before the panes are
    // placed by it.
    const int topRow = DataMemo_->TopRow();
    const int topCol = DataMemo_->TopCol();
    QTimer::singleShot(0, DataMemo_, [this, topRow, topCol] {
        CatchExceptions([&] {
            DataMemo_->SetTopRow(topRow);
            DataMemo_->SetTopCol(topCol);
        });
    });
    QWidget* current = PanelR_ ? static_cast<QWidget*>(PanelR_) : DataMemo_;
    const int sideIndex = Separater1_->indexOf(current);
    if (Side != nullptr) {
        // The side is laid out at once, so that the panes placed in it
        // next know their sizes.
        const QRect geometry = current->geometry();
        Separater1_->replaceWidget(sideIndex, Side);
        Side->setGeometry(geometry);
    } else {
        Separater1_->replaceWidget(sideIndex, DataMemo_);
        DataMemo_->show();
    }
    // The editor side takes what the window gains or loses, the tree
    // keeps its extent: without its stretch the splitter would share the
    // room by the sizes it was last given, which after a restart are the
    // tree's saved extent against next to nothing.
    Separater1_->setStretchFactor(sideIndex, 1);
}

void TVelkForm::ToggleSplitView()
{
    if (!Menus_.Item("OpSplit")->Checked()) {
        CloseSecondEditor();
        return;
    }
    // Moving the page editor into the new side takes its focus away.
    const bool editing = DataMemo_->hasFocus();
    auto* panel = new QSplitter(Qt::Vertical);
    panel->setObjectName(QStringLiteral("PanelR"));
    panel->setChildrenCollapsible(false);
    panel->setMinimumWidth(SeparatorMargin);
    ReplaceEditorSide(panel);
    PanelR_ = panel;
    PanelR_->addWidget(DataMemo_);
    DataMemo_->show();
    if (editing)
        DataMemo_->setFocus();
    SecondEditor_ = CreateSecondEditor(PanelR_, true);
    PanelR_->addWidget(SecondEditor_);
    const int height = Separater1_->height();
    PanelR_->setSizes({height / 2 + 5, height - height / 2 - 5});
    SecondEditor_->SetSelStart(DataMemo_->SelStart());
    // The panes get their sizes when the event loop lays them out; the
    // lower one is scrolled by them then.
    QTimer::singleShot(0, SecondEditor_, [this] { CatchExceptions([this] { PlaceSplitPane(); }); });
}

void TVelkForm::PlaceSplitPane()
{
    // The view may have closed meanwhile.
    if (SecondEditor_ == nullptr || BrowseViewOn())
        return;
    // The lower pane goes on where the upper one ends.
    const int below = DataMemo_->TopRow() + DataMemo_->VisibleRows();
    SecondEditor_->SetTopRow(below < DataMemo_->RowCount() ? below : DataMemo_->TopRow());
    SecondEditor_->SetTopCol(DataMemo_->TopCol());
}

// The second pane and the editor side of either view go; DataMemo takes
// the whole side again.
void TVelkForm::CloseSecondEditor()
{
    if (SecondEditor_ == nullptr)
        return;
    DataMemo_->setFocus();
    ActiveEditor_ = DataMemo_;
    TEditorEx* second = std::exchange(SecondEditor_, nullptr);
    DetachEvents(*second);
    ReplaceEditorSide(nullptr);
    // Moved back beside the tree, it lost the focus again.
    DataMemo_->setFocus();
    // A shortcut typed in the pane may be closing it: it goes once its
    // event is over.
    // Out of the splitter it has no parent: the window keeps it until then.
    PanelR_->setParent(this);
    PanelR_->hide();
    PanelR_->deleteLater();
    PanelR_ = nullptr;
    BrowseTab_ = nullptr;
}

void TVelkForm::ToggleBrowseView()
{
    if (Menus_.Item("OpSplitRead")->Checked())
        OpenBrowseView();
    else
        CloseBrowseView();
}

void TVelkForm::OpenBrowseView()
{
    const THourGlass hourGlass;
    // Moving the page editor into the new side takes its focus away.
    const bool editing = DataMemo_->hasFocus();
    BrowseSplitter_ = new QSplitter(Qt::Vertical);
    BrowseSplitter_->setObjectName(QStringLiteral("BrowseSplitter"));
    BrowseSplitter_->setChildrenCollapsible(false);
    delete PanelL_->layout()->replaceWidget(DataTree_, BrowseSplitter_);
    BrowseTree_ = new TTreeView(BrowseSplitter_);
    BrowseTree_->setObjectName(QStringLiteral("BrowseTree"));
    BrowseTree_->SetFont(DataTree_->Font());
    BrowseTree_->SetColor(DataTree_->Color());
    if (!SettingsVars.ForderIconDel)
        BrowseTree_->SetImages(TreeImageList_.get());
    BrowseTree_->SetStateImages(&SubIcons_->TreeSubImageList());
    BrowseTree_->setDragEnabled(false);
    BrowseSplitter_->addWidget(BrowseTree_);
    BrowseSplitter_->addWidget(DataTree_);
    DataTree_->show();

    BrowseMirror_ = std::make_unique<TPageMirror>(*BrowseTree_);
    BrowseMirror_->CopyTree(DataTree_->Items());
    if (BrowsePageNode_ == nullptr)
        BrowsePageNode_ = DataTree_->Items().GetFirstNode();
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
    Button("sbPageDevide")->SetEnabled(false);

    auto* panel = new QSplitter(Qt::Vertical);
    panel->setObjectName(QStringLiteral("PanelR"));
    panel->setChildrenCollapsible(false);
    panel->setMinimumWidth(SeparatorMargin);
    ReplaceEditorSide(panel);
    PanelR_ = panel;
    BrowseTab_ = new QTabWidget(PanelR_);
    BrowseTab_->setObjectName(QStringLiteral("BrowseTab"));
    SetPopupMenu(*BrowseTab_->tabBar(), Menus_.Popup("TabPopup"));
    SecondEditor_ = CreateSecondEditor(BrowseTab_, false);
    SecondEditor_->SetReadOnly(true);
    BrowseTab_->addTab(SecondEditor_, QString());
    BrowseTab_->tabBar()->setTabTextColor(0, Qt::blue);
    PanelR_->addWidget(BrowseTab_);
    PanelR_->addWidget(DataMemo_);
    DataMemo_->show();
    if (editing)
        DataMemo_->setFocus();
    // The two upper panes keep one height.
    connect(BrowseSplitter_, &QSplitter::splitterMoved, PanelR_, [this](int Pos) {
        PanelR_->setSizes({Pos, std::max(PanelR_->height() - Pos, 1)});
    });
    connect(PanelR_, &QSplitter::splitterMoved, BrowseSplitter_, [this](int Pos) {
        BrowseSplitter_->setSizes({Pos, std::max(BrowseSplitter_->height() - Pos, 1)});
    });
    const int half = PanelL_->height() / 2;
    BrowseSplitter_->setSizes({half, PanelL_->height() - half});
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
    Button("sbSplitTargetNode")->SetHint(QStringLiteral("閲覧専用画面を閉じる"));
    Button("sbSplitTargetNode")->SetImageIndex(BrowseButtonImages_[1]);
}

void TVelkForm::CloseBrowseView()
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
    delete PanelL_->layout()->replaceWidget(BrowseSplitter_, DataTree_);
    DataTree_->show();
    BrowseSplitter_->hide();
    BrowseSplitter_->deleteLater();
    BrowseSplitter_ = nullptr;
    BrowseTree_ = nullptr;
    Button("sbSplitTargetNode")->SetHint(QStringLiteral("閲覧専用画面を開く"));
    Button("sbSplitTargetNode")->SetImageIndex(BrowseButtonImages_[0]);
    DataTree_->setFocus();
}

// The caret of the page being left is kept for its next showing.
void TVelkForm::BrowseTreeChanging(TTreeNode*)
{
    if (TNodeData* record = PageRecord(BrowseMirror_->PageOf(BrowseTree_->Selected())); record && SecondEditor_)
        record->SetSelStart(SecondEditor_->SelStart());
}

void TVelkForm::BrowseTreeChange(TTreeNode* Node)
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
        Binding_->ScrollCaretIntoBand(*SecondEditor_);
    } else {
        SecondEditor_->Lines()->Clear();
    }
    SetBrowseTabCaption(page);
}

void TVelkForm::SetBrowseTabCaption(const TTreeNode* Page)
{
    const std::string_view title = Page ? CopyLeftDbcs(Page->Text(), BrowseTabTitleBytes) : std::string_view();
    BrowseTab_->setTabText(0, QStringLiteral(" ［閲覧専用］") + QString::fromStdString(SjisToUtf8(title)));
}

// Nothing may lead to a deleted page: the browse view's entry and its next
// page, the finder's entry and the result list's entry go with it.
void TVelkForm::PageNodeDeleted(TTreeNode* Node)
{
    if (BrowsePageNode_ == Node)
        BrowsePageNode_ = nullptr;
    if (BrowseMirror_)
        BrowseMirror_->PageDeleted(Node);
    if (SubIcons_)
        SubIcons_->PageDeleted(Node);
    // The list goes before the tree while the window is destroyed.
    if (FindList_)
        FindList_->PageNodeDeleted(Node);
}
