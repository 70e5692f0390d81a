// The 28 colour elements of the options dialog's colour page: what its
// "Color" button changes in the previews, what its "BkCol" button changes,
// and which style boxes it offers with the style flags they set.
#pragma once

#include "Graphics.h"
#include "OptionsWorkState.h"
#include "SubIni.h"

#include <QString>
#include <optional>
#include <span>

class TOpForm;

enum class TBackTarget { None, Background, Select, ParenMark, Kagi };
// After a colour change the preview parses its text again; the bracket
// pairs of the first four items need it emptied in between.
enum class TPreviewRefresh { None, Reparse, EmptyAndReparse };

struct TColorElement {
    const char* Caption; // UTF-8
    // The colour "Color" opens on and what it changes; null: "Color" is off.
    TColor (*Color)(const TOpForm&);
    void (*SetColor)(TOpForm&, TColor);
    TBackTarget Back;
    TPreviewRefresh Refresh;
    // The style set and the flags behind Bold, Italic and UnderLine; a null
    // flag leaves its box disabled.
    std::optional<TStyledElement> Styled;
    bool TSettingsVars::*Bold;
    bool TSettingsVars::*Italic;
    bool TSettingsVars::*UL;
};

std::span<const TColorElement> ColorElements();
// The element a caption names; null for any other text.
const TColorElement* FindColorElement(const QString& Caption);
