// What every fuzz target shares: reading its settings and texts out of the
// one input libFuzzer gives, and stopping loudly when an invariant breaks.
#pragma once

#include "Sjis.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

class TFuzzInput {
public:
    TFuzzInput(const uint8_t* Data, size_t Size) : Rest_(reinterpret_cast<const char*>(Data), Size) {}

    // The next byte, 0 once the input is used up.
    uint8_t Byte()
    {
        if (Rest_.empty())
            return 0;
        const auto byte = static_cast<uint8_t>(Rest_.front());
        Rest_.remove_prefix(1);
        return byte;
    }
    // The text up to the next Separator (taken too), or the rest.
    std::string_view Part(char Separator = '\0')
    {
        const size_t end = Rest_.find(Separator);
        const std::string_view part = Rest_.substr(0, end);
        Rest_.remove_prefix(end == std::string_view::npos ? Rest_.size() : end + 1);
        return part;
    }
    std::string_view Rest() const { return Rest_; }

private:
    std::string_view Rest_;
};

// Aborts with the invariant's description, so that libFuzzer keeps the
// input and the replay test fails.
inline void Check(bool Holds, const char* Invariant)
{
    if (!Holds) {
        std::fprintf(stderr, "invariant broken: %s\n", Invariant);
        std::abort();
    }
}

// True when every lead byte of Text starts a double-byte character: the
// text has no broken character a conversion could make worse.
inline bool IsWellFormed(std::string_view Text)
{
    for (sjis::CharCursor c(Text); !c.AtEnd(); c.Next())
        if (c.Len() == 1 && sjis::IsLead(static_cast<unsigned char>(Text[c.Pos()])))
            return false;
    return true;
}
