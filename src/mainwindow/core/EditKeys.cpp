#include "EditKeys.h"

#include "VirtualKeys.h"

#include <algorithm>

std::string AutoIndentOf(std::string_view Line, int CaretIndex)
{
    const auto limit = static_cast<size_t>(std::max(CaretIndex, 0));
    size_t end = 0;
    while (end < Line.size()) {
        const size_t width = Line[end] == ' ' || Line[end] == '\t'                    ? 1
                             : Line.substr(end, 2) == std::string_view("\x81\x40", 2) ? 2
                                                                                      : 0;
        if (width == 0 || end + width > limit)
            break;
        end += width;
    }
    return std::string(Line.substr(0, end));
}

std::optional<TEnclosure> KeypadEnclosure(uint16_t Key)
{
    switch (Key) {
    case VK_NUMPAD0 + 1: return TEnclosure{"{* ", " *}"};
    case VK_NUMPAD0 + 2: return TEnclosure{"{! ", " !}"};
    case VK_NUMPAD0 + 3: return TEnclosure{"/* ", " */"};
    case VK_NUMPAD0 + 4: return TEnclosure{" \"", "\" "};
    case VK_NUMPAD0 + 5: return TEnclosure{" '", "' "};
    default: return std::nullopt;
    }
}

std::optional<TNumberingStyle> KeypadNumbering(uint16_t Key)
{
    switch (Key) {
    case VK_NUMPAD0 + 7: return TNumberingStyle{"", ": ", true};
    case VK_NUMPAD0 + 8: return TNumberingStyle{"(", ")", false};
    default: return std::nullopt;
    }
}
