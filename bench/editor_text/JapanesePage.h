// Generated Japanese page text for the editor benchmarks: lines of 10 to
// 300 bytes mixing hiragana, katakana, kanji, English words, punctuation,
// blanks and tabs, in Shift-JIS with CR LF line ends.
#pragma once

#include <random>
#include <string>

namespace bench {

class TPageWriter {
public:
    explicit TPageWriter(unsigned Seed) : Random_(Seed) {}

    // One line without a line break, about Bytes long.
    std::string Line(size_t Bytes)
    {
        std::string line;
        while (line.size() < Bytes)
            AddPiece(line);
        return line;
    }

    // Lines of 10..300 bytes, each with CR LF, up to about Bytes in all.
    std::string Page(size_t Bytes)
    {
        std::string page;
        page.reserve(Bytes + 400);
        while (page.size() < Bytes) {
            page += Line(10 + Random_() % 291);
            page += "\r\n";
        }
        return page;
    }

private:
    int Pick(int From, int To) { return From + static_cast<int>(Random_() % static_cast<unsigned>(To - From + 1)); }
    void AddPair(std::string& S, int Lead, int Trail)
    {
        S += static_cast<char>(Lead);
        S += static_cast<char>(Trail);
    }
    void AddPiece(std::string& S)
    {
        static const char* const words[] = {"the", "editor", "wraps", "Velk", "text", "2000", "and", "rows"};
        static const char* const punctuation[] = {"\x81\x41", "\x81\x42", "\x81\x75", "\x81\x76", "\x81\x43",
                                                  "\x81\x45", ",",        ".",        "(",        ")"};
        const int kind = Pick(0, 99);
        if (kind < 30) { // hiragana
            for (int i = Pick(1, 6); i > 0; --i)
                AddPair(S, 0x82, Pick(0x9F, 0xF1));
        } else if (kind < 45) { // katakana
            for (int i = Pick(1, 5); i > 0; --i)
                AddPair(S, 0x83, Pick(0x40, 0x7E));
        } else if (kind < 70) { // kanji of the first level
            for (int i = Pick(1, 4); i > 0; --i)
                AddPair(S, Pick(0x89, 0x97), Pick(0x80, 0xFC));
        } else if (kind < 82) {
            S += words[Random_() % 8];
            S += ' ';
        } else if (kind < 95) {
            S += punctuation[Random_() % 10];
        } else if (kind < 98) {
            S += '\t';
        } else {
            S += "\xB1\xB2\xB3"; // half-width katakana
        }
    }

    std::mt19937 Random_;
};

} // namespace bench
