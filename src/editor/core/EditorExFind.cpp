#include "EditorExFind.h"

#include "EditorExFold.h"
#include "EditorExWordClass.h"
#include "RegExpPattern.h"

#include "Sjis.h"

#include <climits>

namespace {

using enum TExSearchOption;

std::string_view WithoutLineBreak(std::string_view LineText)
{
    return LineText.ends_with("\r\n") ? LineText.substr(0, LineText.size() - 2) : LineText;
}

// True when the word class changes at both ends of [Start, End) of Line.
bool IsWholeWord(std::string_view Line, size_t Start, size_t End)
{
    const int first = static_cast<int>(Start) + 1; // 1-based
    const int last = static_cast<int>(End);
    return WordCharClass(Line, first - 1) != WordCharClass(Line, first)
           && WordCharClass(Line, last) != WordCharClass(Line, last + 1);
}

} // namespace

TExSearchOptions NormaliseExSearchOptions(TExSearchOptions Options)
{
    if (Options.Contains(soRegexp))
        Options.Exclude(soWholeWord);
    else
        Options.Exclude(soFuzzy);
    return Options;
}

TEditorExFinder::TEditorExFinder() = default;

bool TEditorExFinder::SetFindString(const std::string& Value)
{
    if (Value == FindString_)
        return false;
    FindString_ = Value;
    Invalidate();
    return true;
}

bool TEditorExFinder::SetExSearchOptions(TExSearchOptions Value)
{
    Value = NormaliseExSearchOptions(Value);
    if (Value == Options_)
        return false;
    Options_ = Value;
    Invalidate();
    return true;
}

void TEditorExFinder::Invalidate()
{
    State_ = TPatternState::Stale;
    Failure_.reset();
}

bool TEditorExFinder::Prepared()
{
    if (State_ != TPatternState::Stale)
        return State_ == TPatternState::Ready;
    try {
        if (Options_.Contains(soRegexp))
            CompileRegExp();
        else if (Options_.Contains(soMatchCase))
            PlainPattern_ = FindString_;
        else
            FoldTextInto(FindString_, PlainPattern_);
        State_ = TPatternState::Ready;
    } catch (const ERegExpParser& error) {
        Failure_ = error;
        State_ = TPatternState::Failed;
    }
    return State_ == TPatternState::Ready;
}

void TEditorExFinder::Prepare()
{
    if (!Prepared())
        throw *Failure_;
}

std::string TEditorExFinder::RequiredLiteral()
{
    if (!Prepared())
        return {};
    return Options_.Contains(soRegexp) ? AWKStr_.RequiredLiteral() : PlainPattern_;
}

void TEditorExFinder::CompileRegExp()
{
    const bool fuzzy = Options_.Contains(soFuzzy);
    if (AWKStr_.UseFuzzyCharDic() != fuzzy) {
        // The flag re-sets the current pattern; let that be the empty one,
        // so no pattern is compiled for nothing.
        AWKStr_.SetRegExp({});
        AWKStr_.SetUseFuzzyCharDic(fuzzy);
    }
    if (Options_.Contains(soMatchCase)) {
        AWKStr_.SetRegExp(FindString_);
        return;
    }
    // Folding changes no syntax, only the text: report a syntax error at
    // its place in the pattern the user wrote, and a pattern too complex
    // once folded at that pattern's end.
    CheckRegExpSyntax(FindString_);
    try {
        AWKStr_.SetRegExp(FoldRegExpPattern(FindString_));
    } catch (const ERegExpParser& error) {
        throw ERegExpParser(error.Message(), static_cast<int>(FindString_.size() + 1));
    }
}

