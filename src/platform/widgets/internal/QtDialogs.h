// The dialog hook's answers from a person, through Qt's dialogs with the
// captions a Japanese desktop program shows ("はい", "いいえ", "OK",
// "キャンセル").
#pragma once

#include "DialogHook.h"

#include <QStringList>
#include <string_view>

TDialogHook& QtDialogs();

// A file filter as the program writes it ("テキスト|*.txt;*.PAS|All
// Files|*.*") as Qt's name filters ("テキスト (*.txt *.TXT *.PAS *.pas)",
// "All Files (*)"). File names on Linux differ by case, so each pattern
// comes in lower and upper case too; "*.*" means every file, as it does on
// the system the filters were written for.
QStringList QtNameFilters(std::string_view Filter);
