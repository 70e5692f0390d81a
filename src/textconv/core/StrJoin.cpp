#include "StrJoin.h"

#include "LayoutLiterals.h"
#include "LineWalk.h"
#include "Sjis.h"

namespace textconv {

namespace {

// Copies Text without the line breaks that Keeps(the next line) rejects.
template <typename KeepsFn>
std::string JoinLines(std::string_view Text, KeepsFn Keeps)
{
    std::string out;
    out.reserve(Text.size());
    std::string_view pending; // the line break before this line
    ForEachLineWithBreak(Text, [&](std::string_view Line, std::string_view Break) {
        if (!pending.empty() && Keeps(Line))
            out.append(pending);
        out.append(Line);
        pending = Break;
    });
    return out;
}

// The code of the first character of Line; 0 for an empty line.
uint16_t FirstCode(std::string_view Line) { return Line.empty() ? 0 : sjis::CharCode(Line, 0); }

} // namespace

std::string JoinLinesExceptZenSpace(std::string_view Text)
{
    static const uint16_t zenSpace = LiteralCode(layout_literals::ZenSpace);
    return JoinLines(Text, [](std::string_view Line) { return FirstCode(Line) == zenSpace; });
}

std::string JoinLinesForQuote(std::string_view Text)
{
    static const CodeSet heads(std::string(layout_literals::ZenSpace) + std::string(layout_literals::KagiOpen));
    return JoinLines(Text, [](std::string_view Line) { return Line.empty() || heads.Contains(FirstCode(Line)); });
}

std::string JoinLinesExceptMarks(std::string_view Text)
{
    static const CodeSet marks(layout_literals::ParagraphMarks);
    return JoinLines(Text, [](std::string_view Line) { return Line.empty() || marks.Contains(FirstCode(Line)); });
}

} // namespace textconv
