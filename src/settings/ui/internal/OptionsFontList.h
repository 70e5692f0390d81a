// The face names the tree page offers: every family the screen has, sorted,
// Japanese faces included whatever pitch they report. A name Shift-JIS
// cannot hold is left out, since the settings file could not keep it.
#pragma once

#include <QStringList>

QStringList ScreenFontNames();
