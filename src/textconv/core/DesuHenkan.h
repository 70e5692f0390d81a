// Plain-to-polite sentence style: sentences ending in だ, る, た and their
// forms are rewritten in the polite style (です, ます, ました and their forms).
#pragma once

#include "SentenceEndingTable.h"

#include <functional>
#include <string>
#include <string_view>

namespace textconv {

// Asks the user a Yes/No question (UTF-8); true for Yes.
using YesNoQuestion = std::function<bool(const std::string& Question)>;

// Converts Text as ConvertDesuToDa does the other way, with the particles
// か が ね よ (not し) and the context values 0 to 3. Two endings are
// ambiguous: 行った (行いました or 行きました) and 通った (通いました or
// 通りました). For each occurrence Ask is asked whether to write the first
// form; no Ask counts as No.
std::string ConvertDaToDesu(std::string_view Text, bool SkipQuotes, const YesNoQuestion& Ask);

// The polite form of a plain ending under the context value (0 to 3);
// empty when the table has no entry for it, or none for that value.
std::string_view DesuEndingLookup(std::string_view Ending, int Context);

// The table's lists (UTF-8) and the table built from them.
const sentencestyle::EndingSources& DesuEndingSources();
const sentencestyle::EndingTable& DesuEndingTable();

} // namespace textconv
