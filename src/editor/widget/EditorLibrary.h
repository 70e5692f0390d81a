// The editor library's process-wide values. They are made on first use,
// so that code without a window never needs a QGuiApplication, and freed
// when the application object ends.
#pragma once

#include <QPixmap>
#include <vector>

class TDotLineCollection;

// Makes the values, once: registers the box-selection clipboard format
// "TEditor Box Type", installs the cursors crRightArrow and crDragSelCopy,
// draws the two row-mark image lists and creates the dotted-line cache.
// Later calls do nothing. Needs a QGuiApplication.
void StartEditorLibrary();

// Each of these starts the library first.
int BoxClipboardFormat();
// Row marks 0 to 9, 8 x 11 pixels each.
const std::vector<QPixmap>& DefaultImageDigits();
// Marks 10 to 15 (image 0 is mark 10), 11 x 11 pixels each.
const std::vector<QPixmap>& DefaultImageMarks();
TDotLineCollection& DotLineCollection();
