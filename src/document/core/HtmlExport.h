// A page and its descendants as a small web of HTML files: "main.html" for
// the page with an index of links to every descendant, and one
// "part001.html", "part002.html"... per descendant in tree order, each
// linking back to "main.html". Text stays Shift-JIS, as the pages declare.
#pragma once

#include "OutputFiles.h"

#include <string>
#include <string_view>

class TTreeNode;

// "&", "<" and ">" as entities, and "<BR>" before every CR.
std::string HtmlEscape(std::string_view Text);

// The index of Page's descendants: one link per line, indented by three
// full-width blanks per level below Page; empty without descendants.
std::string BuildHtmlIndex(const TTreeNode& Page);

// The files of the export into Folder (ending in "/"): main.html first.
TOutputFiles HtmlFiles(const TTreeNode& Page, const std::string& Folder);
