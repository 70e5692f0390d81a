#include "EnvironmentDialogs.h"

#include "ScriptedDialogs.h"

#include <QString>
#include <QStringList>
#include <cstdlib>
#include <iostream>

std::unique_ptr<TScriptedDialogs> DialogsFromEnvironment()
{
    const char* script = std::getenv("VELK_DIALOG_ANSWERS");
    if (!script)
        return nullptr;
    auto dialogs = std::make_unique<TScriptedDialogs>();
    for (const QString& word : QString::fromUtf8(script).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString answer = word.trimmed().toLower();
        if (answer.startsWith(QLatin1String("file:")))
            dialogs->AnswerFiles({word.trimmed().mid(5).toStdString()});
        else if (answer == QLatin1String("yes"))
            dialogs->Answer(mrYes);
        else if (answer == QLatin1String("no"))
            dialogs->Answer(mrNo);
        else if (answer == QLatin1String("ok"))
            dialogs->Answer(mrOk);
        else if (answer == QLatin1String("cancel"))
            dialogs->Answer(mrCancel);
        else if (answer == QLatin1String("all"))
            dialogs->Answer(mrAll);
        else
            std::cerr << "velk: VELK_DIALOG_ANSWERS: unknown answer " << answer.toStdString() << std::endl;
    }
    return dialogs;
}
