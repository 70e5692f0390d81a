// The component that holds a pattern and keeps the compiled automata of
// the patterns used lately, so that repeated searches (find highlighting on
// every repaint, a replace over many pages) compile once.
#pragma once

#include "Classes.h"
#include "REPreProcessor.h"
#include "RE_DFA.h"
#include "Strings.h"

#include <memory>
#include <string>
#include <vector>

class TRegularExpression : public TComponent {
public:
    static constexpr int kCacheLimit = 30;

    explicit TRegularExpression(TComponent* AOwner);
    ~TRegularExpression() override;

    // The pattern as the caller gave it.
    const std::string& RegExp() const { return RegExp_; }
    // Preprocesses the pattern and makes its automaton current, compiling
    // it unless the cache holds it. A malformed or overly complex pattern
    // raises ERegExpParser and leaves the empty pattern current and
    // RegExp() empty.
    virtual void SetRegExp(const std::string& Value);

    const TRE_DFA& CurrentDFA() const { return *Automata_[CurrentIndex_]; }
    bool HasLineHead() const { return CurrentDFA().HasLineHead(); }
    bool HasLineTail() const { return CurrentDFA().HasLineTail(); }

    // The cache: one line per compiled pattern, the processed pattern with
    // its automaton as the object. Entry 0 is the empty pattern and stays;
    // a new pattern goes in as entry 1 and a full cache drops its last.
    const TStringList& Cache() const { return Cache_; }
    int CurrentIndex() const { return CurrentIndex_; }

    // Setting either re-sets the pattern, which may compile; a pattern too
    // complex once expanded raises ERegExpParser as SetRegExp does.
    bool UseFuzzyCharDic() const { return PreProcessor_.UseFuzzyCharDic(); }
    void SetUseFuzzyCharDic(bool Value);
    bool UseSynonymDic() const { return PreProcessor_.UseSynonymDic(); }
    void SetUseSynonymDic(bool Value);
    // The preprocessing, with the dictionaries it expands by.
    TREPreProcessor& PreProcessor() { return PreProcessor_; }
    const TREPreProcessor& PreProcessor() const { return PreProcessor_; }

protected:
    // Compiles a processed pattern: parser, NFA, DFA. Raises ERegExpParser.
    virtual std::unique_ptr<TRE_DFA> CompileRegExp(const std::string& Processed);

private:
    // Sets the pattern again, as a change of the preprocessing asks.
    void ReprocessRegExp();
    void InsertEntry(const std::string& Key, std::unique_ptr<TRE_DFA> Automaton);

    std::string RegExp_;
    TStringList Cache_;
    // The automata of the cache lines, by index; the list itself never
    // owns its objects.
    std::vector<std::unique_ptr<TRE_DFA>> Automata_;
    int CurrentIndex_ = 0;
    TREPreProcessor PreProcessor_;
    // False when the preprocessing changed since RegExp_ was set.
    bool Current_ = true;
};
