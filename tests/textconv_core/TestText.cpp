#include "TestText.h"

#include "Cp932.h"

#include <gtest/gtest.h>

std::string U(std::string_view Sjis) { return SjisToUtf8(Sjis); }

std::string Repeat(std::string_view Text, size_t Times)
{
    std::string out;
    for (size_t i = 0; i < Times; ++i)
        out += Text;
    return out;
}

std::string Bytes(std::initializer_list<int> Values)
{
    std::string text;
    for (int value : Values)
        text += static_cast<char>(value);
    return text;
}

std::vector<std::string> UtfLines(std::string_view Sjis)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < Sjis.size()) {
        const size_t br = Sjis.find("\r\n", start);
        if (br == std::string_view::npos) {
            lines.push_back(U(Sjis.substr(start)));
            lines.push_back("⏎?");
            break;
        }
        lines.push_back(U(Sjis.substr(start, br - start)));
        start = br + 2;
    }
    return lines;
}

void ExpectConverted(const std::vector<ConversionCase>& Cases)
{
    for (const ConversionCase& c : Cases)
        EXPECT_EQ(U(c.Convert(S(c.Input))), c.Expected) << c.Input;
}

void ExpectConverted(const Conversion& Convert, std::initializer_list<std::pair<std::string, std::string>> Cases)
{
    for (const auto& [input, expected] : Cases)
        EXPECT_EQ(U(Convert(S(input))), expected) << input;
}
