#include "LayoutLiterals.h"

#include "Cp932.h"
#include "Sjis.h"

namespace textconv {

CodeSet::CodeSet(std::string_view Utf8)
{
    const std::string sjis = Utf8ToSjis(Utf8);
    for (sjis::CharCursor c(sjis); !c.AtEnd(); c.Next())
        Bits_.set(c.Code());
}

uint16_t LiteralCode(std::string_view Utf8)
{
    const std::string sjis = Utf8ToSjis(Utf8);
    return sjis.empty() ? 0 : sjis::CharCode(sjis, 0);
}

} // namespace textconv
