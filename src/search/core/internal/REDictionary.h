// A dictionary of equivalent writings for the pattern preprocessor: groups
// of members, a member being one or more characters. A literal run of a
// pattern that starts with a member is replaced by its group's alternation.
#pragma once

#include "Strings.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class TREDictionary {
public:
    // Adds a group whose members are given as comma text (the rules of
    // TStrings::SetCommaText), in Shift-JIS.
    void AddGroup(std::string_view CommaText);

    int GroupCount() const { return static_cast<int>(Groups_.size()); }
    const TStringList& Group(int Index) const { return *Groups_[Index]; }
    // "(" + the group's members, each quoted, joined by "|" + ")".
    const std::string& Alternation(int Group) const { return Alternations_[Group]; }

    struct THit {
        int Group;
        size_t Length; // in characters
    };
    // The first member, trying groups and then members in their order,
    // whose characters begin Codes. The first that fits wins, not the
    // longest.
    std::optional<THit> Find(std::span<const uint16_t> Codes) const;

private:
    struct Member {
        int Group;
        std::vector<uint16_t> Codes;
    };
    std::vector<std::unique_ptr<TStringList>> Groups_;
    std::vector<std::string> Alternations_;
    std::vector<Member> Members_;
    // The members by their first code, in the order they are tried.
    std::unordered_map<uint16_t, std::vector<size_t>> ByFirstCode_;
};
