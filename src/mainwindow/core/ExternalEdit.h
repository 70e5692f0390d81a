// The rules of editing a page in the user's own editor: the command made
// from the options' template, the program that views the whole document,
// and whether the text read back differs from the page.
#pragma once

#include "ProgramCommand.h"
#include "TextReading.h"

#include <QString>
#include <QStringList>
#include <string>
#include <string_view>
#include <vector>

// The editor's command template (Shift-JIS) with every "/%WIN%" removed, so
// that the command holds none, also none that a removal joins from the
// text around it ("/%W/%WIN%IN%" holds two); then every "%LINE%" replaced
// by Row (the caret's row, counted from 0). Bytes are matched as they are:
// both words start with a byte that is never a trail byte and hold no lead
// byte, so no match splits a double-byte character.
std::string ExpandEditorTemplate(std::string_view Template, int Row);

// The words of a command line as a POSIX shell splits them, and nothing
// more: blanks part words, '...' keeps what it holds as it is, "..." too
// but for a backslash before " \\ $ ` (which then stands for that
// character), and a backslash outside quotes keeps the next character.
// Nothing is expanded; the words go to the program as they are, with no
// shell in between. A quote left open ends with the line.
QStringList ShellWords(const QString& CommandLine);

// Splits a command line (Shift-JIS) into words (ShellWords) and appends
// File as an argument of its own, so no quoting of the file name can go
// wrong; File goes as the system names it, whatever its bytes. Program is
// empty when the line holds no word.
TProgramCommand CommandWithFile(std::string_view CommandLine, const std::string& File);

// The command that views File: the whole template, as a page edit runs it,
// with the view's start for its row (ExpandEditorTemplate(Template, 0)).
TProgramCommand ViewerCommand(std::string_view Template, const std::string& File);

// True when Edited holds other lines than Page: line ends in any style and
// one final line break count as the same, so an editor that writes LF or
// adds a final newline does not make an unchanged page look changed.
bool LinesDiffer(std::string_view Page, std::string_view Edited);

// Text as the program keeps it: CR LF, a bare LF and a bare CR each become
// CR LF.
std::string CrlfLineEnds(std::string_view Text);

// The page as the transfer file holds it: every line ending in CR LF, so a
// line the editor appends starts a line of its own.
std::string TransferText(std::string_view Page);
// The text read back as the page takes it: the final CR LF TransferText
// gave a page that had none comes off again.
std::string PageTextFromTransfer(std::string_view Page, std::string Edited);

// The transfer file's bytes: TransferText(Page) in Encoding, the one the
// system's editors read (LocaleTextEncoding).
std::string TransferFileBytes(std::string_view Page, TTextEncoding Encoding);
// The page as the editor left the transfer file, which went out as
// TransferFileBytes(Page, Encoding). Bytes left as they went give Page
// itself. Other bytes are read in Encoding whenever they are well-formed in
// it, else as the rule every text file is read by finds (ReadText), so an
// editor that saves in UTF-8 or keeps Shift-JIS both come back; line ends
// become CR LF and PageTextFromTransfer applies. The judgement says what
// the user must learn of the bytes; no encoding when they are no text.
TTextReading PageTextFromTransferFile(std::string_view Page, std::string_view Bytes, TTextEncoding Encoding);

// The transfer files of the external editor in ProgramFolder (ending in
// "/"), one per edit mode, and the user's own extension when there is one:
// the only "temp." files the program makes.
std::vector<std::string> TransferFileNames(const std::string& ProgramFolder, const std::string& UserExtension);
