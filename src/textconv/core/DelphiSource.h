// Helpers for Delphi source text: the assignment swap and the boxed comment.
#pragma once

#include <string>
#include <string_view>

namespace textconv {

// "a := b;" becomes "b := a;": the sides of the first ":=" change places,
// the line's indentation and a final ";" (and CR LF) stay where they are.
// A line shorter than 4 bytes, one without ":=" or with ":=" at its very
// start or end, and one with a double-byte character before ":=" come back
// unchanged.
std::string SwapAssignment(std::string_view Line);

// SwapAssignment on every line; the result ends with CR LF only when the
// text did.
std::string SwapAssignmentLines(std::string_view Text);

// The first line of Text centred in a 68-column "{! ... !}" comment box,
// cut to 66 bytes (67 to keep a double-byte character whole) when longer
// than 68. The box starts with a CR LF of its own.
std::string BoxedComment(std::string_view Text);

} // namespace textconv
