// How often the text-file rule (TextFileEncoding) reads real text in the
// encoding it was written in. scripts/measure-text-encoding.sh gathers the
// text from Debian packages and runs this program on it:
//
//   text_encoding_measure KIND=FOLDER... [titles]
//
// KIND is japanese, western, signs, short or one of the catalog kinds
// (chinese-simplified, chinese-traditional, korean, russian, greek,
// french); FOLDER holds UTF-8 text files of that kind, for a catalog kind
// the gettext catalogs as msgunfmt writes them. Each file is cut into
// pieces (the whole file, each line, each word or phrase; for a catalog,
// its translations joined, their lines, each translation), and each piece
// that is not plain ASCII is written in the encodings of its kind:
// Japanese in Shift-JIS and in UTF-8, and again with its katakana made
// half-width; Western text, English lines with signs and the catalogs in
// UTF-8. Short strings are cut from the Japanese words of their folder:
// the first one to four characters of each (2 to 9 bytes in Shift-JIS),
// alone and with an ASCII letter or digit before or after, in both
// encodings. Titles are the one-page hierarchical texts the program writes
// for each kanji of JIS levels 1 and 2 followed by a full-width digit or
// letter, in Shift-JIS. The table gives, for each kind, piece size and encoding the
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

// A one-page hierarchical text as the program writes it.
std::string AsTitle(const std::string& Utf8)
{
    std::string text(1, '.');
    text += Utf8ToSjis(Utf8);
    text += "\r\n";
    return text;
}

// The catalog kinds: the language each holds.
const std::map<std::string, std::string> kCatalogs = {{"chinese-simplified", "Chinese (simplified)"},
                                                      {"chinese-traditional", "Chinese (traditional)"},
                                                      {"korean", "Korean"},
                                                      {"russian", "Russian"},
                                                      {"greek", "Greek"},
                                                      {"french", "French"}};

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
    if (Kind == "short")
        return {{"Short Japanese strings in Shift-JIS", TTextEncoding::ShiftJis, AsShiftJis},
                {"Short Japanese strings in UTF-8", TTextEncoding::Utf8, AsUtf8}};
    if (Kind == "titles")
        return {{"One-page hierarchical texts in Shift-JIS", TTextEncoding::ShiftJis, AsTitle}};
    if (const auto catalog = kCatalogs.find(Kind); catalog != kCatalogs.end())
        return {{catalog->second + " catalogs in UTF-8", TTextEncoding::Utf8, AsUtf8}};
    return {};
}

// The translations of a catalog as msgunfmt writes it: each msgstr (and
// msgstr[N]) with its continued lines, unescaped; the header left out.
std::vector<std::string> CatalogStrings(const std::string& Po)
{
    std::vector<std::string> strings;
    std::string current;
    bool inString = false;
    const auto unquote = [](std::string_view Quoted) {
        std::string text;
        Quoted = Quoted.substr(Quoted.find('"') + 1);
        Quoted = Quoted.substr(0, Quoted.rfind('"'));
        for (size_t i = 0; i < Quoted.size(); ++i) {
            if (Quoted[i] != '\\' || i + 1 == Quoted.size()) {
                text += Quoted[i];
                continue;
            }
            const char escaped = Quoted[++i];
            text += escaped == 'n' ? '\n' : escaped == 't' ? '\t' : escaped;
        }
        return text;
    };
    const auto endString = [&] {
        if (inString && !current.empty() && current.find("Content-Type:") == std::string::npos)
            strings.push_back(current);
        current.clear();
        inString = false;
    };
    for (const std::string& line : Lines(Po)) {
        if (line.starts_with("msgstr")) {
            endString();
            inString = true;
            current = unquote(line);
        } else if (inString && line.starts_with("\"")) {
            current += unquote(line);
        } else {
            endString();
        }
    }
    endString();
    return strings;
}

std::string Joined(const std::vector<std::string>& Strings)
{
    std::string text;
    for (const std::string& s : Strings)
        text += s + "\n";
    return text;
}

// Short strings from the Japanese words of Text: the first one to four
// characters of each word of JIS characters, alone and beside an ASCII
// letter or digit, which changes from one string to the next.
std::vector<std::string> ShortStrings(const std::string& Text)
{
    static const std::string ascii = "kAe1xT7nQz";
    static size_t turn = 0;
    std::vector<std::string> strings;
    for (const std::string& word : Words(Text)) {
        if (IsAscii(word))
            continue;
        size_t end = 0;
        for (int count = 1; count <= 4 && end < word.size(); ++count) {
            const size_t start = end;
            const char32_t c = NextUtf8(word, end).value_or(0);
            if (c < 0x80 || SjisCodeOf(c) == 0 || Utf8ToSjis(word.substr(0, end)).size() > 9) {
                end = start;
                break;
            }
            const std::string piece = word.substr(0, end);
            const std::string letter(1, ascii[turn++ % ascii.size()]);
            for (const std::string& s : {piece, piece + letter, letter + piece})
                strings.push_back(s);
        }
    }
    return strings;
}

