// Case folding for the extended editor's find, with the case pairs of the
// editor's plain search (edCaseFold.h): a folded text has the unfolded
// text's length and offsets, and no other byte changes ("ア" 83 41 never
// turns into "ヂ" 83 61).
#pragma once

#include <string>
#include <string_view>

// Text with those letters in their capital form, into Folded (replaced).
void FoldTextInto(std::string_view Text, std::string& Folded);

// A pattern that matches in folded text what Pattern matches in any case:
// a literal small letter outside a bracket class, written plainly or as an
// escape ("\x61"), becomes its capital, and a class gains the capitals of
// its small items and ranges. Escapes keep their meaning: "\t" stays the
// TAB escape, never the letter T that a byte-wise upper-casing ("\T")
// would make of it. Raises the scanner's ERegExpParser for a malformed
// token.
std::string FoldRegExpPattern(std::string_view Pattern);
