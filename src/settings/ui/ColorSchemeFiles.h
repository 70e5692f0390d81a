// The colour commands of the Options menu: saving the current colour scheme
// to a file the user names and loading one back, through the main window's
// shared file dialogs.
#pragma once

class ISettingsHost;
class TOpenDialog;
class TSaveDialog;

// Both dialogs start in the program folder; the save dialog proposes
// "color.cfg" and gives the shared dialog its file name back.

// Asks for a file name and writes the scheme there, with the extension
// ".cfg" in place of the one chosen. True when written; a write that fails
// is told in an error box and the file stays as it was.
bool SaveColorCfg(ISettingsHost& Host, TSaveDialog& Dialog);

// Asks for a file and applies the scheme it holds (ReadColorScheme). The
// settings file itself is refused with a warning, and so is a file that
// holds something but no [Colors] section (a document chosen by mistake);
// an empty file is an empty scheme. True when a scheme was
// applied; the caller then brings the style flags and the blank marks'
// colours to the editors.
bool LoadColorCfg(ISettingsHost& Host, TOpenDialog& Dialog);
