// The error of the regular-expression engine: a Japanese message and the
// position at which the scanner stood when it found the fault.
#pragma once

#include "SysUtils.h"

class ERegExpParser : public Exception {
public:
    ERegExpParser(const std::string& Message, int ErrorPos) : Exception(Message), ErrorPos_(ErrorPos) {}

    // The 1-based byte index in the pattern (or replacement) of the next
    // byte to read: just after the offending character or token, or the
    // lone lead byte itself when a double-byte character is cut off.
    int ErrorPos() const { return ErrorPos_; }

private:
    int ErrorPos_;
};

// The messages the user sees.
namespace remsg {
inline constexpr const char* BadDoubleByte = "不正な２バイト文字コードです。";
inline constexpr const char* NeedCharAfterBackslash = "\"\\\"の次には文字が必要です。";
inline constexpr const char* BadHexCode = "不正な１６進数コード表記です。";
inline constexpr const char* BadOctalCode = "不正な８進数コード表記です。";
inline constexpr const char* NeedRightBracket = "右ブラケット\"]\"が必要です";
inline constexpr const char* BadCharRange = "不正なキャラクタ範囲です";
inline constexpr const char* BadCharClass = "不正なキャラクタクラス指定です。";
inline constexpr const char* ExtraText = "正規表現に余分な文字があります";
inline constexpr const char* NeedRightParen = "右(閉じ)括弧が必要です";
inline constexpr const char* NeedCharOrLeftParen = "普通の文字、または左括弧\"(\"が必要です";
// Compiling would take more states or memory than any sensible pattern
// needs; raised at the pattern's end.
inline constexpr const char* TooComplex = "正規表現が複雑すぎます。";
} // namespace remsg
