#include "OptionsWorkState.h"

TOptionsWorkState& OptionsWorkState()
{
    static TOptionsWorkState state;
    return state;
}
