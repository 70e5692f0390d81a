#include "LongFileName.h"

#include "Files.h"

#include <filesystem>

std::string GetLongFileName(const std::string& Path)
{
    std::error_code error;
    const std::filesystem::path full =
        std::filesystem::weakly_canonical(std::filesystem::absolute(OsPath(Path), error), error);
    if (error)
        return Path;
    return FromOsPath(full.string());
}
