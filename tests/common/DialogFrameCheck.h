// Whether a window has the frame of the program's dialogs: a title and a
// close box, neither a minimise nor a maximise button, and, for a fixed
// dialog, one size only, so that no window manager offers to resize or
// maximise it.
#pragma once

#include <QWidget>
#include <gtest/gtest.h>

inline ::testing::AssertionResult HasDialogFrame(const QWidget& Window, bool Fixed)
{
    const Qt::WindowFlags flags = Window.windowFlags();
    if (Window.windowType() != Qt::Dialog)
        return ::testing::AssertionFailure() << "not a dialog window";
    if (flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint))
        return ::testing::AssertionFailure() << "offers a minimise or maximise button";
    if (!(flags & Qt::WindowTitleHint) || !(flags & Qt::WindowCloseButtonHint))
        return ::testing::AssertionFailure() << "lacks its title or close box";
    if (Fixed && Window.minimumSize() != Window.maximumSize())
        return ::testing::AssertionFailure() << "can be resized";
    return ::testing::AssertionSuccess();
}
