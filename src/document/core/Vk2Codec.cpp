#include "Vk2Codec.h"

#include "ByteReader.h"
#include "Cp932.h"
#include "PageTitle.h"
#include "Sjis.h"
#include "SysUtils.h"
#include "Vk2Records.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

void PutU32(char*& Out, uint32_t Value)
{
    const unsigned char bytes[4] = {static_cast<unsigned char>(Value), static_cast<unsigned char>(Value >> 8),
                                    static_cast<unsigned char>(Value >> 16), static_cast<unsigned char>(Value >> 24)};
    std::memcpy(Out, bytes, 4);
    Out += 4;
}

void PutBytes(char*& Out, std::string_view Bytes)
{
    if (!Bytes.empty())
        std::memcpy(Out, Bytes.data(), Bytes.size());
    Out += Bytes.size();
}

uint32_t CheckedLength(size_t Length)
{
    if (Length > std::numeric_limits<uint32_t>::max())
        throw EVk2TooLarge("ページまたはツリーが大きすぎるため保存できません。");
    return static_cast<uint32_t>(Length);
}

uint32_t SubIconValue(int SubIcon)
{
    return SubIcon > 0 && static_cast<uint32_t>(SubIcon) <= MaxSubIcon ? static_cast<uint32_t>(SubIcon) : 0;
}

// The caret as the file holds it: within the page's text, as the reader
// requires, whatever a pasted page brought with it.
uint32_t CaretWord(const TPageView& Page)
{
    return static_cast<uint32_t>(std::clamp<int64_t>(Page.SelStart, 0, static_cast<int64_t>(Page.Text.size())));
}

uint32_t PackedWord(std::span<const TPageView> Pages, size_t Index, int SelectedIndex, int EditMode)
{
    const TPageView& page = Pages[Index];
    if (Index == 0) {
        const auto selected = static_cast<uint32_t>(SelectedIndex);
        return SubIconValue(page.SubIcon) << 16
               | (selected < Pages.size() && selected <= MaxIndexInPackedWord ? selected : 0);
    }
    if (Index == 1)
        return SubIconValue(page.SubIcon) << 16 | (static_cast<uint32_t>(EditMode) & 0xFF);
    return SubIconValue(page.SubIcon);
}

[[noreturn]] void Damaged(const std::string& What)
{
    throw EVk2Format("このファイルは壊れているため開けません。\r\n" + What);
}

[[noreturn]] void TreeCutShort() { Damaged("ファイルが途中で切れているか、ページ見出しの長さが壊れています。"); }

[[noreturn]] void TreeDamaged() { Damaged("ページ見出しの並びが壊れています。"); }

// A title as a message shows it, cut short.
std::string ShownTitle(std::string_view Title) { return SjisToUtf8(sjis::CutAt(Title, 40)); }

// Page Index as a message names it: its number and title.
std::string PageNamed(const TFlatPage& Page, size_t Index)
{
    return Format("%zu ページ目「%s」", Index + 1, ShownTitle(Page.Title).c_str());
}

int SubIconFromFile(uint32_t Value, int SubIconCount)
{
    return Value >= 1 && Value <= static_cast<uint32_t>(std::max(SubIconCount, 0)) ? static_cast<int>(Value) : -1;
}

[[noreturn]] void RecordDamaged(TRecordFault Fault, const TFlatPage& Page, size_t Index)
{
    if (Fault == TRecordFault::PastTheEnd)
        Damaged(PageNamed(Page, Index)
                + "の本文がファイルの終わりを越えています（ファイルが途中で切れているか、本文の長さが壊れています）。");
    Damaged(PageNamed(Page, Index) + "の記録が壊れています（本文の長さが正しくないようです）。");
}

// Puts Record, page Index's, into Document: the page's text, caret and
// sub-icon, and what the first two records pack besides.
void TakeRecord(TVk2Document& Document, size_t Index, const TPageRecord& Record, int SubIconCount)
{
    TFlatPage& page = Document.Pages[Index];
    page.Text = Record.Text;
    page.SelStart = static_cast<int32_t>(Record.Caret);
    page.SubIcon = SubIconFromFile(Index >= 2 ? Record.Packed : Record.Packed >> 16, SubIconCount);
    if (Index == 0)
        Document.SelectedIndex = static_cast<int>(Record.Packed & MaxIndexInPackedWord);
    else if (Index == 1)
        Document.EditMode = static_cast<int>(Record.Packed & 0xFF);
}

