// Colour-scheme files: the colours and style flags of the page editor, of
// the HTML colouring and of the page tree, in the [Colors] section of an
// INI file the user names. A scheme holds 27 colour keys of the settings
// file's [Colors] (not the bracket match and the two find colours), the 17
// style flags and the tree's two colours: 46 keys.
#pragma once

#include <string>

class ISettingsHost;

// Writes the current scheme into FileName's [Colors] in one replacement of
// the file; other keys of the section and other sections stay. On failure
// the file stays as it was and EIniFileException is raised.
void WriteColorScheme(ISettingsHost& Host, const std::string& FileName);

// Reads the scheme in FileName and applies it to the settings variables and
// to Host's editor, HTML colours and tree. A colour key that is absent (or
// holds -1) keeps the current colour or takes its fallback, a flag that is
// absent is off, and the page background always spreads to every
// background that follows it. A missing, unreadable or empty file reads as
// every key absent. The whole file is read before anything is applied.
// The style flags and the blank marks' colours reach the editors through
// the caller.
void ReadColorScheme(ISettingsHost& Host, const std::string& FileName);
