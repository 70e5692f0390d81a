#include "LineExtract.h"

#include "Classes.h"
#include "Cp932.h"
#include "IniFiles.h"
#include "SjisSearch.h"
#include "StrDeleteEtc.h"
#include "StrSeikeiEtc.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr const char* kSection = "SearchLine";

// The words one per entry. Two blanks in a row leave an empty word, which
// would match nowhere and empty every extract: it is no word.
std::vector<std::string> WordList(const std::string& Words)
{
    std::vector<std::string> list;
    const std::string lines = textconv::SplitWords(Words);
    for (size_t start = 0; start < lines.size();) {
        const size_t end = lines.find(kCrLf, start);
        if (end > start)
            list.push_back(lines.substr(start, end - start));
        start = end + kCrLf.size();
    }
    return list;
}

bool HoldsAll(std::string_view Line, const std::vector<std::string>& Words)
{
    return std::all_of(Words.begin(), Words.end(), [Line](const std::string& Word) {
        const char* end = Line.data() + Line.size();
        return textconv::FindDbcs(Line.data(), end, Word.data(), Word.data() + Word.size()) != nullptr;
    });
}

} // namespace

std::string ExtractLines(const std::string& Text, const std::string& Words)
{
    const std::vector<std::string> words = WordList(Words);
    if (words.empty())
        return {};
    std::string lines;
    const std::string_view text = Text;
    for (size_t start = 0; start < text.size();) {
        const size_t found = text.find(kCrLf, start);
        const size_t end = found == std::string_view::npos ? text.size() : found;
        const std::string_view line = text.substr(start, end - start);
        if (HoldsAll(line, words))
            lines.append(line).append(kCrLf);
        start = end + kCrLf.size();
    }
    if (lines.empty())
        return {};
    static const std::string head = Utf8ToSjis("{***** 検索文字列［");
    static const std::string tail = Utf8ToSjis("］のある行を発見！*****}");
    std::string result = Text;
    result.append(kCrLf).append(head).append(textconv::DeleteAllLineBreaks(Words)).append(tail).append(kCrLf);
    return result.append(lines);
}

std::vector<std::string> ReadLineHistory(const TIniFile& File)
{
    const int count = std::clamp(File.ReadInteger(kSection, "Count", 0), 0, kLineHistoryLimit);
    std::vector<std::string> history;
    for (int i = 0; i < count; ++i)
        history.push_back(File.ReadString(kSection, std::to_string(i), {}));
    return history;
}

void WriteLineHistory(TIniFile& File, const std::vector<std::string>& History)
{
    WithinUpdate(File, [&] {
        File.EraseSection(kSection);
        File.WriteInteger(kSection, "Count", static_cast<int>(History.size()));
        for (size_t i = 0; i < History.size(); ++i)
            File.WriteString(kSection, std::to_string(i), History[i]);
    });
}

void EnterLineHistory(std::vector<std::string>& History, const std::string& Text)
{
    if (const auto same = std::find(History.begin(), History.end(), Text); same != History.end())
        History.erase(same);
    History.insert(History.begin(), Text);
    if (History.size() > static_cast<size_t>(kLineHistoryLimit))
        History.pop_back();
}