const TPageViews& NewDocumentPages()
{
    static const TPageViews pages{{0, UnTitledTitle, {}, 0, -1}};
    return pages;
}

// The tree text's lines, split at CR LF byte pairs only: a CR or LF never
// ends a double-byte character, and an old title may end in a lone lead
// byte that a character-wise split would join to the CR. No writer writes
// a document of no pages, so an empty tree text is damage.
TFlatPages ParseTreeText(std::string_view Text)
{
    if (Text.size() < 2 || Text.substr(Text.size() - 2) != "\r\n")
        TreeDamaged();
    TFlatPages pages;
    int previousDepth = -1;
    size_t start = 0;
    while (start < Text.size()) {
        size_t end = start;
        for (;;) {
            const void* cr = std::memchr(Text.data() + end, '\r', Text.size() - end);
            end = static_cast<size_t>(static_cast<const char*>(cr) - Text.data());
            if (Text[end + 1] == '\n')
                break;
            ++end;
        }
        size_t titleStart = start;
        while (titleStart < end && (Text[titleStart] == '\t' || Text[titleStart] == ' '))
            ++titleStart;
        const int depth = static_cast<int>(titleStart - start);
        if (depth > previousDepth + 1)
            TreeDamaged();
        TFlatPage& page = pages.emplace_back();
        page.Depth = depth;
        page.Title.assign(Text.data() + titleStart, end - titleStart);
        previousDepth = depth;
        start = end + 2;
    }
    return pages;
}

} // namespace

std::string CleanTitleForFile(std::string_view Title)
{
    // A search for each byte: find_first_of looks every byte up in the
    // set, which costs a save of 10,000 titles milliseconds.
    const std::string_view line = Title.substr(0, std::min(Title.find('\r'), Title.find('\n')));
    const size_t first = line.find_first_not_of("\t ");
    return first == std::string_view::npos ? std::string() : std::string(line.substr(first));
}

TVk2Layout LayOutVk2(std::span<const TPageView> Pages, int SelectedIndex, int EditMode)
{
    const std::span<const TPageView> pages = Pages.empty() ? NewDocumentPages() : Pages;
    std::string tree;
    for (const TPageView& page : pages) {
        tree.append(static_cast<size_t>(std::max(page.Depth, 0)), '\t');
        tree += CleanTitleForFile(page.Title);
        tree += "\r\n";
    }
    TVk2Layout layout;
    layout.Frame.resize(4 + tree.size() + 12 * pages.size());
    layout.Pieces.reserve(2 * pages.size() + 1);
    char* out = layout.Frame.data();
    PutU32(out, CheckedLength(tree.size()));
    PutBytes(out, tree);
    // Frame pieces end before each page text; the text follows as its own piece.
    const char* pieceStart = layout.Frame.data();
    for (size_t i = 0; i < pages.size(); ++i) {
        PutU32(out, CheckedLength(pages[i].Text.size()));
        layout.Pieces.emplace_back(pieceStart, static_cast<size_t>(out - pieceStart));
        layout.Pieces.emplace_back(pages[i].Text);
        pieceStart = out;
        PutU32(out, CaretWord(pages[i]));
        PutU32(out, PackedWord(pages, i, SelectedIndex, EditMode));
    }
    layout.Pieces.emplace_back(pieceStart, static_cast<size_t>(out - pieceStart));
    return layout;
}

std::string EncodeVk2(const TFlatPages& Pages, int SelectedIndex, int EditMode)
{
    const TVk2Layout layout = LayOutVk2(ViewPages(Pages), SelectedIndex, EditMode);
    size_t size = 0;
    for (std::string_view piece : layout.Pieces)
        size += piece.size();
    std::string bytes;
    bytes.reserve(size);
    for (std::string_view piece : layout.Pieces)
        bytes += piece;
    return bytes;
}

