#include "DamagedUtf8.h"

#include "Utf8.h"

#include <algorithm>

namespace {

// Tail is a multi-byte sequence cut short: a lead byte and fewer
// continuation bytes than it announces.
bool IsCutSequence(std::string_view Tail)
{
    const auto lead = static_cast<unsigned char>(Tail.front());
    const size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    return lead >= 0xC2 && lead <= 0xF4 && Tail.size() < length
           && std::all_of(Tail.begin() + 1, Tail.end(),
                          [](char C) { return (static_cast<unsigned char>(C) & 0xC0) == 0x80; });
}

} // namespace

TUtf8Damage Utf8Damage(std::string_view Bytes)
{
    constexpr size_t kFewAtStart = 4, kCharsPerFaultBefore = 8, kCharsPerFault = 4;
    TUtf8Damage damage;
    size_t multiByte = 0, faults = 0;
    for (size_t pos = 0; pos < Bytes.size();) {
        const std::string_view wellFormed = Bytes.substr(pos, WellFormedUtf8Length(Bytes.substr(pos)));
        // A multi-byte character is told by its lead byte.
        multiByte += static_cast<size_t>(std::count_if(wellFormed.begin(), wellFormed.end(),
                                                       [](char C) { return static_cast<unsigned char>(C) >= 0xC0; }));
        pos += wellFormed.size();
        if (pos == Bytes.size())
            break;
        if (damage.Unreadable == 0)
            damage.FirstUnreadable = pos;
        ++faults;
        if (IsCutSequence(Bytes.substr(pos))) {
            damage.Unreadable += Bytes.size() - pos;
            break;
        }
        ++damage.Unreadable;
        ++pos;
        if (faults > kFewAtStart + multiByte / kCharsPerFaultBefore) {
            damage.Few = false;
            return damage;
        }
    }
    damage.Few = multiByte >= kCharsPerFault * faults;
    return damage;
}

std::string ReadableUtf8(std::string_view Bytes, size_t& Gaps)
{
    std::string readable;
    readable.reserve(Bytes.size());
    Gaps = 0;
    // Each turn ends past one byte no UTF-8 sequence holds; a gap starts
    // where one follows well-formed text, or the start.
    for (size_t pos = 0; pos < Bytes.size(); ++pos) {
        const size_t wellFormed = WellFormedUtf8Length(Bytes.substr(pos));
        readable.append(Bytes.substr(pos, wellFormed));
        if (pos + wellFormed == Bytes.size())
            break;
        Gaps += wellFormed > 0 || pos == 0;
        pos += wellFormed;
    }
    return readable;
}
