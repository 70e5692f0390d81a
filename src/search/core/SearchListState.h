// The state of the list search that the search dialogs set when they are
// confirmed: whether the find command lists the pages found, and over which
// pages; the pages a list search found and where the list stands. Confirming
// any search dialog makes an earlier list stale: it is emptied, and the main
// window hears it through OnInvalidated (its list buttons go off).
#pragma once

#include "FoundPageList.h"

#include <functional>

struct TSearchListState {
    bool FindListMode = false;
    // 0 every page, 1 this and the later pages, 2 this page with the pages
    // under it.
    int SearchListScope = 0;
    TFoundPageList FoundPageList;
    // The result list window is open.
    bool SearchListOpen = false;
    // While FindListMode is on, a page change shows the page's first hit
    // (forward) or its last.
    bool FindListForward = true;
    std::function<void()> OnInvalidated;

    void Invalidate()
    {
        FoundPageList.Clear();
        if (OnInvalidated)
            OnInvalidated();
    }
};

// The program's one list state.
TSearchListState& SearchListState();
