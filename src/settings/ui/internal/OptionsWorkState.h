// What the options dialog remembers between openings, for as long as the
// program runs: filled again at every opening, kept when it is cancelled.
#pragma once

#include "Graphics.h"

#include <array>

// The seven styled colour elements, in the order of their style sets.
enum class TStyledElement { Ank, DBCS, Url, Mail, Comment, FileLink, PageLink };

struct TOptionsWorkState {
    int ScrollPosition = 0; // the behaviour page's scroll box
    bool WordWrap = false;  // the active editor's, as the dialog will leave it
    TColor ZenTabCol{}, HanCol{};
    std::array<TFontStyles, 7> StyleSets{};
    TColor TagColor{}, TagElement{}, TagAttribute{};
    TFontStyles TreeStyle{};

    TFontStyles& Styles(TStyledElement Element) { return StyleSets[static_cast<size_t>(Element)]; }
};

TOptionsWorkState& OptionsWorkState();
