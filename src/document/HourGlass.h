// The hourglass cursor while a long piece of work runs; restored on every
// way out of the scope.
#pragma once

#include <QGuiApplication>

class THourGlass {
public:
    THourGlass() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~THourGlass() { QGuiApplication::restoreOverrideCursor(); }
    THourGlass(const THourGlass&) = delete;
    THourGlass& operator=(const THourGlass&) = delete;
};
