// Reading the settings file at start-up.
#include "SubIni.h"

#include "Cp932.h"
#include "IniFiles.h"
#include "SettingsValues.h"
#include "Sjis.h"
#include "Strings.h"
#include "SubIniKeys.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace {

constexpr int32_t Absent = -1;
constexpr int DefaultWrapColumn = 80;
constexpr int VerticalSplit = 1;
constexpr int MaximisedState = 2;
// The smallest window a stored size gives, and the least of the window's
// extent the tree leaves to the editor, in pixels.
constexpr int32_t MinWindowExtent = 160;
constexpr int32_t MinEditorExtent = 200;

const std::string& NoSubIconCaption()
{
    static const std::string caption = Utf8ToSjis("なし");
    return caption;
}

// The date and time a Japanese user writes, for a first run: without them
// the insert commands would insert nothing until the formats are set.
TSettingsVars::TIME FirstRunDateTimeFormats()
{
    static const TSettingsVars::TIME formats{.Year = "yyyy",
                                             .YearK = Utf8ToSjis("年"),
                                             .Month = "mm",
                                             .MonthK = Utf8ToSjis("月"),
                                             .Day = "dd",
                                             .DayK = Utf8ToSjis("日"),
                                             .Hour = "hh",
                                             .HourK = Utf8ToSjis("時"),
                                             .Min = "nn",
                                             .MinK = Utf8ToSjis("分"),
                                             .Sec = "ss",
                                             .SecK = Utf8ToSjis("秒")};
    return formats;
}

// The value an integer read gives under Rule; none to leave it as it is.
std::optional<int32_t> IntegerAfterRule(int32_t Read, const TIntRule& Rule)
{
    if (Read != Absent && Read >= Rule.Min) {
        if (Read <= Rule.Max)
            return Read;
        if (Rule.CapAtMax)
            return Rule.Max;
    }
    if (Rule.Absent == TIntRule::KeepValue)
        return std::nullopt;
    return static_cast<int32_t>(Rule.Absent);
}

// The value a string read gives under Rule; none to leave it as it is.
std::optional<std::string> StringAfterRule(std::string Read, const TStringRule& Rule)
{
    if (!Rule.LongForm.empty()) {
        if (Read.empty() || Read == Rule.LongForm || Read == Rule.ShortForm)
            return Read;
        return std::string(Rule.LongForm);
    }
    if (!Read.empty())
        return Read;
    if (Rule.KeepWhenEmpty)
        return std::nullopt;
    return Rule.ComputedFallback ? Rule.ComputedFallback() : std::string(Rule.Fallback);
}

void ReadKey(const TIniFile& Ini, const TKeyRow& Row, TSettingsState& State)
{
    switch (Row.Kind) {
    case TKeyKind::Bool: {
        const bool value = Ini.ReadBool(Row.Section, Row.Key, false) != Row.Inverted;
        if (Row.MenuItem.empty())
            Row.BoolAt(State) = value;
        else
            State.Host.SetMenuChecked(Row.MenuItem, value);
        break;
    }
    case TKeyKind::Int:
        if (const auto value = IntegerAfterRule(Ini.ReadInteger(Row.Section, Row.Key, Absent), Row.Int))
            Row.IntAt(State) = *value;
        break;
    case TKeyKind::String:
    case TKeyKind::Quoted:
        if (auto value = StringAfterRule(Ini.ReadString(Row.Section, Row.Key, ""), Row.Str))
            Row.StringAt(State) = std::move(*value);
        break;
    }
}

void ReadKeys(const TIniFile& Ini, std::span<const TKeyRow> Rows, TSettingsState& State, bool FirstRun = false)
{
    for (const TKeyRow& row : Rows)
        if (!(FirstRun && row.FirstRunRule))
            ReadKey(Ini, row, State);
}

// The largest width and height any screen offers; none without screens.
std::optional<TScreenArea> LargestScreen(std::span<const TScreenArea> Screens)
{
    if (Screens.empty())
        return std::nullopt;
    TScreenArea largest{};
    for (const TScreenArea& screen : Screens) {
        largest.Width = std::max(largest.Width, screen.Width);
        largest.Height = std::max(largest.Height, screen.Height);
    }
    return largest;
}

