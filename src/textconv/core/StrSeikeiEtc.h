// Line formatting around brackets, words and alphanumerics.
#pragma once

#include <string>
#include <string_view>

namespace textconv {

// Puts every sentence in 「 」 on a line of its own: a "「" that does not
// begin a line starts a new one, and a line ends after a "」" that a line
// break does not follow. Each output line ends with CR LF; a line longer
// than 8,192 bytes is broken there.
std::string BreakKagiSentences(std::string_view Text);

// The words of Text one per line, each followed by CR LF. Every half-width
// space and every line break ends a word, so two spaces in a row give an
// empty word; "　" does not separate.
std::string SplitWords(std::string_view Text);

// Puts a half-width space between a half-width letter or digit and a
// double-byte character next to it, except next to blanks, punctuation and
// full-width brackets (after the letter: "　" "、" "。" "，" and（...】;
// before it, also "゛" "゜" "´"). A line longer than 8,192 bytes is broken
// there. The result ends with CR LF only when the text did.
std::string SeparateAlphanumerics(std::string_view Text);

} // namespace textconv
