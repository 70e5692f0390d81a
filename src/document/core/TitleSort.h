// Sorting pages by title: Shift-JIS byte order (the JIS order, level-1
// kanji by reading), with the ASCII letters of single-byte characters
// compared without case. Equal titles keep their order.
#pragma once

#include <string_view>

class TTreeNode;
class TTreeNodes;

// Negative, zero or positive as A sorts before, with or after B.
int CompareTitles(std::string_view A, std::string_view B);

// Every level of the tree.
void SortTree(TTreeNodes& Nodes);
// Every level below Node; Node's own place is unchanged.
void SortSubtree(TTreeNode& Node);
