// A run of consecutive parts (rows) with their lengths, answering "where
// does part P start" in constant time and "which part holds position X" in
// logarithmic time, while parts are inserted, removed and resized.
//
// The part starts live in a gap buffer. A resize shifts every later start,
// which is not done at once: the shift is kept as one pending step that
// applies to the starts after StepPart_, and is moved along only as far as
// the next edit is from the last one. Typing at one place therefore costs
// the same in a 10 MB text as in a 10 KB one.
#pragma once

#include "edRowBuffer.h"

class TPartitioning {
public:
    TPartitioning() { Clear(); }

    int Parts() const { return Starts_.Count() - 1; }
    // The start of part P, P in 0..Parts(); Start(Parts()) is the total.
    int Start(int P) const { return Starts_[P] + (P > StepPart_ ? StepLength_ : 0); }
    int Length(int P) const { return Start(P + 1) - Start(P); }
    // The first part that ends after X, that is the part holding X when
    // parts of length 0 are passed over; Parts() when X is at or past the
    // total.
    int PartAfter(int X) const;
    // The first part whose end is at least X: the part X would close.
    int PartReaching(int X) const;

    // A new part P of Length; the parts from P on move up by one.
    void Insert(int P, int Length);
    void Remove(int P);
    void Resize(int P, int Delta);
    // No parts, total 0.
    void Clear();
    // Room for Parts parts without growing (never less than there are).
    void SetCapacity(int Parts);

private:
    // Makes the pending step apply to the starts after P.
    void MoveStepTo(int P);
    void AddToStarts(int From, int To, int Delta);

    TGapBuffer<int> Starts_;
    int StepPart_ = 0;
    int StepLength_ = 0;
};
