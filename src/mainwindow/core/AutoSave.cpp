#include "AutoSave.h"

std::optional<int> AutoSaveInterval(int32_t AutoSaveTime)
{
    if (AutoSaveTime <= 0)
        return std::nullopt;
    return AutoSaveTime;
}

bool AutoSaveDue(const TAutoSaveState& State)
{
    return State.AutoSave && State.HasFileName && !State.NewFileCaption && !State.Saving;
}
