#include "OnigurumaOracle.h"

#include <oniguruma.h>

// Oniguruma is leftmost-first. A callout placed after the whole pattern
// records where it stands and fails, so backtracking visits every match
// end; the greatest is the longest match.
struct OnigurumaOracle::State {
    OnigRegex Regex = nullptr;
    OnigMatchParam* Param = nullptr;
    const OnigUChar* Base = nullptr;
    std::optional<size_t> Longest;

    static int Record(OnigCalloutArgs* Args, void* User)
    {
        auto* self = static_cast<State*>(User);
        const size_t end = onig_get_current_by_callout_args(Args) - self->Base;
        if (!self->Longest || end > *self->Longest)
            self->Longest = end;
        return ONIG_CALLOUT_FAIL;
    }

    void Free()
    {
        if (Regex)
            onig_free(Regex);
        Regex = nullptr;
    }
};

OnigurumaOracle::OnigurumaOracle() : State_(new State)
{
    OnigEncoding encodings[] = {ONIG_ENCODING_SJIS};
    onig_initialize(encodings, 1);
    static OnigUChar name[] = "REC";
    onig_set_callout_of_name(ONIG_ENCODING_SJIS, ONIG_CALLOUT_TYPE_SINGLE, name, name + 3, ONIG_CALLOUT_IN_PROGRESS,
                             &State::Record, nullptr, 0, nullptr, 0, nullptr);
    State_->Param = onig_new_match_param();
    onig_initialize_match_param(State_->Param);
    onig_set_retry_limit_in_match_of_match_param(State_->Param, 2000000);
    onig_set_callout_user_data_of_match_param(State_->Param, State_);
}

OnigurumaOracle::~OnigurumaOracle()
{
    State_->Free();
    onig_free_match_param(State_->Param);
    delete State_;
    onig_end();
}

bool OnigurumaOracle::Compile(const std::string& Pattern)
{
    State_->Free();
    const std::string full = "(?:" + Pattern + ")(*REC)";
    OnigErrorInfo info;
    const auto* p = reinterpret_cast<const OnigUChar*>(full.data());
    return onig_new(&State_->Regex, p, p + full.size(), ONIG_OPTION_NONE, ONIG_ENCODING_SJIS, ONIG_SYNTAX_ONIGURUMA,
                    &info)
           == ONIG_NORMAL;
}

bool OnigurumaOracle::LongestAt(const std::string& Text, size_t Pos, std::optional<size_t>& End)
{
    const auto* str = reinterpret_cast<const OnigUChar*>(Text.data());
    State_->Base = str;
    State_->Longest.reset();
    const int result = onig_match_with_param(State_->Regex, str, str + Text.size(), str + Pos, nullptr,
                                             ONIG_OPTION_NONE, State_->Param);
    End = State_->Longest;
    return result == ONIG_MISMATCH;
}
