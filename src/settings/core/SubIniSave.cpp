// Writing the settings file: at every close query and after the options
// dialog is confirmed.
#include "SubIni.h"

#include "IniFiles.h"
#include "SettingsValues.h"
#include "SubIniKeys.h"

#include <algorithm>
#include <map>
#include <optional>
#include <vector>

namespace {

constexpr std::string_view Marker = "Velk2000";

// Writes the rows' values. A string the file cannot hold is replaced by
// what the file held under its key before the save (nothing when it held
// none), read before any section is erased.
class TKeyWriter {
public:
    TKeyWriter(TIniFile& Ini, TSettingsState& State) : Ini_(Ini), State_(State)
    {
        for (auto rows : {FontAndOptionKeys(), DialogAndDocumentKeys()})
            for (const TKeyRow& row : rows)
                if (row.StringAt && !SettingCanHold(row.StringAt(State_)))
                    Stored_[&row] = Ini_.ValueExists(row.Section, row.Key)
                                        ? std::optional(Ini_.ReadString(row.Section, row.Key, ""))
                                        : std::nullopt;
    }

    void Write(const TKeyRow& Row)
    {
        switch (Row.Kind) {
        case TKeyKind::Bool: {
            const bool value = Row.MenuItem.empty() ? Row.BoolAt(State_) : State_.Host.MenuChecked(Row.MenuItem);
            Ini_.WriteBool(Row.Section, Row.Key, value != Row.Inverted);
            break;
        }
        case TKeyKind::Int: Ini_.WriteInteger(Row.Section, Row.Key, Row.IntAt(State_)); break;
        case TKeyKind::String:
        case TKeyKind::Quoted: {
            const auto stored = Stored_.find(&Row);
            if (stored != Stored_.end() && !stored->second)
                break;
            const std::string& value = stored != Stored_.end() ? *stored->second : Row.StringAt(State_);
            Ini_.WriteString(Row.Section, Row.Key,
                             Row.Kind == TKeyKind::Quoted ? QuotedValue(value) : ProtectedValue(value));
            break;
        }
        }
    }

    void Write(std::span<const TKeyRow> Rows)
    {
        for (const TKeyRow& row : Rows)
            Write(row);
    }

private:
    TIniFile& Ini_;
    TSettingsState& State_;
    std::map<const TKeyRow*, std::optional<std::string>> Stored_;
};

// The rectangle only while the window is normal, so that the last normal
// one is kept; a minimised window is stored as normal.
void SavePlacement(TIniFile& Ini, const TFormPlacement& Placement)
{
    if (Placement.WindowState == 0) {
        Ini.WriteInteger("Form", "Left", Placement.Left);
        Ini.WriteInteger("Form", "Top", Placement.Top);
        Ini.WriteInteger("Form", "Width", Placement.Width);
        Ini.WriteInteger("Form", "Height", Placement.Height);
    }
    Ini.WriteInteger("Form", "Window", Placement.WindowState == 2 ? 2 : 0);
}

void SaveMarkedMenus(TIniFile& Ini, std::string_view Section, std::span<const TMenuKey> Keys, const ISettingsHost& Host)
{
    Ini.WriteString(Section, "DummyKey", Marker);
    for (const TMenuKey& key : Keys)
        Ini.WriteBool(Section, key.Key, Host.MenuChecked(key.MenuItem));
}

void SaveSubIconCaptions(TIniFile& Ini, const ISettingsHost& Host)
{
    const std::vector<std::string> captions = Host.ImagePopupCaptions();
    Ini.WriteInteger("ImagePopup", "Count", static_cast<int32_t>(captions.size()));
    for (size_t i = 0; i < captions.size(); ++i)
        Ini.WriteString("ImagePopup", "Item" + std::to_string(i + 1), ProtectedValue(captions[i]));
}

} // namespace

void SaveIni(ISettingsHost& Host, const std::string& FileName)
{
    TIniFile ini(FileName);
    TEditorSettings editor = Host.DataMemoSettings();
    TTreeLook tree = Host.DataTreeLook();
    THtmlColors html = Host.HTMLFountain1Colors();
    TSettingsState state{SettingsVars, editor, tree, Host};

    // One batch: the file is replaced once, or stays whole when the write
    // fails (the batch is dropped when an exception leaves it open).
    ini.BeginUpdate();
    TKeyWriter writer(ini, state);
    // Retired sections: the search histories have a file of their own.
    for (const char* retired : {"Search", "Replace"})
        if (ini.ReadInteger(retired, "Count", 0) > 0)
            ini.EraseSection(retired);
    // Written whole, so keys this program does not write go.
    for (const char* whole : {"Options", "Colors", "ToolBar"})
        ini.EraseSection(whole);

    SavePlacement(ini, Host.Placement());
    writer.Write(FontAndOptionKeys());
    for (const TColourKey& key : ColourKeys())
        ini.WriteInteger("Colors", key.Key, key.At(state, html));
    writer.Write(StyleFlagKeys());
    writer.Write(KinsokuKey());
    ini.WriteInteger("Split", "Mode", Host.SplitKind());
    if (Host.TreePanelVisible())
        ini.WriteInteger("Split", "Line", Host.SplitLine());
    ini.WriteInteger("Style", "WordWrap", Host.WrapSpinValue());
    writer.Write(WordWrapOffKey());
    writer.Write(DialogAndDocumentKeys());
    SaveSubIconCaptions(ini, Host);
    SaveMarkedMenus(ini, "ToolBar", ToolBarKeys(), Host);
    SaveMarkedMenus(ini, "RightClik", RightClikKeys(), Host);
    writer.Write(SubIconKey());
    ini.EndUpdate();
}

std::vector<std::string> RunCloseWrites(std::initializer_list<std::function<void()>> Writes)
{
    std::vector<std::string> failures;
    for (const auto& write : Writes) {
        try {
            write();
        } catch (const Exception& error) {
            // Two writes into one file fail with one message.
            if (std::ranges::find(failures, error.Message()) == failures.end())
                failures.push_back(error.Message());
        }
    }
    return failures;
}
