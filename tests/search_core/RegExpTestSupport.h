// Helpers shared by the regular-expression tests.
#pragma once

#include "ERegExpParser.h"
#include "RE_DFA.h"
#include "SjisLiteral.h"

#include <memory>
#include <optional>
#include <ostream>
#include <string>

// Parser, NFA and DFA, as the pattern cache compiles.
std::unique_ptr<TRE_DFA> CompilePattern(const std::string& Pattern);

struct CompileFailure {
    std::string Message;
    int Position;
};
// The error compiling Pattern raises, or none when it compiles.
std::optional<CompileFailure> CompileError(const std::string& Pattern);

// A text after a replacement, with the number of matches replaced.
struct Replaced {
    std::string Text;
    int Count;
    friend bool operator==(const Replaced&, const Replaced&) = default;
    friend std::ostream& operator<<(std::ostream& Out, const Replaced& R)
    {
        return Out << '"' << R.Text << "\" x" << R.Count;
    }
};
