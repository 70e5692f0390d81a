#include "AWKStr.h"

#include "AWKReplacement.h"
#include "FuzzyCharDic.h"
#include "MatchCORE.h"
#include "REParser.h"
#include "RERequiredLiteral.h"
#include "Sjis.h"

TAWKStr::TAWKStr(TComponent* AOwner) : TComponent(AOwner), Engine_(std::make_unique<TMatchCORE>(nullptr))
{
    Engine_->PreProcessor().FuzzyCharDics().push_back(&FuzzyCharDic());
}

TAWKStr::~TAWKStr() = default;

const std::string& TAWKStr::RegExp() const { return Engine_->RegExp(); }

void TAWKStr::SetRegExp(const std::string& Value) { Engine_->SetRegExp(Value); }

bool TAWKStr::UseFuzzyCharDic() const { return Engine_->UseFuzzyCharDic(); }

void TAWKStr::SetUseFuzzyCharDic(bool Value) { Engine_->SetUseFuzzyCharDic(Value); }

bool TAWKStr::UseSynonymDic() const { return Engine_->UseSynonymDic(); }

void TAWKStr::SetUseSynonymDic(bool Value) { Engine_->SetUseSynonymDic(Value); }

TMatchCORE_LineSeparator TAWKStr::LineSeparator() const { return Engine_->LineSeparator(); }

void TAWKStr::SetLineSeparator(TMatchCORE_LineSeparator Value) { Engine_->SetLineSeparator(Value); }

std::optional<TMatchRange> TAWKStr::Match(std::string_view Text) const noexcept
{
    return Engine_->HasLineHead() || Engine_->HasLineTail() ? Engine_->MatchAnchored(Text)
                                                            : Engine_->MatchNoAnchor(Text);
}

int TAWKStr::ForEachMatch(std::string_view Subject, TMatchSink Found, void* Context) const
{
    int count = 0;
    re::TDeadEnds deadEnds;
    size_t pos = 0;
    for (bool first = true; pos <= Subject.size(); first = false) {
        const auto match = Engine_->MatchFrom(Subject, pos, first, deadEnds);
        if (!match)
            break;
        if (match->End == match->Start) {
            if (match->Start >= Subject.size())
                break;
            pos = match->Start + sjis::CharLen(Subject, match->Start);
            continue;
        }
        Found(Context, *match);
        ++count;
        pos = match->End;
    }
    return count;
}

std::string TAWKStr::RequiredLiteral() const
{
    TREParser parser(Engine_->Cache().Strings(Engine_->CurrentIndex()));
    parser.Run();
    return ::RequiredLiteral(parser.Tree());
}

int TAWKStr::GSub(std::string_view Replacement, std::string& Text) const
{
    const awk::TReplacement replacement(Replacement);
    const std::string_view text = Text;
    re::TDeadEnds deadEnds;
    auto match = Engine_->MatchFrom(text, 0, true, deadEnds);
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
            if (Engine_->LineSeparator() == mcls_CRLF && text.substr(rest, 2) == "\r\n")
                len = 2;
            out.append(text.substr(rest, len));
            rest += len;
        }
        ++count;
        if (rest >= text.size())
            break;
        // A "^" matches at the rest's start only when that starts a line.
        match = Engine_->MatchFrom(text, rest, text[rest - 1] == '\n', deadEnds);
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
