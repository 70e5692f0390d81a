#include "PageHitCheck.h"

#include <climits>

TPageHitCheck::TPageHitCheck(const std::string& FindString, TExSearchOptions Options, bool WordWrap)
    : HitLimit_(WordWrap ? INT_MAX : TEditorExFinder::UnwrappedHitLimit)
{
    Finder_.SetFindString(FindString);
    Finder_.SetExSearchOptions(Options);
}

bool TPageHitCheck::HasHit(std::string_view PageText)
{
    // Line by line, each with its line break, as the editor searches.
    for (size_t start = 0; start < PageText.size() || start == 0;) {
        const size_t lf = PageText.find("\r\n", start);
        const size_t end = lf == std::string_view::npos ? PageText.size() : lf + 2;
        Line_.assign(PageText.substr(start, end - start));
        Finder_.PaintLineHits(Line_, Hits_);
        // Hits come in order: the first starts earliest.
        if (!Hits_.empty() && Hits_.front().Start < HitLimit_)
            return true;
        if (end == PageText.size())
            break;
        start = end;
    }
    return false;
}

bool FindPatternCompiles(const std::string& Pattern, TExSearchOptions Options)
{
    TEditorExFinder finder;
    finder.SetFindString(Pattern);
    finder.SetExSearchOptions(Options);
    TFindHits hits;
    try {
        finder.LineHits({}, hits);
    } catch (const ERegExpParser&) {
        return false;
    }
    return true;
}
