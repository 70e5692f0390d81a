// How often the text-file rule (TextFileEncoding) reads real text in the
// encoding it was written in, beside ICU's charset detector on the same
// bytes. scripts/measure-text-encoding.sh gathers the text from Debian
// packages and runs this program on it:
//
//   text_encoding_measure KIND=FOLDER... [titles] [kana-titles]
//
// FOLDER holds UTF-8 text files of KIND, which says how they are cut into
// pieces and in which encodings each piece is written:
//   japanese, dictionaries, csv, addresses  Japanese text: in Shift-JIS and
//       UTF-8, and again with its katakana made half-width; pieces are the
//       whole file, each line, each word.
//   japanese-catalogs  the same, from gettext catalogs as msgunfmt writes
//       them: their translations joined, their lines, each translation.
//   catalog:LANGUAGE  another language's catalogs, in UTF-8.
//   western, signs, source, emoji  text in UTF-8: files, lines, words.
//   short  the first one to four characters of each Japanese word (2 to 9
//       bytes in Shift-JIS), alone and with an ASCII letter or digit before
//       or after, in both encodings, with full-width and half-width katakana.
//   velk  one word a line: the program's own outputs of them, in Shift-JIS:
//       one-page hierarchical texts (".WORD" CR LF), and hierarchical texts
//       of a hundred such pages; again with the katakana made half-width.
// titles: the one-page hierarchical texts of each kanji of JIS levels 1 and
// 2 followed by a full-width digit or letter; kana-titles: those of every
// two half-width katakana.
//
// Every piece goes to one of two halves by a hash of its text: the rule may
// be tuned on the first half only, and the second, held out, tells how it
// reads text no one tuned it on. The table gives, for each kind, piece size
// and encoding the caller expects, how many pieces of each half came back
// in the encoding they were written in (pieces that read the same in both
// encodings count as right), how many held-out pieces were well-formed
// both ways (the rule weighs the two readings only there), and how many
// held-out pieces ICU's detector named the encoding of rightly.
// SHOW_WRONG=1 lists the tuning half's pieces read wrong; NO_ICU=1 leaves
// ICU out, for a quicker run.
#include "Cp932.h"
#include "Sjis.h"
#include "StrHenkan.h"
#include "TextFileEncoding.h"

#include <unicode/ucsdet.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

enum class TSize { File, Line, Word };
constexpr TSize kSizes[] = {TSize::File, TSize::Line, TSize::Word};
constexpr TTextEncoding kLikely[] = {TTextEncoding::ShiftJis, TTextEncoding::Utf8};

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
    return std::all_of(Text.begin(), Text.end(), [](char C) { return static_cast<unsigned char>(C) < 0x80; });
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

bool HasHalfWidthKana(std::string_view Sjis)
{
    for (sjis::CharCursor c(Sjis); !c.AtEnd(); c.Next())
        if (c.Code() >= 0xA1 && c.Code() <= 0xDF)
            return true;
    return false;
}

bool ReadsBothWays(const std::string& Bytes)
{
    return IsUtf8(Bytes) && SjisToUtf16(Bytes).find(u'\uFFFD') == std::u16string::npos;
}

// One way pieces of a kind are written: a name, the encoding, and how a
// piece of UTF-8 text becomes the bytes of a file (nothing when the piece
// has no such form, as a word without katakana has no half-width one).
struct TWriting {
    std::string Name;
    TTextEncoding Written;
    std::function<std::optional<std::string>(const std::string& Utf8)> Write;
};

std::optional<std::string> AsShiftJis(const std::string& Utf8) { return Utf8ToSjis(Utf8); }
std::optional<std::string> AsUtf8(const std::string& Utf8) { return Utf8; }
std::optional<std::string> AsHalfWidthShiftJis(const std::string& Utf8)
{
    const std::string sjis = HalfWidthKatakana(Utf8ToSjis(Utf8));
    return HasHalfWidthKana(sjis) ? std::optional(sjis) : std::nullopt;
}
std::optional<std::string> AsHalfWidthUtf8(const std::string& Utf8)
{
    const std::optional<std::string> sjis = AsHalfWidthShiftJis(Utf8);
    return sjis ? std::optional(SjisToUtf8(*sjis)) : std::nullopt;
}

