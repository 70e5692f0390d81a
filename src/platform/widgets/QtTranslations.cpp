#include "QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool UseJapaneseInQtWindows(QCoreApplication& App)
{
    const QLocale system = QLocale::system();
    const QLocale locale = system.language() == QLocale::Japanese ? system : QLocale(QLocale::Japanese, QLocale::Japan);
    // Dates and sizes in the file dialogs follow the default locale.
    QLocale::setDefault(locale);
    auto* translator = new QTranslator(&App);
    if (!translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
