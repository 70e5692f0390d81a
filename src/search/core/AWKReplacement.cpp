#include "AWKReplacement.h"

#include "ERegExpParser.h"
#include "RegExpChars.h"
#include "Sjis.h"

#include <algorithm>

namespace awk {

namespace {

bool NamesCharacter(uint16_t Code)
{
    if (Code <= 0xFF)
        return Code != 0;
    return sjis::IsLead(static_cast<unsigned char>(Code >> 8)) && sjis::IsTrail(static_cast<unsigned char>(Code));
}

bool IsByte(std::string_view Text, size_t Pos, char Byte) { return Pos < Text.size() && Text[Pos] == Byte; }

} // namespace

std::string ExpandEscapes(std::string_view Text)
{
    std::string result;
    result.reserve(Text.size());
    for (size_t pos = 0; pos < Text.size();) {
        const size_t len = sjis::CharLen(Text, pos);
        if (len == 2 || Text[pos] != '\\') {
            result.append(Text.substr(pos, len));
            pos += len;
            continue;
        }
        ++pos;
        const char kind = pos < Text.size() ? Text[pos] : 0;
        const uint16_t code = re::ReadEscape(Text, pos);
        const bool numeric = kind == 'x' || (kind >= '0' && kind <= '7');
        if (numeric && !NamesCharacter(code))
            throw ERegExpParser(kind == 'x' ? remsg::BadHexCode : remsg::BadOctalCode, static_cast<int>(pos + 1));
        result += re::RECharToStr(code);
    }
    return result;
}

// Three steps: a backslash before "&" is doubled, so that the escapes
// leave "\&" standing; the escapes are expanded; then "&" is the match and
// "\&" a literal ampersand. So "\\&" also gives a literal ampersand.
// An error's position is moved back over the doubled backslashes before
// it, so that it points into the text as the user typed it.
TReplacement::TReplacement(std::string_view Replacement)
{
    std::string guarded;
    std::vector<size_t> doubledAt;
    for (size_t pos = 0; pos < Replacement.size();) {
        const size_t len = sjis::CharLen(Replacement, pos);
        if (len == 1 && Replacement[pos] == '\\' && IsByte(Replacement, pos + 1, '&')) {
            doubledAt.push_back(guarded.size());
            guarded += '\\';
        }
        guarded.append(Replacement.substr(pos, len));
        pos += len;
    }
    std::string expanded;
    try {
        expanded = ExpandEscapes(guarded);
    } catch (const ERegExpParser& error) {
        const size_t next = static_cast<size_t>(error.ErrorPos() - 1);
        const auto before = std::lower_bound(doubledAt.begin(), doubledAt.end(), next) - doubledAt.begin();
        throw ERegExpParser(error.Message(), error.ErrorPos() - static_cast<int>(before));
    }

    Pieces_.emplace_back();
    for (size_t pos = 0; pos < expanded.size();) {
        const size_t len = sjis::CharLen(expanded, pos);
        if (len == 1 && expanded[pos] == '&') {
            Pieces_.emplace_back();
        } else if (len == 1 && expanded[pos] == '\\' && IsByte(expanded, pos + 1, '&')) {
            Pieces_.back() += '&';
            ++pos;
        } else {
            Pieces_.back().append(expanded, pos, len);
        }
        pos += len;
    }
}

void TReplacement::AppendTo(std::string& Out, std::string_view Matched) const
{
    Out += Pieces_.front();
    for (size_t i = 1; i < Pieces_.size(); ++i) {
        Out += Matched;
        Out += Pieces_[i];
    }
}

} // namespace awk
