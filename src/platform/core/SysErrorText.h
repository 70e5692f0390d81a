// The reason of a failed system call as the user reads it: Japanese, like
// every other message of the program. No English text of the system
// reaches a message box.
#pragma once

#include <string>

// The reason for Errno (an errno value), as a UTF-8 sentence ending in "。".
// Values without a wording of their own get a generic sentence that names
// the number.
std::string SysErrorMessage(int Errno);
