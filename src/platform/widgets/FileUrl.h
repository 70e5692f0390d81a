// A file's address as the desktop hands it over, byte for byte: Qt's own
// conversions between names and addresses go through Unicode and turn a
// name that is not UTF-8 (OsPath.h) into another one.
#pragma once

#include <string>
#include <vector>

class QMimeData;
class QUrl;

// The "file://" address of FileName (the program's form; a relative name
// counts from the current folder), its bytes percent-encoded.
QUrl FileUrl(const std::string& FileName);
// The system's bytes of a local file's address (a drop's, say).
std::string OsNameOfUrl(const QUrl& Url);
// The local files a drop holds, in order, each in the program's form: the
// very file whatever its name's bytes (OsPath.h).
std::vector<std::string> DroppedFileNames(const QMimeData& Data);
