#include "DialogFrame.h"

#include <QWidget>

void SetDialogFrame(QWidget& Window, TDialogBorder Border)
{
    Window.setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    if (Border == TDialogBorder::Fixed) {
        const bool sized = Window.testAttribute(Qt::WA_Resized);
        Window.setFixedSize(sized ? Window.size().expandedTo(Window.minimumSizeHint()) : Window.sizeHint());
    }
}