// The program's hierarchical text of pages, each page one line: "." before
// each, CR LF after.
std::string TreeText(const std::string& Sjis)
{
    std::string text;
    for (const std::string& line : Lines(Sjis))
        text += "." + line + "\r\n";
    return text;
}
std::optional<std::string> AsTreeText(const std::string& Utf8) { return TreeText(Utf8ToSjis(Utf8)); }
std::optional<std::string> AsHalfWidthTreeText(const std::string& Utf8)
{
    const std::optional<std::string> sjis = AsHalfWidthShiftJis(Utf8);
    return sjis ? std::optional(TreeText(*sjis)) : std::nullopt;
}
// A one-page hierarchical text of a title already in Shift-JIS.
std::optional<std::string> AsSjisTitle(const std::string& Sjis) { return "." + Sjis + "\r\n"; }

std::vector<TWriting> JapaneseWritings(const std::string& Label)
{
    return {{Label + " in Shift-JIS", TTextEncoding::ShiftJis, AsShiftJis},
            {Label + " in UTF-8", TTextEncoding::Utf8, AsUtf8},
            {Label + ", half-width katakana, in Shift-JIS", TTextEncoding::ShiftJis, AsHalfWidthShiftJis},
            {Label + ", half-width katakana, in UTF-8", TTextEncoding::Utf8, AsHalfWidthUtf8}};
}

// How the files of a kind are cut into pieces.
enum class TCut { Prose, Catalog, ShortStrings, WordList };

struct TKind {
    TCut Cut;
    std::vector<TWriting> Writings;
};

std::optional<TKind> KindNamed(const std::string& Name)
{
    if (Name == "japanese")
        return TKind{TCut::Prose, JapaneseWritings("Japanese")};
    if (Name == "japanese-catalogs")
        return TKind{TCut::Catalog, JapaneseWritings("Japanese catalogs")};
    if (Name == "dictionaries")
        return TKind{TCut::Prose, JapaneseWritings("Japanese dictionaries")};
    if (Name == "csv")
        return TKind{TCut::Prose, JapaneseWritings("Japanese CSV")};
    if (Name == "addresses")
        return TKind{TCut::Prose, JapaneseWritings("Japanese addresses")};
    if (Name == "western")
        return TKind{TCut::Prose, {{"Western text in UTF-8", TTextEncoding::Utf8, AsUtf8}}};
    if (Name == "signs")
        return TKind{TCut::Prose, {{"English lines with signs in UTF-8", TTextEncoding::Utf8, AsUtf8}}};
    if (Name == "source")
        return TKind{TCut::Prose, {{"Source code in UTF-8", TTextEncoding::Utf8, AsUtf8}}};
    if (Name == "emoji")
        return TKind{TCut::Prose, {{"Lines with emoji in UTF-8", TTextEncoding::Utf8, AsUtf8}}};
    if (Name.starts_with("catalog:"))
        return TKind{TCut::Catalog, {{Name.substr(8) + " catalogs in UTF-8", TTextEncoding::Utf8, AsUtf8}}};
    if (Name == "short")
        return TKind{TCut::ShortStrings,
                     {{"Short Japanese strings in Shift-JIS", TTextEncoding::ShiftJis, AsShiftJis},
                      {"Short Japanese strings in UTF-8", TTextEncoding::Utf8, AsUtf8},
                      {"Short half-width katakana strings in Shift-JIS", TTextEncoding::ShiftJis, AsHalfWidthShiftJis},
                      {"Short half-width katakana strings in UTF-8", TTextEncoding::Utf8, AsHalfWidthUtf8}}};
    if (Name == "velk")
        return TKind{
            TCut::WordList,
            {{"Velk's hierarchical texts of Japanese words", TTextEncoding::ShiftJis, AsTreeText},
             {"Velk's hierarchical texts of half-width katakana words", TTextEncoding::ShiftJis, AsHalfWidthTreeText}}};
    return std::nullopt;
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

// Pages of a hundred words, one a line, for the program's hierarchical
// texts of many pages.
std::vector<std::string> HundredWordPages(const std::vector<std::string>& Words)
{
    std::vector<std::string> pages;
    for (size_t first = 0; first < Words.size(); first += 100) {
        std::string page;
        for (size_t i = first; i < std::min(first + 100, Words.size()); ++i)
            page += Words[i] + "\n";
        pages.push_back(page);
    }
    return pages;
}

// The pieces of each size that a file of a kind holds.
std::map<TSize, std::vector<std::string>> PiecesOf(TCut Cut, const std::string& Text)
{
    switch (Cut) {
    case TCut::ShortStrings: return {{TSize::Word, ShortStrings(Text)}};
    case TCut::Catalog: {
        std::vector<std::string> strings = CatalogStrings(Text);
        const std::string joined = Joined(strings);
        return {{TSize::File, {joined}}, {TSize::Line, Lines(joined)}, {TSize::Word, std::move(strings)}};
    }
    case TCut::WordList: {
        std::vector<std::string> words = Lines(Text);
        std::erase_if(words, [](const std::string& W) { return W.empty() || W.find('.') == 0; });
        return {{TSize::File, HundredWordPages(words)}, {TSize::Word, std::move(words)}};
    }
    case TCut::Prose: break;
    }
    return {{TSize::File, {Text}}, {TSize::Line, Lines(Text)}, {TSize::Word, Words(Text)}};
}

// Every kanji of JIS levels 1 and 2 followed by a full-width digit or letter.
std::vector<std::string> KanjiTitles()
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
                    titles.push_back(Utf8ToSjis(title));
                }
        }
    }
    return titles;
}

