// Building the main window: the tree panel and the page editor with the
// splitter between them, the menus, the status bar; and the window's own
// events.
#include "Main.h"

#include "ClippingMode.h"
#include "CloseAfterDialogs.h"
#include "Cp932.h"
#include "Dialogs.h"
#include "DockButton.h"
#include "EditorEx.h"
#include "EditorFountain.h"
#include "ExceptionHandler.h"
#include "FontToolbar.h"
#include "FormTimer.h"
#include "HTMLFountain.h"
#include "Instances.h"
#include "OutlineBinding.h"
#include "PaneViews.h"
#include "Separate.h"
#include "StatusBarTexts.h"
#include "StatusPanel.h"
#include "Strings.h"
#include "SubIcons.h"
#include "SubIni.h"
#include "ToolButtonIds.h"
#include "ToolDock.h"
#include "TreeChangeWatch.h"
#include "TreeView.h"
#include "WindowParts.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>
#include <stdexcept>

namespace {

// How long the status bar tells of characters that became "?".
constexpr int UnmappedNoticeMs = 10000;

// The tree's node pictures: a closed and an open folder for a page with
// children, a page, and the selected page.
std::unique_ptr<TTreeImageList> CreateTreeImages()
{
    auto images = std::make_unique<TTreeImageList>();
    const auto draw = [&](QColor Fill, bool Folder, bool Open) {
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setPen(QColor(80, 80, 80));
        painter.setBrush(Fill);
        if (Folder) {
            painter.drawRect(1, 4, 13, 10);
            painter.drawRect(1, 2, 6, 2);
            if (Open)
                painter.drawLine(3, 8, 13, 8);
        } else {
            painter.drawRect(3, 1, 10, 13);
            painter.drawLine(5, 5, 11, 5);
            painter.drawLine(5, 8, 11, 8);
        }
        images->Add(pixmap);
    };
    draw(QColor(240, 210, 110), true, false);
    draw(QColor(250, 225, 140), true, true);
    draw(Qt::white, false, false);
    draw(QColor(200, 225, 255), false, false);
    return images;
}

} // namespace

TVelkForm::TVelkForm(TInstanceRegistry& Instances) : TVelkForm(Instances, nullptr) {}

TVelkForm::TVelkForm(TInstanceRegistry& Instances, std::unique_ptr<IFormTimer> Timer)
    : Instances_(Instances), Timer1_(Timer ? std::move(Timer) : std::make_unique<TQtFormTimer>()),
      Parts_(std::make_unique<TWindowParts>())
{
    Parts_->OpenDialog1 = std::make_unique<TOpenDialog>();
    Parts_->SaveDialog1 = std::make_unique<TSaveDialog>();
    Parts_->TreeImageList = CreateTreeImages();
    Parts_->CloseAfterDialogs = std::make_unique<TCloseAfterDialogs>(*this);
    Parts_->HTMLFountain1.reset(TFileExtComponent::Create<THTMLFountain>(nullptr));
    setObjectName(QStringLiteral("VelkForm"));
    resize(900, 640);
    setMenuBar(Menus_.MainMenu().MenuBar());
    CreateSettingsHost();
    CreateEditorAndTree();
    CreateToolbars();
    CreateSubIcons();
    LayOutForm();
    CreateStatusBar();
    CreateBinding();
    FollowTreeChanges();
    BindCommands();
    CreateDocumentFiles();
    setAcceptDrops(true);
    CreateClipping();
    CreateExternalEditor();
    CreateHelpCommands();
    CreatePaneViews();
    CreatePageLinks();
    Parts_->SubIcons->BindCommands();
    CreateOutlineCommands();
    CreateTreeViewCommands();
    CreateFindAndReplace();
    CreateEditCommands();
    CreateEditModeSwitch();
    CreateOptionRooms();
    Parts_->FontToolbar->BindCommands();
    BindPopups();
    Parts_->Dispatcher = std::make_unique<TShortCutDispatcher>(*this, &Menus_.MainMenu());
    Timer1_->OnTimer = [this] { CatchExceptions([this] { Timer1Timer(); }); };
    Timer1_->SetInterval(600000);
    Instances_.OnMessage = [this](const std::string& Text) { CatchExceptions([&] { AppMessageHandler(Text); }); };
    // Painting asks whether the clipboard holds text for every row, so the
    // answer is kept here and renewed only when the clipboard changes.
    const auto clipboardChanged = [this] {
        const QMimeData* mime = QApplication::clipboard()->mimeData(QClipboard::Clipboard);
        ClipboardHasText_ = mime && mime->hasText();
        Button(Cmd::sbPaste)->SetEnabled(PasteEnabled());
    };
    clipboardChanged();
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, [this, clipboardChanged] {
        CatchExceptions([&] {
            clipboardChanged();
            if (ClipboardHasText_)
                Parts_->Clipping->CaptureClipboard();
        });
    });
}

