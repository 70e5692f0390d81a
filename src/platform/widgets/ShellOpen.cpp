#include "ShellOpen.h"

#include "Cp932.h"

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
    const QString target = QString::fromStdString(SjisToUtf8(Target));
    return QDesktopServices::openUrl(Target.starts_with("/") ? QUrl::fromLocalFile(target)
                                                             : QUrl::fromUserInput(target));
}
