#include "ConvertCommands.h"

#include "CaseMap.h"
#include "DelphiSource.h"
#include "HenkanTables.h"
#include "KanjiNumber.h"
#include "LineTransforms.h"
#include "LineWalk.h"
#include "Sjis.h"
#include "StrDeleteEtc.h"
#include "StrHenkan.h"
#include "StrSeikeiEtc.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace textconv {
namespace {

using C = TConvertContext;
using S = std::string_view;

// "「 」に囲まれた文を改行" wants whole lines, each ending with CR LF.
std::string WithFinalBreak(S Text)
{
    std::string text(Text);
    if (!text.empty() && !EndsWithLineBreak(text))
        text += "\r\n";
    return text;
}

std::string BreakTagBeforeCr(S Text)
{
    std::string out;
    out.reserve(Text.size() + Text.size() / 8);
    for (char c : Text) {
        if (c == '\r')
            out += "<br>";
        out += c;
    }
    return out;
}

std::string AozoraBouten(S Text)
{
    static const std::string open = TableText("［＃「"), close = TableText("」に傍点］");
    std::string out(Text);
    out.append(open).append(Text).append(close);
    return out;
}

// The commands that are not enclosures, in the order of the popup menu.
const TConvertCommand DirectCommands[] = {
    {"pEdStrCvTabToSpcClick", [](S s, C& c) { return TabsToSpaces(s, c.TabWidth); }, false},
    {"pEdStrCvSpcToTabClick", [](S s, C& c) { return SpacesToTabs(s, c.TabWidth); }, false},
    {"pEdStrCvTabToCommaClick", [](S s, C&) { return TabsToCommas(s); }, false},
    {"pEdZenSpcToHankSpcClick", [](S s, C&) { return FullWidthSpaceToSpacePairs(s); }, false},
    {"pEdHankSpcToZenSpcClick", [](S s, C&) { return SpacePairsToFullWidthSpace(s); }, false},
    {"pEdStrCvBigToSmallClick", [](S s, C&) { return LowerCaseText(s); }, false},
    {"pEdStrCvSmallToBigClick", [](S s, C&) { return UpperCaseText(s); }, false},
    {"pEdZenToHankClick", [](S s, C&) { return FullToHalfWidthLines(s); }, false},
    {"pEdAlpZenToHankClick", [](S s, C&) { return FullWidthToAscii(s, 0); }, false},
    {"pEdHankToZenClick", [](S s, C&) { return HalfToFullWidthLines(s); }, false},
    {"pEdAlpHankToZenClick", [](S s, C&) { return AsciiToFullWidth(s, 0); }, false},
    {"pEdStrCvKanaToHiraClick", [](S s, C&) { return ConvertKanaRuns(s, kToHiragana); }, false},
    {"pEdStrCvHiraToKanaClick", [](S s, C&) { return ConvertKanaRuns(s, kToKatakana); }, false},
    {"pEdNumToKjClick", [](S s, C&) { return NumbersToKanji(s); }, false},
    {"pEdKaakoRtnClick", [](S s, C&) { return BreakKagiSentences(WithFinalBreak(s)); }, true},
    {"pEdSpHankSpClick", [](S s, C&) { return SeparateAlphanumerics(s); }, true},
    {"pEdInsSpcClick", [](S s, C& c) { return InsertLeadingSpaces(s, LineHeadCount(c.InsSpcWidth)); }, false},
    {"pEdInsTabClick", [](S s, C& c) { return InsertLeadingTabs(s, LineHeadCount(c.InsTabWidth)); }, false},
    {"pEdInsZenSpcClick", [](S s, C& c) { return InsertLeadingZenSpaces(s, LineHeadCount(c.InsZenSpcWidth)); }, false},
    {"pEdInsComClick", [](S s, C& c) { return InsertQuoteMarks(s, c.QMark); }, false},
    {"pEdInsNumberClick", [](S s, C& c) { return InsertLineNumbers(s, c.Numbering, c.InsertNumber); }, false},
    {"pEdLogicLineClick", [](S s, C&) { return LogicalLinesToParagraphs(s); }, false},
    {"pEdRtnToBrClick", [](S s, C&) { return BreakTagBeforeCr(s); }, false},
    {"pEdStrReverseClick", [](S s, C&) { return ReverseText(s); }, false},
    {"pEdDelphiClick", [](S s, C&) { return SwapAssignmentLines(s); }, false, true},
    {"pEdDelphiCommentClick", [](S s, C&) { return BoxedComment(s); }, false},
    {"pEdAlpNumTopUpperClick", [](S s, C&) { return CapitalizeWords(s); }, false},
    {"pEdAozoraBoutenClick", [](S s, C&) { return AozoraBouten(s); }, false},
    {"EdWebTextClick", [](S s, C& c) { return c.ClipConvert ? c.ClipConvert(std::string(s)) : std::string(s); }, false},
    {"pEdSameLineDelClick", [](S s, C&) { return DeleteDuplicateLines(s); }, false},
    {"pEdTopSpcDelClick", [](S s, C&) { return DeleteLeadingSpace(s); }, false},
    {"pEdTopTabDelClick", [](S s, C&) { return DeleteLeadingTab(s); }, false},
    {"pEdTopAllTabDelClick", [](S s, C&) { return DeleteLeadingTabs(s); }, false},
    {"pEdTopAllSpcDelClick", [](S s, C&) { return DeleteLeadingBlanks(s); }, false},
    {"pEdSpcDelClick", [](S s, C&) { return DeleteAllSpaces(s); }, false},
    {"pEdEndSpcDelClick", [](S s, C&) { return DeleteTrailingBlanks(s); }, false},
    {"pEdZenSpcZenDelClick", [](S s, C&) { return ZenSpcZenDel(s); }, true},
    // Any length: the line breaks of a long selection are removed too
    // rather than the command silently doing nothing.
    {"pEdAllRtnDelClick", [](S s, C&) { return DeleteAllLineBreaks(s); }, false},
    {"pEdTopRtnDelClick", [](S s, C&) { return DeleteEmptyLines(s); }, true},
    {"pEdTop2LineRtnDelClick", [](S s, C&) { return DeleteRepeatedEmptyLines(s); }, true},
    {"pEdZenRtnZenDelClick", [](S s, C&) { return ZenRtnZenDel(s); }, true},
    {"pEdZenKeisenDelClick", [](S s, C&) { return ZenKeisenDel(s); }, true},
    // Reached only through the conversion chooser.
    {"FullKanaToHalfKana", [](S s, C&) { return FullKanaToHalfKana(s); }, false},
    {"FullWidthToAsciiLetters", [](S s, C&) { return FullWidthToAscii(s, 1); }, false},
    {"FullWidthToAsciiDigits", [](S s, C&) { return FullWidthToAscii(s, 2); }, false},
    {"HalfKanaToKatakana", [](S s, C&) { return HalfKanaToFullKana(s, kToKatakana); }, false},
    {"HalfKanaToHiragana", [](S s, C&) { return HalfKanaToFullKana(s, kToHiragana); }, false},
    {"AsciiToFullWidthLetters", [](S s, C&) { return AsciiToFullWidth(s, 1); }, false},
    {"AsciiToFullWidthDigits", [](S s, C&) { return AsciiToFullWidth(s, 2); }, false},
};

// Enclosing commands: the pair around the selection, or inserted at the
// caret without one. UTF-8, made Shift-JIS once.
struct TEnclosure {
    std::string_view Name, Open, Close;
};
constexpr TEnclosure Enclosures[] = {
    {"pEdMaruKakkoClick", "（", "）"}, {"pEdKakko1Click", "「", "」"},     {"pEdKakko2Click", "『", "』"},
    {"pEdKakko3Click", "【", "】"},    {"pEdKakko4Click", "［", "］"},     {"pEdYomiKakkoClick", "《", "》"},
    {"pEdKakko5Click", "{* ", " *}"},  {"pEdKakko6Click", "{! ", " !}"},   {"pEdKakko7Click", "/* ", " */"},
    {"pEdSingleeQutnClick", "'", "'"}, {"pEdDoubleQutnClick", "\"", "\""}, {"pEdHankMaruKakkoClick", "(", ")"},
    {"pEdHankKakkoClick", "[", "]"},
};

template <size_t I>
std::string Enclose(S Selection, C&)
{
    static const std::string open = TableText(Enclosures[I].Open), close = TableText(Enclosures[I].Close);
    std::string out = open;
    out.append(Selection).append(close);
    return out;
}

template <size_t... I>
void AddEnclosures(std::vector<TConvertCommand>& Table, std::index_sequence<I...>)
{
    (Table.push_back({Enclosures[I].Name, &Enclose<I>, true}), ...);
}

} // namespace

