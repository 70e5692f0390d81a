#include "OptionsFontList.h"

#include "Cp932.h"

#include <QFontDatabase>

QStringList ScreenFontNames()
{
    QStringList names;
    for (const QString& family : QFontDatabase::families()) {
        bool lossless = false;
        Utf8ToSjis(family.toStdString(), &lossless);
        if (lossless)
            names.append(family);
    }
    names.sort();
    names.removeDuplicates();
    return names;
}
