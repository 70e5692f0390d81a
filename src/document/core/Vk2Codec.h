// The document file (".vk2"): the page tree as tab-indented text, then one
// record per page. All integers are 32-bit little-endian. The format has
// no header, magic number or version: a file is read as any earlier
// version wrote it, with blanks as well as TABs for depth and titles that
// may end in a lone lead byte.
//
//   u32 L, L bytes of tree text: per page in tree order, depth x TAB, the
//   title, CR LF
//   per page: u32 N, N bytes of text, u32 caret, u32 packed word
//     page 0: sub-icon x 65536 + index of the selected page
//     page 1: sub-icon x 65536 + edit mode (low byte)
//     later pages: the sub-icon
//   (a sub-icon of none is 0; nothing follows the last record)
#pragma once

#include "PageList.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

struct TVk2Document {
    TFlatPages Pages;
    // The absolute index of the selected page.
    int SelectedIndex = 0;
    // Kept only by documents of two pages or more.
    std::optional<int> EditMode;
    // What may be wrong with the file though it opens (UTF-8), or "": zeros
    // after the last record, which no writer writes. A copy or a recovery
    // padded the file, or a length cut short or grown moved the end of the
    // records out among zeros, and text with them; the two can be byte for
    // byte alike, and a save drops the zeros.
    std::string Doubt;
};

// A file that cannot be a document, or whose text a save would not keep:
// too short for the lengths it announces, a tree text not ending in a line
// break, a page more than one level deeper than the page before, no page
// at all (a tree length of 0 is what a crash or a broken disk leaves when
// it zeroes the file's start), records no writer writes. The message says
// what is damaged, naming the page.
class EVk2Format : public Exception {
public:
    using Exception::Exception;
};

// A document that the format cannot hold (a text of 4 GB or more).
class EVk2TooLarge : public Exception {
public:
    using Exception::Exception;
};

// The file's bytes. Titles are written cleaned (CleanTitleForFile), so
// they read back as they were meant. A selected index that names no page
// or does not fit in 16 bits is written as 0 rather than spill into the
// sub-icon, and a caret outside its page's text as the nearest end of it:
// the reader takes neither. No pages are written as the new document's one
// "UnTitled" page, since a file of no pages reads as damaged.
std::string EncodeVk2(const TFlatPages& Pages, int SelectedIndex, int EditMode);

// The file's bytes in pieces, for writing without one more copy of every
// page: the small fields in Frame, the page texts where they are.
struct TVk2Layout {
    std::vector<char> Frame;
    // Views of Frame and of the pages' texts, in file order.
    std::vector<std::string_view> Pieces;
};
TVk2Layout LayOutVk2(std::span<const TPageView> Pages, int SelectedIndex, int EditMode);

// The document the bytes hold, or EVk2Format. Every length is checked
// against the bytes left before anything is allocated. A sub-icon outside
// 1..SubIconCount reads as none. A sound file holds only what a writer
// writes, and the rest is damage that a save would turn into lost text:
// - every record as a writer writes it: its caret within its text, its
//   packed word of sub-icons below 256, with the edit mode in its low byte
//   alone, and a selection that names a page. A length cut short by four
//   bytes or more reads the caret from the text; a wrong one misplaces the
//   records after it;
// - nothing but zeros after the last record (padded copies, recovered
//   files): anything else is pages the tree lost or the end of a record
//   pushed out;
// - a length cut short by one to three bytes, with only empty pages after
//   its page, leaves the records as a writer writes them and pushes zeros
//   out that read as padding (Vk2Records.h, LengthCutShort).
TVk2Document DecodeVk2(std::string_view Bytes, int SubIconCount);

// Whether Text, a page's text, can be the page the tree's Title names: Title
// is what some writer made of Text's first line. The line runs to its first
// CR, so a title may hold a lone LF; this program's writer cuts the title
// at that LF too (CleanTitleForFile). Writers have cut the line to 254 or
// 255 bytes before or after leaving out its leading blanks, TABs and dots
// (so a cut title may end in a lone lead byte), named an empty line
// "UnTitled", and a line of only those characters "UnTitled" or "". Titles
// hold no CR.
bool TitleAgreesWithText(std::string_view Title, std::string_view Text);
// Raises EVk2Format, as damaged, when a page's text disagrees with its title:
// the tree and the records no longer line up (a lost line break in the
// tree, a record's length cut short), and the first save would lose text.
// Reading a document file checks this after DecodeVk2, which reads the
// format alone.
void CheckTitlesAgreeWithTexts(const TFlatPages& Pages);

// A title as the file can hold it: cut at its first CR or LF, and without
// the leading blanks and TABs that would read back as depth.
std::string CleanTitleForFile(std::string_view Title);
