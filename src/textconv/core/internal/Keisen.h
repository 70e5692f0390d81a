// The ruled box: a text framed in box-drawing characters.
#pragma once

#include <string>
#include <string_view>

namespace textconv {

// Every line of Text padded with spaces to the width of the longest (made
// even) and framed in thin box-drawing characters, or heavy ones with
// KeisenBig. The box starts with a CR LF of its own and every line of it
// ends with CR LF.
std::string DrawRuledBox(std::string_view Text, bool KeisenBig);

} // namespace textconv
