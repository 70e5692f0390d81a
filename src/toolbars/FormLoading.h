// A form builds its docks and tool windows while it is loading. Until it
// ends, docks do not lay out and tool windows neither arrange their
// controls nor report moves and resizes. At the end every tool window
// sorts its controls by where their maker put them and arranges them, and
// every dock lays out once: bars not placed yet (DockPos -1) come first in
// their rows, in the order they were made.
#pragma once

class QWidget;

void BeginFormLoading(QWidget& Form);
void EndFormLoading(QWidget& Form);
// Whether the form Widget belongs to is loading.
bool FormLoading(const QWidget* Widget);
