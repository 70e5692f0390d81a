// The editor's own mouse cursors, installed in Screen's cursor table by the
// library start-up.
#pragma once

#include "Screen.h"

// Over the left margin, where a click selects whole rows.
constexpr TCursor crRightArrow = 1958;
// While a dragged selection is to be copied rather than moved.
constexpr TCursor crDragSelCopy = 1959;

void InstallEditorCursors();
