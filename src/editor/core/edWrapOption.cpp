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
    : FollowSet_(DefaultFollowStr()), LeadSet_(DefaultLeadStr()), PunctuationSet_(DefaultPunctuationStr())
{
    V_.FollowStr = DefaultFollowStr();
    V_.LeadStr = DefaultLeadStr();
    V_.PunctuationStr = DefaultPunctuationStr();
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
    if (V_ == other->V_)
        return;
    V_ = other->V_;
    FollowSet_ = other->FollowSet_;
    LeadSet_ = other->LeadSet_;
    PunctuationSet_ = other->PunctuationSet_;
    Changed();
}

void TEditorWrapOption::StoreChars(std::string& Chars, TWrapCharSet& Set, const std::string& Value)
{
    if (Chars == Value)
        return;
    Chars = Value;
    Set = TWrapCharSet(Value);
    Changed();
}

void TEditorWrapOption::SetFollowRetMark(bool Value) { Store(V_.FollowRetMark, Value); }
void TEditorWrapOption::SetFollowPunctuation(bool Value) { Store(V_.FollowPunctuation, Value); }
void TEditorWrapOption::SetFollowStr(const std::string& Value) { StoreChars(V_.FollowStr, FollowSet_, Value); }
void TEditorWrapOption::SetLeading(bool Value) { Store(V_.Leading, Value); }
void TEditorWrapOption::SetLeadStr(const std::string& Value) { StoreChars(V_.LeadStr, LeadSet_, Value); }
void TEditorWrapOption::SetPunctuationStr(const std::string& Value)
{
    StoreChars(V_.PunctuationStr, PunctuationSet_, Value);
}
void TEditorWrapOption::SetWordBreak(bool Value) { Store(V_.WordBreak, Value); }
void TEditorWrapOption::SetWrapByte(int Value) { Store(V_.WrapByte, std::clamp(Value, MinWrapByte, MaxWrapByte)); }
