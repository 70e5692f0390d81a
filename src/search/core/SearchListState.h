// The state of the list search that the search dialogs set when they are
// confirmed: whether the find command lists the pages found, and over which
// pages. Confirming any search dialog makes an earlier list stale; the main
// window hears it through OnInvalidated (its list buttons go off).
#pragma once

#include <functional>

struct TSearchListState {
    bool FindListMode = false;
    // 0 every page, 1 this and the later pages, 2 this page with the pages
    // under it.
    int SearchListScope = 0;
    std::function<void()> OnInvalidated;

    void Invalidate()
    {
        if (OnInvalidated)
            OnInvalidated();
    }
};

// The program's one list state.
TSearchListState& SearchListState();
