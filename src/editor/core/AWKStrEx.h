// The regular-expression object of the extended editor: every match of
// the pattern in one logical line, for find highlighting and for find next
// and previous.
#pragma once

#include "AWKStr.h"

#include <string>
#include <string_view>
#include <vector>

// A find hit in a logical line.
struct TFindHit {
    int Start = 0;    // 0-based byte offset in the line
    int Length = 0;   // bytes; may reach into the line break after the line
    std::string Text; // the line's bytes there, without the line break

    bool operator==(const TFindHit&) const = default;
};
using TFindHits = std::vector<TFindHit>;

class TAWKStrEx : public TAWKStr {
public:
    using TAWKStr::TAWKStr;

    // Appends a hit for every non-empty match of the pattern in Subject, in
    // order, and returns how many. Subject is the line as searched (perhaps
    // case-folded, perhaps with the line break after it); Text is the line
    // as it stands, whose bytes at the same offsets become the hits' texts.
    // A match goes on from the end of the previous one, where "^" matches
    // only after LF; an empty match adds nothing and the search goes on one
    // character later.
    virtual int FindAllMatches(std::string_view Text, std::string_view Subject, TFindHits& Hits) const;
};
