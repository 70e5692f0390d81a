// The rules the options dialog applies to what was typed before it stores
// it: the user mode's extension, the external editor's command and the
// sub-icon captions. Texts are Shift-JIS.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The extension without the leading dots the user may type.
std::string StripLeadingDots(std::string_view Text);
// Letters A-Z and a-z and "~" only; empty, blanks, digits and double-byte
// characters are refused.
bool ValidUserExt(std::string_view Ext);

// The external editor as the options store it. The command stays as typed
// even when no program is found, so a drive that is away when the options
// are confirmed does not wipe it; only the switch goes off.
struct TExternalEditorOption {
    bool On = false;
    std::string Command;
};
// The program is the text up to and including ".exe" when that follows
// the first character; else the first word (a double-quoted path, or up to
// the first blank). It counts when it names an existing executable file,
// or a bare name found on PATH.
TExternalEditorOption CheckExternalEditor(const std::string& Text);

// A sub-icon caption as typed: leading blanks, tabs and dots removed.
std::string TrimCaption(std::string_view Text);

// The auto-save minutes shown for an interval in milliseconds (1..60).
int32_t AutoSaveMinutes(int32_t Milliseconds);
