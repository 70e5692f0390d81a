#include "TreeChangeWatch.h"

TTreeChangeWatch::TTreeChangeWatch(TTreeNodes& Nodes, std::function<void()> OnChanged)
    : Nodes_(Nodes), OnChanged_(std::move(OnChanged))
{
    Nodes_.AddObserver(this);
}

TTreeChangeWatch::~TTreeChangeWatch() { Nodes_.RemoveObserver(this); }
