// Opening a file or an address with the desktop's default handler, as a
// double click on it in a file manager or a browser would. The program
// never runs a file itself. Tests install a hook that records what would
// have been opened.
#pragma once

#include <functional>
#include <string>

// Target is Shift-JIS: an absolute path, or an address ("http://...",
// "www.example.com", "mailto:...").
using TShellOpenHook = std::function<void(const std::string& Target)>;

// Null puts back the desktop's handler.
void SetShellOpenHook(TShellOpenHook Hook);
void ShellOpen(const std::string& Target);
