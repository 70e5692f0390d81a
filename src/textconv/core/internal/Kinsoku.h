// The Japanese line-breaking classes WrapLines follows.
#pragma once

#include "LayoutLiterals.h"

#include <cstdint>

namespace textconv {

struct LineBreakRules {
    // Double-byte openers: pushed to the next line rather than end one.
    CodeSet NotAtLineEnd;
    // Double-byte closers and punctuation that may hang past the width.
    CodeSet MayHang;
    // Single-byte closers that hang, and single-byte openers.
    CodeSet Closers;
    CodeSet Openers;

    // A character that may not begin a wrapped line.
    bool Hangs(uint16_t Code) const { return MayHang.Contains(Code) || Closers.Contains(Code); }
};

const LineBreakRules& LineBreaking();

} // namespace textconv
