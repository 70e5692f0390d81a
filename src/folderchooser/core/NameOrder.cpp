#include "NameOrder.h"

#include <cstring>

namespace {

bool IsDigit(char C) { return C >= '0' && C <= '9'; }

unsigned char Folded(char C) { return static_cast<unsigned char>(C >= 'A' && C <= 'Z' ? C + ('a' - 'A') : C); }

int Sign(long long Value) { return (Value > 0) - (Value < 0); }

// Compares the digit runs starting at A[I] and B[J] by value and moves both
// past them; 0 when the values are equal (leading zeros aside).
int CompareDigitRuns(std::string_view A, size_t& I, std::string_view B, size_t& J)
{
    while (I < A.size() && A[I] == '0')
        ++I;
    while (J < B.size() && B[J] == '0')
        ++J;
    const size_t startA = I, startB = J;
    while (I < A.size() && IsDigit(A[I]))
        ++I;
    while (J < B.size() && IsDigit(B[J]))
        ++J;
    const size_t lengthA = I - startA, lengthB = J - startB;
    if (lengthA != lengthB)
        return lengthA < lengthB ? -1 : 1;
    return Sign(std::memcmp(A.data() + startA, B.data() + startB, lengthA));
}

} // namespace

int CompareNames(std::string_view A, std::string_view B)
{
    size_t i = 0, j = 0;
    while (i < A.size() && j < B.size()) {
        if (IsDigit(A[i]) && IsDigit(B[j])) {
            if (const int order = CompareDigitRuns(A, i, B, j))
                return order;
            continue;
        }
        const unsigned char a = Folded(A[i]), b = Folded(B[j]);
        if (a != b)
            return a < b ? -1 : 1;
        ++i;
        ++j;
    }
    if (const bool aLeft = i < A.size(), bLeft = j < B.size(); aLeft != bLeft)
        return aLeft ? 1 : -1;
    return Sign(A.compare(B));
}
