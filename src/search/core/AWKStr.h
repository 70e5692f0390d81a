// The regular-expression object the program searches and replaces with:
// a pattern with its cache of compiled automata, a match routine chosen by
// the pattern's anchors, fuzzy matching through the program-wide
// dictionary, and AWK-style global substitution. The engine behind it
// (parser, automata, scan) is private to this library.
#pragma once

#include "Classes.h"
#include "MatchRange.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

class TMatchCORE;

class TAWKStr : public TComponent {
public:
    explicit TAWKStr(TComponent* AOwner);
    ~TAWKStr() override;

    // The pattern as the caller gave it.
    const std::string& RegExp() const;
    // Preprocesses the pattern and makes its automaton current, compiling
    // it unless the cache holds it. A malformed or overly complex pattern
    // raises ERegExpParser and leaves the empty pattern current and
    // RegExp() empty.
    void SetRegExp(const std::string& Value);

    // Setting either re-sets the pattern, which may compile; a pattern too
    // complex once expanded raises ERegExpParser as SetRegExp does.
    bool UseFuzzyCharDic() const;
    void SetUseFuzzyCharDic(bool Value);
    bool UseSynonymDic() const;
    void SetUseSynonymDic(bool Value);

    TMatchCORE_LineSeparator LineSeparator() const;
    void SetLineSeparator(TMatchCORE_LineSeparator Value);

    // The leftmost-longest match in Text, whose start is a line head. The
    // place after the last character is not tried in a non-empty text.
    std::optional<TMatchRange> Match(std::string_view Text) const noexcept;

    // Calls Found(TMatchRange) for every non-empty match in Subject, in
    // order, and returns how many. A match goes on from the end of the
    // previous one, where "^" matches only after LF; an empty match is
    // skipped and the search goes on one character later.
    template <class F>
    int ForEachMatch(std::string_view Subject, F&& Found) const
    {
        using TFound = std::remove_reference_t<F>;
        return ForEachMatch(
            Subject, [](void* Context, TMatchRange M) { (*static_cast<TFound*>(Context))(M); }, &Found);
    }

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

    // The engine itself, for this library's own tests and benchmarks.
    TMatchCORE& Engine() { return *Engine_; }
    const TMatchCORE& Engine() const { return *Engine_; }

private:
    using TMatchSink = void (*)(void* Context, TMatchRange Match);
    int ForEachMatch(std::string_view Subject, TMatchSink Found, void* Context) const;

    std::unique_ptr<TMatchCORE> Engine_;
};
