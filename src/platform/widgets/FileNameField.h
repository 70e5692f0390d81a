// File names shown in Qt's widgets. Qt holds a name as text and hands it
// to the system as UTF-8, so a name whose bytes are not UTF-8 (OsPath.h)
// cannot pass through Qt at all: such names reach the system by their
// bytes (OsPath, FileUrl.h, Programs.h), and Qt gets a name only to show
// it, as it reads (ShownPath), and to give it back.
#pragma once

#include <QString>

#include <string>
#include <string_view>

class QLineEdit;

// FileName (the program's form) as a person reads it.
QString ShownName(std::string_view FileName);

// Edit shows FileName and keeps it, so that the text left as shown gives
// the same file back, whatever the name's bytes.
void ShowFileName(QLineEdit& Edit, const std::string& FileName);
// The file name Edit holds: the one it was given while its text is still
// as shown, else the name typed.
std::string FileNameIn(const QLineEdit& Edit);
