#include "edWrapOption.h"

#include "Cp932.h"
#include "Sjis.h"

#include <algorithm>

// ---- TWrapCharSet ----------------------------------------------------------

TWrapCharSet::TWrapCharSet(std::string_view Chars)
{
    for (sjis::CharCursor c(Chars); !c.AtEnd(); c.Next()) {
        if (c.IsDouble())
            Pairs_.push_back(c.Code());
        else
            Singles_.set(static_cast<unsigned char>(Chars[c.Pos()]));
    }
    std::sort(Pairs_.begin(), Pairs_.end());
}

bool TWrapCharSet::Contains(std::string_view C) const
{
    if (C.size() == 1)
        return Singles_.test(static_cast<unsigned char>(C[0]));
    if (C.size() != 2)
        return false;
    const auto code = static_cast<uint16_t>(static_cast<unsigned char>(C[0]) << 8 | static_cast<unsigned char>(C[1]));
    return std::binary_search(Pairs_.begin(), Pairs_.end(), code);
}

// ---- TEditorWrapOption -----------------------------------------------------

const std::string& TEditorWrapOption::DefaultFollowStr()
{
    static const std::string value = Utf8ToSjis("、。，．・？！゛゜ヽヾゝゞ々ー）］｝」』!),.:;?]}｡｣､･ｰﾞﾟ");
    return value;
}

const std::string& TEditorWrapOption::DefaultLeadStr()
{
    static const std::string value = Utf8ToSjis("（［｛「『([{｢");
    return value;
}

const std::string& TEditorWrapOption::DefaultPunctuationStr()
{
    static const std::string value = Utf8ToSjis("、。，．,.｡､");
    return value;
}

TEditorWrapOption::TEditorWrapOption()
    : FollowStr_(DefaultFollowStr()), LeadStr_(DefaultLeadStr()), PunctuationStr_(DefaultPunctuationStr()),
      FollowSet_(FollowStr_), LeadSet_(LeadStr_), PunctuationSet_(PunctuationStr_)
{
}

void TEditorWrapOption::Assign(const TPersistent* Source)
{
    const auto* other = dynamic_cast<const TEditorWrapOption*>(Source);
    if (!other) {
        TNotifyPersistent::Assign(Source);
        return;
    }
    // A change re-wraps the text and clears its undo history, so assigning
    // equal values (options confirmed unchanged) announces nothing.
    if (SameValues(*other))
        return;
    FollowRetMark_ = other->FollowRetMark_;
    FollowPunctuation_ = other->FollowPunctuation_;
    FollowStr_ = other->FollowStr_;
    Leading_ = other->Leading_;
    LeadStr_ = other->LeadStr_;
    PunctuationStr_ = other->PunctuationStr_;
    WordBreak_ = other->WordBreak_;
    WrapByte_ = other->WrapByte_;
    FollowSet_ = other->FollowSet_;
    LeadSet_ = other->LeadSet_;
    PunctuationSet_ = other->PunctuationSet_;
    Changed();
}

bool TEditorWrapOption::SameValues(const TEditorWrapOption& Other) const
{
    return FollowRetMark_ == Other.FollowRetMark_ && FollowPunctuation_ == Other.FollowPunctuation_
           && FollowStr_ == Other.FollowStr_ && Leading_ == Other.Leading_ && LeadStr_ == Other.LeadStr_
           && PunctuationStr_ == Other.PunctuationStr_ && WordBreak_ == Other.WordBreak_
           && WrapByte_ == Other.WrapByte_;
}

namespace {

// Stores Value when it differs and reports whether it did.
template <class T>
bool Store(T& Field, const T& Value)
{
    if (Field == Value)
        return false;
    Field = Value;
    return true;
}

} // namespace

void TEditorWrapOption::SetFollowRetMark(bool Value)
{
    if (Store(FollowRetMark_, Value))
        Changed();
}

void TEditorWrapOption::SetFollowPunctuation(bool Value)
{
    if (Store(FollowPunctuation_, Value))
        Changed();
}

void TEditorWrapOption::SetFollowStr(const std::string& Value)
{
    if (!Store(FollowStr_, Value))
        return;
    FollowSet_ = TWrapCharSet(FollowStr_);
    Changed();
}

void TEditorWrapOption::SetLeading(bool Value)
{
    if (Store(Leading_, Value))
        Changed();
}

void TEditorWrapOption::SetLeadStr(const std::string& Value)
{
    if (!Store(LeadStr_, Value))
        return;
    LeadSet_ = TWrapCharSet(LeadStr_);
    Changed();
}

void TEditorWrapOption::SetPunctuationStr(const std::string& Value)
{
    if (!Store(PunctuationStr_, Value))
        return;
    PunctuationSet_ = TWrapCharSet(PunctuationStr_);
    Changed();
}

void TEditorWrapOption::SetWordBreak(bool Value)
{
    if (Store(WordBreak_, Value))
        Changed();
}

void TEditorWrapOption::SetWrapByte(int Value)
{
    if (Store(WrapByte_, std::clamp(Value, MinWrapByte, MaxWrapByte)))
        Changed();
}
