#include "Keisen.h"

#include "Cp932.h"
#include "LayoutLiterals.h"
#include "LineWalk.h"

#include <algorithm>

namespace textconv {

namespace {

// The six frame characters, two bytes each: top-left, top-right,
// bottom-left, bottom-right, vertical, horizontal.
struct Frame {
    explicit Frame(std::string_view Utf8) : Chars(Utf8ToSjis(Utf8)) {}
    std::string_view Part(int Index) const { return std::string_view(Chars).substr(Index * 2, 2); }
    std::string Chars;
};

std::string Repeat(std::string_view Unit, size_t Count)
{
    std::string out;
    out.reserve(Unit.size() * Count);
    for (size_t i = 0; i < Count; ++i)
        out += Unit;
    return out;
}

} // namespace

std::string DrawRuledBox(std::string_view Text, bool KeisenBig)
{
    static const Frame thin(layout_literals::ThinFrame);
    static const Frame heavy(layout_literals::HeavyFrame);
    const Frame& frame = KeisenBig ? heavy : thin;

    size_t width = 0;
    ForEachLine(Text, [&width](std::string_view Line) { width = std::max(width, Line.size()); });
    width += width % 2;
    const std::string rule = Repeat(frame.Part(5), width / 2);

    std::string out;
    out.reserve(Text.size() + 4 * width + 64);
    out += "\r\n";
    out.append(frame.Part(0)).append(rule).append(frame.Part(1)) += "\r\n";
    ForEachLine(Text, [&](std::string_view Line) {
        out.append(frame.Part(4)).append(Line).append(width - Line.size(), ' ').append(frame.Part(4)) += "\r\n";
    });
    out.append(frame.Part(2)).append(rule).append(frame.Part(3)) += "\r\n";
    return out;
}

} // namespace textconv
