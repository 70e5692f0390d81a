// The Japanese texts of the line-layout routines as written in the source
// (UTF-8). Each is converted to Shift-JIS once, at its first use.
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <string_view>

namespace textconv::layout_literals {

// Line breaking: characters that may not end a line, and characters that
// may hang past the width (never begin a wrapped line).
inline constexpr std::string_view NotAtLineEnd = "（〔［｛〈《「『【";
inline constexpr std::string_view MayHang = "、。，．・：；？！゛゜´｀¨＾々）〕］｝〉》」』】";
// The half-width kana punctuation among the single-byte closers and openers.
inline constexpr std::string_view HalfWidthClosers = "｡｣､ﾞﾟ";
inline constexpr std::string_view HalfWidthOpeners = "｢";

inline constexpr std::string_view ZenSpace = "　";
inline constexpr std::string_view KagiOpen = "「";
inline constexpr std::string_view KagiClose = "」";

// Heads of a line that start a paragraph of their own when lines are joined.
inline constexpr std::string_view ParagraphMarks = "　「［（【□■◇◆▽▼○●";
// Heads of a line that LogicalLinesToParagraphs leaves alone, beside the
// symbols ☆ to 〒 it finds by code.
inline constexpr std::string_view ParagraphHeads = "　・（［「【";

// Double-byte characters next to which the alphanumeric separation inserts
// no space: after a letter or digit, and before one.
inline constexpr std::string_view NoSpaceAfterAlnum = "　、。，";
inline constexpr std::string_view NoSpaceBeforeAlnum = "　、。，゛゜´";

// The ruled box: top-left, top-right, bottom-left, bottom-right, vertical,
// horizontal.
inline constexpr std::string_view ThinFrame = "┌┐└┘│─";
inline constexpr std::string_view HeavyFrame = "┏┓┗┛┃━";

inline constexpr std::array All = {NotAtLineEnd,       MayHang,   HalfWidthClosers, HalfWidthOpeners, ZenSpace,
                                   KagiOpen,           KagiClose, ParagraphMarks,   ParagraphHeads,   NoSpaceAfterAlnum,
                                   NoSpaceBeforeAlnum, ThinFrame, HeavyFrame};

} // namespace textconv::layout_literals

namespace textconv {

// A set of character codes (sjis::CharCode).
class CodeSet {
public:
    // The characters of a UTF-8 literal.
    explicit CodeSet(std::string_view Utf8);
    bool Contains(uint16_t Code) const { return Bits_[Code]; }

private:
    std::bitset<0x10000> Bits_;
};

// The Shift-JIS character code of a literal of one character.
uint16_t LiteralCode(std::string_view Utf8);

} // namespace textconv
