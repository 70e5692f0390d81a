// The frame of the character conversions: a walk forwards by characters
// that converts some of them and copies the rest as they stand, line breaks
// included, so a conversion changes nothing but the characters it converts.
//
// The result is written through a plain char pointer that the loops keep in
// a local variable (a pointer kept in an object would have to be reloaded
// after every byte written, since a char store may alias anything).
#pragma once

#include "LoneLead.h"
#include "SjisChar.h"

#include "Sjis.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace textconv {

// The character code (sjis::CharCode) of the character at Pos, whose length
// is Len: a single byte keeps its value, a double-byte character is lead *
// 256 + trail and so always 0x100 or more.
inline uint16_t CodeAt(std::string_view Text, size_t Pos, size_t Len)
{
    const auto first = static_cast<unsigned char>(Text[Pos]);
    return Len == 1 ? first : static_cast<uint16_t>(first << 8 | static_cast<unsigned char>(Text[Pos + 1]));
}

// Writes one character at Out and returns the end of what was written. Both
// bytes are stored whatever the length, so the result needs one spare byte.
inline char* PutChar(char* Out, const SjisChar& Char)
{
    Out[0] = Char.Bytes[0];
    Out[1] = Char.Bytes[1];
    return Out + Char.Len;
}

// Copies the character of length Len at Pos of Text.
inline char* CopyChar(char* Out, std::string_view Text, size_t Pos, size_t Len)
{
    Out[0] = Text[Pos];
    Out[1] = Len == 2 ? Text[Pos + 1] : '\0';
    return Out + Len;
}

inline char* PutBytes(char* Out, std::string_view Bytes)
{
    std::memcpy(Out, Bytes.data(), Bytes.size());
    return Out + Bytes.size();
}

// The result of a conversion: a string sized once for the longest result the
// conversion can give (MaxGrowth bytes out for each byte in, and the spare
// byte), written from Begin() and then cut where the writing ended.
class ConvertedText {
public:
    ConvertedText(size_t InputSize, size_t MaxGrowth) : Text_(InputSize * MaxGrowth + 1, '\0') {}

    char* Begin() { return Text_.data(); }
    std::string Take(const char* End) &&
    {
        Text_.resize(End - Text_.data());
        return std::move(Text_);
    }

private:
    std::string Text_;
};

// Convert(Code) gives the conversion of the character with that code, or a
// SjisChar of length 0 to copy the character unchanged. No character may
// grow to more than MaxGrowth times its length.
template <typename ConvertFn>
std::string ConvertChars(std::string_view Text, size_t MaxGrowth, ConvertFn Convert)
{
    ConvertedText result(Text.size(), MaxGrowth);
    char* out = result.Begin();
    char* loneLead = nullptr; // the character written last, when it is a lone lead byte
    for (size_t pos = 0; pos < Text.size();) {
        const size_t len = sjis::CharLen(Text, pos);
        const SjisChar converted = Convert(CodeAt(Text, pos, len));
        char* const written = out;
        out = converted.Len != 0 ? PutChar(out, converted) : CopyChar(out, Text, pos, len);
        if (loneLead)
            SeparateLoneLead(loneLead, *written);
        loneLead = IsLoneLead(written, out - written) ? written : nullptr;
        pos += len;
    }
    return std::move(result).Take(out);
}

// A run is the longest stretch of characters whose first character Starts
// accepts and whose others Continues accepts (both take a character code).

// The runs converted character by character: Convert(Code) gives the
// conversion of each character of a run (or a SjisChar of length 0 to copy
// it unchanged).
template <typename StartsFn, typename ContinuesFn, typename ConvertFn>
std::string ConvertRunChars(std::string_view Text, size_t MaxGrowth, StartsFn Starts, ContinuesFn Continues,
                            ConvertFn Convert)
{
    bool inRun = false;
    return ConvertChars(Text, MaxGrowth, [&](uint16_t Code) {
        inRun = (inRun && Continues(Code)) || Starts(Code);
        return inRun ? Convert(Code) : SjisChar{};
    });
}

// The runs converted whole: Convert(Run, Out) writes the conversion of a
// run, a string of whole characters, at Out and returns the end of what it
// wrote; it may not grow the run to more than MaxGrowth times its length.
// Starts and Continues never accept a lone lead byte: the frame keeps it
// apart from the run written after it.
template <typename StartsFn, typename ContinuesFn, typename ConvertFn>
std::string ConvertRuns(std::string_view Text, size_t MaxGrowth, StartsFn Starts, ContinuesFn Continues,
                        ConvertFn Convert)
{
    ConvertedText result(Text.size(), MaxGrowth);
    char* out = result.Begin();
    size_t pos = 0, copied = 0, lastSkippedLen = 0;
    while (pos < Text.size()) {
        size_t len = sjis::CharLen(Text, pos);
        if (!Starts(CodeAt(Text, pos, len))) {
            pos += len;
            lastSkippedLen = len;
            continue;
        }
        out = PutBytes(out, Text.substr(copied, pos - copied));
        char* const loneLead = pos > copied && IsLoneLead(out - 1, lastSkippedLen) ? out - 1 : nullptr;
        char* const runOut = out;
        const size_t runStart = pos;
        pos += len;
        while (pos < Text.size()) {
            len = sjis::CharLen(Text, pos);
            if (!Continues(CodeAt(Text, pos, len)))
                break;
            pos += len;
        }
        out = Convert(Text.substr(runStart, pos - runStart), out);
        if (loneLead && out != runOut)
            SeparateLoneLead(loneLead, *runOut);
        copied = pos;
    }
    out = PutBytes(out, Text.substr(copied));
    return std::move(result).Take(out);
}

} // namespace textconv
