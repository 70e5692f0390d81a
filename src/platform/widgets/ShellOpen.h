// Opening a file or an address with the desktop's default handler, as a
// double click on it in a file manager or a browser would. The program
// never runs a file itself. Tests install a hook that records what would
// have been opened.
#pragma once

#include <functional>
#include <string>

// Target is Shift-JIS: an absolute path, or an address ("http://...",
// "www.example.com", "mailto:..."). The result: whether a handler took it.
using TShellOpenHook = std::function<bool(const std::string& Target)>;

// Null puts back the desktop's handler.
void SetShellOpenHook(TShellOpenHook Hook);
// False when the desktop has no handler for Target (no web browser set up,
// say); nothing is told.
bool ShellOpen(const std::string& Target);
