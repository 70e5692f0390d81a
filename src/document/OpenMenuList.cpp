#include "OpenMenuList.h"

#include "Dialogs.h"
#include "IniFiles.h"
#include "Menus.h"
#include "OsPath.h"

#include <algorithm>

namespace {

constexpr const char* FolderKey = "Folder";
constexpr const char* DocumentSection = "History";
constexpr int NoPath = -1;

std::string FileKey(size_t Index) { return "File" + std::to_string(Index); }

} // namespace

TOpenMenuList::TOpenMenuList(TMenuItem& Parent, std::string Section, TNotifyEvent OnClick, std::string IniFileName,
                             TOpenDialog& OpenDialog)
    : Parent_(Parent), Section_(std::move(Section)), OnClick_(std::move(OnClick)), IniFileName_(std::move(IniFileName)),
      OpenDialog_(OpenDialog)
{
    LoadHistory();
    BuildHistoryMenu();
}

TOpenMenuList::~TOpenMenuList()
{
    try {
        SaveHistory();
    } catch (const Exception&) {
        // The list is lost for the next start; a destructor cannot report it.
    }
    Parent_.Clear();
}

void TOpenMenuList::AddHistory(const std::string& Path)
{
    RemoveHistory(Path);
    Paths_.insert(Paths_.begin(), Path);
    if (Paths_.size() > MaxCount)
        Paths_.resize(MaxCount);
    BuildHistoryMenu();
}

void TOpenMenuList::Remember(const std::string& Path)
{
    AddHistory(Path);
    try {
        SaveHistory();
    } catch (const EIniFileException& E) {
        TellOnce(E.Message(), TMsgDlgType::mtError);
    }
}

void TOpenMenuList::RemoveHistory(const std::string& Path)
{
    std::erase(Paths_, Path);
    BuildHistoryMenu();
}

void TOpenMenuList::ClearHistory()
{
    Paths_.clear();
    BuildHistoryMenu();
    SaveHistory();
}

void TOpenMenuList::SaveHistory()
{
    TIniFile ini(IniFileName_);
    ini.BeginUpdate();
    ini.EraseSection(Section_);
    if (Section_ == DocumentSection)
        ini.WriteString(Section_, FolderKey, OpenDialog_.InitialDir());
    ini.WriteInteger(Section_, "Count", static_cast<int32_t>(Paths_.size()));
    for (size_t i = 0; i < Paths_.size(); ++i)
        ini.WriteString(Section_, FileKey(i), Paths_[i]);
    ini.EndUpdate();
}

void TOpenMenuList::LoadHistory()
{
    const TIniFile ini(IniFileName_);
    if (const std::string folder = ini.ReadString(Section_, FolderKey, {}); !folder.empty())
        OpenDialog_.SetInitialDir(folder);
    // A damaged or hand-edited "Count" must not decide how long start-up takes:
    // the list never holds more than MaxCount entries, and the keys end at the
    // first one missing.
    const auto count = static_cast<size_t>(std::clamp<int32_t>(ini.ReadInteger(Section_, "Count", 0), 0, MaxCount));
    Paths_.clear();
    for (size_t i = 0; i < count && ini.ValueExists(Section_, FileKey(i)); ++i)
        Paths_.push_back(ini.ReadString(Section_, FileKey(i), {}));
}

void TOpenMenuList::BuildHistoryMenu()
{
    Parent_.Clear();
    for (size_t i = 0; i < Paths_.size(); ++i) {
        const QString caption =
            QStringLiteral("&%1 ").arg(i) + EscapeMenuCaption(QString::fromStdString(ShownPath(Paths_[i])));
        Parent_.Add({}, caption, OnClick_)->SetTag(static_cast<int>(i));
    }
    if (Paths_.empty())
        return;
    Parent_.Add({}, QStringLiteral("-"));
    Parent_.Add({}, QStringLiteral("履歴削除"), OnClick_)->SetTag(NoPath);
}

std::optional<std::string> TOpenMenuList::PathOf(const TObject* Sender) const
{
    const auto* item = dynamic_cast<const TMenuItem*>(Sender);
    if (item == nullptr || item->Tag() < 0 || static_cast<size_t>(item->Tag()) >= Paths_.size())
        return std::nullopt;
    return Paths_[static_cast<size_t>(item->Tag())];
}
