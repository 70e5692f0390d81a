// Replacing and deleting every occurrence of a string inside a text: the
// fast replace over pages and the conversion commands use them on whole
// page texts.
//
// Plain search never starts a match on the trail byte of a double-byte
// character and never ends one inside a character. Without soMatchCase the
// text and the string are compared with ASCII letters folded (double-byte
// characters never change, so every offset stays); the pieces kept come from
// the text as it was. soWholeWord keeps only matches that stand as whole
// words. With soRegexp Find is a regular expression (always case-sensitive,
// without fuzzy expansion) and Replacement an AWK-style replacement: "&" the
// match, "\&" an ampersand, escapes their characters.
#pragma once

#include "SearchOptionWord.h"

#include <string>
#include <string_view>

// Result := Source with every match of Find replaced; returns how many
// were replaced. An empty Find replaces nothing. With soRegexp a pattern
// that does not compile, or a replacement with a bad escape, raises
// ERegExpParser and leaves Result untouched.
int ReplaceText(std::string_view Source, std::string_view Find, std::string& Result, TSearchOptionWord Options,
                std::string_view Replacement);

// ReplaceText with an empty replacement: Source without the matches, and
// how many were deleted.
int DeleteText(std::string_view Source, std::string_view Find, std::string& Result, TSearchOptionWord Options);

// True when the regular expression matches the empty text at every place
// ("", "()", "(|)", "a*", "x?"): a replacement with it would go between
// every two characters. Raises ERegExpParser when it does not compile.
bool RegExpMatchesEmpty(const std::string& Pattern);