std::span<const TConvertCommand> ConvertCommandTable()
{
    static const std::vector<TConvertCommand> table = [] {
        std::vector<TConvertCommand> result(std::begin(DirectCommands), std::end(DirectCommands));
        AddEnclosures(result, std::make_index_sequence<std::size(Enclosures)>());
        return result;
    }();
    return table;
}

const TConvertCommand* FindConvertCommand(std::string_view Name)
{
    const auto table = ConvertCommandTable();
    const auto it = std::find_if(table.begin(), table.end(), [Name](const auto& c) { return c.Name == Name; });
    return it == table.end() ? nullptr : &*it;
}

void RunConvertCommand(const TConvertCommand& Command, ISelectionEditor& Editor, TConvertContext& Context)
{
    const std::string selection = Editor.SelText();
    if (selection.empty() && !Command.RunsOnEmpty)
        return;
    const int start = Editor.SelStart();
    const std::string result = Command.Routine(selection, Context);
    if (result == selection)
        return;
    Editor.SetSelText(result);
    if (Command.CaretToStart)
        Editor.SetSelStart(start);
}

int LineHeadCount(int Count)
{
    // More than a line buffer holds would only make a huge text (or end
    // the program for want of memory) out of a mistyped setting.
    constexpr int MaxCount = 8192;
    return std::clamp(Count, 0, MaxCount);
}

