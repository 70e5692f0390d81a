// The hourglass cursor for the length of a scope, however it is left.
#pragma once

#include <QCursor>
#include <QGuiApplication>

class THourGlass {
public:
    THourGlass() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~THourGlass() { QGuiApplication::restoreOverrideCursor(); }
    THourGlass(const THourGlass&) = delete;
    THourGlass& operator=(const THourGlass&) = delete;
};
