// Helpers of the sentence-style tests: texts are written in UTF-8, converted
// in Shift-JIS and compared in UTF-8 again, so failures read as Japanese.
#pragma once

#include "DaHenkan.h"
#include "DesuHenkan.h"
#include "TestText.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace sentence_style_test {

inline std::string DesuToDa(std::string_view Utf8, bool SkipQuotes = false)
{
    return U(textconv::ConvertDesuToDa(S(Utf8), SkipQuotes));
}

// Answers the converter's questions from a script and records them.
struct ScriptedAnswers {
    explicit ScriptedAnswers(std::vector<bool> Script = {}) : Answers(std::move(Script)) {}

    std::vector<bool> Answers;
    std::vector<std::string> Questions;

    textconv::YesNoQuestion Ask()
    {
        return [this](const std::string& Question) {
            const bool answer = Questions.size() < Answers.size() && Answers[Questions.size()];
            Questions.push_back(Question);
            return answer;
        };
    }
};

inline std::string DaToDesu(std::string_view Utf8, bool SkipQuotes = false,
                            const textconv::YesNoQuestion& Ask = {})
{
    return U(textconv::ConvertDaToDesu(S(Utf8), SkipQuotes, Ask));
}

// The conversions with no quote skipping and no questions.
inline std::string Da(std::string_view Utf8) { return DesuToDa(Utf8); }
inline std::string Desu(std::string_view Utf8) { return DaToDesu(Utf8); }

struct Case {
    const char* Input;
    const char* Expected;
};

// Runs each case through Convert and compares in UTF-8.
template <typename Fn>
void ExpectConversions(Fn Convert, std::initializer_list<Case> Cases)
{
    for (const Case& c : Cases)
        EXPECT_EQ(Convert(c.Input), c.Expected) << c.Input;
}

} // namespace sentence_style_test
