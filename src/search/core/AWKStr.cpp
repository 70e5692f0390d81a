#include "AWKStr.h"

#include "AWKReplacement.h"
#include "FuzzyCharDic.h"
#include "REParser.h"
#include "RERequiredLiteral.h"
#include "Sjis.h"

TAWKStr::TAWKStr(TComponent* AOwner) : TMatchCORE(AOwner)
{
    PreProcessor().FuzzyCharDics().push_back(&FuzzyCharDic());
}

TAWKStr::TMatchRoutine TAWKStr::MatchRoutine() const
{
    return HasLineHead() || HasLineTail() ? &TMatchCORE::MatchAnchored : &TMatchCORE::MatchNoAnchor;
}

void TAWKStr::SetUseFuzzyCharDic(bool Value)
{
    if (Value == UseFuzzyCharDic())
        return;
    PreProcessor().SetUseFuzzyCharDic(Value);
    ReprocessRegExp();
}

void TAWKStr::SetUseSynonymDic(bool Value)
{
    if (Value == UseSynonymDic())
        return;
    PreProcessor().SetUseSynonymDic(Value);
    ReprocessRegExp();
}

std::string TAWKStr::RequiredLiteral() const
{
    TREParser parser(Cache().Strings(CurrentIndex()));
    parser.Run();
    return ::RequiredLiteral(parser.Tree());
}

int TAWKStr::GSub(std::string_view Replacement, std::string& Text) const
{
    const awk::TReplacement replacement(Replacement);
    const std::string_view text = Text;
    re::TDeadEnds deadEnds;
    auto match = MatchFrom(text, 0, true, deadEnds);
    if (!match)
        return 0;
    std::string out;
    if (Text.empty()) {
        replacement.AppendTo(out, {});
        Text = std::move(out);
        return 1;
    }
    out.reserve(Text.size());
    int count = 0;
    size_t rest = 0;
    for (;;) {
        out.append(text.substr(rest, match->Start - rest));
        replacement.AppendTo(out, text.substr(match->Start, match->End - match->Start));
        rest = match->End;
        if (match->Start == match->End && rest < text.size()) {
            // Step over one character so the search moves on; a CR LF
            // counts as one, so no line break is split.
            size_t len = sjis::CharLen(text, rest);
            if (LineSeparator() == mcls_CRLF && text.substr(rest, 2) == "\r\n")
                len = 2;
            out.append(text.substr(rest, len));
            rest += len;
        }
        ++count;
        if (rest >= text.size())
            break;
        // A "^" matches at the rest's start only when that starts a line.
        match = MatchFrom(text, rest, text[rest - 1] == '\n', deadEnds);
        if (!match)
            break;
    }
    out.append(text.substr(rest));
    Text = std::move(out);
    return count;
}

std::string TAWKStr::SubstituteMatch(std::string_view Replacement, std::string_view Matched)
{
    std::string result;
    awk::TReplacement(Replacement).AppendTo(result, Matched);
    return result;
}

std::string TAWKStr::ExpandEscapes(std::string_view Text) { return awk::ExpandEscapes(Text); }
