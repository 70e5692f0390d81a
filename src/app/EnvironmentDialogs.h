// Answers for the program's questions taken from the environment, so that
// tests that start the program as a process can script its dialogs:
// VELK_DIALOG_ANSWERS="no,yes" answers the first box No and the second Yes
// (yes, no, ok, cancel, all; "file:<path>" chooses that file in a file
// dialog). Questions beyond the script get the scripted
// hook's default answer; without the variable the dialogs show as usual.
#pragma once

#include <memory>

class TScriptedDialogs;

std::unique_ptr<TScriptedDialogs> DialogsFromEnvironment();
