// The regular-expression object the program searches and replaces with:
// a matcher with a match routine chosen by the pattern's anchors, fuzzy
// matching through the program-wide dictionary, and AWK-style global
// substitution.
#pragma once

#include "MatchCORE.h"

#include <optional>
#include <string>
#include <string_view>

class TAWKStr : public TMatchCORE {
public:
    using TMatchRoutine = std::optional<TMatchRange> (TMatchCORE::*)(std::string_view) const noexcept;

    explicit TAWKStr(TComponent* AOwner);

    // MatchNoAnchor for a pattern without anchors, else MatchAnchored.
    TMatchRoutine MatchRoutine() const;
    std::optional<TMatchRange> Match(std::string_view Text) const noexcept { return (this->*MatchRoutine())(Text); }

    // Setting either re-sets the pattern, which may compile; a pattern too
    // complex once expanded raises ERegExpParser as SetRegExp does.
    bool UseFuzzyCharDic() const { return PreProcessor().UseFuzzyCharDic(); }
    void SetUseFuzzyCharDic(bool Value);
    bool UseSynonymDic() const { return PreProcessor().UseSynonymDic(); }
    void SetUseSynonymDic(bool Value);

    // A run of characters every match of the current pattern (as
    // preprocessed) holds; empty when none is certain. Text lacking it has
    // no match.
    std::string RequiredLiteral() const;

    // Replaces every match in Text by Replacement ("&" the match, "\&" an
    // ampersand, escapes their characters) and returns the count. After an
    // empty match one character is kept and skipped (CR LF as one); the
    // place after the last character is not tried. A bad escape in
    // Replacement raises ERegExpParser before Text changes.
    int GSub(std::string_view Replacement, std::string& Text) const;

    // Replacement applied to one matched text.
    static std::string SubstituteMatch(std::string_view Replacement, std::string_view Matched);
    // Text with its backslash escapes expanded.
    static std::string ExpandEscapes(std::string_view Text);
};
