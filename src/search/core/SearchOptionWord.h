// The option word the search dialogs hand to the main window's search
// commands. The low four bits are the editor's TExSearchOptions, so a
// command passes them on as they are.
#pragma once

#include <cstdint>

using TSearchOptionWord = uint16_t;

enum : TSearchOptionWord {
    soMatchCase = 0x0001,
    soRegexp = 0x0002,
    soFuzzy = 0x0004,
    soWholeWord = 0x0008,
    soDownward = 0x0010,
    soWholeFile = 0x0020,
    soReplace = 0x0040,
    soReplaceAll = 0x0080,
    soReplaceConfirm = 0x0100,
    soStartPos = 0x0200,
};

// The bits the editor's find takes.
inline constexpr TSearchOptionWord kExSearchOptionBits = 0x000F;
