// Other programs started with their words in the system's form. Each word
// goes to the program as its bytes, so a file name that is not UTF-8
// reaches it as it is: Qt's own starter hands such bytes on as U+FFFD and
// so names another file, or none.
#pragma once

#include "ProgramCommand.h"

#include <functional>

// Starts Command with its input from /dev/null and this program's outputs,
// calls Started once it runs, and waits for its end while handling events.
// False when it could not be started.
bool RunProgramAndWait(const TProgramCommand& Command, const std::function<void()>& Started);

// Starts Command and lets it run on its own. False when it could not be
// started.
bool StartProgram(const TProgramCommand& Command);

// Runs Command to its end, handling no events. False when it could not be
// started.
bool RunProgram(const TProgramCommand& Command);
