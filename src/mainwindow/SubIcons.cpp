#include "SubIcons.h"

#include "Cp932.h"
#include "Dialogs.h"
#include "DockButton.h"
#include "EditorEx.h"
#include "EditorQueries.h"
#include "ExceptionHandler.h"
#include "FileNameField.h"
#include "FindIconForm.h"
#include "MainMenus.h"
#include "MenuItemIds.h"
#include "Menus.h"
#include "OsPath.h"
#include "Paths.h"
#include "Strings.h"
#include "SubIconHost.h"
#include "SubIni.h"
#include "ToolButtonIds.h"
#include "ToolImageList.h"
#include "TreeImageList.h"
#include "TreeView.h"

#include <QAction>
#include <QCheckBox>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

// The pictures of the "none" entry and the ten sub-icons, and how many
// bitmaps of the folder are taken.
constexpr int SubIconPictures = 11;
// The colour that is transparent in a sub-icon bitmap.
const QColor MaskColor(255, 0, 255);

// Our own pictures: a hollow box for "none", then ten coloured marks.
std::vector<QPixmap> DefaultSubIcons()
{
    static const QColor colours[] = {
        {230, 40, 40}, {250, 150, 20}, {230, 210, 0},  {40, 170, 60}, {20, 170, 200},
        {40, 80, 220}, {150, 60, 200}, {230, 90, 170}, {120, 80, 40}, {90, 90, 90},
    };
    std::vector<QPixmap> pictures;
    QPixmap none(16, 16);
    none.fill(Qt::transparent);
    {
        QPainter painter(&none);
        painter.setPen(QColor(128, 128, 128));
        painter.drawRect(3, 3, 9, 9);
    }
    pictures.push_back(none);
    for (size_t i = 0; i < std::size(colours); ++i) {
        QPixmap pixmap(16, 16);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(colours[i].darker(150));
        painter.setBrush(colours[i]);
        // Odd marks round, even marks square, so that the colours need not
        // be told apart.
        if (i % 2 == 0)
            painter.drawEllipse(2, 2, 11, 11);
        else
            painter.drawRoundedRect(2, 2, 11, 11, 2, 2);
        pictures.push_back(pixmap);
    }
    return pictures;
}

// The readable "*.bmp" files (in any letter case) in Folder, by name, in
// the system's form: read by their bytes, as Qt cannot name a folder whose
// name is not UTF-8. False when Folder is no folder.
bool BitmapFiles(const std::string& Folder, std::vector<std::string>& Files)
{
    std::error_code error;
    std::filesystem::directory_iterator entries(Folder, error);
    if (error)
        return false;
    for (; !error && entries != std::filesystem::directory_iterator(); entries.increment(error)) {
        const std::filesystem::directory_entry& entry = *entries;
        std::string extension = entry.path().extension().string();
        std::transform(extension.begin(), extension.end(), extension.begin(),
                       [](char C) { return C >= 'A' && C <= 'Z' ? static_cast<char>(C - 'A' + 'a') : C; });
        std::error_code ignored;
        if (extension == ".bmp" && entry.is_regular_file(ignored) && ::access(entry.path().c_str(), R_OK) == 0)
            Files.push_back(entry.path().string());
    }
    std::sort(Files.begin(), Files.end());
    return true;
}

QImage BitmapImage(const std::string& OsName)
{
    std::ifstream in(OsName, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    return QImage::fromData(QByteArray::fromStdString(bytes));
}

QPixmap Masked(const QImage& Image)
{
    QPixmap pixmap = QPixmap::fromImage(Image);
    pixmap.setMask(pixmap.createMaskFromColor(MaskColor));
    return pixmap;
}

// The ten names offered until the user names the sub-icons in the options.
const std::vector<std::string>& DefaultSubIconNames()
{
    static const std::vector<std::string> names = [] {
        std::vector<std::string> made;
        for (const char* name : {"お手数を", "かけますが", "適当な項目名を", "オプション－設定", "のツリーで",
                                 "指定して下さい", "サブアイコンは", "１６色しか", "指定できません", "＜(_ _)＞"})
            made.push_back(Utf8ToSjis(name));
        return made;
    }();
    return names;
}

} // namespace

TSubIcons::TSubIcons(ISubIconHost& Host, QWidget& Window, TTreeView& DataTree, TVelkMenus& Menus)
    : Host_(Host), Window_(Window), DataTree_(DataTree), Menus_(Menus),
      TreeSubImageList_(std::make_unique<TTreeImageList>()), SubIconMenu_(std::make_unique<TStringList>()),
      SubIconFinderFilter_(AllSubIconsFilter), SubIconButtonImages_(std::make_unique<TToolImageList>())
{
    for (const QPixmap& picture : DefaultSubIcons())
        TreeSubImageList_->Add(picture);
    DataTree_.SetStateImages(TreeSubImageList_.get());
    const TDockButton& image = *Host_.ToolButton(Cmd::sbImage);
    ToolbarImages_ = image.Images();
    SubIconNoneImage_ = image.ImageIndex();
}

