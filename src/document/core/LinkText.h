// Links written into page text: a file link "[:file@path:]" or
// "<file@path>", a page link "[:node@title:]" or "<node@title>" (the
// bracket setting chooses the form that is written, coloured and
// recognised), each on a line of its own.
#pragma once

#include <string>
#include <string_view>

enum class TLinkKind { None = 0, Address = 1, File = 2, Page = 3 };

struct TLink {
    TLinkKind Kind = TLinkKind::None;
    std::string Target;
};

// The line that links to Target: Indent blanks, the opener, Target, the
// closer and CR LF.
std::string LinkLine(TLinkKind Kind, std::string_view Target, bool Bracket, int Indent);

// The link a bracket region holds; None when its opener is neither link's
// opener of the chosen form, or when it does not end with the closer.
TLink ParseLinkRegion(std::string_view Region, bool Bracket);

// File as a link from Folder (absolute, ending in "/"): relative, with a
// "../" per level up, when the two share more than the root folder; else
// File as it is.
std::string RelativeLinkPath(std::string_view Folder, std::string_view File);

// Target as an absolute, normalised path: a relative target is taken from
// Folder. A "\" that is a whole character (written by the program on
// Windows) separates folders too.
std::string ResolveLinkPath(std::string_view Folder, std::string_view Target);

// An absolute path whose every part is a valid file name, with no empty
// part; a double-byte character whose second byte is "\" never separates.
bool IsValidPath(std::string_view Path);
