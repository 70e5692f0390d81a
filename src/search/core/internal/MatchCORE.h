// The matcher: runs the current automaton over Shift-JIS text, leftmost
// (first start) and, there, longest, in one pass over the text. A match
// never splits a double-byte character, never reads past the text and
// never throws. The searches keep their working room in the object
// between calls, so one object serves one search at a time.
#pragma once

#include "MatchRange.h"
#include "MatchScan.h"
#include "SjisRegExp.h"

#include <cstdint>
#include <optional>
#include <string_view>

class TMatchCORE : public TRegularExpression {
public:
    explicit TMatchCORE(TComponent* AOwner) : TRegularExpression(AOwner) {}

    TMatchCORE_LineSeparator LineSeparator() const { return LineSeparator_; }
    void SetLineSeparator(TMatchCORE_LineSeparator Value) { LineSeparator_ = Value; }

    // The end of the longest match that starts at Pos (a character start)
    // in State, or none. The end of the text yields no character; a line
    // tail accepts just before a separator or at the end of the text.
    std::optional<size_t> MatchLongestAt(std::string_view Text, size_t Pos, int State) const noexcept;
    // The same at a line head: the longer of the matches with and without
    // the line head, none when the line-head path itself does not match.
    std::optional<size_t> MatchAtLineHead(std::string_view Text, size_t Pos, int State) const noexcept;

    // The leftmost-longest match of a pattern without anchors. The place
    // after the last character is not tried in a non-empty text.
    std::optional<TMatchRange> MatchNoAnchor(std::string_view Text) const noexcept;
    // The same for a pattern with anchors; the text's start is a line head.
    std::optional<TMatchRange> MatchAnchored(std::string_view Text) const noexcept;
    // The same where the text's start is no line head (a search that goes
    // on after an earlier match); a line tail may match empty at the end.
    std::optional<TMatchRange> MatchAnchoredInside(std::string_view Text) const noexcept;

    // One match after another in the same text: what MatchAnchored
    // (HeadAtFrom) or MatchAnchoredInside (not) finds in the text from From
    // (a character start) on, with positions in Text; for a pattern without
    // anchors MatchAnchored finds what MatchNoAnchor does. Successive calls
    // with growing From and the same DeadEnds (made for this text and
    // pattern) share what they learnt, so a long walk that failed is not
    // walked again by each later search.
    std::optional<TMatchRange> MatchFrom(std::string_view Text, size_t From, bool HeadAtFrom,
                                         re::TDeadEnds& DeadEnds) const noexcept;

private:
    int SeparatorByte() const;
    std::optional<TMatchRange> Search(std::string_view Text, size_t From, bool HeadAtStart, bool Anchored,
                                      re::TDeadEnds* DeadEnds) const noexcept;

    TMatchCORE_LineSeparator LineSeparator_ = mcls_CRLF;
    mutable re::TMatchScan Scan_;
};
