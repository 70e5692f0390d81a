// The frame of the program's dialogs and small tool windows: a title and a
// close box, without minimise or maximise buttons.
#pragma once

class QWidget;

enum class TDialogBorder {
    // The size it was given, or its layout's when it was given none, and no
    // other: a window manager then offers neither resizing nor maximising.
    Fixed,
    Sizable,
};

// Gives Window, a top-level window not shown yet, a dialog's frame. Call it
// once its controls are in place, so that a fixed size holds them all.
void SetDialogFrame(QWidget& Window, TDialogBorder Border);
