// Joining lines into paragraphs: every line break goes except those before
// a line that starts a paragraph. A final line break, which no line follows,
// goes too.
#pragma once

#include <string>
#include <string_view>

namespace textconv {

// Keeps the breaks before a line starting with "　".
std::string JoinLinesExceptZenSpace(std::string_view Text);
// Keeps the breaks before "　", before "「" and before an empty line; so of
// the two breaks around an empty line only the first stays.
std::string JoinLinesForQuote(std::string_view Text);
// Keeps the breaks before an empty line and before the paragraph marks
// "　" "「" "［" "（" "【" "□" "■" "◇" "◆" "▽" "▼" "○" "●".
std::string JoinLinesExceptMarks(std::string_view Text);

} // namespace textconv
