#include "SjisRegExp.h"

#include "ERegExpParser.h"
#include "REParser.h"
#include "RE_NFA.h"

TRegularExpression::TRegularExpression(TComponent* AOwner) : TComponent(AOwner)
{
    Cache_.SetCaseSensitive(true);
    InsertEntry("", CompileRegExp(""));
}

TRegularExpression::~TRegularExpression() = default;

std::unique_ptr<TRE_DFA> TRegularExpression::CompileRegExp(const std::string& Processed)
{
    TREParser parser(Processed);
    parser.Run();
    TRE_NFA nfa(parser.Tree(), static_cast<int>(Processed.size()));
    nfa.Run();
    return std::make_unique<TRE_DFA>(nfa);
}

void TRegularExpression::InsertEntry(const std::string& Key, std::unique_ptr<TRE_DFA> Automaton)
{
    const int index = Cache_.Count() == 0 ? 0 : 1;
    Cache_.Insert(index, Key);
    Automata_.insert(Automata_.begin() + index, std::move(Automaton));
    // The list refers to the automaton it names; the vector owns it.
    Cache_.SetObjects(index, Automata_[index].get());
    CurrentIndex_ = index;
}

void TRegularExpression::SetRegExp(const std::string& Value)
{
    // Find highlighting sets the same pattern on every repaint.
    if (Current_ && Value == RegExp_)
        return;
    const std::string pattern = Value;
    Current_ = true;
    try {
        PreProcessor_.SetTargetRegExp(pattern);
        const std::string& key = PreProcessor_.Run();
        const int hit = Cache_.IndexOf(key);
        if (hit >= 0) {
            CurrentIndex_ = hit;
        } else {
            std::unique_ptr<TRE_DFA> automaton;
            if (key == pattern) {
                automaton = CompileRegExp(key);
            } else {
                // Report syntax errors at their place in the pattern the
                // user wrote, not in its expansion; an expansion adds no
                // syntax error, only size, so what fails there fails as a
                // whole, at the pattern's end.
                TREParser(pattern).Run();
                try {
                    automaton = CompileRegExp(key);
                } catch (const ERegExpParser& error) {
                    throw ERegExpParser(error.Message(), static_cast<int>(pattern.size() + 1));
                }
            }
            if (Cache_.Count() == kCacheLimit) {
                Cache_.Delete(kCacheLimit - 1);
                Automata_.pop_back();
            }
            InsertEntry(key, std::move(automaton));
        }
        RegExp_ = pattern;
    } catch (...) {
        CurrentIndex_ = 0;
        RegExp_.clear();
        throw;
    }
}

void TRegularExpression::SetUseFuzzyCharDic(bool Value)
{
    if (Value == UseFuzzyCharDic())
        return;
    PreProcessor_.SetUseFuzzyCharDic(Value);
    ReprocessRegExp();
}

void TRegularExpression::SetUseSynonymDic(bool Value)
{
    if (Value == UseSynonymDic())
        return;
    PreProcessor_.SetUseSynonymDic(Value);
    ReprocessRegExp();
}

void TRegularExpression::ReprocessRegExp()
{
    Current_ = false;
    SetRegExp(RegExp_);
}
