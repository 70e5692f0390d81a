// Wrapping a text to a byte width under the Japanese line-breaking rules.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace textconv {

// The wrap widths a user may choose. A width outside them, typed or read
// from the settings file, is taken as the nearer end: a width of 0 or 1
// would otherwise wrap the text away.
constexpr int kMinWrapWidth = 10, kMaxWrapWidth = 8192;
int ClampWrapWidth(int Width);

struct TWrapOptions {
    // English word wrap: a run of letters is moved to the next line whole.
    bool English = false;
    // Continuation lines start with as many spaces as the leading blanks of
    // their text line's first line are wide.
    bool Indent = false;
    // The tab width in columns (the active editor's Caret.TabSpaceCount).
    int TabWidth = 8;
};

// The width in bytes of the leading blanks of Line: a space counts 1, "　" 2.
size_t StripLeadingIndent(std::string_view Line);

// Wraps every line of Text at Width bytes (clamped to the range above)
// without splitting a double-byte character:
// - an opener (「, ( ...) that would stand in the last two bytes goes to the
//   next line, and closers and punctuation (、。」) hang past the width, up
//   to four in a row;
// - a wrap never leaves a line that was not in the text: blanks alone after
//   a wrap end the wrapped line instead;
// - a line longer than 8,192 bytes is broken there even without a width.
// TABs become spaces up to the next tab stop; one whose stop lies past the
// width fills the line to the width and ends it. Every line of the result
// ends with CR LF; an empty text gives an empty result.
std::string WrapLines(std::string_view Text, int Width, const TWrapOptions& Options);

} // namespace textconv
