#include "line_layout_util.h"

#include "Cp932.h"

std::vector<std::string> UtfLines(std::string_view Sjis)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < Sjis.size()) {
        const size_t br = Sjis.find("\r\n", start);
        if (br == std::string_view::npos) {
            lines.push_back(SjisToUtf8(Sjis.substr(start)));
            lines.push_back("⏎?");
            break;
        }
        lines.push_back(SjisToUtf8(Sjis.substr(start, br - start)));
        start = br + 2;
    }
    return lines;
}
