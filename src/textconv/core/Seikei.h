// The formatting command's bodies: wrapping a selection at a width (after
// joining its lines into paragraphs), the ruled box and quote formatting.
// Each takes the selection and the settings and gives the text that
// replaces it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace textconv {

// The wrap-width dialog's settings, with the editor values the bodies use.
struct TSeikeiOptions {
    // 0 plain wrap, 1 paragraphs at "　", 2 paragraphs at "　" and the marks,
    // 3 ruled box, 4 quote formatting (Seikei.Index).
    int Index = 0;
    // The width as typed or read from the settings file (Seikei.Width).
    std::string Width = "72";
    bool English = false;   // Seikei.English: English word wrap
    bool Indent = false;    // Seikei.Indent: continuation lines keep the indentation
    bool KeisenBig = false; // Seikei.KeisenBig: heavy frame
    bool KeisenRtn = false; // the ruled box keeps the line breaks
    bool SeikeiMax = false; // Seikei.SeikeiMax: no width but the 8,192-byte limit
    std::string QMark = {}; // the quote mark (one or two bytes)
    int WrapByteCache = 80; // the editor's wrap column; the ruled box stays inside it
    int TabWidth = 8;       // the active editor's Caret.TabSpaceCount
};

// The body of the formatting command in the mode Options.Index (a mode
// outside 0..4 counts as 0). Empty when the selection is to stay as it is.
// Throws EConvertError when modes 3 and 4 find a width that is not a number.
std::optional<std::string> SeikeiFormat(std::string_view Selection, const TSeikeiOptions& Options);

// Modes 0 to 2: the lines (joined by the mode) wrapped at the width, or at
// 72 when the width is not a number, and without trailing blanks. The
// result ends with CR LF only when the selection did.
std::string WrapFormat(std::string_view Selection, const TSeikeiOptions& Options);

// The ruled box: the selection's paragraphs wrapped inside a box narrower
// than the width and the editor's wrap column. Empty (nothing to do) when
// that leaves less than 8 bytes or the selection is empty.
std::optional<std::string> KeisenFormat(std::string_view Selection, const TSeikeiOptions& Options);

// Quote formatting: the old quote marks taken off, the paragraphs wrapped at
// the width less 2, and QMark put in front of every non-empty line. The
// result ends with CR LF.
std::string CommentFormat(std::string_view Selection, const TSeikeiOptions& Options);

} // namespace textconv
