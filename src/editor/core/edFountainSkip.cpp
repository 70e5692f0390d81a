// The quick passage of the row-state scan over text that cannot change the
// state. In a scheme whose only state between tokens is the open bracket
// region (StateIsBracketsOnly), a row hands on a different state only
// where a region opens or closes, or where a token crosses a wrap. Every
// token that may hold a blank or a TAB (a region, a string, a comment)
// starts at one of the bytes in SpecialStarts_; every other token ends
// before the first blank or TAB. So, outside a region, a blank or TAB
// before the next such byte always lies between tokens, and the scan may
// go on from there as if it had parsed every token before it.
#include "edFountain.h"

namespace {

// Blanks (which NextToken passes over) and TAB (a token of its own): bytes
// below 0x40, so never the trail byte of a double-byte character.
bool IsSeparator(unsigned char C) { return C >= 0x01 && C <= 0x20; }

bool HoldsAt(std::string_view Text, size_t Pos, std::string_view S) { return Text.substr(Pos).starts_with(S); }

} // namespace

bool TFountainParser::RowKeepsState(std::string_view Row, const TRowAttributeData& Data) const
{
    if (!SkipPlainTokens_)
        return false;
    if (Data.BracketIndex >= 0) {
        // Inside a region only its right bracket ends it; a carried piece of
        // a bracket needs the whole scan.
        if (Data.CarryKind != 0)
            return false;
        const int pair = Data.BracketIndex;
        return pair >= BracketCount_ || Brackets_[pair].Right.empty()
               || Row.find(Brackets_[pair].Right) == std::string_view::npos;
    }
    if (Data.CarryKind == toBracket)
        return false;
    // Outside a region only a left bracket opens one, wherever the tokens
    // fall: a row without any keeps the state.
    for (size_t pos = 0; pos < Row.size(); ++pos) {
        if (!BracketFirstBytes_[static_cast<unsigned char>(Row[pos])])
            continue;
        for (int i = 0; i < BracketCount_; ++i)
            if (!Brackets_[i].Right.empty() && !Brackets_[i].Left.empty() && HoldsAt(Row, pos, Brackets_[i].Left))
                return false;
    }
    return true;
}

void TFountainParser::SkipPlainTokens(const char* RowEnd)
{
    // The last skip reached the last separator before SkipTarget_, and none
    // lies between the pointer and it.
    if (P_ < SkipTarget_ || P_ >= RowEnd)
        return;
    const char* special = P_;
    while (special < RowEnd && !SpecialStarts_[static_cast<unsigned char>(*special)])
        ++special;
    SkipTarget_ = special;
    for (const char* q = SkipTarget_; q > P_;)
        if (IsSeparator(static_cast<unsigned char>(*--q))) {
            P_ = q;
            return;
        }
}
