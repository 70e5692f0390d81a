// The program-wide dictionary of equivalent writings behind fuzzy search:
// full-width and half-width forms, hiragana and katakana, a voiced kana as
// one character or as a kana and a separate voiced mark, digits and
// numerals. 145 groups, tried in order.
#pragma once

#include "REDictionary.h"

#include <span>

// The dictionary, built on first use (safe from any thread) and shared by
// every matcher.
const TREDictionary& FuzzyCharDic();

// The groups as stored: UTF-8 comma texts, in the order they are tried.
std::span<const char* const> FuzzyCharGroupTexts();