TSubIcons::~TSubIcons() = default;

void TSubIcons::BindCommands()
{
    const TCommandBinding items[] = {
        {Cmd::FdGoSubIcon, [this] { FdGoSubIconClick(); }},
        {Cmd::OpLoadSubIcon, [this] { LoadSubIcons(); }},
    };
    Menus_.Bind(items);
    Host_.ToolButton(Cmd::sbSubIcon)->OnClick = [this](TObject*) { CatchExceptions([this] { FdGoSubIconClick(); }); };
    TMenuItem* none = Menus_.Item(Cmd::TrImage0);
    none->SetTag(100);
    none->OnClick = [this](TObject* Sender) { TreeImageSellect(dynamic_cast<TMenuItem*>(Sender)); };
    none->SetEnabled(true);
}

TFindIconForm* TSubIcons::SubIconFinder() const { return SubIconFinder_; }

QIcon TSubIcons::SubIconPicture(int Index) const
{
    const QPixmap* picture = Index >= 1 ? TreeSubImageList_->Image(Index) : nullptr;
    return picture ? QIcon(*picture) : QIcon();
}

void TSubIcons::SetSubIconButton(int ImageIndex)
{
    TDockButton* button = Host_.ToolButton(Cmd::sbImage);
    if (ImageIndex >= 1 && ImageIndex < SubIconButtonImages_->Count()) {
        button->SetImages(SubIconButtonImages_.get());
        button->SetImageIndex(ImageIndex);
    } else {
        button->SetImages(ToolbarImages_);
        button->SetImageIndex(SubIconNoneImage_);
    }
    Menus_.Popup(Cmd::ImagePopupMenu)->SetAutoPopup(true);
}

void TSubIcons::BuildSubIconMenu()
{
    if (SubIconMenu_->Count() == 0)
        SubIconMenu_->Add(Utf8ToSjis("なし"));
    if (SubIconMenu_->Count() < 2)
        for (const std::string& name : DefaultSubIconNames())
            SubIconMenu_->Add(name);
    const auto select = [this](TObject* Sender) { TreeImageSellect(dynamic_cast<TMenuItem*>(Sender)); };
    SubIconButtonImages_ = std::make_unique<TToolImageList>();
    for (int i = 0; i < TreeSubImageList_->Count(); ++i)
        SubIconButtonImages_->Add(*TreeSubImageList_->Image(i));
    TMenuItem& popup = Menus_.Popup(Cmd::ImagePopupMenu)->Items();
    while (popup.Count() > 1)
        popup.Delete(popup.Count() - 1);
    TMenuItem& submenu = *Menus_.Item(Cmd::pTreeSubIcon);
    submenu.Clear();
    for (int i = 0; i < SubIconMenu_->Count(); ++i) {
        const QString caption = EscapeMenuCaption(QString::fromStdString(SjisToUtf8(SubIconMenu_->Strings(i))));
        TMenuItem* item = submenu.Add("pTreeSubIcon" + std::to_string(i), caption, select);
        item->SetTag(i == 0 ? 0 : 100 + i);
        if (i == 0)
            continue;
        item->Action()->setIcon(SubIconPicture(i));
        TMenuItem* popupItem = popup.Add("TrImage" + std::to_string(i), caption, select);
        popupItem->SetTag(100 + i);
        popupItem->Action()->setIcon(SubIconPicture(i));
    }
}

void TSubIcons::TakeNamesFromImagePopup()
{
    TMenuItem& images = Menus_.Popup(Cmd::ImagePopupMenu)->Items();
    SubIconMenu_->Clear();
    SubIconMenu_->Add(Utf8ToSjis("なし"));
    for (int i = 1; i < images.Count(); ++i)
        SubIconMenu_->Add(Utf8ToSjis(UnescapeMenuCaption(images.Items(i)->Caption()).toStdString()));
    ShowSubIconPictures();
}

void TSubIcons::TreeImageSellect(TMenuItem* Sender)
{
    TTreeNode* selected = DataTree_.Selected();
    if (Sender == nullptr || selected == nullptr)
        return;
    const int subIcon = Sender->Tag() > 100 ? Sender->Tag() - 100 : -1;
    selected->SetStateIndex(subIcon);
    SetSubIconButton(subIcon);
    Host_.PageSubIconChanged(selected);
    if (TEditorEx* second = Host_.SecondEditor())
        second->SetModified(true);
    Host_.MarkModified();
    RefreshSubIconFinder();
}

