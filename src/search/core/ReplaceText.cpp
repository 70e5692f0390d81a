#include "ReplaceText.h"

#include "AWKStr.h"
#include "MatchCORE.h"
#include "Sjis.h"
#include "SjisSearch.h"

#include <vector>

namespace {

// The program's one regular-expression object for whole-text replacement;
// its pattern cache keeps a replace over many pages to one compilation.
// Used from the UI thread only.
TAWKStr& ReplaceRegExp()
{
    static TAWKStr regExp(nullptr);
    return regExp;
}

// True when the last character of Pattern, read alone, is a lead byte
// without its trail: a match of it at a place where the text goes on with
// a trail byte would end inside a character.
bool EndsInLoneLead(std::string_view Pattern)
{
    size_t last = 0;
    for (sjis::CharCursor c(Pattern); !c.AtEnd(); c.Next())
        last = c.Pos();
    return Pattern.size() - last == 1 && sjis::IsLead(static_cast<unsigned char>(Pattern.back()));
}

// The start of every plain match, left to right, without overlap.
std::vector<size_t> PlainHits(std::string_view Subject, std::string_view Pattern, bool WholeWord)
{
    const auto find = WholeWord ? textconv::FindWholeWord : textconv::FindDbcs;
    const bool loneLead = EndsInLoneLead(Pattern);
    const char* const start = Subject.data();
    const char* const end = start + Subject.size();
    std::vector<size_t> hits;
    for (const char* at = start; (at = find(at, end, Pattern.data(), Pattern.data() + Pattern.size())) != nullptr;) {
        const char* const after = at + Pattern.size();
        if (loneLead && after < end && sjis::IsTrail(static_cast<unsigned char>(*after))) {
            at += sjis::CharLen(at, end);
            continue;
        }
        hits.push_back(static_cast<size_t>(at - start));
        at = after;
    }
    return hits;
}

int ReplacePlain(std::string_view Source, std::string_view Find, std::string& Result, TSearchOptionWord Options,
                 std::string_view Replacement)
{
    std::vector<size_t> hits;
    if (Options & soMatchCase) {
        hits = PlainHits(Source, Find, Options & soWholeWord);
    } else {
        const std::string subject = sjis::LowerAscii(Source);
        const std::string pattern = sjis::LowerAscii(Find);
        hits = PlainHits(subject, pattern, Options & soWholeWord);
    }
    if (hits.empty()) {
        Result.assign(Source);
        return 0;
    }
    std::string out;
    out.reserve(Source.size() + hits.size() * Replacement.size() - hits.size() * Find.size());
    size_t copied = 0;
    for (const size_t hit : hits) {
        out.append(Source.substr(copied, hit - copied));
        out.append(Replacement);
        copied = hit + Find.size();
    }
    out.append(Source.substr(copied));
    Result = std::move(out);
    return static_cast<int>(hits.size());
}

int ReplaceRegExp(std::string_view Source, std::string_view Find, std::string& Result, std::string_view Replacement)
{
    TAWKStr& regExp = ReplaceRegExp();
    regExp.SetRegExp(std::string(Find));
    std::string text(Source);
    const int count = regExp.GSub(Replacement, text);
    Result = std::move(text);
    return count;
}

} // namespace

int ReplaceText(std::string_view Source, std::string_view Find, std::string& Result, TSearchOptionWord Options,
                std::string_view Replacement)
{
    if (Find.empty()) {
        Result.assign(Source);
        return 0;
    }
    if (Options & soRegexp)
        return ReplaceRegExp(Source, Find, Result, Replacement);
    return ReplacePlain(Source, Find, Result, Options, Replacement);
}

int DeleteText(std::string_view Source, std::string_view Find, std::string& Result, TSearchOptionWord Options)
{
    return ReplaceText(Source, Find, Result, Options, {});
}

bool RegExpMatchesEmpty(const std::string& Pattern)
{
    TAWKStr& regExp = ReplaceRegExp();
    regExp.SetRegExp(Pattern);
    const TRE_DFA& dfa = regExp.Engine().CurrentDFA();
    return dfa.IsAccepting(dfa.InitialState());
}
