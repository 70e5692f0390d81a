// The regular-expression engine: a pattern compiles or is refused with a
// position inside it; a match lies inside the text on character
// boundaries; replacing every match by itself changes nothing; a bad
// replacement is refused with a position inside it and the text untouched.
//
// Input: options byte, pattern NUL replacement NUL text.
#include "AWKStr.h"
#include "ERegExpParser.h"
#include "FuzzInput.h"

#include <string>

namespace {

bool ErrorInside(const ERegExpParser& Error, std::string_view Text)
{
    return Error.ErrorPos() >= 1 && Error.ErrorPos() <= static_cast<int>(Text.size()) + 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    TFuzzInput input(Data, Size);
    const uint8_t options = input.Byte();
    const std::string pattern(input.Part());
    const std::string_view replacement = input.Part();
    const std::string text(input.Rest());

    TAWKStr re(nullptr);
    re.SetLineSeparator(options & 1 ? mcls_LF : mcls_CRLF);
    try {
        re.SetRegExp(pattern);
    } catch (const ERegExpParser& error) {
        Check(ErrorInside(error, pattern), "a pattern error points into the pattern");
        return 0;
    }
    if (const auto match = re.Match(text)) {
        Check(match->Start <= match->End && match->End <= text.size(), "a match lies inside the text");
        Check(sjis::IsCharBoundary(text, match->Start) && sjis::IsCharBoundary(text, match->End),
              "a match never splits a character");
    }
    std::string same = text;
    const int count = re.GSub("&", same);
    Check(count >= 0 && same == text, "replacing every match by itself changes nothing");

    std::string replaced = text;
    try {
        re.GSub(replacement, replaced);
    } catch (const ERegExpParser& error) {
        Check(ErrorInside(error, replacement), "a replacement error points into the replacement");
        Check(replaced == text, "a bad replacement leaves the text untouched");
    }
    return 0;
}
