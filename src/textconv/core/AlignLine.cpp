#include "AlignLine.h"

#include "LineHeads.h"

namespace textconv {

void AlignLine(TAlignLineEditor& Editor, int Mode)
{
    if (Mode < amLeft || Mode > amRight)
        return;
    // An empty text, or one line break alone, has only empty lines.
    const int row = Editor.Row();
    const int index = Editor.RowToLine(row);
    if (index < 0 || index >= Editor.LineCount())
        return;
    const std::string line = Editor.Line(index);
    if (line.empty())
        return;
    const std::string_view text = StripLeadingSpaceTab(line);
    const int wrap = Editor.WrapByte();
    if (static_cast<int>(text.size()) >= wrap)
        return;
    const int free = wrap - static_cast<int>(text.size());
    const int spaces = Mode == amCenter ? free / 2 : Mode == amRight ? free : 0;
    Editor.SetLine(index, std::string(spaces, ' ') + std::string(text));
    Editor.SetRow(row);
    Editor.SetCol(spaces);
}

} // namespace textconv
