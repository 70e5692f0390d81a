#include "PageHitCheck.h"

#include "EditorExFold.h"
#include "Sjis.h"
#include "edCaseFold.h"
#include "edUtils.h"

#include <algorithm>
#include <climits>

TPageHitCheck::TPageHitCheck(const std::string& FindString, TExSearchOptions Options, bool WordWrap)
    : HitLimit_(WordWrap ? INT_MAX : TEditorExFinder::UnwrappedHitLimit)
{
    Finder_.SetFindString(FindString);
    Finder_.SetExSearchOptions(Options);
    Plain_ = !Finder_.ExSearchOptions().Contains(TExSearchOption::soRegexp);
    Fold_ = !Finder_.ExSearchOptions().Contains(TExSearchOption::soMatchCase);
    Literal_ = Finder_.RequiredLiteral();
    if (!Fold_ || Literal_.empty())
        return;
    // The first character is a capital form (or folds to nothing else);
    // the page may hold it as any code that folds to it.
    const uint16_t first = sjis::CharCode(Literal_, 0);
    FirstChars_.push_back(Literal_.substr(0, sjis::CharLen(Literal_, 0)));
    for (const TCaseFoldRange& range : CaseFoldRanges())
        if (first >= range.Capital && first <= range.Capital + (range.High - range.Low)) {
            const auto code = static_cast<uint16_t>(range.Low + (first - range.Capital));
            std::string bytes;
            if (code > 0xFF)
                bytes += static_cast<char>(code >> 8);
            FirstChars_.push_back(bytes += static_cast<char>(code & 0xFF));
        }
}

bool TPageHitCheck::HasHit(std::string_view PageText)
{
    if (PageText.empty())
        return false;
    if (!Literal_.empty())
        return CandidateLinesHaveHit(PageText);
    if (Plain_)
        return false;
    // Line by line as the editor holds them: cut at CR LF, CR or LF.
    const char* textEnd = PageText.data() + PageText.size();
    bool hit = false;
    ForEachLine(PageText,
                [&](std::string_view Line) { hit = hit || LineHasHit(Line, Line.data() + Line.size() != textEnd); });
    return hit;
}

bool TPageHitCheck::CandidateLinesHaveHit(std::string_view PageText)
{
    NextFirst_.clear();
    for (const std::string& firstChar : FirstChars_)
        NextFirst_.push_back(PageText.find(firstChar));
    for (size_t from = 0;;) {
        const size_t found = NextCandidate(PageText, from);
        if (found == std::string_view::npos)
            return false;
        if (Fold_) {
            // Every hit holds the literal on whole characters, which
            // fold as the literal does.
            FoldTextInto(PageText.substr(found, Literal_.size()), Folded_);
            if (Folded_ != Literal_) {
                from = found + 1;
                continue;
            }
        }
        const size_t before = found == 0 ? std::string_view::npos : PageText.find_last_of("\r\n", found - 1);
        const size_t start = before == std::string_view::npos ? 0 : before + 1;
        const size_t end = PageText.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            return LineHasHit(PageText.substr(start), false);
        if (LineHasHit(PageText.substr(start, end - start), true))
            return true;
        from = end + (PageText.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
}

size_t TPageHitCheck::NextCandidate(std::string_view PageText, size_t From)
{
    if (!Fold_)
        return PageText.find(Literal_, From);
    size_t nearest = std::string_view::npos;
    for (size_t i = 0; i < FirstChars_.size(); ++i) {
        size_t& next = NextFirst_[i];
        if (next != std::string_view::npos && next < From)
            next = PageText.find(FirstChars_[i], From);
        nearest = std::min(nearest, next);
    }
    return nearest;
}

// The line as the editor hands it on: a line that a break ends with CR LF.
bool TPageHitCheck::LineHasHit(std::string_view Line, bool HasBreak)
{
    Line_.assign(Line);
    if (HasBreak)
        Line_ += "\r\n";
    Finder_.PaintLineHits(Line_, Hits_);
    // Hits come in order: the first starts earliest.
    return !Hits_.empty() && Hits_.front().Start < HitLimit_;
}

bool FindPatternCompiles(const std::string& Pattern, TExSearchOptions Options)
{
    TEditorExFinder finder;
    finder.SetFindString(Pattern);
    finder.SetExSearchOptions(Options);
    return finder.Compiles();
}
