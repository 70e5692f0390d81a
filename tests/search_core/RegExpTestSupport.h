// Helpers shared by the regular-expression tests.
#pragma once

#include "SjisLiteral.h"

#include <ostream>
#include <string>

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
