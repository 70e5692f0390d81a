#include "PageTitle.h"

#include "Sjis.h"

std::string_view TrimTitle(std::string_view S)
{
    const size_t start = S.find_first_not_of(" \t.");
    return start == std::string_view::npos ? std::string_view() : S.substr(start);
}

std::string_view CopyLeftDbcs(std::string_view S, size_t N)
{
    if (S.size() <= N)
        return S;
    if (N == 0)
        return {};
    // The character that holds byte N - 1 (0-based) decides: kept whole.
    const size_t last = sjis::CharStart(S, N - 1);
    return S.substr(0, last + sjis::CharLen(S, last));
}

std::string_view FirstLine(std::string_view S) { return S.substr(0, S.find('\r')); }

std::string PageTitle(std::string_view Text)
{
    const std::string_view line = FirstLine(Text);
    if (line.empty())
        return std::string(UnTitledTitle);
    // The cut comes before the trim.
    return std::string(TrimTitle(line.size() > TitleCutBytes ? CopyLeftDbcs(line, TitleCutBytes) : line));
}
