#include "PageHitCheck.h"

#include "edUtils.h"

#include <climits>

TPageHitCheck::TPageHitCheck(const std::string& FindString, TExSearchOptions Options, bool WordWrap)
    : HitLimit_(WordWrap ? INT_MAX : TEditorExFinder::UnwrappedHitLimit)
{
    Finder_.SetFindString(FindString);
    Finder_.SetExSearchOptions(Options);
}

bool TPageHitCheck::HasHit(std::string_view PageText)
{
    // Line by line as the editor holds them: cut at CR LF, CR or LF, each
    // line that a break ends handed on with CR LF.
    const char* textEnd = PageText.data() + PageText.size();
    bool hit = false;
    if (!PageText.empty())
        ForEachLine(PageText, [&](std::string_view Line) {
            if (hit)
                return;
            Line_.assign(Line);
            if (Line.data() + Line.size() != textEnd)
                Line_ += "\r\n";
            Finder_.PaintLineHits(Line_, Hits_);
            // Hits come in order: the first starts earliest.
            hit = !Hits_.empty() && Hits_.front().Start < HitLimit_;
        });
    return hit;
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
