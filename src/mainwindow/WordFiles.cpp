#include "WordFiles.h"

#include "EditModes.h"
#include "Files.h"
#include "SysUtils.h"

#include <QFile>
#include <QString>
#include <filesystem>
#include <system_error>

namespace {

// The lists are kept with LF line ends; word files, like every text file
// of the program, have CR LF.
std::string WithCrLf(const QByteArray& Text)
{
    std::string lines;
    lines.reserve(static_cast<size_t>(Text.size() + Text.count('\n')));
    for (const char c : Text) {
        if (c == '\n')
            lines += '\r';
        lines += c;
    }
    return lines;
}

// A folder that cannot be written is no reason to stop the start: switching
// to the mode later tells the user the list is missing.
void WriteWordFile(const std::string& FileName, const std::string& Name)
{
    QFile shipped(QStringLiteral(":/words/") + QString::fromStdString(Name));
    if (!shipped.open(QIODevice::ReadOnly))
        return;
    try {
        WriteFileAtomic(FileName, WithCrLf(shipped.readAll()));
    } catch (const EFCreateError&) {
    }
}

} // namespace

void InstallWordFiles(const std::string& Folder)
{
    // On a first run the program folder may not exist yet.
    std::error_code ignored;
    std::filesystem::create_directories(OsPath(Folder), ignored);
    for (int mode = 0; mode < EditModeCount; ++mode) {
        const std::string name(EditModes()[mode].WordFile);
        if (!name.empty() && !FileExists(Folder + name))
            WriteWordFile(Folder + name, name);
    }
}
