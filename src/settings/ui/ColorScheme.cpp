#include "ColorScheme.h"

#include "IniFiles.h"
#include "SettingsHost.h"
#include "SubIniKeys.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

constexpr std::string_view Section = "Colors";
constexpr int32_t Absent = -1;

// The colour keys a scheme holds, in the order they are written; the keys
// of the settings file's [Colors] a scheme leaves out are not here.
constexpr std::array<std::string_view, 27> SchemeColourKeys{
    "SelectCol",      "EOFMK",       "RETMK",     "ULCol",      "AnkCol",        "StrCol",        "DBCSCol",
    "UrlCol",         "MailCol",     "ZenTabCol", "HanCol",     "CommentCol",    "ReserveCol",    "brAsterisk",
    "brEexclamation", "brC_Comment", "KagiCol",   "FileCol",    "PageCol",       "RulerCol",      "RulerMarkCol",
    "Back",           "SelectBkCol", "KagiBkCol", "HTMLTagCol", "HTMLTagEleCol", "HTMLTagAtrCol",
};

bool InScheme(std::string_view Key) { return std::ranges::find(SchemeColourKeys, Key) != SchemeColourKeys.end(); }

const TColourKey& ColourKey(std::string_view Key) { return *std::ranges::find(ColourKeys(), Key, &TColourKey::Key); }

// A copy of everything a scheme touches; applied only once complete.
struct TScheme {
    explicit TScheme(ISettingsHost& Host)
        : Vars(SettingsVars), Editor(Host.DataMemoSettings()), Tree(Host.DataTreeLook()),
          Html(Host.HTMLFountain1Colors()), State{Vars, Editor, Tree, Host}
    {}
    TSettingsVars Vars;
    TEditorSettings Editor;
    TTreeLook Tree;
    THtmlColors Html;
    TSettingsState State;
};

} // namespace

void WriteColorScheme(ISettingsHost& Host, const std::string& FileName)
{
    TScheme scheme(Host);
    TIniFile ini(FileName);
    ini.BeginUpdate();
    for (std::string_view key : SchemeColourKeys)
        ini.WriteInteger(Section, key, ColourKey(key).At(scheme.State, scheme.Html));
    for (const TKeyRow& flag : StyleFlagKeys())
        ini.WriteBool(Section, flag.Key, flag.BoolAt(scheme.State));
    ini.WriteInteger(Section, "TreeFontColor", scheme.Tree.FontColor);
    ini.WriteInteger(Section, "TreeBackColor", scheme.Tree.Color);
    ini.EndUpdate();
}

void ReadColorScheme(ISettingsHost& Host, const std::string& FileName)
{
    TScheme scheme(Host);
    const TIniFile ini(FileName);
    // The settings file's read order: of two keys that set one colour, the
    // later wins ("HTMLTagAtrCol" over "AnkCol", "StrCol"'s fallback over
    // "AnkCol"), and "Back" spreads before the tag colours are read.
    for (std::string_view name : ColourReadOrder()) {
        if (!InScheme(name))
            continue;
        const TColourKey& key = ColourKey(name);
        TColor colour = ini.ReadInteger(Section, key.Key, Absent);
        if (colour == Absent) {
            if (key.Fallback == TIntRule::KeepValue)
                continue;
            colour = static_cast<TColor>(key.Fallback);
        }
        key.At(scheme.State, scheme.Html) = colour;
        if (key.AlsoColours)
            key.AlsoColours(scheme.State, scheme.Html, colour);
    }
    for (const TKeyRow& flag : StyleFlagKeys())
        flag.BoolAt(scheme.State) = ini.ReadBool(Section, flag.Key, false);
    if (const TColor colour = ini.ReadInteger(Section, "TreeFontColor", Absent); colour != Absent)
        scheme.Tree.FontColor = colour;
    if (const TColor colour = ini.ReadInteger(Section, "TreeBackColor", Absent); colour != Absent)
        scheme.Tree.Color = colour;

    SettingsVars = scheme.Vars;
    Host.SetDataMemoSettings(scheme.Editor);
    Host.SetHTMLFountain1Colors(scheme.Html);
    Host.SetDataTreeLook(scheme.Tree);
}
