#include "TitleSort.h"

#include "Sjis.h"
#include "SubtreeItems.h"
#include "TreeNodes.h"

#include <algorithm>
#include <unordered_set>

namespace {

unsigned char UpperAscii(unsigned char Byte) { return Byte >= 'a' && Byte <= 'z' ? Byte - ('a' - 'A') : Byte; }

int CompareNodes(const TTreeNode* A, const TTreeNode* B) { return CompareTitles(A->Text(), B->Text()); }

} // namespace

int CompareTitles(std::string_view A, std::string_view B)
{
    // Character by character: up to the first difference both titles hold
    // the same characters, so they start at the same places. Two
    // single-byte characters compare with their letters folded, any other
    // pair by their bytes.
    const size_t common = std::min(A.size(), B.size());
    for (size_t i = 0; i < common;) {
        const size_t lengthA = sjis::CharLen(A, i);
        const size_t lengthB = sjis::CharLen(B, i);
        if (lengthA == 1 && lengthB == 1) {
            const unsigned char a = UpperAscii(static_cast<unsigned char>(A[i]));
            const unsigned char b = UpperAscii(static_cast<unsigned char>(B[i]));
            if (a != b)
                return a < b ? -1 : 1;
        } else if (const int order = A.substr(i, lengthA).compare(B.substr(i, lengthB)); order != 0) {
            return order < 0 ? -1 : 1;
        }
        i += lengthA;
    }
    if (A.size() == B.size())
        return 0;
    return A.size() < B.size() ? -1 : 1;
}

void SortTree(TTreeNodes& Nodes) { Nodes.CustomSort(CompareNodes, true); }

void SortSubtree(TTreeNode& Node)
{
    if (!Node.HasChildren())
        return;
    // The model sorts every level at once; siblings outside Node's subtree
    // compare equal, and a stable sort leaves them as they are.
    std::unordered_set<const TTreeNode*> parents;
    const TTreeNode* end = NodeAfterSubtree(Node);
    for (const TTreeNode* node = &Node; node != end; node = node->GetNext())
        if (node->HasChildren())
            parents.insert(node);
    Node.Owner()->CustomSort(
        [&parents](const TTreeNode* A, const TTreeNode* B) {
            return parents.contains(A->Parent()) ? CompareNodes(A, B) : 0;
        },
        true);
}
