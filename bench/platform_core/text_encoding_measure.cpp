// How often the text-file rule (TextFileEncoding) reads real text in the
// encoding it was written in. scripts/measure-text-encoding.sh gathers the
// text from Debian packages and runs this program on it:
//
//   text_encoding_measure KIND=FOLDER...
//
// KIND is japanese, western or signs; FOLDER holds UTF-8 text files of that
// kind. Each file is cut into pieces (the whole file, each line, each word
// or phrase), and each piece that is not plain ASCII is written in the
// encodings of its kind: Japanese in Shift-JIS and in UTF-8, and again with
// its katakana made half-width; Western text and English lines with signs
// in UTF-8. The table gives, for each kind, piece size and encoding the
// caller expects, how many pieces came back in the encoding they were
// written in (pieces that read the same in both encodings count as right),
// and how many of them were well-formed both ways, where the rule weighs
// the two readings.
#include "Cp932.h"
#include "Sjis.h"
#include "StrHenkan.h"
#include "TextFileEncoding.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

enum class TSize { File, Line, Word };
constexpr TSize kSizes[] = {TSize::File, TSize::Line, TSize::Word};

const char* SizeName(TSize Size)
{
    switch (Size) {
    case TSize::File: return "files";
    case TSize::Line: return "lines";
    case TSize::Word: return "words";
    }
    return "";
}

const char* EncodingName(TTextEncoding Encoding) { return Encoding == TTextEncoding::ShiftJis ? "Shift-JIS" : "UTF-8"; }

