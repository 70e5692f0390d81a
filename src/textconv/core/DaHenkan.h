// Polite-to-plain sentence style: sentences ending in です, ます and their
// forms are rewritten in the plain style (だ, る and their forms).
#pragma once

#include "SentenceEndingTable.h"

#include <string>
#include <string_view>

namespace textconv {

// Converts Text (Shift-JIS, CR LF line ends); an empty text gives an empty
// result. A hiragana run directly before a sentence terminator (、。，．？！
// （）］」 or a line end) loses its closing particle group (か が し ね よ,
// から けど ので and the like), and its longest tail with an entry in the
// table is replaced. With SkipQuotes, spans in 「 and 」 are copied as they
// stand, also over several lines.
std::string ConvertDesuToDa(std::string_view Text, bool SkipQuotes);

// The plain form of a polite ending under the context value (0 to 2) the
// context rules give; empty when the table has no entry for it.
std::string_view DaEndingLookup(std::string_view Ending, int Context);

// The table's lists (UTF-8) and the table built from them.
const sentencestyle::EndingSources& DaEndingSources();
const sentencestyle::EndingTable& DaEndingTable();

} // namespace textconv
