#include "Beep.h"

#include <QApplication>

namespace {

std::function<void()>& BeepHook()
{
    static std::function<void()> hook;
    return hook;
}

} // namespace

void Beep()
{
    if (BeepHook())
        BeepHook()();
    else
        QApplication::beep();
}

void SetBeepHook(std::function<void()> Hook) { BeepHook() = std::move(Hook); }
