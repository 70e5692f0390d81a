#include "edUtils.h"

#include "edClasses.h"

#include "Cp932.h"
#include "Sjis.h"
#include "Strings.h"

#include <algorithm>

namespace {

const std::string& FullWidthSpace()
{
    static const std::string space = Utf8ToSjis("　");
    return space;
}

} // namespace

bool IsFullWidthSpaceAt(std::string_view S, size_t Pos) { return S.substr(Pos, 2) == FullWidthSpace(); }

int CountChar(std::string_view S, char Ch, int Count)
{
    if (Count < 1)
        return 0;
    const std::string_view counted = S.substr(0, std::min(S.size(), static_cast<size_t>(Count)));
    return static_cast<int>(std::count(counted.begin(), counted.end(), Ch));
}

bool IsLeadByteAt(std::string_view S, int Index)
{
    if (Index < 1 || static_cast<size_t>(Index) > S.size())
        return false;
    const size_t pos = static_cast<size_t>(Index) - 1;
    return sjis::IsCharBoundary(S, pos) && sjis::CharLen(S, pos) == 2;
}

bool IsTrailByteAt(std::string_view S, int Index)
{
    if (Index < 2 || static_cast<size_t>(Index) > S.size())
        return false;
    return !sjis::IsCharBoundary(S, static_cast<size_t>(Index) - 1);
}

char CharAt(std::string_view S, int Index)
{
    if (Index < 1 || static_cast<size_t>(Index) > S.size())
        return '\0';
    return S[static_cast<size_t>(Index) - 1];
}

bool ContainsDBCS(std::string_view Sub, std::string_view S)
{
    if (Sub.empty() || S.empty() || Sub.size() > S.size())
        return false;
    // Each match is accepted only when the forward walk lands on it.
    size_t boundary = 0;
    for (size_t hit = S.find(Sub); hit != std::string_view::npos; hit = S.find(Sub, boundary)) {
        while (boundary < hit)
            boundary += sjis::CharLen(S, boundary);
        if (boundary == hit)
            return true;
    }
    return false;
}

void SetStringsFromText(const char* Text, TStrings& Strings)
{
    TUpdateScope update(Strings);
    Strings.Clear();
    if (Text)
        ForEachLine(Text, [&Strings](std::string_view Line) { Strings.Add(std::string(Line)); });
    update.End();
}

int LeadingBlankWidth(std::string_view S)
{
    if (S.empty())
        return -1;
    size_t pos = 0;
    while (pos < S.size()) {
        if (S[pos] == ' ')
            pos += 1;
        else if (IsFullWidthSpaceAt(S, pos))
            pos += 2;
        else
            break;
    }
    return static_cast<int>(pos);
}

std::string TrimLeadingBlanks(std::string_view S)
{
    size_t pos = 0;
    while (pos < S.size()) {
        if (static_cast<unsigned char>(S[pos]) <= 0x20)
            pos += 1;
        else if (IsFullWidthSpaceAt(S, pos))
            pos += 2;
        else
            break;
    }
    return std::string(S.substr(pos));
}