// Every two half-width katakana (ｦ to ﾟ), in Shift-JIS.
std::vector<std::string> KanaTitles()
{
    std::vector<std::string> titles;
    for (int first = 0xA6; first <= 0xDF; ++first)
        for (int second = 0xA6; second <= 0xDF; ++second)
            titles.push_back({static_cast<char>(first), static_cast<char>(second)});
    return titles;
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

// ICU's detector names the encoding written.
class TIcuDetector {
public:
    TIcuDetector() : Detector_(ucsdet_open(&Status_), ucsdet_close) {}
    bool Right(const std::string& Bytes, TTextEncoding Written)
    {
        UErrorCode status = U_ZERO_ERROR;
        ucsdet_setText(Detector_.get(), Bytes.data(), static_cast<int32_t>(Bytes.size()), &status);
        const UCharsetMatch* match = ucsdet_detect(Detector_.get(), &status);
        if (U_FAILURE(status) || match == nullptr)
            return false;
        const std::string name = ucsdet_getName(match, &status);
        return name == (Written == TTextEncoding::ShiftJis ? "Shift_JIS" : "UTF-8");
    }

private:
    UErrorCode Status_ = U_ZERO_ERROR;
    std::unique_ptr<UCharsetDetector, void (*)(UCharsetDetector*)> Detector_;
};

// The half a piece falls in, by an FNV-1a hash of its text.
bool IsHeldOut(const std::string& Text)
{
    uint64_t hash = 14695981039346656037u;
    for (const char c : Text)
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211u;
    return (hash >> 32 & 1) != 0;
}

struct TCount {
    int Right = 0, Total = 0;
    std::string Percent() const
    {
        if (Total == 0)
            return "-";
        char text[16];
        std::snprintf(text, sizeof text, "%.3f%%", 100.0 * Right / Total);
        return text;
    }
};

struct TTally {
    std::array<TCount, 2> Halves; // tuning, held out
    int HeldOutBothWays = 0;
    TCount Icu; // held out
};

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s KIND=FOLDER... [titles] [kana-titles]\n", argv[0]);
        return 2;
    }
    const bool showWrong = std::getenv("SHOW_WRONG") != nullptr;
    const bool withIcu = std::getenv("NO_ICU") == nullptr;
    TIcuDetector icu;
    // Rows in the order given: writing name, then size, then likely.
    std::vector<std::string> order;
    std::map<std::string, std::map<TSize, std::map<TTextEncoding, TTally>>> tallies;
    const auto tally = [&](const TWriting& Writing, TSize Size, const std::string& Piece, const std::string& Bytes) {
        const bool heldOut = IsHeldOut(Piece);
        const bool bothWays = ReadsBothWays(Bytes);
        const bool icuRight = heldOut && withIcu && icu.Right(Bytes, Writing.Written);
        for (const TTextEncoding likely : kLikely) {
            TTally& t = tallies[Writing.Name][Size][likely];
            const bool right = ReadRight(Bytes, Writing.Written, likely);
            TCount& half = t.Halves[heldOut];
            ++half.Total;
            half.Right += right;
            if (heldOut) {
                t.HeldOutBothWays += bothWays;
                ++t.Icu.Total;
                t.Icu.Right += icuRight;
            }
            if (!right && !heldOut && showWrong && (Size != TSize::File || Piece.size() < 64))
                std::printf("wrong (%s, %s, likely %s): %s\n", Writing.Name.c_str(), SizeName(Size),
                            EncodingName(likely), Piece.c_str());
        }
    };
    const auto tallyTitles = [&](const std::string& Name, const std::vector<std::string>& Titles) {
        const TWriting writing{Name, TTextEncoding::ShiftJis, AsSjisTitle};
        order.push_back(Name);
        for (const std::string& title : Titles)
            tally(writing, TSize::File, SjisToUtf8(title), *writing.Write(title));
    };
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "titles") {
            tallyTitles("Velk's one-page texts of a kanji and a full-width digit or letter", KanjiTitles());
            continue;
        }
        if (argument == "kana-titles") {
            tallyTitles("Velk's one-page texts of two half-width katakana", KanaTitles());
            continue;
        }
        const size_t equals = argument.find('=');
        const std::optional<TKind> kind = KindNamed(argument.substr(0, equals));
        if (equals == std::string::npos || !kind) {
            std::fprintf(stderr, "unknown kind: %s\n", argument.c_str());
            return 2;
        }
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(argument.substr(equals + 1)))
            if (entry.is_regular_file())
                files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        for (const TWriting& writing : kind->Writings) {
            order.push_back(writing.Name);
            std::map<TSize, std::set<std::string>> seen;
            for (const auto& file : files)
                for (auto& [size, pieces] : PiecesOf(kind->Cut, ReadWhole(file)))
                    for (const std::string& piece : pieces) {
                        const std::optional<std::string> bytes = writing.Write(piece);
                        if (bytes && !IsAscii(*bytes) && seen[size].insert(*bytes).second)
                            tally(writing, size, piece, *bytes);
                    }
        }
    }
    std::printf("| %-60s | %-5s | %-9s | %-26s | %-26s | %-9s | %-8s |\n", "kind", "piece", "likely", "tuning half",
                "held out", "both ways", "ICU");
    std::printf("|%s|%s|%s|%s|%s|%s|%s|\n", std::string(62, '-').c_str(), std::string(7, '-').c_str(),
                std::string(11, '-').c_str(), std::string(28, '-').c_str(), std::string(28, '-').c_str(),
                std::string(11, '-').c_str(), std::string(10, '-').c_str());
    for (const std::string& name : order)
        for (const TSize size : kSizes)
            for (const TTextEncoding likely : kLikely) {
                const TTally& t = tallies[name][size][likely];
                if (t.Halves[0].Total + t.Halves[1].Total == 0)
                    continue;
                const auto cell = [](const TCount& C) {
                    char text[64];
                    std::snprintf(text, sizeof text, "%7s %8d / %8d", C.Percent().c_str(), C.Right, C.Total);
                    return std::string(text);
                };
                std::printf("| %-60s | %-5s | %-9s | %-26s | %-26s | %9d | %8s |\n", name.c_str(), SizeName(size),
                            EncodingName(likely), cell(t.Halves[0]).c_str(), cell(t.Halves[1]).c_str(),
                            t.HeldOutBothWays, t.Icu.Percent().c_str());
            }
    return 0;
}
