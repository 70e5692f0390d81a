// The document written out as plain text in thirteen ways (the kinds
// below). Each output is made here as bytes from the tree; writing the
// file is the caller's. Output 9, one file per page, is in PageFiles.h.
#pragma once

#include <string>
#include <string_view>

class TTreeNode;
class TTreeNodes;

// The outputs by their place in the chooser.
enum TTextOutputKind : int {
    tokAll = 0,               // the whole document
    tokAllNoTitles = 1,       // the whole document without title lines
    tokAllTreeText = 2,       // the whole document as hierarchical text
    tokPage = 3,              // the selected page
    tokPageUnder = 4,         // the selected page with its descendants
    tokPageUnderNoTitles = 5, // the same without title lines
    tokPageTreeText = 6,      // the selected page and descendants as hierarchical text
    tokPageTabText = 7,       // TAB-indented
    tokPageIndentText = 8,    // indented and wrapped
    tokPageFiles = 9,         // one file per page
    tokTitles = 10,           // the titles
    tokTitlesIndented = 11,   // the titles, indented by level
    tokTitleTree = 12,        // the titles as a ruled tree
};
inline constexpr int TextOutputKindCount = 13;

// Whether an output can put outline numbers in front of its titles.
bool OffersNumbering(int Kind);
// Whether an output covers the whole document (else the selected page).
bool IsWholeDocumentOutput(int Kind);

struct TTextOutputOptions {
    bool Numbered = false;
    // The ruled tree: a connecting line between the lines of two pages.
    bool BlankLines = false;
    // The blanks a page line's leading TAB becomes in TAB text.
    int TabSpaceCount = 8;
    // The wrap width of indented text, in bytes, and the formatting
    // settings its wrap follows: English word wrap, continuation lines
    // indented as their line.
    int WrapByte = 80;
    bool WrapEnglish = false;
    bool WrapIndent = false;
};

// The bytes of output Kind, any kind but tokPageFiles. Selected is the
// selected page (unused by the whole-document outputs).
std::string TextOutputBytes(int Kind, const TTreeNodes& Nodes, const TTreeNode& Selected,
                            const TTextOutputOptions& Options);

// Before outputs 4 and 5: every empty page of Page's subtree (as deep as
// those outputs go) is given the text CR LF, as they write it.
void FillEmptyPages(const TTreeNode& Page);

// The text after the first CR and the byte following it; a text without
// CR whole.
std::string_view DropFirstLine(std::string_view Text);
