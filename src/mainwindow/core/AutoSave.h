// When the auto-save timer runs and what it does when it fires.
#pragma once

#include <cstdint>
#include <optional>

// The timer's interval in milliseconds, or none: an interval of 0 or less
// turns auto-save off rather than firing without pause.
std::optional<int> AutoSaveInterval(int32_t AutoSaveTime);

struct TAutoSaveState {
    bool AutoSave = false;       // [Options] AutoSave
    bool HasFileName = false;    // the document was opened or saved under a name
    bool NewFileCaption = false; // the caption is still "NewFile"
    bool Saving = false;         // an auto-save, or one of its message boxes, is under way
};

// A tick saves only a named document, and never inside a tick still running.
bool AutoSaveDue(const TAutoSaveState& State);
