#include "edPartitioning.h"

#include <algorithm>

void TPartitioning::Clear()
{
    Starts_.Clear();
    Starts_.SetCapacity(8);
    Starts_.Insert(0, 0);
    StepPart_ = 0;
    StepLength_ = 0;
}

void TPartitioning::SetCapacity(int Parts)
{
    const int slots = std::max(Parts, this->Parts()) + 1;
    if (slots != Starts_.Capacity())
        Starts_.SetCapacity(slots);
}

void TPartitioning::AddToStarts(int From, int To, int Delta)
{
    for (int p = From; p <= To; ++p)
        Starts_[p] += Delta;
}

void TPartitioning::MoveStepTo(int P)
{
    if (StepLength_ == 0) {
        StepPart_ = P;
        return;
    }
    const int parts = Parts();
    if (P > StepPart_) {
        AddToStarts(StepPart_ + 1, P, StepLength_);
    } else if (P < StepPart_) {
        // Going back far costs more than applying the step to the end.
        if (StepPart_ - P > parts - StepPart_) {
            AddToStarts(StepPart_ + 1, parts, StepLength_);
            StepLength_ = 0;
        } else {
            AddToStarts(P + 1, StepPart_, -StepLength_);
        }
    }
    StepPart_ = P;
}

void TPartitioning::Resize(int P, int Delta)
{
    if (Delta == 0)
        return;
    MoveStepTo(P);
    StepLength_ += Delta;
}

void TPartitioning::Insert(int P, int Length)
{
    if (Starts_.Count() == Starts_.Capacity())
        Starts_.SetCapacity(Starts_.Capacity() + std::max(8, Starts_.Capacity() / 4));
    // The new part starts empty where part P starts.
    const int start = Start(P);
    if (StepPart_ > P) {
        Starts_.Insert(P + 1, int(start));
        ++StepPart_;
    } else {
        Starts_.Insert(P + 1, start - StepLength_);
    }
    Resize(P, Length);
}

void TPartitioning::Remove(int P)
{
    Resize(P, -Length(P));
    Starts_.Delete(P + 1);
    if (StepPart_ > P)
        --StepPart_;
}

int TPartitioning::PartAfter(int X) const
{
    int low = 0;
    int high = Parts();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (Start(middle + 1) > X)
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

int TPartitioning::PartReaching(int X) const
{
    int low = 0;
    int high = Parts();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (Start(middle + 1) >= X)
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}
