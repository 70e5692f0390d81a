#include "LineHeads.h"

#include "Cp932.h"
#include "LayoutLiterals.h"
#include "LineWalk.h"
#include "Sjis.h"

#include <algorithm>

namespace textconv {

namespace {

constexpr int kLastLineNumber = 1000;

// Writes every line of Text with what Head(Line, Out) appends before it.
template <typename HeadFn>
std::string WithLineHeads(std::string_view Text, size_t ExtraPerLine, HeadFn Head)
{
    return MapLines(Text, Text.size() + Text.size() / 16 * ExtraPerLine + ExtraPerLine + 2,
                    [&Head](std::string_view Line, std::string& Out) {
                        Head(Line, Out);
                        Out.append(Line);
                    });
}

std::string InsertLeading(std::string_view Text, std::string_view Unit, int Count)
{
    std::string head;
    for (int i = 0; i < Count; ++i)
        head += Unit;
    return WithLineHeads(Text, head.size(), [&head](std::string_view, std::string& Out) { Out += head; });
}

bool StartsParagraph(std::string_view Line)
{
    static const CodeSet heads(std::string("([0123456789") + std::string(layout_literals::ParagraphHeads));
    const uint16_t first = sjis::CharCode(Line, 0);
    // ☆ ★ ○ ● ◎ ◇ ◆ □ ■ △ ▲ ▽ ▼ ※ 〒
    return heads.Contains(first) || (first >= 0x8199 && first <= 0x81A7);
}

} // namespace

std::string_view StripLeadingSpaceTab(std::string_view Line)
{
    const size_t start = Line.find_first_not_of(" \t");
    return start == std::string_view::npos ? std::string_view() : Line.substr(start);
}

std::string InsertLeadingSpaces(std::string_view Text, int Count) { return InsertLeading(Text, " ", Count); }

std::string InsertLeadingTabs(std::string_view Text, int Count) { return InsertLeading(Text, "\t", Count); }

std::string InsertLeadingZenSpaces(std::string_view Text, int Count)
{
    static const std::string zenSpace = Utf8ToSjis(layout_literals::ZenSpace);
    return InsertLeading(Text, zenSpace, Count);
}

std::string InsertQuoteMarks(std::string_view Text, std::string_view QMark)
{
    return WithLineHeads(Text, QMark.size(), [QMark](std::string_view Line, std::string& Out) {
        if (!Line.empty())
            Out += QMark;
    });
}

std::string LogicalLinesToParagraphs(std::string_view Text)
{
    static const std::string zenSpace = Utf8ToSjis(layout_literals::ZenSpace);
    return WithLineHeads(Text, 2, [](std::string_view Line, std::string& Out) {
        if (!Line.empty() && !StartsParagraph(Line))
            Out += zenSpace;
    });
}

std::string InsertLineNumbers(std::string_view Text, const TLineNumberOptions& Options, int& InsertNumber)
{
    if (!Options.NoContinue)
        InsertNumber = 1;
    if (InsertNumber > kLastLineNumber)
        InsertNumber = 1;
    size_t lineCount = 0;
    ForEachLine(Text, [&lineCount](std::string_view) { ++lineCount; });
    const size_t fieldWidth = std::to_string(lineCount).size();
    const size_t extra = Options.BeforeNumberStr.size() + Options.AfterNumberStr.size() + fieldWidth + 1;
    return WithLineHeads(Text, extra, [&](std::string_view, std::string& Out) {
        const std::string number = std::to_string(InsertNumber);
        if (Options.NumberIndent)
            Out.append(fieldWidth > number.size() ? fieldWidth - number.size() : 0, ' ');
        Out += Options.BeforeNumberStr;
        Out += number;
        Out += Options.AfterNumberStr;
        if (++InsertNumber > kLastLineNumber)
            InsertNumber = 1;
    });
}

} // namespace textconv
