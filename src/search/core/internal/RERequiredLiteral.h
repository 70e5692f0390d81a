// A run of characters every match of a pattern holds, so that a search
// over much text may skip the parts that lack it without running the
// automaton there.
#pragma once

#include "REParseTree.h"

#include <string>

// The longest run of literal characters that each match of Tree holds, as
// text bytes; empty when none is certain (an alternation, a repeat, a
// class). CR and LF never belong to the run: a line's break is no part of
// the text searched for it.
std::string RequiredLiteral(const TREParseTree& Tree);
