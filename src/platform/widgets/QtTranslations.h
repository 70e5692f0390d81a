// Qt's own windows (the file dialogs, the colour dialog, a line edit's
// context menu) in Japanese like every other text of the program: the
// user's locale when it is Japanese, Japanese otherwise.
#pragma once

class QCoreApplication;

// Returns false when Qt's Japanese translations are not installed; Qt's
// windows then stay in English.
bool UseJapaneseInQtWindows(QCoreApplication& App);
