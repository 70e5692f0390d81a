#include "StrJoin.h"

#include "LayoutLiterals.h"
#include "LineWalk.h"
#include "Sjis.h"

namespace textconv {

namespace {

// Copies Text without the line breaks that Keeps(next line start) rejects.
template <typename KeepsFn>
std::string JoinLines(std::string_view Text, KeepsFn Keeps)
{
    std::string out;
    out.reserve(Text.size());
    size_t start = 0;
    while (start < Text.size()) {
        const size_t cr = Text.find('\r', start);
        if (cr == std::string_view::npos)
            break;
        out.append(Text.substr(start, cr - start));
        start = cr + LineBreakAt(Text, cr);
        if (start < Text.size() && Keeps(Text, start))
            out.append(Text.substr(cr, start - cr));
    }
    out.append(Text.substr(start));
    return out;
}

bool StartsEmptyLine(std::string_view Text, size_t Pos) { return Text[Pos] == '\r'; }

} // namespace

std::string JoinLinesExceptZenSpace(std::string_view Text)
{
    static const uint16_t zenSpace = LiteralCode(layout_literals::ZenSpace);
    return JoinLines(Text, [](std::string_view T, size_t Pos) { return sjis::CharCode(T, Pos) == zenSpace; });
}

std::string JoinLinesForQuote(std::string_view Text)
{
    static const CodeSet heads(std::string(layout_literals::ZenSpace) + std::string(layout_literals::KagiOpen));
    return JoinLines(Text, [](std::string_view T, size_t Pos) {
        return StartsEmptyLine(T, Pos) || heads.Contains(sjis::CharCode(T, Pos));
    });
}

std::string JoinLinesExceptMarks(std::string_view Text)
{
    static const CodeSet marks(layout_literals::ParagraphMarks);
    return JoinLines(Text, [](std::string_view T, size_t Pos) {
        return StartsEmptyLine(T, Pos) || marks.Contains(sjis::CharCode(T, Pos));
    });
}

} // namespace textconv
