#include "FindIconForm.h"

#include "Cp932.h"
#include "DialogFrame.h"
#include "DockButton.h"
#include "DockToolbar.h"
#include "ExceptionHandler.h"
#include "QtColor.h"
#include "ShortCutText.h"
#include "ToolDock.h"
#include "ToolImageList.h"
#include "TreeView.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QVBoxLayout>

namespace {

QString Utf8(const std::string& Sjis) { return QString::fromStdString(SjisToUtf8(Sjis)); }

// The name of sub-icon Filter, empty when the settings name fewer.
std::string NameOf(const std::vector<std::string>& Names, int Filter)
{
    return static_cast<size_t>(Filter - 1) < Names.size() ? Names[static_cast<size_t>(Filter - 1)] : std::string();
}

} // namespace

// ---- TKeyLegend -------------------------------------------------------------------------------------

TKeyLegend::TKeyLegend(QWidget* Parent, const std::array<TDockButton*, AllSubIconsFilter>& Buttons)
    : QWidget(Parent), Buttons_(Buttons)
{
    setObjectName(QStringLiteral("KeyLegend"));
    setFixedHeight(fontMetrics().height() + 2);
}

QString TKeyLegend::Key(int Filter)
{
    return Filter == AllSubIconsFilter ? QStringLiteral("-") : QString::number(Filter % 10);
}

int TKeyLegend::KeyCentre(int Filter) const
{
    const TDockButton* button = Buttons_.at(static_cast<size_t>(Filter - 1));
    return mapFromGlobal(button->mapToGlobal(QPoint(button->width() / 2, 0))).x();
}

void TKeyLegend::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    for (int filter = 1; filter <= AllSubIconsFilter; ++filter) {
        const QString key = Key(filter);
        painter.drawText(KeyCentre(filter) - metrics.horizontalAdvance(key) / 2, metrics.ascent() + 1, key);
    }
}

// ---- TFindIconForm ----------------------------------------------------------------------------------

