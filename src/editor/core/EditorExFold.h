// Case folding for the extended editor's find. Only the ASCII letters of
// single-byte characters fold, so a folded text has the unfolded text's
// length and offsets, and no byte of a double-byte character changes ("ア"
// 83 41 never turns into "ヂ" 83 61).
#pragma once

#include <string>
#include <string_view>

// Text with those letters lower-cased, into Folded (replaced).
void FoldTextInto(std::string_view Text, std::string& Folded);

// A pattern that matches in folded text what Pattern matches in any case:
// a literal upper-case letter outside a bracket class, written plainly or
// as an escape ("\x41"), becomes its lower-case letter, and a class gains
// the lower-case letters of its upper-case items and ranges. Escapes keep
// their meaning: "\T" is the letter T and finds "t", never a TAB as a
// byte-wise lower-casing ("\t") would make it. Raises the scanner's
// ERegExpParser for a malformed token.
std::string FoldRegExpPattern(std::string_view Pattern);