// Every kanji of JIS levels 1 and 2 followed by a full-width digit or letter.
std::vector<std::string> Titles()
{
    std::vector<std::string> titles;
    for (int lead = 0x88; lead <= 0xEA; ++lead) {
        if (lead > 0x9F && lead < 0xE0)
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            const uint16_t code = static_cast<uint16_t>(lead << 8 | trail);
            if (code < 0x889F || code > 0xEAA4 || trail == 0x7F)
                continue;
            const char16_t kanji = SjisCharToUtf16(code);
            if (kanji == u'\uFFFD')
                continue;
            std::string utf8;
            AppendUtf8(utf8, kanji);
            for (const std::u32string_view marks :
                 {U"０１２３４５６７８９", U"ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＸＹＺ",
                  U"ａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖｗｘｙｚ"})
                for (const char32_t mark : marks) {
                    std::string title = utf8;
                    AppendUtf8(title, mark);
                    titles.push_back(title);
                }
        }
    }
    return titles;
}

// The pieces of each size that a file of Kind holds.
std::map<TSize, std::vector<std::string>> PiecesOf(const std::string& Kind, const std::string& Text)
{
    if (Kind == "short")
        return {{TSize::Word, ShortStrings(Text)}};
    if (kCatalogs.count(Kind) != 0) {
        std::vector<std::string> strings = CatalogStrings(Text);
        const std::string joined = Joined(strings);
        return {{TSize::File, {joined}}, {TSize::Line, Lines(joined)}, {TSize::Word, std::move(strings)}};
    }
    return {{TSize::File, {Text}}, {TSize::Line, Lines(Text)}, {TSize::Word, Words(Text)}};
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
        std::fprintf(stderr,
                     "usage: %s KIND=FOLDER... [titles] (KIND: japanese, western, signs, short, a catalog kind)\n",
                     argv[0]);
        return 2;
    }
    const bool showWrong = std::getenv("SHOW_WRONG") != nullptr;
    // Rows in the order given: writing name, then size, then likely.
    std::vector<std::string> order;
    std::map<std::string, std::map<TSize, std::map<TTextEncoding, TTally>>> tallies;
    const auto tally = [&](const TWriting& Writing, TSize Size, const std::string& Piece, const std::string& Bytes) {
        const bool bothWays = ReadsBothWays(Bytes);
        for (const TTextEncoding likely : {TTextEncoding::ShiftJis, TTextEncoding::Utf8}) {
            TTally& t = tallies[Writing.Name][Size][likely];
            ++t.Total;
            t.BothWays += bothWays;
            if (ReadRight(Bytes, Writing.Written, likely))
                ++t.Right;
            else if (showWrong && (Size != TSize::File || Piece.size() < 16))
                std::printf("wrong (%s, %s, likely %s): %s\n", Writing.Name.c_str(), SizeName(Size),
                            EncodingName(likely), Piece.c_str());
        }
    };
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const size_t equals = argument.find('=');
        const std::string kind = argument.substr(0, equals);
        const std::vector<TWriting> writings = WritingsOf(kind);
        if ((equals == std::string::npos) != (kind == "titles") || writings.empty()) {
            std::fprintf(stderr, "unknown kind: %s\n", argument.c_str());
            return 2;
        }
        if (kind == "titles") {
            order.push_back(writings[0].Name);
            for (const std::string& title : Titles())
                tally(writings[0], TSize::File, title, writings[0].Write(title));
            continue;
        }
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(argument.substr(equals + 1)))
            if (entry.is_regular_file())
                files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        for (const TWriting& writing : writings) {
            order.push_back(writing.Name);
            std::map<TSize, std::set<std::string>> seen;
            for (const auto& file : files)
                for (auto& [size, pieces] : PiecesOf(kind, ReadWhole(file)))
                    for (const std::string& piece : pieces) {
                        const std::string bytes = writing.Write(piece);
                        if (!IsAscii(bytes) && seen[size].insert(bytes).second)
                            tally(writing, size, piece, bytes);
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
                const TTally& t = tallies[name][size][likely];
                if (t.Total == 0)
                    continue;
                std::printf("| %-44s | %-5s | %-9s | %6.2f%% | %7d / %7d | %9d |\n", name.c_str(), SizeName(size),
                            EncodingName(likely), 100.0 * t.Right / t.Total, t.Right, t.Total, t.BothWays);
            }
    return 0;
}
