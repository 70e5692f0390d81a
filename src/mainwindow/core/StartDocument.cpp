#include "StartDocument.h"

#include "OsPath.h"
#include "Paths.h"

#include <filesystem>
#include <system_error>

namespace {

// The file that is read for a document name with any extension.
std::string DocumentFile(const std::string& Name) { return ChangeFileExt(Name, ".vk2"); }

} // namespace

std::string ParameterFileName(const std::string& Argument)
{
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(Argument, error).lexically_normal();
    return FromOsPath(error ? Argument : absolute.string());
}

TStartChoice ChooseStartDocument(const TStartInputs& Inputs)
{
    const auto exists = [&](const std::string& Name) { return !Name.empty() && Inputs.FileExists(DocumentFile(Name)); };
    const bool remembered = Inputs.SingleInstance && Inputs.Parameters.empty();
    if (remembered && Inputs.OptionFileMode && exists(Inputs.OptionFile))
        return {TStartRule::OptionFile, ChangeFileExt(Inputs.OptionFile, ""), TDeclineAction::NewDocument,
                ExtractFilePath(Inputs.LastFileName)};
    if (remembered && Inputs.LastFileMode && exists(Inputs.LastFileName))
        return {TStartRule::LastFile, ChangeFileExt(Inputs.LastFileName, ""), TDeclineAction::NewDocument,
                ExtractFilePath(Inputs.LastFileName)};
    if (Inputs.Parameters.size() == 1 && exists(Inputs.Parameters[0])) {
        const std::string& parameter = Inputs.Parameters[0];
        return {TStartRule::Parameter, ChangeFileExt(parameter, ""),
                Inputs.SingleInstance ? TDeclineAction::NewDocument : TDeclineAction::CloseInstance,
                ExtractFilePath(parameter)};
    }
    return {};
}
