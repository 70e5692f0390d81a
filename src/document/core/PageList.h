// A document as a flat list of pages in tree order (pre-order), each with
// its depth. Readers build this list and then the tree from it; writers
// take it from the tree.
#pragma once

#include "SysUtils.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class TTreeNode;
class TTreeNodes;

struct TFlatPage {
    int Depth = 0;
    std::string Title;
    std::string Text;
    int32_t SelStart = 0;
    int SubIcon = -1; // -1 none, else 1 and up
    bool operator==(const TFlatPage&) const = default;
};

using TFlatPages = std::vector<TFlatPage>;

// A page as a writer reads it: its title and text where they are kept,
// without a copy (a save of a large document would copy all its text).
// Valid while what it views is not changed.
struct TPageView {
    int Depth = 0;
    std::string_view Title;
    std::string_view Text;
    int32_t SelStart = 0;
    int SubIcon = -1;
};

using TPageViews = std::vector<TPageView>;

// What to do with a page that is more than one level deeper than the page
// before it.
enum class TDepthPolicy {
    // An error: the list is refused as a whole (a damaged document file).
    Strict,
    // The page goes one level deeper than the one before (hierarchical text).
    Clamp,
    // Depths count from the first page's depth, and a deeper page becomes a
    // child of the page before (a pasted subtree).
    ChildOfPrevious,
};

// A page list that the Strict policy refuses; the message names the page.
class EPageDepth : public Exception {
public:
    using Exception::Exception;
};

// Adds the pages as root-level pages after the last one, each with its
// title, sub-icon and a record holding its text and caret. The list is
// checked whole before the tree is touched. Returns the first new node,
// or null for an empty list.
TTreeNode* BuildTree(TTreeNodes& Nodes, const TFlatPages& Pages, TDepthPolicy Policy);

// The pages of the tree in tree order. A node without a record gives an
// empty text and caret 0.
TFlatPages FlattenTree(const TTreeNodes& Nodes);
// The same pages viewed where the tree keeps them.
TPageViews ViewTree(const TTreeNodes& Nodes);
TPageViews ViewPages(std::span<const TFlatPage> Pages);
