#include "RegExpTestSupport.h"

#include "REParser.h"
#include "RE_NFA.h"

std::unique_ptr<TRE_DFA> CompilePattern(const std::string& Pattern)
{
    TREParser parser(Pattern);
    parser.Run();
    TRE_NFA nfa(parser.Tree(), static_cast<int>(Pattern.size()));
    nfa.Run();
    return std::make_unique<TRE_DFA>(nfa);
}

std::optional<CompileFailure> CompileError(const std::string& Pattern)
{
    try {
        CompilePattern(Pattern);
    } catch (const ERegExpParser& error) {
        return CompileFailure{error.Message(), error.ErrorPos()};
    }
    return std::nullopt;
}
