// The keys of the settings file that hold one value each, in the order the
// writer writes them; the reader reads the same rows, so every such key is
// read back into what it was written from.
#pragma once

#include "SettingsHost.h"
#include "SubIni.h"

#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <string_view>

// Where the rows' values live while the file is read or written: the
// settings variables and copies of the host's value groups.
struct TSettingsState {
    TSettingsVars& Vars;
    TEditorSettings& Editor;
    TTreeLook& Tree;
    ISettingsHost& Host; // menu items
};

enum class TKeyKind : uint8_t { Bool, Int, String, Quoted };

// What an integer read gives. A read of -1 is absent; so is a value below
// Min, or above Max unless CapAtMax, when it reads as Max. Absent sets
// Absent, or leaves the value as it was when Absent is KeepValue.
struct TIntRule {
    static constexpr int64_t KeepValue = std::numeric_limits<int64_t>::min();
    int64_t Absent = KeepValue;
    int32_t Min = std::numeric_limits<int32_t>::min();
    int32_t Max = std::numeric_limits<int32_t>::max();
    bool CapAtMax = false;
};

// What an empty or absent string read gives: Fallback (or the computed
// one), or the value as it was when KeepWhenEmpty. A format part (LongForm
// set) reads an empty value or one of its two forms as it is and anything
// else as the long form.
struct TStringRule {
    std::string_view Fallback{};
    std::string (*ComputedFallback)() = nullptr;
    bool KeepWhenEmpty = false;
    std::string_view LongForm{}, ShortForm{};
};

struct TKeyRow {
    std::string_view Section{}, Key{};
    TKeyKind Kind = TKeyKind::Bool;
    bool& (*BoolAt)(TSettingsState&) = nullptr;
    int32_t& (*IntAt)(TSettingsState&) = nullptr;
    std::string& (*StringAt)(TSettingsState&) = nullptr;
    std::string_view MenuItem{}; // a Boolean kept as this menu item's Checked
    bool Inverted = false;       // a Boolean stored negated
    bool FirstRunRule = false;   // not read while [Options] "LineScroll" is absent
    TIntRule Int{};
    TStringRule Str{};
};

// [Font], then [Options] with [Tree] "TipHelp" between "Scroll" and
// "BookLine".
std::span<const TKeyRow> FontAndOptionKeys();
// The 17 style flags of [Colors].
std::span<const TKeyRow> StyleFlagKeys();
// [Kinsoku] "Leading".
const TKeyRow& KinsokuKey();
// [Style] "WordWrapOff".
const TKeyRow& WordWrapOffKey();
// [IME] to [APoFile] "TextSaveDir".
std::span<const TKeyRow> DialogAndDocumentKeys();
// [SubIcon] "AltSubIcon".
const TKeyRow& SubIconKey();

// A colour key of [Colors]: where it is written from, what a read of -1
// gives (none: nothing changes), and what else a read value colours.
struct TColourKey {
    std::string_view Key;
    TColor& (*At)(TSettingsState&, THtmlColors&);
    int64_t Fallback = TIntRule::KeepValue;
    void (*AlsoColours)(TSettingsState&, THtmlColors&, TColor) = nullptr;
};
// The 30 colour keys in the order written.
std::span<const TColourKey> ColourKeys();
// The same keys in the order read, which decides which of two keys setting
// one colour wins.
std::span<const std::string_view> ColourReadOrder();

// The menu items of [ToolBar] and [RightClik] after their marker.
struct TMenuKey {
    std::string_view Key, MenuItem;
};
std::span<const TMenuKey> ToolBarKeys();
std::span<const TMenuKey> RightClikKeys();
