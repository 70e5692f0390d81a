#include "SearchListState.h"

TSearchListState& SearchListState()
{
    static TSearchListState state;
    return state;
}
