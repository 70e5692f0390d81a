#include "FileNameField.h"
#include "OsPath.h"
#include "ScriptedDialogs.h"

#include <QLineEdit>
#include <gtest/gtest.h>

// A field that shows a name in Shift-JIS bytes ("メモ", "田中" unpacked from
// an old archive) shows it as it reads and, left as shown, gives back the
// same file; a name typed over it is the name typed.
TEST(FileNameField, ANameLeftAsShownIsTheSameFile)
{
    for (const std::string os : {"/b/\x83\x81\x83\x82", "/b/\x93\x63\x92\x86/x.hlp", "/b/plain"}) {
        TScriptedDialogs dialogs;
        QLineEdit edit;
        ShowFileName(edit, FromOsPath(os));
        EXPECT_EQ(edit.text(), ShownName(FromOsPath(os)));
        EXPECT_EQ(edit.text().contains(QChar::ReplacementCharacter), false) << os;
        EXPECT_EQ(OsPath(FileNameIn(edit)), os);

        edit.setText(edit.text() + "2");
        EXPECT_EQ(OsPath(FileNameIn(edit)), ShownPath(FromOsPath(os)) + "2");
        edit.setText(QString::fromUtf8("/b/\xF0\x9F\x98\x80")); // an emoji
        EXPECT_EQ(OsPath(FileNameIn(edit)), "/b/\xF0\x9F\x98\x80");
        EXPECT_TRUE(dialogs.Questions().empty()) << "nothing is refused";
    }
    EXPECT_EQ(ShownName(FromOsPath("/b/\x83\x81\x83\x82")), QString::fromUtf8("/b/メモ"));
}
