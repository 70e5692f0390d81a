// Upper and lower case over Shift-JIS text, as a Japanese writer expects
// of "大文字⇒小文字": ASCII letters and the full-width Latin, Greek,
// Cyrillic and Roman-numeral letters of CP932. Characters are walked
// whole, so a trail byte that looks like a letter (ア is 83 41) is never
// touched.
#pragma once

#include <string>
#include <string_view>

namespace textconv {

std::string LowerCaseText(std::string_view Text);
std::string UpperCaseText(std::string_view Text);

} // namespace textconv
