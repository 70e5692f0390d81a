// Rewrites a pattern before it is compiled: each literal character (or
// short literal sequence) outside a bracket class that a dictionary holds
// becomes the alternation of all writings of its group. Fuzzy matching is
// done entirely this way; the matcher knows nothing of equivalence.
#pragma once

#include "REDictionary.h"
#include "REScanner.h"

#include <string>
#include <string_view>
#include <vector>

class TREPreProcessor {
public:
    explicit TREPreProcessor(std::string_view Pattern = {});

    void SetTargetRegExp(std::string_view Pattern) { Pattern_.assign(Pattern); }

    // Expands the pattern by the synonym dictionaries (when that flag is
    // on), then by the fuzzy-character ones (when that flag is on), and
    // returns the result, also kept as ProcessedPattern(). Raises the
    // scanner's ERegExpParser for a malformed pattern, at its position in
    // the pattern as given.
    const std::string& Run();
    const std::string& ProcessedPattern() const { return Processed_; }

    bool UseFuzzyCharDic() const { return UseFuzzyCharDic_; }
    void SetUseFuzzyCharDic(bool Value) { UseFuzzyCharDic_ = Value; }
    bool UseSynonymDic() const { return UseSynonymDic_; }
    void SetUseSynonymDic(bool Value) { UseSynonymDic_ = Value; }

    // The dictionaries are tried in list order; the lists do not own them.
    std::vector<const TREDictionary*>& FuzzyCharDics() { return FuzzyCharDics_; }
    std::vector<const TREDictionary*>& SynonymDics() { return SynonymDics_; }

private:
    struct Token {
        TTokenKind Kind;
        uint16_t Code;
        size_t Start; // the token's source text is [Start, End)
        size_t End;
    };
    void Tokenize(std::string_view Pattern);
    std::string Expand(std::string_view Pattern, const std::vector<const TREDictionary*>& Dics);
    void ExpandRun(std::string_view Pattern, size_t First, size_t Last, const std::vector<const TREDictionary*>& Dics,
                   std::string& Out);

    std::string Pattern_;
    std::string Processed_;
    TREScanner Scanner_;
    std::vector<Token> Tokens_;
    std::vector<uint16_t> RunCodes_;
    std::vector<const TREDictionary*> SynonymDics_;
    std::vector<const TREDictionary*> FuzzyCharDics_;
    bool UseFuzzyCharDic_ = false;
    bool UseSynonymDic_ = false;
};
