#include "ShellOpen.h"

#include "Cp932.h"
#include "FileUrl.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

TShellOpenHook& Hook()
{
    static TShellOpenHook hook;
    return hook;
}

} // namespace

void SetShellOpenHook(TShellOpenHook Value) { Hook() = std::move(Value); }

bool ShellOpen(const std::string& Target)
{
    if (Hook())
        return Hook()(Target);
    if (Target.starts_with("/"))
        return QDesktopServices::openUrl(FileUrl(Target));
    return QDesktopServices::openUrl(QUrl::fromUserInput(QString::fromStdString(SjisToUtf8(Target))));
}
