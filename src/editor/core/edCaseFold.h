// The case pairs every search of the editor folds: the ASCII letters of
// single-byte characters, and of double-byte ones the full-width Latin,
// Greek and Cyrillic letters and the small Roman numerals. Each folds to
// its capital form, which has the same length, so folded text keeps the
// offsets of the text. No other byte ever changes: "ア" (83 41) never
// turns into "ヂ" (83 61).
#pragma once

#include <cstdint>
#include <span>

// Codes Low..High fold to Capital..Capital + (High - Low).
struct TCaseFoldRange {
    uint16_t Low;
    uint16_t High;
    uint16_t Capital;
};

std::span<const TCaseFoldRange> CaseFoldRanges();

// The capital form of a character code (a single byte, or lead << 8 | trail).
uint16_t FoldCase(uint16_t Code);
