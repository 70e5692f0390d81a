// The page the editor benchmarks type into and jump through, and the C
// colouring they show it with.
#pragma once

#include "EditorBase.h"

#include "Cp932.h"

#include <cstdint>
#include <cstdio>
#include <iterator>
#include <string>

namespace bench {

inline // About Megabytes MB of C: functions with Japanese comments, strings,
// numbers and long lines that wrap, in Shift-JIS with CR LF line ends.
std::string PageText(int64_t Megabytes)
{
    const size_t pageBytes = static_cast<size_t>(Megabytes) * 1024 * 1024;
    const char* lines[] = {
        "/* 関数 %d：入力された値を検証し、範囲外なら既定値に置き換えてから結果を返します。 */",
        "static int check_value_%d(int value, const char *name, double scale)",
        "{",
        "\tif (value < 0 || value > %d) { fprintf(stderr, \"範囲外の値です：%%s\\n\", name); value = 0; }",
        "\tfor (int i = 0; i < 16; ++i) value += (int)(i * scale) ^ 0x%x; // 重みを加える",
        "\treturn value;",
        "}",
        "",
    };
    std::string utf8;
    char line[256];
    for (int i = 0; utf8.size() < pageBytes; ++i) {
        std::snprintf(line, sizeof line, lines[i % std::size(lines)], i);
        utf8 += line;
        utf8 += "\r\n";
    }
    return Utf8ToSjis(utf8);
}

inline void SetUpCColouring(TEditor& Editor)
{
    TEditorViewInfo& view = *Editor.View();
    view.SetCommenter("//");
    view.SetQuotation("\"");
    view.SetHexPrefix("0x");
    TEditorColors& colors = *view.Colors();
    colors.Comment()->SetColor(clGreen);
    colors.Str()->SetColor(clMaroon);
    colors.Int()->SetColor(clBlue);
    colors.Reserve()->SetColor(clNavy);
    TFountainBracketItem* comment = view.Brackets()->Add();
    comment->SetLeftBracket("/*");
    comment->SetRightBracket("*/");
    comment->ItemColor()->SetColor(clGreen);
    TStringList words;
    for (const char* word : {"char", "const", "double", "for", "if", "int", "return", "static"})
        words.Add(word);
    Editor.SetReserveWordList(&words);
}

} // namespace bench
