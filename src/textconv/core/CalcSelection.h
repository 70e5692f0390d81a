// The body of the expression command: the selected expression followed by
// " = " and its value.
#pragma once

#include <string>
#include <string_view>

namespace textconv {

struct TCalcOutcome {
    // The text that replaces the selection; empty when nothing is written.
    std::string Replacement;
    // A warning for the user (UTF-8); empty when there is none.
    std::string Warning;
};

// Evaluates the selected text with its half-width spaces removed, and its
// line breaks when it ends with one (the result then ends with CR LF too):
// "2*(3+4)" gives "2*(3+4) = 14", "10/4" gives "10/4 = 2.500". An empty
// selection gives nothing; a malformed expression, a division by zero or a
// result too large to write give a warning and nothing to write; bytes
// left over after a whole expression ("2(3)") give neither.
TCalcOutcome CalcSelection(std::string_view SelText);

} // namespace textconv
