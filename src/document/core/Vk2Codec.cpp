#include "Vk2Codec.h"

#include "ByteReader.h"
#include "PageTitle.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

constexpr uint32_t MaxIndexInPackedWord = 0xFFFF;
// A page record without its text: the text length, the caret, the packed word.
constexpr size_t RecordFrameBytes = 12;

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

uint32_t SubIconWord(int SubIcon)
{
    return SubIcon > 0 && SubIcon <= 0xFFFF ? static_cast<uint32_t>(SubIcon) << 16 : 0;
}

uint32_t PackedWord(std::span<const TPageView> Pages, size_t Index, int SelectedIndex, int EditMode)
{
    const TPageView& page = Pages[Index];
    if (Index == 0) {
        const auto selected = static_cast<uint32_t>(SelectedIndex);
        return SubIconWord(page.SubIcon) | (selected <= MaxIndexInPackedWord ? selected : 0);
    }
    if (Index == 1)
        return SubIconWord(page.SubIcon) | (static_cast<uint32_t>(EditMode) & 0xFF);
    return page.SubIcon > 0 ? static_cast<uint32_t>(page.SubIcon) : 0;
}

[[noreturn]] void Damaged() { throw EVk2Format("このファイルは壊れているため開けません。"); }

uint32_t U32At(std::string_view Bytes, size_t At)
{
    const auto* b = reinterpret_cast<const unsigned char*>(Bytes.data() + At);
    return uint32_t{b[0]} | uint32_t{b[1]} << 8 | uint32_t{b[2]} << 16 | uint32_t{b[3]} << 24;
}

// Whether a writer writes Packed as the packed word of the page at Index
// in a document of PageCount pages: the selection names a page, the edit
// mode fills the low byte alone, and a sub-icon is a small number.
bool IsPackedWordAsWritten(uint32_t Packed, size_t Index, size_t PageCount)
{
    if (Index == 0)
        return (Packed & MaxIndexInPackedWord) < PageCount;
    if (Index == 1)
        return (Packed & 0xFF00) == 0;
    return Packed <= 0xFFFF;
}

// Rest, the bytes after the last page's record, is one or more whole page
// records: the tree has lost the lines of pages the file still holds. Zeros
// alone are padding (a padded copy, a recovered file), though each twelve
// of them read as the record of an empty page.
bool HoldsLostPages(std::string_view Rest)
{
    if (Rest.find_first_not_of('\0') == std::string_view::npos)
        return false;
    size_t at = 0;
    while (Rest.size() - at >= RecordFrameBytes) {
        const uint64_t end = uint64_t{at} + RecordFrameBytes + U32At(Rest, at);
        if (end > Rest.size())
            return false;
        at = static_cast<size_t>(end);
    }
    return at > 0 && at == Rest.size();
}

int SubIconFromFile(uint32_t Value, int SubIconCount)
{
    return Value >= 1 && Value <= static_cast<uint32_t>(std::max(SubIconCount, 0)) ? static_cast<int>(Value) : -1;
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
        Damaged();
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
            Damaged();
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
        PutU32(out, static_cast<uint32_t>(pages[i].SelStart));
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
    TByteReader reader(Bytes, Damaged);
    const uint32_t treeLength = reader.U32();
    TVk2Document document;
    document.Pages = ParseTreeText(reader.Bytes(treeLength));
    // Each record takes at least 12 bytes: a file announcing more pages
    // than that cannot be whole.
    if (document.Pages.size() > reader.Left() / RecordFrameBytes)
        Damaged();
    uint32_t packed = 0;
    for (size_t i = 0; i < document.Pages.size(); ++i) {
        TFlatPage& page = document.Pages[i];
        const uint32_t textLength = reader.U32();
        if (textLength > reader.Left() || reader.Left() - textLength < 8)
            Damaged();
        page.Text = reader.Bytes(textLength);
        page.SelStart = static_cast<int32_t>(reader.U32());
        packed = reader.U32();
        if (i == 0) {
            page.SubIcon = SubIconFromFile(packed >> 16, SubIconCount);
            document.SelectedIndex = static_cast<int>(packed & MaxIndexInPackedWord);
        } else if (i == 1) {
            page.SubIcon = SubIconFromFile(packed >> 16, SubIconCount);
            document.EditMode = static_cast<int>(packed & 0xFF);
        } else {
            page.SubIcon = SubIconFromFile(packed, SubIconCount);
        }
    }
    // Bytes after the last record are ignored, unless they are pages the
    // tree lost, or they show the last record's length cut short: its caret
    // and packed word were then read from its text, and no writer writes a
    // caret past the text or such a word.
    const TFlatPage& last = document.Pages.back();
    if (const std::string_view rest = reader.Bytes(reader.Left());
        !rest.empty()
        && (HoldsLostPages(rest) || static_cast<uint32_t>(last.SelStart) > last.Text.size()
            || !IsPackedWordAsWritten(packed, document.Pages.size() - 1, document.Pages.size())))
        Damaged();
    if (static_cast<size_t>(document.SelectedIndex) >= document.Pages.size())
        document.SelectedIndex = 0;
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
    for (const TFlatPage& page : Pages)
        if (!TitleAgreesWithText(page.Title, page.Text))
            Damaged();
}