TFindIconForm::TFindIconForm(QWidget* MainWindow, TTreeView& DataTree, TTreeImageList& SubIcons,
                             const std::vector<std::string>& Names, bool AltShortcuts)
    : QWidget(MainWindow, Qt::Window), DataTree_(DataTree)
{
    setObjectName(QStringLiteral("FindIconForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    SetDialogFrame(*this, TDialogBorder::Sizable);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    CreateMenu(Names);
    layout->setMenuBar(IconMemu_.MenuBar());
    auto* dock = new TToolDock(this, "IconDock", TDockPosition::dpTop);
    layout->addWidget(dock);
    CreateToolbar(SubIcons, Names);
    auto* bar = new TDockToolbar(dock, "IconBar");
    for (TDockButton* button : Buttons_)
        button->setParent(bar);
    CkAlt_ = new QCheckBox(QStringLiteral("Alt"), bar);
    CkAlt_->setToolTip(QStringLiteral("ショートカットキー切替"));
    CkAlt_->setChecked(AltShortcuts);
    CkAlt_->setFocusPolicy(Qt::NoFocus);
    connect(CkAlt_, &QCheckBox::toggled, this, [this] { CatchExceptions([this] { AssignIconShortcuts(); }); });
    LbSubIcon_ = new QLabel(bar);
    LbSubIcon_->setObjectName(QStringLiteral("LbSubIcon"));
    LbSubIcon_->setAutoFillBackground(true);
    LbSubIcon_->setMinimumWidth(LbSubIcon_->fontMetrics().horizontalAdvance(QStringLiteral("全部で 10000 ページ")));
    Legend_ = new TKeyLegend(this, Buttons_);
    layout->addWidget(Legend_);
    IconTree_ = new TTreeView(this);
    IconTree_->setObjectName(QStringLiteral("IconTree"));
    IconTree_->setRootIsDecorated(false);
    IconTree_->setDragEnabled(false);
    IconTree_->SetImages(&SubIcons);
    IconTree_->OnGetSelectedIndex = [](TObject*, TTreeNode* Node) { Node->SetSelectedIndex(Node->ImageIndex()); };
    IconTree_->OnKeyDown = [this](TObject*, uint16_t& Key, TShiftState) {
        if (Key == VK_LEFT || Key == VK_RIGHT) {
            StepFilter(Key == VK_LEFT ? -1 : 1);
            Key = 0;
        } else if (Key == VK_RETURN) {
            IconTreeClick();
            Key = 0;
        }
    };
    connect(IconTree_, &QTreeView::clicked, this, [this] { CatchExceptions([this] { IconTreeClick(); }); });
    layout->addWidget(IconTree_, 1);
    Entries_ = std::make_unique<TPageMirror>(*IconTree_);
    Dispatcher_ = std::make_unique<TShortCutDispatcher>(*this, &IconMemu_);
    AssignIconShortcuts();
}

TFindIconForm::~TFindIconForm() = default;

void TFindIconForm::CreateMenu(const std::vector<std::string>& Names)
{
    TMenuItem* top = IconMemu_.Items().Add("IconMemu", QStringLiteral("アイコン検索(&D)"));
    for (int filter = 1; filter <= AllSubIconsFilter; ++filter) {
        const bool all = filter == AllSubIconsFilter;
        const QString caption =
            all ? QStringLiteral("&A 全てのアイコン")
                : QStringLiteral("&%1 ").arg(filter % 10) + EscapeMenuCaption(Utf8(NameOf(Names, filter)));
        const std::string name = all ? "SubAll" : (filter < 10 ? "Sub0" : "Sub") + std::to_string(filter);
        SubItems_[static_cast<size_t>(filter - 1)] =
            top->Add(name, caption, [this, filter](TObject*) { ShowFilter(filter); });
        SubItems_[static_cast<size_t>(filter - 1)]->SetTag(filter);
    }
}

void TFindIconForm::CreateToolbar(TTreeImageList& SubIcons, const std::vector<std::string>& Names)
{
    ButtonImages_ = std::make_unique<TToolImageList>();
    for (int i = 0; i < SubIcons.Count(); ++i)
        ButtonImages_->Add(*SubIcons.Image(i));
    QPixmap allPicture(16, 16);
    allPicture.fill(Qt::transparent);
    {
        QPainter painter(&allPicture);
        painter.setPen(QColor(30, 60, 120));
        painter.drawText(allPicture.rect(), Qt::AlignCenter, QStringLiteral("全"));
    }
    const int allImage = ButtonImages_->Add(allPicture);
    for (int filter = 1; filter <= AllSubIconsFilter; ++filter) {
        const bool all = filter == AllSubIconsFilter;
        auto* button = new TDockButton(this, all ? QStringLiteral("全てのアイコン") : Utf8(NameOf(Names, filter)));
        button->setObjectName(all ? QStringLiteral("TbIconAll") : QStringLiteral("TbIcon%1").arg(filter));
        button->SetImages(ButtonImages_.get());
        button->SetImageIndex(all ? allImage : filter);
        button->SetGroupIndex(1);
        button->SetTag(filter);
        button->OnClick = [this, filter](TObject*) { CatchExceptions([&] { ShowFilter(filter); }); };
        Buttons_[static_cast<size_t>(filter - 1)] = button;
    }
}

void TFindIconForm::AssignIconShortcuts()
{
    const bool alt = CkAlt_->isChecked();
    for (int filter = 1; filter <= AllSubIconsFilter; ++filter) {
        SubItem(filter)->SetShortCut(
            TextToShortCut((alt ? "Alt+" : "Shift+Ctrl+") + TKeyLegend::Key(filter).toStdString()));
    }
}

void TFindIconForm::ShowFilter(int Filter)
{
    Filter_ = Filter;
    TbIcon(Filter)->SetDown(true);
    TTreeNodes& entries = IconTree_->Items();
    const TTreeNode* shown = DataTree_.Selected();
    TTreeNode* shownEntry = nullptr;
    entries.BeginUpdate();
    Entries_->Clear();
    for (TTreeNode* page = DataTree_.Items().GetFirstNode(); page != nullptr; page = page->GetNext()) {
        const int subIcon = page->StateIndex();
        if (Filter == AllSubIconsFilter ? subIcon <= 0 : subIcon != Filter)
            continue;
        TTreeNode* entry = Entries_->AddEntry(page, page->Text());
        entry->SetImageIndex(subIcon);
        if (page == shown)
            shownEntry = entry;
    }
    entries.EndUpdate();
    TellCount(entries.Count());
    if (TTreeNode* entry = shownEntry ? shownEntry : entries.GetFirstNode())
        IconTree_->SetSelected(entry);
    IconTree_->setFocus();
    if (OnFilterChange)
        OnFilterChange(Filter);
}

void TFindIconForm::TellCount(int Count)
{
    QPalette palette = LbSubIcon_->palette();
    if (Count == 0) {
        palette.setColor(QPalette::Window, ColorToQColor(TColor(0xF3FFFF)));
        palette.setColor(QPalette::WindowText, ColorToQColor(TColor(0x8000FF)));
        LbSubIcon_->setText(QStringLiteral("なし"));
    } else {
        palette = LbSubIcon_->parentWidget()->palette();
        LbSubIcon_->setText(Filter_ == AllSubIconsFilter ? QStringLiteral("全部で %1 ページ").arg(Count)
                                                         : QStringLiteral(" %1 ページ").arg(Count));
    }
    LbSubIcon_->setPalette(palette);
}

void TFindIconForm::StepFilter(int Step)
{
    ShowFilter((Filter_ - 1 + Step + AllSubIconsFilter) % AllSubIconsFilter + 1);
}

void TFindIconForm::PageDeleted(const TTreeNode* Page)
{
    Entries_->PageDeleted(Page);
    TellCount(IconTree_->Items().Count());
}

void TFindIconForm::IconTreeClick()
{
    if (TTreeNode* page = Entries_->PageOf(IconTree_->Selected()); page && OnSelectPage)
        OnSelectPage(page);
}

void TFindIconForm::keyPressEvent(QKeyEvent* Event)
{
    CatchExceptions([&] {
        if (Event->key() == Qt::Key_Escape)
            close();
        else if (Event->key() == Qt::Key_Left || Event->key() == Qt::Key_Right)
            StepFilter(Event->key() == Qt::Key_Left ? -1 : 1);
        else
            QWidget::keyPressEvent(Event);
    });
}

void TFindIconForm::closeEvent(QCloseEvent* Event)
{
    CatchExceptions([&] {
        if (OnClose)
            OnClose();
    });
    QWidget::closeEvent(Event);
}
