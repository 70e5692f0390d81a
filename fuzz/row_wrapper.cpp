// The row wrapper: the rows of a text give back its lines, each cut on a
// character boundary, and as many rows as the row count says.
//
// Input: width byte, tab byte, option bits, then the text.
#include "FuzzInput.h"
#include "edWrap.h"

#include <vector>

namespace {

// The lines of Text as the wrapper splits them: at CR LF, CR or LF; a final
// line break adds no line and an empty text is one empty line.
std::vector<std::string_view> LinesOf(std::string_view Text)
{
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (;;) {
        const size_t end = Text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            if (start < Text.size() || lines.empty())
                lines.push_back(Text.substr(start));
            return lines;
        }
        lines.push_back(Text.substr(start, end - start));
        start = end + (Text.substr(end, 2) == "\r\n" ? 2 : 1);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    TFuzzInput input(Data, Size);
    TEditorWrapOption option;
    option.SetWrapByte(input.Byte());
    TColumnModel model;
    model.TabSize = 1 + input.Byte() % 16;
    model.WordWrap = true;
    model.WrapByte = option.WrapByte();
    const uint8_t bits = input.Byte();
    option.SetWordBreak(bits & 1);
    option.SetFollowPunctuation(bits & 2);
    option.SetFollowRetMark(bits & 4);
    option.SetLeading(bits & 8);
    const std::string_view text = input.Rest();

    TEditorStringList rows;
    WrapText(text, model, option, rows);
    const std::vector<std::string_view> lines = LinesOf(text);
    int row = 0;
    for (std::string_view line : lines) {
        const int first = row;
        std::string joined;
        for (;;) {
            Check(row < rows.Count(), "every line has its rows");
            Check(sjis::IsCharBoundary(line, joined.size()), "a row starts on a character boundary");
            joined += rows.RowText(row);
            if (rows.RowAttribute(row++) != TRowAttribute::raWrapped)
                break;
        }
        Check(joined == line, "a line's rows give back the line");
        Check(WrapLineCount(line, model, option) == row - first, "the row count counts the rows");
    }
    Check(row == rows.Count(), "no rows beyond the lines");
    return 0;
}
