#include "WindowCaption.h"

#include "Cp932.h"

const std::string& ReadOnlyCaptionSuffix()
{
    static const std::string suffix = Utf8ToSjis("－読み出し専用");
    return suffix;
}

const std::string& TreeTextCaptionMarker()
{
    static const std::string marker = Utf8ToSjis(" ［階層付きテキスト］");
    return marker;
}

const std::string& ClippingCaptionMarker()
{
    static const std::string marker = Utf8ToSjis("   ***** クリッピングモード *****");
    return marker;
}

std::string ShownCaption(const std::string& DocumentCaption, bool Clipping)
{
    return Clipping ? DocumentCaption + ClippingCaptionMarker() : DocumentCaption;
}

std::string WindowTitle(const std::string& DocumentCaption, bool Clipping)
{
    const std::string shown = ShownCaption(DocumentCaption, Clipping);
    return Clipping ? "(*)" + shown : shown;
}

bool CaptionHoldsFile(const std::string& Caption, const std::string& Path)
{
    return Caption == Path || Caption == Path + ClippingCaptionMarker();
}
