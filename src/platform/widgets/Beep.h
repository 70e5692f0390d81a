// The short warning sound of a refused key or command, behind a hook so
// that tests count beeps instead of hearing them.
#pragma once

#include <functional>

void Beep();
// Null restores the system's beep.
void SetBeepHook(std::function<void()> Hook);
