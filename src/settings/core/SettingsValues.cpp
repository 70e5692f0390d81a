#include "SettingsValues.h"

#include "Files.h"

namespace {

constexpr size_t MaxReadBytes = 2047;

bool IsBlank(char C) { return C == ' ' || C == '\t'; }

bool IsQuote(char C) { return C == '"' || C == '\''; }

} // namespace

bool SettingCanHold(std::string_view Value)
{
    return Value.size() <= MaxReadBytes && Value.find_first_of("\r\n") == std::string_view::npos;
}

std::optional<std::string> StorablePath(std::string_view OsName)
{
    std::string name = FromOsPath(OsName);
    if (!SettingCanHold(name))
        return std::nullopt;
    return name;
}

std::string QuotedValue(std::string_view Value)
{
    std::string quoted;
    quoted.reserve(Value.size() + 2);
    quoted += '"';
    quoted += Value;
    quoted += '"';
    return quoted;
}

std::string ProtectedValue(std::string_view Value)
{
    const bool blankEdge = !Value.empty() && (IsBlank(Value.front()) || IsBlank(Value.back()));
    const bool enclosed = Value.size() >= 2 && IsQuote(Value.front()) && Value.back() == Value.front();
    return blankEdge || enclosed ? QuotedValue(Value) : std::string(Value);
}
