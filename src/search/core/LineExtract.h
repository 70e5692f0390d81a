// Line extraction: the lines of a text that hold every one of several
// words, under a header naming the words; and the history of the word lists
// entered, kept in the settings file's [SearchLine] section.
#pragma once

#include <string>
#include <vector>

class TIniFile;

// Text + CR LF + the header + CR LF + every line of Text that holds all the
// words of Words (split at half-width spaces and line breaks), each
// followed by CR LF. A word matches only where a character starts, byte for
// byte: "A" is not found in "ア" (83 41). Empty when Words holds no word or
// no line qualifies.
std::string ExtractLines(const std::string& Text, const std::string& Words);

// At most this many word lists are kept, the most recent first.
inline constexpr int kLineHistoryLimit = 10;

// A "Count" outside 0..10 is clamped, so a damaged file can neither make
// the list long nor read keys for ever.
std::vector<std::string> ReadLineHistory(const TIniFile& File);
// Replaces the section with Count and the keys "0", "1", ... in one write;
// raises EIniFileException when the file cannot be written.
void WriteLineHistory(TIniFile& File, const std::vector<std::string>& History);
// Text goes to the top; an equal entry further down and the oldest beyond
// the limit go.
void EnterLineHistory(std::vector<std::string>& History, const std::string& Text);
