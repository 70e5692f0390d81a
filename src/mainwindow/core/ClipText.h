// The clean-up chain for text copied from web pages, which clipping mode
// and the web-text command run on captured text, and the page text a
// capture leaves. Text is Shift-JIS with CR LF line ends.
#pragma once

#include <string>
#include <string_view>

// The checkable items of the web-text options menu.
struct TWebTextOptions {
    bool TopRtnDel = false; // empty lines deleted
    bool Hyphen = true;     // empty lines beside 80-hyphen rules deleted
    bool TopSpcDel = false; // leading half-width spaces deleted
    bool HKToZK = false;    // half-width brackets and punctuation to full width
    bool Hs2ToZs = false;   // two half-width spaces to one full-width space
    bool LogicLine = false; // logical lines taken as paragraphs
};

// The whole chain: tabs, trailing blanks, repeated and leading empty lines,
// blanks after "、" and "。", then each option that is on.
std::string ConvertClipText(std::string_view Text, const TWebTextOptions& Options);

// The half-width blank after each "、" or "。" dropped.
std::string DropSpaceAfterPunct(std::string_view Text);
// ｢ ｣ ( ) ? ! ､ ｡ to their full-width forms; double-byte characters are
// copied whole, so a trail byte never reads as a half-width character.
std::string HalfPunctToZen(std::string_view Text);
// Each empty line directly above or below a line of exactly 80 hyphens
// removed.
std::string HyphenLineShape(std::string_view Text);

// The page text after a capture of Clip into a page holding Page (empty
// when the clip goes to a new page): the clip appended, then the whole
// converted when Convert is on, and a line break added unless each clip
// has its own page.
std::string CapturedPageText(std::string_view Page, std::string_view Clip, bool Convert, bool OwnPage,
                             const TWebTextOptions& Options);

// How much of Old begins New unchanged, in whole characters: a capture
// replaces only what follows, so the rows before keep their marks.
size_t UnchangedLead(std::string_view Old, std::string_view New);