TScreenRect RectOf(const TFormPlacement& Placement)
{
    return {Placement.Left, Placement.Top, Placement.Width, Placement.Height};
}

// The stored rectangle over the window's default one, key by key, kept on
// the work area of the screen it overlaps most: moved back first, then cut
// to the screen. One that meets no screen gives way to the default, kept
// on a screen the same way; the window's frame is kept there once it has
// one (the platform's part). A stored minimised state starts the window
// normal.
void LoadPlacement(const TIniFile& Ini, ISettingsHost& Host)
{
    const TFormPlacement initial = Host.Placement();
    TFormPlacement placement = initial;
    const auto read = [&Ini](const char* Key) { return Ini.ReadInteger("Form", Key, Absent); };
    if (const int32_t left = read("Left"); left != Absent)
        placement.Left = left;
    if (const int32_t top = read("Top"); top != Absent)
        placement.Top = top;
    if (const int32_t width = read("Width"); width > 0)
        placement.Width = width;
    if (const int32_t height = read("Height"); height > 0)
        placement.Height = height;
    if (const std::vector<TScreenArea> screens = Host.ScreenAreas(); !screens.empty()) {
        int screen = MostOverlapped(screens, RectOf(placement));
        if (screen < 0) {
            placement = initial;
            screen = std::max(MostOverlapped(screens, RectOf(initial)), 0);
        }
        const TScreenArea& area = screens[screen];
        placement.Width = std::max(placement.Width, std::min(MinWindowExtent, area.Width));
        placement.Height = std::max(placement.Height, std::min(MinWindowExtent, area.Height));
        const TScreenRect kept = KeptWithin(RectOf(placement), area);
        placement.Left = kept.Left;
        placement.Top = kept.Top;
        placement.Width = kept.Width;
        placement.Height = kept.Height;
    }
    const int32_t state = read("Window");
    if (state == 0 || state == 1)
        placement.WindowState = 0;
    else if (state == 2)
        placement.WindowState = 2;
    Host.SetPlacement(placement);
}

void LoadColours(const TIniFile& Ini, TSettingsState& State, THtmlColors& Html)
{
    const auto keys = ColourKeys();
    for (std::string_view name : ColourReadOrder()) {
        const TColourKey& key = *std::ranges::find(keys, name, &TColourKey::Key);
        TColor colour = Ini.ReadInteger("Colors", key.Key, Absent);
        if (colour == Absent) {
            if (key.Fallback == TIntRule::KeepValue)
                continue;
            colour = static_cast<TColor>(key.Fallback);
        }
        key.At(State, Html) = colour;
        if (key.AlsoColours)
            key.AlsoColours(State, Html, colour);
    }
}

// The room the window gives the tree and the editor along the split: its
// normal extent, or the screen's when it starts maximised.
int32_t SplitRoom(ISettingsHost& Host, bool Vertical)
{
    const TFormPlacement placement = Host.Placement();
    const int32_t room = Vertical ? placement.Height : placement.Width;
    const std::optional<TScreenArea> largest = LargestScreen(Host.ScreenAreas());
    if (placement.WindowState != MaximisedState || !largest)
        return room;
    return std::max(room, Vertical ? largest->Height : largest->Width);
}

// The tree panel's side and extent; the extent is judged by the side as it
// is once "Mode" has been applied, and always leaves the editor room to
// show text.
void LoadSplit(const TIniFile& Ini, ISettingsHost& Host)
{
    const int32_t kind = Ini.ReadInteger("Split", "Mode", Absent);
    if (kind == 0 || kind == VerticalSplit)
        Host.SetSplitKind(kind);
    int32_t line = Ini.ReadInteger("Split", "Line", Absent);
    if (line < 0)
        return;
    const bool vertical = Host.SplitKind() == VerticalSplit;
    line = std::min(line, std::max(SplitRoom(Host, vertical) - MinEditorExtent, 0));
    Host.SetMenuChecked("TreeDisp", vertical);
    Host.SetButtonDown("sbToEditor", vertical);
    if (vertical)
        Host.SetTreePanelHeight(line);
    else
        Host.SetTreePanelWidth(line);
}

