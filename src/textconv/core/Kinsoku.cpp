#include "Kinsoku.h"

#include <string>

namespace textconv {

const LineBreakRules& LineBreaking()
{
    using namespace layout_literals;
    static const LineBreakRules rules{
        CodeSet(NotAtLineEnd),
        CodeSet(MayHang),
        CodeSet(std::string(")],.:;>?}") + std::string(HalfWidthClosers)),
        CodeSet(std::string("(<[{") + std::string(HalfWidthOpeners)),
    };
    return rules;
}

} // namespace textconv
