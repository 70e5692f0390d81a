// Hierarchical text: a plain text in which every page begins with a line
// that starts with dots, one dot for a top page and one more per level
// below it; the rest of that line is the page's first line. A page line of
// its own that starts with a dot is written with a blank before it, so that
// it never starts a page when read back.
#pragma once

#include "PageList.h"

#include <string>
#include <string_view>

class TTreeNode;
class TTreeNodes;

// The number of dots at the start of S.
int CountLeadingDots(std::string_view S);

// S without its leading half-width blanks, TABs and dots, with one blank
// put before every dot that starts a later line (after CR LF, or after a
// lone CR or LF, which the reader takes for line ends too).
std::string EscapeTreeTextPage(std::string_view S);

// The whole tree as hierarchical text: root pages get one dot.
std::string TreeTextOfTree(const TTreeNodes& Nodes);
// Node and its descendants, depths counted from Node (one dot).
std::string TreeTextOfSubtree(const TTreeNode& Node);

// The pages of a hierarchical text. Lone LF and lone CR count as line ends
// and become CR LF. A text without a leading dot is one page; a page more
// than one level deeper than the page before it is cut to one level (build
// the tree with TDepthPolicy::Clamp). Titles follow the page's first line
// after its dots: trimmed, cut to 254 bytes, "UnTitled" when empty.
TFlatPages ParseTreeText(std::string_view Text);