TVelkForm::~TVelkForm()
{
    // FormDestroy: the binding goes before the tree whose events it handles.
    Instances_.OnMessage = nullptr;
    Timer1_->SetInterval(std::nullopt);
    Parts_->Dispatcher.reset();
    Parts_->Binding.reset();
    Parts_->TreeWatch.reset();
    // The panes go while the form is whole, deaf to their last events.
    for (TNotifyEvent* event : {&DataMemo_->OnChange, &DataMemo_->OnCaretMoved, &DataMemo_->OnEnter, &DataMemo_->OnExit,
                                &DataMemo_->OnResize})
        *event = nullptr;
    DataMemo_->OnSelectionChange = nullptr;
    DataMemo_->OnDrawLine = nullptr;
    DataMemo_->OnUnmappedCharacters = nullptr;
    delete Separater1_;
}

void TVelkForm::CreateEditorAndTree()
{
    auto* separater = new TSeparater(this);
    separater->SetLineWidth(3);
    separater->SetUpperMgn(SeparatorMargin);
    separater->SetLowerMgn(SeparatorMargin);
    Separater1_ = separater;
    Separater1_->setObjectName(QStringLiteral("Separater1"));
    Separater1_->setChildrenCollapsible(false);

    PanelL_ = new QWidget(Separater1_);
    PanelL_->setObjectName(QStringLiteral("PanelL"));
    auto* panelLayout = new QVBoxLayout(PanelL_);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    DataTree_ = new TTreeView(PanelL_);
    DataTree_->setObjectName(QStringLiteral("DataTree"));
    DataTree_->SetImages(Parts_->TreeImageList.get());
    // What the tree shows until the settings file names its font.
    static const std::string treeFace = Utf8ToSjis("ＭＳ Ｐゴシック");
    TFont treeFont;
    treeFont.SetName(treeFace);
    treeFont.SetHeight(-13);
    treeFont.SetColor(clBlack);
    DataTree_->SetFont(treeFont);
    panelLayout->addWidget(DataTree_);

    DataMemo_ = TEditor::Create<TEditorEx>();
    DataMemo_->setParent(Separater1_);
    DataMemo_->setObjectName(QStringLiteral("DataMemo"));
    TFont font;
    font.SetName("IPAGothic");
    font.SetHeight(-16);
    font.SetColor(clBlack);
    DataMemo_->SetFont(&font);
    DataMemo_->SetScrollBars(TScrollStyle::ssBoth);
    DataMemo_->WrapOption()->SetLeading(true);
    DataMemo_->WrapOption()->SetFollowPunctuation(true);
    DataMemo_->SetWordWrap(true);
    DataMemo_->Leftbar()->SetVisible(true);
    DataMemo_->Ruler()->SetVisible(true);
    DataMemo_->Marks()->RetMark()->SetVisible(true);
    DataMemo_->Marks()->EofMark()->SetVisible(true);
    ActiveEditor_ = DataMemo_;

    DataMemo_->OnChange = [this](TObject* Sender) { DataMemoChange(Sender); };
    DataMemo_->OnCaretMoved = [this](TObject* Sender) { DataMemoCaretMoved(Sender); };
    DataMemo_->OnSelectionChange = [this](TObject* Sender, bool Selected) {
        DataMemoSelectionChange(Sender, Selected);
    };
    DataMemo_->OnEnter = [this](TObject* Sender) { DataMemoEnter(Sender); };
    DataMemo_->OnExit = [this](TObject* Sender) { DataMemoExit(Sender); };
    DataMemo_->OnResize = [this](TObject* Sender) { DataMemoResize(Sender); };
    DataMemo_->OnDrawLine = [this](TObject* Sender, const std::string& LineStr, int X, int Y, int Index,
                                   const QRect& ARect,
                                   bool Selected) { DataMemoDrawLine(Sender, LineStr, X, Y, Index, ARect, Selected); };
    DataMemo_->OnMouseWheel = [this](TObject*, int Notch) { WMMouseWheel(Notch); };
    // Text with characters Shift-JIS cannot hold is told of in the status
    // bar, where it does not stop the typing.
    DataMemo_->OnUnmappedCharacters = [this](TObject*, int Count) { ShowUnmappedNotice(Count); };

    Separater1_->addWidget(PanelL_);
    Separater1_->addWidget(DataMemo_);
    Separater1_->setStretchFactor(0, 0);
    Separater1_->setStretchFactor(1, 1);
    Separater1_->setSizes({200, 700});
}