// "なし" and the stored captions; empty items are passed over. The count is
// never taken beyond the keys the section has, so a corrupt count cannot
// stall the start.
// The i of a key "Item<i>" (any letter case, i from 1 without leading
// zeros); none for any other key.
std::optional<int32_t> SubIconItemNumber(std::string_view Key)
{
    constexpr std::string_view prefix = "Item";
    if (Key.size() <= prefix.size() || !sjis::SameText(Key.substr(0, prefix.size()), prefix))
        return std::nullopt;
    const std::string_view digits = Key.substr(prefix.size());
    int32_t number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || end != digits.data() + digits.size() || digits.front() == '0' || number < 1)
        return std::nullopt;
    return number;
}

// Items 1 to "Count" in order, an empty or missing one passed over. Only
// the items the section holds are read, so a huge count costs nothing.
void LoadSubIconCaptions(const TIniFile& Ini, ISettingsHost& Host)
{
    TStringList keys;
    Ini.ReadSection("ImagePopup", keys);
    const int32_t count = Ini.ReadInteger("ImagePopup", "Count", 0);
    std::set<int32_t> present;
    for (int i = 0; i < keys.Count(); ++i)
        if (const std::optional<int32_t> number = SubIconItemNumber(keys.Strings(i)); number && *number <= count)
            present.insert(*number);
    std::vector<std::string> captions{NoSubIconCaption()};
    for (const int32_t i : present)
        if (std::string caption = Ini.ReadString("ImagePopup", "Item" + std::to_string(i), ""); !caption.empty())
            captions.push_back(std::move(caption));
    Host.SetSubIconMenu(captions);
}

// A section whose marker is missing or empty has never been written: its
// menu items are all checked. Gives true then.
bool LoadMarkedMenus(const TIniFile& Ini, std::string_view Section, std::span<const TMenuKey> Keys, ISettingsHost& Host)
{
    const bool firstRun = Ini.ReadString(Section, "DummyKey", "").empty();
    for (const TMenuKey& key : Keys)
        Host.SetMenuChecked(key.MenuItem, firstRun || Ini.ReadBool(Section, key.Key, false));
    return firstRun;
}

} // namespace

void LoadIni(ISettingsHost& Host, const std::string& FileName)
{
    const TIniFile ini(FileName);
    TEditorSettings editor = Host.DataMemoSettings();
    TTreeLook tree = Host.DataTreeLook();
    THtmlColors html = Host.HTMLFountain1Colors();
    TSettingsState state{SettingsVars, editor, tree, Host};

    LoadPlacement(ini, Host);
    // A file without "LineScroll" was not written by this program.
    const bool firstRun = ini.ReadInteger("Options", "LineScroll", Absent) == Absent;
    ReadKeys(ini, FontAndOptionKeys(), state, firstRun);
    if (firstRun) {
        SettingsVars.LineScrollFlg = true;
        Host.SetMenuChecked("WeOphyphen", true);
    }
    Host.SetDataTreeLook(tree);

    LoadColours(ini, state, html);
    ReadKeys(ini, StyleFlagKeys(), state);
    ReadKey(ini, KinsokuKey(), state);
    LoadSplit(ini, Host);
    ReadKeys(ini, DialogAndDocumentKeys(), state);
    if (firstRun && !ini.SectionExists("IME"))
        SettingsVars.IME = FirstRunDateTimeFormats();
    const int32_t wrapColumn = ini.ReadInteger("Style", "WordWrap", Absent);
    Host.SetWrapSpinValue(wrapColumn == Absent ? DefaultWrapColumn : wrapColumn);
    ReadKey(ini, WordWrapOffKey(), state);
    Host.SetDataMemoSettings(editor);
    Host.SetHTMLFountain1Colors(html);
    Host.SetButtonDown("sbLineNo", editor.Leftbar.Visible);

    LoadSubIconCaptions(ini, Host);
    if (LoadMarkedMenus(ini, "ToolBar", ToolBarKeys(), Host))
        Host.SetToolbarFontDockRow(1);
    LoadMarkedMenus(ini, "RightClik", RightClikKeys(), Host);
    ReadKey(ini, SubIconKey(), state);
}
