// The one rule every conversion follows for a broken byte.
#pragma once

#include "Sjis.h"

#include <cstddef>

namespace textconv {

// A lone lead byte (one that no trail byte follows) is a character of its
// own, and a conversion must keep it so when it writes something new after
// it: the byte stays as it stands while what follows cannot be read as its
// trail byte, and becomes "?" when it could, the mark the program writes for
// a character it cannot hold (as the CP932 encoder does).
constexpr char kLoneLeadMark = '?';
inline void SeparateLoneLead(char* LoneLead, char Next)
{
    if (sjis::IsTrail(static_cast<unsigned char>(Next)))
        *LoneLead = kLoneLeadMark;
}

inline bool IsLoneLead(const char* Char, size_t Len)
{
    return Len == 1 && sjis::IsLead(static_cast<unsigned char>(*Char));
}

} // namespace textconv