void TVelkForm::ShowUnmappedNotice(int Count)
{
    if (Count > 0)
        statusBar()->showMessage(QString::fromStdString(UnmappedCharactersText(Count)), UnmappedNoticeMs);
}

// A line above the panes rather than a box: the user may be typing, and
// the notice must neither take the focus nor a key, nor go before the user
// dealt with what it tells.
QLabel* TVelkForm::CreateFileNotice()
{
    FileNotice_ = new QLabel(this);
    FileNotice_->setObjectName(QStringLiteral("FileNotice"));
    FileNotice_->setFocusPolicy(Qt::NoFocus);
    FileNotice_->setTextFormat(Qt::PlainText);
    FileNotice_->setTextInteractionFlags(Qt::NoTextInteraction);
    FileNotice_->setWordWrap(true);
    FileNotice_->setFrameShape(QFrame::StyledPanel);
    FileNotice_->setMargin(FileNotice_->fontMetrics().height() / 4);
    FileNotice_->setBackgroundRole(QPalette::ToolTipBase);
    FileNotice_->setForegroundRole(QPalette::ToolTipText);
    FileNotice_->setAutoFillBackground(true);
    FileNotice_->hide();
    return FileNotice_;
}

void TVelkForm::ShowFileNotice(const std::string& Text)
{
    FileNotice_->setText(QString::fromStdString(Text));
    FileNotice_->setVisible(!Text.empty());
}

void TVelkForm::LayOutForm()
{
    // ToolDock1 runs along the top, ToolDock2 down the left of the panes.
    ToolDock1_->SetBoundLines({TDockBoundLine::blTop, TDockBoundLine::blLeft});
    ToolDock1_->SetFixAlign(true);
    auto* central = new QWidget(this);
    auto* rows = new QVBoxLayout(central);
    rows->setContentsMargins(0, 0, 0, 0);
    rows->setSpacing(0);
    rows->addWidget(ToolDock1_);
    rows->addWidget(CreateFileNotice());
    auto* columns = new QHBoxLayout;
    columns->setSpacing(0);
    columns->addWidget(ToolDock2_);
    columns->addWidget(Separater1_, 1);
    rows->addLayout(columns, 1);
    setCentralWidget(central);
}

void TVelkForm::CreateStatusBar()
{
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    StatusPanelRow_ = new TStatusPanelRow(bar);
    bar->addWidget(StatusPanelRow_, 1);
    for (size_t i = 0; i < StatusPanels_.size(); ++i) {
        TStatusPanel* panel = StatusPanelRow_->AddPanel();
        const QString widest = QString::fromStdString(WidestPanelText(static_cast<int>(i)));
        StatusPanelRow_->SetPanelWidth(*panel, std::max(StatusPanelWidths[i], panel->WidthFor(widest)));
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        StatusPanels_[i] = panel;
    }
}

TPopupMenu* TVelkForm::EditPopupMenu() const { return Menus_.Popup(Cmd::EditPopupMenu); }

TPopupMenu* TVelkForm::ImagePopupMenu() const { return Menus_.Popup(Cmd::ImagePopupMenu); }

TDockToolbar* TVelkForm::Toolbar(std::string_view Name) const
{
    const auto found = Parts_->Toolbars.find(Name);
    return found == Parts_->Toolbars.end() ? nullptr : found->second;
}

TDockButton* TVelkForm::ToolButton(std::string_view Name) const
{
    for (const auto& [id, button] : Parts_->Buttons)
        if (id.Name() == Name)
            return button;
    throw std::invalid_argument("no toolbar button " + std::string(Name));
}

TDockButton* TVelkForm::Button(TCommandId Id) const
{
    TDockButton* button = FindButton(Id);
    if (!button)
        throw std::logic_error("no toolbar button " + std::string(Id.Name()));
    return button;
}

TDockButton* TVelkForm::FindButton(TCommandId Id) const
{
    const auto found = Parts_->Buttons.find(Id);
    return found == Parts_->Buttons.end() ? nullptr : found->second;
}

void TVelkForm::showEvent(QShowEvent* Event)
{
    QMainWindow::showEvent(Event);
    CatchExceptions([this] {
        if (!Shown_) {
            Shown_ = true;
            FormShow();
        }
    });
}

void TVelkForm::closeEvent(QCloseEvent* Event)
{
    bool canClose = false;
    CatchExceptions([&] { canClose = FormCloseQuery(); });
    if (canClose)
        Event->accept();
    else
        Event->ignore();
}
