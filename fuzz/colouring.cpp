// The colouring parsers of both schemes: from the state stored for any row,
// the tokens of the row tile it in order, on character boundaries, with
// only blanks between them and never past its end, whether the row is
// parsed alone or with the row it wraps into.
//
// Input: scheme byte, then rows ended by CR or LF (a line break) or VT (a
// wrap).
#include "EditorFountain.h"
#include "FuzzInput.h"
#include "HTMLFountain.h"

#include "Strings.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace {

using enum TRowAttribute;

TFountain& EditorScheme()
{
    static TEditorFountain* const fountain = [] {
        auto* made = TFileExtComponent::Create<TEditorFountain>(nullptr);
        made->SetCommenter("//");
        made->SetQuotation("'");
        made->SetHexPrefix("$");
        made->SetControlCode(true);
        made->SetUrl(true);
        made->SetMail(true);
        static const std::string jaLeft = "\x81\x75", jaRight = "\x81\x76"; // 「 」
        for (auto [left, right] : {std::pair<std::string, std::string>{"/*", "*/"}, {jaLeft, jaRight}, {"{", "}"}}) {
            TFountainBracketItem* item = made->Brackets()->Add();
            item->SetLeftBracket(left);
            item->SetRightBracket(right);
        }
        TStringList words;
        for (const char* word : {"begin", "end", "\x88\x9F"}) // the last is 亜
            words.Add(word);
        made->SetReserveWordList(&words);
        return made;
    }();
    return *fountain;
}

TFountain& DefaultEditorScheme()
{
    static TEditorFountain* const fountain = TFileExtComponent::Create<TEditorFountain>(nullptr);
    return *fountain;
}

TFountain& HtmlScheme()
{
    static THTMLFountain* const fountain = [] {
        auto* made = TFileExtComponent::Create<THTMLFountain>(nullptr);
        TStringList words;
        words.Add("href");
        made->SetReserveWordList(&words);
        return made;
    }();
    return *fountain;
}

bool IsBlank(unsigned char C) { return C >= 0x01 && C <= 0x20 && C != '\t'; }

// Parses Text (a row, perhaps with the row it wraps into) from State and
// checks the tokens over the row's first Length bytes.
void CheckTiling(TFountainParser& Parser, std::string_view Text, const TRowAttributeData& State, int Length)
{
    Parser.NewData(Text, State);
    int covered = 0;
    while (Parser.NextToken()) {
        const int start = Parser.TokenPosition(), end = start + Parser.TokenLength();
        if (start >= Length)
            break;
        Check(start >= covered && end >= start && end <= static_cast<int>(Text.size()),
              "tokens come in order inside the text");
        Check(sjis::IsCharBoundary(Text, start) && sjis::IsCharBoundary(Text, end), "a token never splits a character");
        for (int i = covered; i < start; ++i)
            Check(IsBlank(static_cast<unsigned char>(Text[i])), "only blanks lie between tokens");
        Parser.TokenToFountainColor();
        covered = std::max(covered, std::min(end, Length));
    }
    for (int i = covered; i < Length; ++i)
        Check(IsBlank(static_cast<unsigned char>(Text[i])), "only blanks follow the last token");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    TFuzzInput input(Data, Size);
    const uint8_t scheme = input.Byte();
    TFountain& fountain = scheme % 3 == 0 ? EditorScheme() : scheme % 3 == 1 ? DefaultEditorScheme() : HtmlScheme();
    const std::unique_ptr<TFountainParser> parser = fountain.CreateParser();

    TRowAttributeStringList rows;
    std::string_view rest = input.Rest();
    while (!rest.empty()) {
        const size_t end = std::min(rest.find_first_of("\r\n\v"), rest.size());
        const int index = rows.Add(std::string(rest.substr(0, end)));
        rows.SetRowAttribute(index, end < rest.size() && rest[end] == '\v' ? raWrapped : raCrlf);
        rest.remove_prefix(std::min(end + 1, rest.size()));
    }
    if (rows.Count() > 0 && scheme & 0x80)
        rows.SetRowAttribute(rows.Count() - 1, raEof);

    TRowAttributeData state;
    for (int r = 0; r < rows.Count(); ++r) {
        state.RowAttribute = rows.RowAttribute(r);
        const std::string row(rows.RowText(r));
        // A NUL ends a row for the parser, as for every C string.
        const int length = static_cast<int>(std::min(row.find('\0'), row.size()));
        CheckTiling(*parser, row, state, length);
        if (rows.RowAttribute(r) == raWrapped && r + 1 < rows.Count())
            CheckTiling(*parser, row + std::string(rows.RowText(r + 1)), state, length);
        parser->NextRowState(r, &rows, state);
        state.PrevRowAttribute = rows.RowAttribute(r);
    }
    return 0;
}