std::string ReadWhole(const std::filesystem::path& File)
{
    std::ifstream in(File, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool IsAscii(std::string_view Text)
{
    for (const char c : Text)
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    return true;
}

std::vector<std::string> Lines(const std::string& Text)
{
    std::vector<std::string> lines;
    std::istringstream in(Text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Japanese words are not set apart by blanks: a run of kanji, of
// hiragana or of katakana stands for one.
enum class TScript { Kanji, Hiragana, Katakana, Other };

TScript ScriptOf(char32_t C)
{
    if ((C >= 0x4E00 && C <= 0x9FFF) || C == U'々')
        return TScript::Kanji;
    if (C >= 0x3041 && C <= 0x309F)
        return TScript::Hiragana;
    if ((C >= 0x30A0 && C <= 0x30FF) || (C >= 0xFF66 && C <= 0xFF9F))
        return TScript::Katakana;
    return TScript::Other;
}

// Words of Western text, and of Japanese text: what lies between blanks
// and Japanese punctuation, cut again where the script changes, as a
// title or a word typed alone would be.
std::vector<std::string> Words(const std::string& Utf8)
{
    static const std::u32string breaks = U" \t\r\n　、。，．「」『』（）【】・：；！？";
    std::vector<std::string> words;
    std::string word;
    TScript script = TScript::Other;
    const auto endWord = [&] {
        if (!word.empty())
            words.push_back(word);
        word.clear();
    };
    for (size_t pos = 0; pos < Utf8.size();) {
        const size_t start = pos;
        const char32_t c = NextUtf8(Utf8, pos).value_or(U'\uFFFD');
        if (breaks.find(c) != std::u32string::npos) {
            endWord();
            continue;
        }
        if (ScriptOf(c) != script)
            endWord();
        script = ScriptOf(c);
        word.append(Utf8, start, pos - start);
    }
    endWord();
    return words;
}

// The katakana of Shift-JIS text (and the long-vowel mark) made half-width.
std::string HalfWidthKatakana(std::string_view Sjis)
{
    std::string result;
    for (sjis::CharCursor c(Sjis); !c.AtEnd(); c.Next()) {
        const uint16_t code = c.Code();
        const bool katakana = (code >= 0x8340 && code <= 0x8396) || code == 0x815B;
        result += katakana ? textconv::FullToHalfWidth(c.Char()) : std::string(c.Char());
    }
    return result;
}

struct TTally {
    int Right = 0, Total = 0, BothWays = 0;
};

bool ReadsBothWays(const std::string& Bytes)
{
    return IsUtf8(Bytes) && SjisToUtf16(Bytes).find(u'\uFFFD') == std::u16string::npos;
}

// One kind of text as the pieces are written: a name, the encoding, and
// how a piece of UTF-8 text becomes the bytes of a file.
struct TWriting {
    std::string Name;
    TTextEncoding Written;
    std::string (*Write)(const std::string& Utf8);
};

std::string AsShiftJis(const std::string& Utf8) { return Utf8ToSjis(Utf8); }
std::string AsUtf8(const std::string& Utf8) { return Utf8; }
std::string AsHalfWidthShiftJis(const std::string& Utf8) { return HalfWidthKatakana(Utf8ToSjis(Utf8)); }
std::string AsHalfWidthUtf8(const std::string& Utf8) { return SjisToUtf8(AsHalfWidthShiftJis(Utf8)); }

std::vector<TWriting> WritingsOf(const std::string& Kind)
{
    if (Kind == "japanese")
        return {{"Japanese in Shift-JIS", TTextEncoding::ShiftJis, AsShiftJis},
                {"Japanese in UTF-8", TTextEncoding::Utf8, AsUtf8},
                {"Japanese, half-width katakana, in Shift-JIS", TTextEncoding::ShiftJis, AsHalfWidthShiftJis},
                {"Japanese, half-width katakana, in UTF-8", TTextEncoding::Utf8, AsHalfWidthUtf8}};
    if (Kind == "western")
        return {{"Western text in UTF-8", TTextEncoding::Utf8, AsUtf8}};
    if (Kind == "signs")
        return {{"English lines with signs in UTF-8", TTextEncoding::Utf8, AsUtf8}};
    return {};
}

// Right when the rule finds the encoding written, or one that reads the
// bytes as the same text.
bool ReadRight(const std::string& Bytes, TTextEncoding Written, TTextEncoding Likely)
{
    const std::optional<TTextEncoding> found = TextFileEncoding(Bytes, Likely);
    if (!found)
        return false;
    if (*found == Written)
        return true;
    int unmapped = 0;
    return SjisOfText(Bytes, *found, unmapped) == SjisOfText(Bytes, Written, unmapped);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s KIND=FOLDER... (KIND: japanese, western, signs)\n", argv[0]);
        return 2;
    }
    const bool showWrong = std::getenv("SHOW_WRONG") != nullptr;
    // Rows in the order given: writing name, then size, then likely.
    std::vector<std::string> order;
    std::map<std::string, std::map<TSize, std::map<TTextEncoding, TTally>>> tallies;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const size_t equals = argument.find('=');
        const std::vector<TWriting> writings = WritingsOf(argument.substr(0, equals));
        if (equals == std::string::npos || writings.empty()) {
            std::fprintf(stderr, "unknown kind: %s\n", argument.c_str());
            return 2;
        }
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(argument.substr(equals + 1)))
            if (entry.is_regular_file())
                files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        for (const TWriting& writing : writings) {
            order.push_back(writing.Name);
            std::map<TSize, std::set<std::string>> seen;
            for (const auto& file : files) {
                const std::string text = ReadWhole(file);
                std::map<TSize, std::vector<std::string>> pieces{
                    {TSize::File, {text}}, {TSize::Line, Lines(text)}, {TSize::Word, Words(text)}};
                for (const TSize size : kSizes)
                    for (const std::string& piece : pieces[size]) {
                        const std::string bytes = writing.Write(piece);
                        if (IsAscii(bytes) || !seen[size].insert(bytes).second)
                            continue;
                        const bool bothWays = ReadsBothWays(bytes);
                        for (const TTextEncoding likely : {TTextEncoding::ShiftJis, TTextEncoding::Utf8}) {
                            TTally& tally = tallies[writing.Name][size][likely];
                            ++tally.Total;
                            tally.BothWays += bothWays;
                            if (ReadRight(bytes, writing.Written, likely))
                                ++tally.Right;
                            else if (showWrong && size != TSize::File)
                                std::printf("wrong (%s, %s, likely %s): %s\n", writing.Name.c_str(), SizeName(size),
                                            EncodingName(likely), piece.c_str());
                        }
                    }
            }
        }
    }
    std::printf("| %-44s | %-5s | %-9s | %7s | %17s | %9s |\n", "kind", "piece", "likely", "right", "right / pieces",
                "both ways");
    std::printf("|%s|%s|%s|%s|%s|%s|\n", std::string(46, '-').c_str(), std::string(7, '-').c_str(),
                std::string(11, '-').c_str(), std::string(9, '-').c_str(), std::string(19, '-').c_str(),
                std::string(11, '-').c_str());
    for (const std::string& name : order)
        for (const TSize size : kSizes)
            for (const TTextEncoding likely : {TTextEncoding::ShiftJis, TTextEncoding::Utf8}) {
                const TTally& tally = tallies[name][size][likely];
                const double percent = tally.Total == 0 ? 100.0 : 100.0 * tally.Right / tally.Total;
                std::printf("| %-44s | %-5s | %-9s | %6.2f%% | %7d / %7d | %9d |\n", name.c_str(), SizeName(size),
                            EncodingName(likely), percent, tally.Right, tally.Total, tally.BothWays);
            }
    return 0;
}
