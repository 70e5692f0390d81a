#include "REPreProcessor.h"

TREPreProcessor::TREPreProcessor(std::string_view Pattern) : Pattern_(Pattern) {}

const std::string& TREPreProcessor::Run()
{
    Processed_ = Pattern_;
    if (UseSynonymDic_)
        Processed_ = Expand(Processed_, SynonymDics_);
    if (UseFuzzyCharDic_)
        Processed_ = Expand(Processed_, FuzzyCharDics_);
    return Processed_;
}

void TREPreProcessor::Tokenize(std::string_view Pattern)
{
    Tokens_.clear();
    Scanner_.SetRegExp(Pattern);
    do {
        const TTokenKind kind = Scanner_.GetToken();
        Tokens_.push_back({kind, Scanner_.TokenChar(), Scanner_.TokenStart(), Scanner_.Index()});
    } while (Scanner_.TokenKind() != tkEnd);
}

// Operators, escapes and everything inside a class keep their source text;
// only runs of literal characters outside classes are looked up.
std::string TREPreProcessor::Expand(std::string_view Pattern, const std::vector<const TREDictionary*>& Dics)
{
    Tokenize(Pattern);
    std::string out;
    out.reserve(Pattern.size() * 4);
    bool inClass = false;
    for (size_t i = 0; Tokens_[i].Kind != tkEnd;) {
        const Token& token = Tokens_[i];
        if (token.Kind == tkLBracket || token.Kind == tkLBracketNeg)
            inClass = true;
        else if (token.Kind == tkRBracket)
            inClass = false;
        if (inClass || token.Kind != tkChar) {
            out += Pattern.substr(token.Start, token.End - token.Start);
            ++i;
            continue;
        }
        size_t last = i;
        while (Tokens_[last].Kind == tkChar)
            ++last;
        ExpandRun(Pattern, i, last, Dics, out);
        i = last;
    }
    return out;
}

// Tokens [First, Last) are a run of literals. At each place the first
// dictionary that holds a member starting there wins.
void TREPreProcessor::ExpandRun(std::string_view Pattern, size_t First, size_t Last,
                                const std::vector<const TREDictionary*>& Dics, std::string& Out)
{
    RunCodes_.clear();
    for (size_t i = First; i < Last; ++i)
        RunCodes_.push_back(Tokens_[i].Code);
    for (size_t i = First; i < Last;) {
        const std::span<const uint16_t> rest(RunCodes_.data() + (i - First), Last - i);
        bool hit = false;
        for (const TREDictionary* dic : Dics) {
            if (const auto found = dic->Find(rest)) {
                Out += dic->Alternation(found->Group);
                i += found->Length;
                hit = true;
                break;
            }
        }
        if (!hit) {
            Out += Pattern.substr(Tokens_[i].Start, Tokens_[i].End - Tokens_[i].Start);
            ++i;
        }
    }
}
