#include "DelphiSource.h"

#include "LineWalk.h"
#include "Sjis.h"

#include <algorithm>

namespace textconv {

namespace {

constexpr size_t kBoxWidth = 68;
constexpr size_t kBoxCut = 66;

// The position of the first ":=", or npos when there is none or a
// double-byte character comes before it.
size_t FindAssignment(std::string_view Line)
{
    for (sjis::CharCursor c(Line); !c.AtEnd(); c.Next()) {
        if (c.IsDouble())
            return std::string_view::npos;
        if (Line.substr(c.Pos(), 2) == ":=")
            return c.Pos();
    }
    return std::string_view::npos;
}

} // namespace

std::string SwapAssignment(std::string_view Line)
{
    if (Line.size() < 4)
        return std::string(Line);
    std::string_view body = Line;
    if (body.ends_with("\r\n"))
        body.remove_suffix(2);
    if (body.ends_with(';'))
        body.remove_suffix(1);
    const std::string_view tail = Line.substr(body.size());

    const size_t at = FindAssignment(body);
    if (at == std::string_view::npos || at == 0 || at + 2 == body.size())
        return std::string(Line);
    std::string_view left = body.substr(0, at);
    std::string_view right = body.substr(at + 2);
    if (right.starts_with(' '))
        right.remove_prefix(1);
    if (left.ends_with(' '))
        left.remove_suffix(1);
    const size_t indentLen = std::min(left.find_first_not_of(" \t"), left.size());
    const std::string_view indent = left.substr(0, indentLen);
    left.remove_prefix(indentLen);

    std::string out;
    out.reserve(Line.size() + 2);
    out.append(indent).append(right).append(" := ").append(left).append(tail);
    return out;
}

std::string SwapAssignmentLines(std::string_view Text)
{
    return MapLines(Text, Text.size() + 16,
                    [](std::string_view Line, std::string& Out) { Out += SwapAssignment(Line); });
}

std::string BoxedComment(std::string_view Text)
{
    std::string_view line = Text.substr(0, Text.find('\r'));
    if (line.size() > kBoxWidth) {
        size_t cut = 0;
        while (cut < kBoxCut)
            cut += sjis::CharLen(line, cut);
        line = line.substr(0, cut);
    }
    const size_t pad = kBoxWidth - line.size();
    const size_t leftPad = (pad + 1) / 2;
    const size_t rightPad = pad % 2 == 0 ? leftPad : leftPad - 1;
    const std::string rule(kBoxWidth, '-');

    std::string out;
    out.reserve(3 * kBoxWidth + 32);
    out += "\r\n{! +" + rule + "+\r\n";
    out += "   |" + std::string(leftPad, ' ');
    out += line;
    out += std::string(rightPad, ' ') + "|\r\n";
    out += "   +" + rule + "+ !}\r\n";
    return out;
}

} // namespace textconv
