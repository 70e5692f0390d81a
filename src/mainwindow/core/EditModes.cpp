#include "EditModes.h"

namespace {

constexpr TEditModeInfo Modes[EditModeCount] = {
    {0, Cmd::subText, "Text", "", true, false, TStrColour::Ank, ""},
    {1, Cmd::subDelphi, "Delphi", "Delphi.dat", false, false, TStrColour::Str, "'"},
    {2, Cmd::subHSP, "HSP", "HSP.dat", false, false, TStrColour::Str, "\""},
    {3, Cmd::subCplus, "C/C++", "C_CPlus.dat", false, false, TStrColour::Str, "\""},
    {4, Cmd::subVB, "VB", "VB.dat", false, false, TStrColour::Str, "\""},
    {5, Cmd::subHTML, "HTML", "", false, true, TStrColour::Unchanged, ""},
    {6, Cmd::subUSR, "User", "rsv.dat", false, false, TStrColour::Str, ""},
};

} // namespace

const TEditModeInfo& EditModeInfo(int EditMode) { return EditMode >= 0 && EditMode < 6 ? Modes[EditMode] : Modes[6]; }

const TEditModeInfo* EditModes() { return Modes; }