void TSubIcons::LoadSubIcons()
{
    std::vector<std::string> files;
    if (!BitmapFiles(OsPath(ProgramFolder() + "Images"), files)) {
        MessageDlg("Velk2000があるフォルダーの下に Images フォルダーが存在しません！", TMsgDlgType::mtError,
                   {TMsgDlgBtn::mbOK});
        return;
    }
    if (files.empty())
        return;
    if (files.size() > SubIconPictures)
        files.resize(SubIconPictures);
    std::vector<QPixmap> saved;
    for (int i = 0; i < TreeSubImageList_->Count(); ++i)
        saved.push_back(*TreeSubImageList_->Image(i));
    TreeSubImageList_->Clear();
    TreeSubImageList_->Add(saved.front());
    for (const std::string& file : files) {
        const QImage image = BitmapImage(file);
        if (image.width() == 16 && image.height() == 16)
            TreeSubImageList_->Add(Masked(image));
    }
    for (int i = TreeSubImageList_->Count(); i < SubIconPictures; ++i)
        TreeSubImageList_->Add(saved.at(static_cast<size_t>(i)));
    DataTree_.viewport()->update();
    ShowSubIconPictures();
}

// The menus and sbImage hold copies of the pictures: they take them again.
void TSubIcons::ShowSubIconPictures()
{
    BuildSubIconMenu();
    const TTreeNode* selected = DataTree_.Selected();
    SetSubIconButton(selected ? selected->StateIndex() : -1);
    RefreshSubIconFinder();
}

// ---- The finder ---------------------------------------------------------------------------------------

void TSubIcons::FdGoSubIconClick()
{
    TEditorEx& active = *Host_.ActiveEditor();
    if (Host_.BrowseViewOn() && &active != Host_.DataMemo()) {
        MessageDlg("閲覧画面ではサブアイコン検索はできません！", TMsgDlgType::mtWarning, {TMsgDlgBtn::mbOK});
        return;
    }
    if (DataTree_.Items().Count() < 2 && TextEmpty(active))
        return;
    // One finder at a time: a second would leave the page commands it
    // disables enabled when either closed.
    if (SubIconFinder_) {
        SubIconFinder_->raise();
        SubIconFinder_->activateWindow();
        return;
    }
    std::vector<std::string> names;
    for (int i = 1; i < SubIconMenu_->Count(); ++i)
        names.push_back(SubIconMenu_->Strings(i));
    auto* finder = new TFindIconForm(&Window_, DataTree_, *TreeSubImageList_, names, SettingsVars.SubIcon.AltSubIcon);
    finder->setWindowTitle(ShownName(Host_.CaptionText()));
    finder->OnSelectPage = [this](TTreeNode* Page) { DataTree_.SetSelected(Page); };
    finder->OnFilterChange = [this](int Filter) { SubIconFinderFilter_ = Filter; };
    finder->OnClose = [this] { SubIconFinderClosed(); };
    SubIconFinder_ = finder;
    for (const TCommandId name : {Cmd::sbPageNew, Cmd::sbOpen, Cmd::sbLoadTreeText, Cmd::sbFind, Cmd::sbFindList, Cmd::sbGoEditor})
        Host_.ToolButton(name)->SetEnabled(false);
    for (const TCommandId name : {Cmd::FlPageTextLoad, Cmd::pTreeLoadTexToMakePage})
        Menus_.Item(name)->SetEnabled(false);
    finder->resize(480, 420);
    finder->move(Window_.geometry().center() - finder->rect().center());
    finder->show();
    finder->ShowFilter(AllSubIconsFilter);
    Host_.UpdateToolButtons();
}

void TSubIcons::SubIconFinderClosed()
{
    SettingsVars.SubIcon.AltSubIcon = SubIconFinder_->CkAlt()->isChecked();
    SubIconFinder_ = nullptr;
    for (const TCommandId name : {Cmd::sbPageNew, Cmd::sbOpen, Cmd::sbLoadTreeText, Cmd::sbFind})
        Host_.ToolButton(name)->SetEnabled(true);
    Host_.ToolButton(Cmd::sbGoEditor)->SetEnabled(Host_.ExternalEditAllowed());
    for (const TCommandId name : {Cmd::FlPageTextLoad, Cmd::pTreeLoadTexToMakePage})
        Menus_.Item(name)->SetEnabled(true);
    Host_.FindListChanged();
    Host_.UpdateToolButtons();
}

void TSubIcons::RefreshSubIconFinder()
{
    if (!SubIconFinder_)
        return;
    SubIconFinder_->ShowFilter(SubIconFinderFilter_);
    SubIconFinder_->setWindowTitle(ShownName(Host_.CaptionText()));
}

bool TSubIcons::FocusSubIconFinder()
{
    if (!SubIconFinder_)
        return false;
    SubIconFinder_->activateWindow();
    SubIconFinder_->IconTree()->setFocus();
    return true;
}

void TSubIcons::CloseSubIconFinder()
{
    if (SubIconFinder_)
        SubIconFinder_->close();
}

void TSubIcons::DocumentOpened()
{
    Host_.ToolButton(Cmd::sbSubIcon)->SetEnabled(!SubIconFinder_);
    SubIconFinderFilter_ = AllSubIconsFilter;
    RefreshSubIconFinder();
}

void TSubIcons::PageDeleted(const TTreeNode* Page)
{
    if (SubIconFinder_)
        SubIconFinder_->PageDeleted(Page);
}
