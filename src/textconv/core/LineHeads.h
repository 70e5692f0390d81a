// Changing the heads of lines: indents, quote marks, paragraph marks and
// numbers. Unless said otherwise a routine treats every line, empty ones
// included, and its result ends with CR LF only when the text did.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace textconv {

// Line without its leading spaces and TABs.
std::string_view StripLeadingSpaceTab(std::string_view Line);

// Count spaces, TABs or "　" in front of every line.
std::string InsertLeadingSpaces(std::string_view Text, int Count);
std::string InsertLeadingTabs(std::string_view Text, int Count);
std::string InsertLeadingZenSpaces(std::string_view Text, int Count);

// QMark in front of every non-empty line.
std::string InsertQuoteMarks(std::string_view Text, std::string_view QMark);

// "　" in front of every non-empty line that does not already start like a
// paragraph or an item: "(", "[", a digit, "　" "・" "（" "［" "「" "【" and the
// symbols ☆ ★ ○ ● ◎ ◇ ◆ □ ■ △ ▲ ▽ ▼ ※ 〒.
std::string LogicalLinesToParagraphs(std::string_view Text);

// The settings of the line-number command.
struct TLineNumberOptions {
    std::string BeforeNumberStr; // written before each number
    std::string AfterNumberStr;  // and after it
    // Numbers are right-aligned to the width of the line count.
    bool NumberIndent = false;
    // Numbering goes on from InsertNumber; otherwise it starts at 1.
    bool NoContinue = false;
};

// Numbers every line with InsertNumber, the next number of the run, which
// counts on and comes back to 1 after 1000.
std::string InsertLineNumbers(std::string_view Text, const TLineNumberOptions& Options, int& InsertNumber);

} // namespace textconv
