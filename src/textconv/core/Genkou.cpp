#include "Genkou.h"

#include "Sjis.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace textconv {

TSheetCount CountSheetLines(std::string_view Text, int Chars, int Lines)
{
    // A width or page of nothing would never move on or divide by zero.
    const int width = 2 * std::max(Chars, 1);
    Lines = std::max(Lines, 1);
    // Which bytes start a double-byte character, decided walking forwards:
    // a trail byte may carry a lead byte's value.
    std::vector<bool> starts(Text.size() + 1, false);
    for (size_t pos = 0; pos < Text.size();) {
        const size_t len = sjis::CharLen(Text, pos);
        starts[pos] = len == 2;
        pos += len;
    }
    // Positions count from 1; a line breaks after a byte past the width,
    // and a double-byte character there moves to the next line whole.
    const size_t length = Text.size();
    long long lines = 0;
    int column = 1;
    for (size_t i = 1; i <= length;) {
        if (Text[i - 1] == '\r' && i != length - 1) {
            ++i;
            ++lines;
            column = 0;
        } else if (column > width) {
            if (starts[i - 1])
                --i;
            ++lines;
            column = 0;
        } else if (i == length) {
            ++lines;
        }
        ++i;
        if (i > length || Text[i - 1] != '\r')
            ++column;
    }
    TSheetCount count{static_cast<int>(lines / Lines), static_cast<int>(lines % Lines)};
    if (count.LastLines != 0)
        ++count.Sheets;
    else
        count.LastLines = Lines;
    return count;
}

namespace {

std::string CountText(const char* Lead, std::string_view Text, int Chars, int Lines, bool Book)
{
    const TSheetCount count = CountSheetLines(Text, Chars, Lines);
    char text[256];
    std::snprintf(text, sizeof text,
                  Book ? "%s%6d頁です。最後の１頁は%3d行です。" : "%s%6d枚です。最後の１枚は%3d行です。", Lead,
                  count.Sheets, count.LastLines);
    return text;
}

} // namespace

std::array<std::string, 7> GenkouTexts(std::string_view Page, const std::optional<std::string>& Subtree,
                                       std::string_view File, int BookMoji, int BookLine)
{
    static constexpr const char* PageLead = "このページは　　　　　　　 ";
    static constexpr const char* SubtreeLead = "このページは下の階層を含め ";
    static constexpr const char* FileLead = "ファイル全体では　　　　　 ";
    std::array<std::string, 7> texts;
    for (bool book : {false, true}) {
        const int chars = book ? BookMoji : 20, lines = book ? BookLine : 20;
        const size_t first = book ? 3 : 0;
        texts[first] = CountText(PageLead, Page, chars, lines, book);
        texts[first + 1] = Subtree ? CountText(SubtreeLead, *Subtree, chars, lines, book) : std::string();
        texts[first + 2] = CountText(FileLead, File, chars, lines, book);
    }
    texts[6] = "本・全角 " + std::to_string(BookMoji) + "文字 × " + std::to_string(BookLine) + "行"
               + "　　数値は ［設定－その他］ で変更できます。";
    return texts;
}

} // namespace textconv
