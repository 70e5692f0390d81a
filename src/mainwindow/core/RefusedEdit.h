// What the external editor handed back and the page refused is kept for
// the user under a name of its own, made from the date and time of the
// refusal, so no later refusal, view or start-up replaces or deletes it.
#pragma once

#include <ctime>
#include <string>
#include <string_view>

// Writes Bytes to a new file in Folder (ending in "/"; made when missing)
// named "edit-" + When as local "YYYYMMDD-HHMMSS", then "-2", "-3", ...
// when that name is taken, then Extension; never over an existing file.
// Returns the file's name. Raises EFCreateError with the reason when the
// file cannot be made or written; nothing is left behind then.
std::string KeepRefusedEdit(std::string_view Bytes, const std::string& Folder, const std::string& Extension,
                            std::time_t When);
