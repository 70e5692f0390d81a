#include "SubIni.h"

#include "Paths.h"
#include "Sjis.h"

TSettingsVars SettingsVars;

namespace {
bool PageCursorSuspended = false;
}

void SuspendPageCursorRestore(bool Suspended) { PageCursorSuspended = Suspended; }

bool PageCursorRestoreOn() { return SettingsVars.PageCursor.Mode && !PageCursorSuspended; }

std::string CommenterFor(bool CommentType, std::string_view QMark)
{
    if (!CommentType || QMark.empty())
        return "//";
    if (sjis::IsLead(static_cast<unsigned char>(QMark[0])))
        return std::string(QMark);
    return std::string(QMark.substr(0, 1));
}

std::string SettingsFilePath() { return ProgramBasePath() + ".ini"; }

std::string KeyFilePath() { return ProgramBasePath() + "Key.ini"; }

std::string HistoryFilePath() { return ProgramBasePath() + ".sch"; }

std::string SymbolFilePath() { return ProgramFolder() + "mark.dat"; }

std::string BackupFolderDefault() { return IncludeTrailingPathDelimiter(ProgramFolder()) + "Temp"; }
