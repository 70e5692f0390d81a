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

bool CaptionHoldsFile(const std::string& Caption, const std::string& Path)
{
    return Caption == Path || Caption == Path + ClippingCaptionMarker();
}
