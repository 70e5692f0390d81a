// Permissions do not bind root, and the tests may run as root.
#pragma once

#include <functional>
#include <string>

// Runs Body in a child process as the unprivileged user "nobody" (Folder
// and everything in it handed over to that user first) when the tests run
// as root, else in a child as the current user. True when Body returned
// true.
bool WithoutPrivileges(const std::string& Folder, const std::function<bool()>& Body);
