// The text conversions: any bytes convert without a memory or arithmetic
// fault; a well-formed text stays well-formed through every conversion;
// the kana, blank and order conversions undo each other; the formatting
// command takes any settings, extreme widths included.
//
// Input: text NUL settings of the formatting command.
#include "DaHenkan.h"
#include "DesuHenkan.h"
#include "FuzzInput.h"
#include "KanjiNumber.h"
#include "LineHeads.h"
#include "LineTransforms.h"
#include "Seikei.h"
#include "StrDeleteEtc.h"
#include "StrHenkan.h"
#include "StrJoin.h"
#include "StrSeikeiEtc.h"
#include "SysUtils.h"

#include <cstdio>
#include <functional>
#include <string>
#include <utility>
#include <vector>

using namespace textconv;

namespace {

using TConversion = std::function<std::string(std::string_view)>;

const std::vector<std::pair<const char*, TConversion>>& Conversions()
{
    static const std::vector<std::pair<const char*, TConversion>> conversions = {
        {"HalfToFullWidth", HalfToFullWidth},
        {"FullToHalfWidth", FullToHalfWidth},
        {"KatakanaToHiragana", KatakanaToHiragana},
        {"HiraganaToKatakana", HiraganaToKatakana},
        {"HalfKanaToFullKana", [](std::string_view T) { return HalfKanaToFullKana(T, kToHiragana); }},
        {"FullKanaToHalfKana", FullKanaToHalfKana},
        {"AsciiToFullWidth 0", [](std::string_view T) { return AsciiToFullWidth(T, 0); }},
        {"AsciiToFullWidth 1", [](std::string_view T) { return AsciiToFullWidth(T, 1); }},
        {"AsciiToFullWidth 2", [](std::string_view T) { return AsciiToFullWidth(T, 2); }},
        {"FullWidthToAscii 1", [](std::string_view T) { return FullWidthToAscii(T, 1); }},
        {"FullWidthToAscii 2", [](std::string_view T) { return FullWidthToAscii(T, 2); }},
        {"SpacePairsToFullWidthSpace", SpacePairsToFullWidthSpace},
        {"FullWidthSpaceToSpacePairs", FullWidthSpaceToSpacePairs},
        {"NumbersToKanji", NumbersToKanji},
        {"TabsToSpaces", [](std::string_view T) { return TabsToSpaces(T, 4); }},
        {"SpacesToTabs", [](std::string_view T) { return SpacesToTabs(T, 4); }},
        {"ReverseText", ReverseText},
        {"CapitalizeWords", CapitalizeWords},
        {"DeleteAllLineBreaks", DeleteAllLineBreaks},
        {"DeleteRepeatedEmptyLines", DeleteRepeatedEmptyLines},
        {"DeleteAllSpaces", DeleteAllSpaces},
        {"DeleteLeadingBlanks", DeleteLeadingBlanks},
        {"DeleteTrailingBlanks", DeleteTrailingBlanks},
        {"DeleteLineHeads", [](std::string_view T) { return DeleteLineHeads(T, 3); }},
        {"DeleteDuplicateLines", DeleteDuplicateLines},
        {"ZenRtnZenDel", ZenRtnZenDel},
        {"ZenSpcZenDel", ZenSpcZenDel},
        {"ZenKeisenDel", ZenKeisenDel},
        {"JoinLinesExceptZenSpace", JoinLinesExceptZenSpace},
        {"JoinLinesForQuote", JoinLinesForQuote},
        {"JoinLinesExceptMarks", JoinLinesExceptMarks},
        {"BreakKagiSentences", BreakKagiSentences},
        {"SplitWords", SplitWords},
        {"SeparateAlphanumerics", SeparateAlphanumerics},
        {"InsertLeadingZenSpaces", [](std::string_view T) { return InsertLeadingZenSpaces(T, 2); }},
        {"LogicalLinesToParagraphs", LogicalLinesToParagraphs},
        {"ConvertDesuToDa", [](std::string_view T) { return ConvertDesuToDa(T, true); }},
        {"ConvertDaToDesu",
         [](std::string_view T) { return ConvertDaToDesu(T, false, [](const std::string&) { return true; }); }},
    };
    return conversions;
}

void CheckRoundTrips(const std::string& Text)
{
    Check(HiraganaToKatakana(KatakanaToHiragana(Text)) == HiraganaToKatakana(Text), "kana conversions undo each other");
    Check(FullWidthSpaceToSpacePairs(SpacePairsToFullWidthSpace(Text)) == FullWidthSpaceToSpacePairs(Text),
          "blank conversions undo each other");
    // Reversal keeps a final line break at the end, so a leading one would
    // come back there; and a bare LF before a lone CR pairs with it once
    // reversed.
    const bool leadingBreakMoves = Text.starts_with("\r\n") && !Text.ends_with("\r\n");
    if (!leadingBreakMoves && Text.find("\n\r") == std::string::npos)
        Check(ReverseText(ReverseText(Text)) == Text, "reversing twice gives the text");
}

// The formatting command with settings taken from the input.
void Format(TFuzzInput& Input, const std::string& Text)
{
    TSeikeiOptions options;
    const uint8_t flags = Input.Byte();
    options.Index = flags % 5;
    options.English = flags & 0x08;
    options.Indent = flags & 0x10;
    options.KeisenBig = flags & 0x20;
    options.KeisenRtn = flags & 0x40;
    options.SeikeiMax = flags & 0x80;
    options.Width = std::string(Input.Part());
    int32_t column = 0;
    for (int i = 0; i < 4; ++i)
        column = static_cast<int32_t>(static_cast<uint32_t>(column) << 8 | Input.Byte());
    options.WrapByteCache = column;
    options.TabWidth = static_cast<int8_t>(Input.Byte());
    options.QMark = std::string(Input.Part().substr(0, 2));
    try {
        const auto formatted = SeikeiFormat(Text, options);
        if (formatted && IsWellFormed(Text) && IsWellFormed(options.QMark))
            Check(IsWellFormed(*formatted), "formatting keeps a well-formed text well-formed");
    } catch (const EConvertError&) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    TFuzzInput input(Data, Size);
    const std::string text(input.Part());
    const bool wellFormed = IsWellFormed(text);
    for (const auto& [name, convert] : Conversions()) {
        const std::string converted = convert(text);
        if (wellFormed && !IsWellFormed(converted)) {
            std::fprintf(stderr, "%s\n", name);
            Check(false, "a conversion keeps a well-formed text well-formed");
        }
    }
    if (wellFormed)
        CheckRoundTrips(text);
    Format(input, text);
    return 0;
}
