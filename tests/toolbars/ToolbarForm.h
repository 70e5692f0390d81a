// A form shaped like the main window: a top dock with bound lines on its
// top and left edges that is a pixel thick when empty, an empty left dock,
// and toolbars of 23 x 22 buttons in groups ended by separators.
#pragma once

#include "DockButton.h"
#include "DockSeparator.h"
#include "DockToolbar.h"
#include "FormLoading.h"
#include "SysUtils.h"
#include "ToolDock.h"

#include <QApplication>
#include <QImage>
#include <QWidget>
#include <gmock/gmock.h>
#include <initializer_list>
#include <string>

// A toolbar on Dock with groups of the given numbers of buttons.
inline TDockToolbar* MakeToolbar(TToolDock* Dock, const char* Name, std::initializer_list<int> Groups)
{
    auto* bar = new TDockToolbar(Dock, Name);
    bool first = true;
    for (int buttons : Groups) {
        if (!std::exchange(first, false))
            new TDockSeparator(bar);
        for (int i = 0; i < buttons; ++i)
            new TDockButton(bar);
    }
    return bar;
}

// What Widget paints, as an image of its size.
inline QImage Rendered(QWidget& Widget)
{
    QImage image(Widget.size(), QImage::Format_RGB32);
    Widget.render(&image);
    return image;
}

struct TToolbarForm {
    QWidget Form;
    TToolDock* Top = new TToolDock(&Form, "ToolDock1");
    TToolDock* Left = new TToolDock(&Form, "ToolDock2", TDockPosition::dpLeft);
    TDockToolbar* File;
    TDockToolbar* Tree;
    TDockToolbar* Edit;

    TToolbarForm()
    {
        Form.resize(640, 400);
        Top->setGeometry(0, 0, 640, 0);
        Left->setGeometry(0, 40, 0, 360);
        Top->SetBoundLines({TDockBoundLine::blTop, TDockBoundLine::blLeft});
        Top->SetFixAlign(true);
        BeginFormLoading(Form);
        File = MakeToolbar(Top, "ToolbarFile", {3, 2});
        Tree = MakeToolbar(Top, "ToolbarTree", {4, 2});
        Edit = MakeToolbar(Top, "ToolbarEdit", {3});
        EndFormLoading(Form);
        QApplication::sendPostedEvents();
    }
};