void TEditorExFinder::LineHits(std::string_view LineText, TFindHits& Hits)
{
    Hits.clear();
    Prepare();
    // An empty pattern finds nothing: a regular expression only matches
    // empty there, and empty matches are no hits.
    if (FindString_.empty())
        return;
    const bool fold = !Options_.Contains(soMatchCase);
    const std::string_view line = WithoutLineBreak(LineText);
    if (Options_.Contains(soRegexp)) {
        if (fold)
            FoldTextInto(LineText, Subject_);
        AWKStr_.FindAllMatches(line, fold ? std::string_view(Subject_) : LineText, Hits);
        return;
    }
    if (fold)
        FoldTextInto(line, Subject_);
    PlainHits(line, fold ? std::string_view(Subject_) : line, Hits);
}

void TEditorExFinder::PaintLineHits(std::string_view LineText, TFindHits& Hits)
{
    if (Prepared()) {
        LineHits(LineText, Hits);
        return;
    }
    Hits.clear();
}

// Hits do not overlap, and each starts and ends where characters do: "A"
// is never found inside "ア" (83 41).
void TEditorExFinder::PlainHits(std::string_view Line, std::string_view Subject, TFindHits& Hits) const
{
    const std::string_view pattern = PlainPattern_;
    if (pattern.empty())
        return;
    const bool wholeWord = Options_.Contains(soWholeWord);
    size_t boundary = 0; // a character start at or before the next candidate
    for (size_t from = 0;;) {
        const size_t found = Subject.find(pattern, from);
        if (found == std::string_view::npos)
            return;
        while (boundary < found)
            boundary += sjis::CharLen(Subject, boundary);
        if (boundary != found) {
            from = boundary;
            continue;
        }
        const size_t end = found + pattern.size();
        size_t after = found;
        while (after < end)
            after += sjis::CharLen(Subject, after);
        if (after != end || (wholeWord && !IsWholeWord(Line, found, end))) {
            from = found + sjis::CharLen(Subject, found);
            continue;
        }
        Hits.push_back({static_cast<int>(found), static_cast<int>(pattern.size()),
                        std::string(Line.substr(found, pattern.size()))});
        from = boundary = end;
    }
}

int TEditorExFinder::HitLimit(const TEditorScreenStrings& Rows) const
{
    return Rows.WordWrap() ? INT_MAX : UnwrappedHitLimit;
}

std::optional<TFoundHit> TEditorExFinder::FindNext(const TEditorScreenStrings& Rows, int Row, int Offset)
{
    Prepare();
    const int count = Rows.Count();
    if (Row < 0 || Row >= count || FindString_.empty())
        return std::nullopt;
    const int limit = HitLimit(Rows);
    for (int first = Rows.LineFirstRow(Row), from = Offset; first < count; from = 0) {
        int taken = 0;
        Rows.GetRowsText(first, -1, LineText_, taken);
        LineHits(LineText_, Hits_);
        for (const TFindHit& hit : Hits_) {
            if (hit.Start >= limit)
                break;
            if (hit.Start >= from)
                return TFoundHit{first, hit.Start, hit.Length};
        }
        first += taken;
    }
    return std::nullopt;
}

std::optional<TFoundHit> TEditorExFinder::FindPrevious(const TEditorScreenStrings& Rows, int Row, int Offset)
{
    Prepare();
    const int count = Rows.Count();
    if (Row < 0 || Row > count || FindString_.empty())
        return std::nullopt;
    const int limit = HitLimit(Rows);
    int first = Rows.LineFirstRow(Row);
    if (first < count)
        if (auto hit = LastHitBefore(Rows, first, std::min(Offset, limit)))
            return hit;
    while (first > 0) {
        first = Rows.LineFirstRow(first - 1);
        if (auto hit = LastHitBefore(Rows, first, limit))
            return hit;
    }
    return std::nullopt;
}

std::optional<TFoundHit> TEditorExFinder::LastHitBefore(const TEditorScreenStrings& Rows, int First, int Limit)
{
    int taken = 0;
    Rows.GetRowsText(First, -1, LineText_, taken);
    LineHits(LineText_, Hits_);
    for (auto hit = Hits_.rbegin(); hit != Hits_.rend(); ++hit)
        if (hit->Start < Limit)
            return TFoundHit{First, hit->Start, hit->Length};
    return std::nullopt;
}
