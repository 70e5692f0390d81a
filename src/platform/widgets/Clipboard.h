// Clipboard formats the program names itself ("TEditor Box Type"). Each
// name gets a number for the program to keep and a MIME type that carries
// the bytes on the system clipboard, made from the name alone so that every
// running instance of the program agrees on it.
#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>

class QMimeData;

// The format number of Name: the same number for the same name (ASCII
// letters compared without case) for the life of the process, a new one
// for a new name. Raises EInvalidOperation for an empty name.
int RegisterClipboardFormat(std::string_view Name);

// The MIME type of a registered format: "application/x-velk-" followed by
// the name in lower case, a space as "-", and every other byte that is not
// a letter or digit as "_" and two hex digits ("TEditor Box Type" gives
// "application/x-velk-teditor-box-type"). Raises EInvalidOperation for a
// number that RegisterClipboardFormat did not give.
QString ClipboardFormatMimeType(int Format);

// The bytes of Format in Data, or nothing when Data (which may be null)
// does not hold the format.
std::optional<std::string> GetFormatData(const QMimeData* Data, int Format);
// Adds (or replaces) the bytes of Format in Data.
void SetFormatData(QMimeData& Data, int Format, std::string_view Bytes);

// Plain text as other programs take it: Shift-JIS page text (CR LF line
// ends) in Unicode with LF line ends.
QString ClipboardTextOf(std::string_view Sjis);
// Plain text from other programs as the program keeps text: Shift-JIS with
// CR LF line ends (CR LF, LF and a lone CR each become CR LF). Unmapped
// counts the characters Shift-JIS cannot hold, each written as "?".
std::string SjisOfClipboardText(const QString& Text, int& Unmapped);

// Every clipboard write of the program is marked, so that clipping mode (of
// any running instance) never takes the program's own copies for text that
// another program copied.
void MarkProgramData(QMimeData& Data);
bool IsProgramData(const QMimeData* Data);

// The system clipboard.
bool ClipboardHasFormat(int Format);
std::optional<std::string> GetClipboardData(int Format);
// Empties the clipboard and puts Bytes on it as Format, alone. To put
// several formats at once, fill a QMimeData with SetFormatData and hand it
// to QGuiApplication::clipboard()->setMimeData.
void SetClipboardData(int Format, std::string_view Bytes);
// Puts Shift-JIS text on the clipboard as plain text, marked.
void SetProgramClipboardText(std::string_view Sjis);
// The same for text in Unicode, kept as it is.
void SetProgramClipboardUnicode(const QString& Text);
