// Qt's own dialogs speak Japanese whatever the user's locale.
#include "QtTranslations.h"

#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

namespace {

TEST(QtTranslations, QtWindowsAreJapaneseUnderANonJapaneseLocale)
{
    ASSERT_TRUE(UseJapaneseInQtWindows(*qApp)) << "Debian's qt6-translations-l10n is missing";
    EXPECT_EQ(QLocale().language(), QLocale::Japanese);
    const QString saveAs = QCoreApplication::translate("QFileDialog", "Save As");
    EXPECT_NE(saveAs, QStringLiteral("Save As"));
    EXPECT_TRUE(saveAs.contains(QChar(0x4FDD))) << saveAs.toStdString(); // 保
}

} // namespace