const std::array<std::string_view, StrHenkanCount>& StrHenkanChoices()
{
    static constexpr std::array<std::string_view, StrHenkanCount> names = {
        "pEdStrCvTabToSpcClick",   "pEdStrCvSpcToTabClick",   "pEdZenSpcToHankSpcClick", "pEdHankSpcToZenSpcClick",
        "pEdStrCvBigToSmallClick", "pEdStrCvSmallToBigClick", "pEdZenToHankClick",       "FullKanaToHalfKana",
        "pEdAlpZenToHankClick",    "FullWidthToAsciiLetters", "FullWidthToAsciiDigits",  "pEdHankToZenClick",
        "HalfKanaToKatakana",      "HalfKanaToHiragana",      "pEdAlpHankToZenClick",    "AsciiToFullWidthLetters",
        "AsciiToFullWidthDigits",  "pEdStrCvKanaToHiraClick", "pEdStrCvHiraToKanaClick", "pEdDesuToDaClick",
        "pEdDaToDesuClick",        "pEdNumToKjClick",
    };
    return names;
}

const std::array<std::string_view, StrSeikeiCount>& StrSeikeiChoices()
{
    static constexpr std::array<std::string_view, StrSeikeiCount> names = {
        "pEdKaakoRtnClick",  "pEdSpHankSpClick",      "pEdInsSpcClick",         "pEdInsTabClick",
        "pEdInsZenSpcClick", "pEdInsComClick",        "pEdInsNumberClick",      "pEdMaruKakkoClick",
        "pEdKakko1Click",    "pEdKakko2Click",        "pEdKakko3Click",         "pEdKakko4Click",
        "pEdYomiKakkoClick", "pEdKakko5Click",        "pEdKakko6Click",         "pEdKakko7Click",
        "pEdRtnToBrClick",   "pEdStrReverseClick",    "pEdDelphiClick",         "EdWebTextClick",
        "pEdLogicLineClick", "pEdDelphiCommentClick", "pEdAlpNumTopUpperClick", "pEdAozoraBoutenClick",
    };
    return names;
}

const std::array<std::string_view, StrDelCount>& StrDelChoices()
{
    static constexpr std::array<std::string_view, StrDelCount> names = {
        "pEdSameLineDelClick",    "pEdSpecifiedStrDelClick", "pEdTopStrDelClick",    "pEdTopSpcDelClick",
        "pEdTopTabDelClick",      "pEdTopAllTabDelClick",    "pEdTopAllSpcDelClick", "pEdSpcDelClick",
        "pEdEndSpcDelClick",      "pEdZenSpcZenDelClick",    "pEdAllRtnDelClick",    "pEdTopRtnDelClick",
        "pEdTop2LineRtnDelClick", "pEdZenRtnZenDelClick",    "pEdZenKeisenDelClick",
    };
    return names;
}

TKakkoCount CountKakko(std::string_view Text)
{
    static const std::string open = TableText("「"), close = TableText("」");
    TKakkoCount count;
    for (size_t pos = 0; pos < Text.size();) {
        const size_t len = sjis::CharLen(Text, pos);
        const std::string_view character = Text.substr(pos, len);
        count.Open += character == open;
        count.Close += character == close;
        pos += len;
    }
    return count;
}

} // namespace textconv
