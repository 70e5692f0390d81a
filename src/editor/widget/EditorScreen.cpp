#include "EditorScreen.h"

#include "EditorBase.h"

#include <cstdlib>

void TEditorScreen::Update(const TChangeExtent& Extent)
{
    TEditor& editor = Editor_;
    const int rows = editor.VisibleRows();
    const int first = Extent.First;
    const int oldCount = Extent.OldCount;
    const int newCount = Extent.NewCount;
    if (std::abs(newCount - oldCount) > rows) {
        editor.viewport()->update();
        return;
    }
    // The rows whose text or colouring changed.
    const int bottom = first + newCount + std::max(0, Extent.ChangedStates - newCount);
    const bool pastEnd = bottom >= editor.RowCount();
    if (oldCount != newCount) {
        // Every row below moved: the text, its marks and its numbers.
        editor.InvalidateFromRow(first);
        return;
    }
    for (int row = first; row < bottom + (pastEnd ? 2 : 0); ++row)
        editor.InvalidateRow(row);
    // The row after the text holds a number exactly when the text ends
    // with a line break.
    if (pastEnd)
        editor.InvalidateRows(bottom, bottom + 1);
    const TEditorLeftbar& leftbar = *editor.Leftbar();
    if (leftbar.Visible() && leftbar.ShowNumber() && leftbar.ShowNumberMode() == TEditorShowNumberMode::nmLine)
        editor.InvalidateRows(bottom, first + rows);
}
