// The line-breaking options of a row list: the wrap column and the Japanese
// rules that move characters across a row end (hanging punctuation, the
// characters that may not start or end a row, whole English words). One
// object is shared by every editor that shows the list.
#pragma once

#include "edClasses.h"

#include <bitset>
#include <string>
#include <string_view>
#include <vector>

// The characters of a set string, for the membership test of the wrap
// rules: a character is a member when it equals one of the set's
// characters, the set being walked character by character. So the trail
// byte of a pair never matches a single-byte member, nor a lone lead byte
// the first half of a pair.
class TWrapCharSet {
public:
    explicit TWrapCharSet(std::string_view Chars = {});
    // C is one character (one or two bytes); an empty C is no member.
    bool Contains(std::string_view C) const;

private:
    std::bitset<256> Singles_;
    std::vector<uint16_t> Pairs_; // sorted character codes
};

class TEditorWrapOption : public TNotifyPersistent {
public:
    static constexpr int MinWrapByte = 20;
    static constexpr int MaxWrapByte = 250;

    TEditorWrapOption();

    // The built-in character sets, in Shift-JIS.
    static const std::string& DefaultFollowStr();
    static const std::string& DefaultLeadStr();
    static const std::string& DefaultPunctuationStr();

    // Copies all eight values from another wrap option and announces one
    // change, or none when they are all equal already; anything else goes
    // to the framework's Assign.
    void Assign(const TPersistent* Source) override;

    // A line that ends exactly at a wrap point ends on its last row instead
    // of an extra empty row.
    bool FollowRetMark() const { return V_.FollowRetMark; }
    void SetFollowRetMark(bool Value);
    // Characters of PunctuationStr may hang past the wrap column.
    bool FollowPunctuation() const { return V_.FollowPunctuation; }
    void SetFollowPunctuation(bool Value);
    // Characters that must not start a row.
    const std::string& FollowStr() const { return V_.FollowStr; }
    void SetFollowStr(const std::string& Value);
    // Apply the row-start and row-end prohibitions.
    bool Leading() const { return V_.Leading; }
    void SetLeading(bool Value);
    // Characters that must not end a row.
    const std::string& LeadStr() const { return V_.LeadStr; }
    void SetLeadStr(const std::string& Value);
    // Characters that may hang.
    const std::string& PunctuationStr() const { return V_.PunctuationStr; }
    void SetPunctuationStr(const std::string& Value);
    // Keep single-byte words whole.
    bool WordBreak() const { return V_.WordBreak; }
    void SetWordBreak(bool Value);
    // The row width in display columns, clamped to 20..250.
    int WrapByte() const { return V_.WrapByte; }
    void SetWrapByte(int Value);

    // Membership of one character in the three sets.
    bool IsFollowChar(std::string_view C) const { return FollowSet_.Contains(C); }
    bool IsLeadChar(std::string_view C) const { return LeadSet_.Contains(C); }
    bool IsPunctuationChar(std::string_view C) const { return PunctuationSet_.Contains(C); }

private:
    // Stores Value in a set string, rebuilds its set and announces the
    // change, when it is one.
    void StoreChars(std::string& Chars, TWrapCharSet& Set, const std::string& Value);

    struct TValues {
        bool FollowRetMark = false;
        bool FollowPunctuation = false;
        std::string FollowStr;
        bool Leading = false;
        std::string LeadStr;
        std::string PunctuationStr;
        bool WordBreak = false;
        int WrapByte = 80;
        bool operator==(const TValues&) const = default;
    } V_;
    // The three set strings, made ready for the membership tests.
    TWrapCharSet FollowSet_;
    TWrapCharSet LeadSet_;
    TWrapCharSet PunctuationSet_;
};
