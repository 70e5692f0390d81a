#include "REDictionary.h"

#include "RegExpChars.h"
#include "Sjis.h"

#include <algorithm>

void TREDictionary::AddGroup(std::string_view CommaText)
{
    auto group = std::make_unique<TStringList>();
    group->SetCommaText(CommaText);
    const int index = GroupCount();
    std::string alternation = "(";
    for (int i = 0; i < group->Count(); ++i) {
        const std::string member = group->Strings(i);
        if (i > 0)
            alternation += '|';
        alternation += re::QuoteMetaChar(member);
        if (member.empty())
            continue; // never matches
        Member decoded{index, {}};
        for (sjis::CharCursor c(member); !c.AtEnd(); c.Next())
            decoded.Codes.push_back(c.Code());
        ByFirstCode_[decoded.Codes.front()].push_back(Members_.size());
        Members_.push_back(std::move(decoded));
    }
    alternation += ')';
    Alternations_.push_back(std::move(alternation));
    Groups_.push_back(std::move(group));
}

std::optional<TREDictionary::THit> TREDictionary::Find(std::span<const uint16_t> Codes) const
{
    if (Codes.empty())
        return std::nullopt;
    const auto candidates = ByFirstCode_.find(Codes.front());
    if (candidates == ByFirstCode_.end())
        return std::nullopt;
    for (const size_t index : candidates->second) {
        const Member& member = Members_[index];
        if (member.Codes.size() <= Codes.size() && std::ranges::equal(member.Codes, Codes.first(member.Codes.size())))
            return THit{member.Group, member.Codes.size()};
    }
    return std::nullopt;
}
