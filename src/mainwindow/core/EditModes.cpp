#include "EditModes.h"

namespace {

constexpr TEditModeInfo Modes[EditModeCount] = {
    {0, "subText", "Text", "", true, false, TStrColour::Ank, ""},
    {1, "subDelphi", "Delphi", "Delphi.dat", false, false, TStrColour::Str, "'"},
    {2, "subHSP", "HSP", "HSP.dat", false, false, TStrColour::Str, "\""},
    {3, "subCplus", "C/C++", "C_CPlus.dat", false, false, TStrColour::Str, "\""},
    {4, "subVB", "VB", "VB.dat", false, false, TStrColour::Str, "\""},
    {5, "subHTML", "HTML", "", false, true, TStrColour::Unchanged, ""},
    {6, "subUSR", "User", "rsv.dat", false, false, TStrColour::Str, ""},
};

} // namespace

const TEditModeInfo& EditModeInfo(int EditMode) { return EditMode >= 0 && EditMode < 6 ? Modes[EditMode] : Modes[6]; }

const TEditModeInfo* EditModes() { return Modes; }
