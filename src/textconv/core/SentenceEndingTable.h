// A table of sentence endings and their replacements, hashed on the
// Shift-JIS ending, built once from the UTF-8 lists of a converter.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace textconv::sentencestyle {

// Context values run from 0 to 3.
constexpr int kContextValues = 4;

// The lists a table is built from, in UTF-8.
struct EndingSources {
    struct Single {
        const char* Ending;
        const char* Replacement;
    };
    // One replacement per context value 0 to 3; nullptr where a value has none.
    struct ByContext {
        const char* Ending;
        const char* Replacements[kContextValues];
    };
    // Endings whose replacement is the ending itself: a match all the same,
    // so the shorter tails inside them are never tried.
    std::span<const char* const> Kept;
    std::span<const Single> Singles;
    std::span<const ByContext> ByContexts;
};

class EndingTable {
public:
    explicit EndingTable(const EndingSources& Sources);

    // The replacement of Ending under the context value; empty when the
    // table has no entry for it, or none for that value.
    std::string_view Lookup(std::string_view Ending, int Context) const;

    // The same for the ending made of the two-byte character Before
    // followed by Tail. Only endings that begin with something other than a
    // hiragana ("一つ") can match, since a run holds hiragana only.
    std::string_view LookupAfter(uint16_t Before, std::string_view Tail, int Context) const;

    // The number of distinct endings.
    size_t Size() const { return Entries_.size(); }

    // The longest ending, in characters.
    size_t LongestEnding() const { return LongestBytes_ / 2; }

private:
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view Key) const { return std::hash<std::string_view>{}(Key); }
    };
    using Replacements = std::array<std::string, kContextValues>;

    void Add(const char* Ending, const Replacements& ByContext);

    std::unordered_map<std::string, Replacements, Hash, std::equal_to<>> Entries_;
    std::vector<uint16_t> NonKanaStarts_; // first characters of endings not starting with a hiragana
    size_t LongestBytes_ = 0;
};

} // namespace textconv::sentencestyle
