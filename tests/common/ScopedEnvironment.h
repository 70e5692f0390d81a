// An environment variable set (or, given nullopt, unset) for one scope and
// put back as it was after it: tests of one process share the
// environment, and a variable left pointing into a test's removed folder
// would steer the tests after it.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

class TScopedEnvironment {
public:
    TScopedEnvironment(const char* Name, const std::optional<std::string>& Value) : Name_(Name)
    {
        if (const char* before = std::getenv(Name))
            Before_ = before;
        Set(Value);
    }
    ~TScopedEnvironment() { Set(Before_); }
    TScopedEnvironment(const TScopedEnvironment&) = delete;
    TScopedEnvironment& operator=(const TScopedEnvironment&) = delete;

private:
    void Set(const std::optional<std::string>& Value) const
    {
        Value ? setenv(Name_, Value->c_str(), 1) : unsetenv(Name_);
    }

    const char* Name_;
    std::optional<std::string> Before_;
};
