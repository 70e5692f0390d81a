// Oniguruma as the oracle of the differential test: the longest match end
// of a pattern at a start position in Shift-JIS text. Kept apart from the
// test itself, as Oniguruma's header clashes with GoogleTest's.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

class OnigurumaOracle {
public:
    OnigurumaOracle();
    ~OnigurumaOracle();
    OnigurumaOracle(const OnigurumaOracle&) = delete;
    OnigurumaOracle& operator=(const OnigurumaOracle&) = delete;

    // Compiles a pattern of Oniguruma's own syntax, Shift_JIS encoding.
    bool Compile(const std::string& Pattern);

    // Sets End to the longest match end at Pos, or none. False when
    // Oniguruma gave up (its backtracking limit).
    bool LongestAt(const std::string& Text, size_t Pos, std::optional<size_t>& End);

private:
    struct State;
    State* State_;
};