TVk2Document DecodeVk2(std::string_view Bytes, int SubIconCount)
{
    TByteReader reader(Bytes, TreeCutShort);
    const uint32_t treeLength = reader.U32();
    if (treeLength == 0)
        Damaged("ページが一つもありません（ファイルの始まりが失われています）。");
    TVk2Document document;
    TFlatPages& pages = document.Pages;
    pages = ParseTreeText(reader.Bytes(treeLength));
    // Each record takes at least 12 bytes: a file announcing more pages
    // than that cannot be whole.
    if (pages.size() > reader.Left() / RecordFrameBytes)
        Damaged("ページ見出しの数だけのページの記録がありません（ファイルが途中で切れています）。");
    size_t at = Bytes.size() - reader.Left();
    std::optional<size_t> lastWithText;
    size_t lastWithTextAt = 0;
    for (size_t i = 0; i < pages.size(); ++i) {
        const size_t recordAt = at;
        TPageRecord record;
        if (const TRecordFault fault = ReadRecord(Bytes, at, i, record); fault != TRecordFault::None)
            RecordDamaged(fault, pages[i], i);
        TakeRecord(document, i, record, SubIconCount);
        if (!record.Text.empty()) {
            lastWithText = i;
            lastWithTextAt = recordAt;
        }
    }
    // No writer writes anything after the last record; copies and
    // recoveries pad files with zeros. Anything else is pages the tree lost
    // or the end of a record whose length was cut short, and a save would
    // drop it.
    const std::string_view rest = Bytes.substr(at);
    if (!IsPadding(rest))
        Damaged(Format("最後のページのあとに、どのページにも入らないデータが %zu バイトあります"
                       "（見出しの行が失われたか、本文の長さが壊れています）。",
                       rest.size()));
    if (static_cast<size_t>(document.SelectedIndex) >= pages.size())
        Damaged(
            "選択ページの番号がページの数を超えています（見出しの行が失われたか、最初のページの記録が壊れています）。");
    if (rest.empty())
        return document;
    // What the zeros most likely are is told; which they are, no byte says.
    if (lastWithText && LengthCutShort(Bytes, lastWithTextAt, *lastWithText, pages.size()))
        document.Doubt = PageNamed(pages[*lastWithText], *lastWithText)
                         + "の本文の長さが短くなっているようです（本文の終わりがページの記録の外にあり、"
                           "ファイルの終わりの 0 のバイトに見えています）。";
    else
        document.Doubt = Format("ファイルの終わりに、どのページにも入らない 0 のバイトが %zu バイトあります。"
                                "0 で埋めたコピーなら問題ありませんが、ページの長さが壊れていて、"
                                "本文の一部を正しく読めていないのかもしれません。",
                                rest.size());
    return document;
}

bool TitleAgreesWithText(std::string_view Title, std::string_view Text)
{
    if (Text.empty() || Text[0] == '\r')
        return Title == UnTitledTitle;
    // Where the first line's title part starts, past the blanks, TABs and
    // dots the title leaves out.
    const size_t start = std::min(Text.find_first_not_of(" \t."), Text.size());
    const auto endsLine = [Text](size_t At) { return At == Text.size() || Text[At] == '\r' || Text[At] == '\n'; };
    if (Title == UnTitledTitle && endsLine(start))
        return true;
    // Compared where it stands, so a first line of many megabytes is not
    // walked to its end.
    if (Text.substr(start, Title.size()) != Title || Title.find('\r') != std::string_view::npos)
        return false;
    // The title runs to the first CR, or to the first LF where the file
    // cut it there, unless it was cut to length.
    const size_t end = start + Title.size();
    return end == Text.size() || Text[end] == '\r' || (Text[end] == '\n' && Title.find('\n') == std::string_view::npos)
           || end >= TitleCutBytes;
}

void CheckTitlesAgreeWithTexts(const TFlatPages& Pages)
{
    for (size_t i = 0; i < Pages.size(); ++i)
        if (!TitleAgreesWithText(Pages[i].Title, Pages[i].Text))
            Damaged(Format("%zu ページ目の本文が見出し「%s」と合いません（見出しとページの記録がずれています）。",
                           i + 1, ShownTitle(Pages[i].Title).c_str()));
}
