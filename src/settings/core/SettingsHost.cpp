#include "SettingsHost.h"

void ApplyBackground(TEditorSettings& Editor, TColor Back)
{
    auto& c = Editor.Colors;
    Editor.Color = Back;
    for (TItemColors* item : {&c.Reserve, &c.Ank, &c.Int, &c.Symbol, &c.Str, &c.DBCS, &c.Comment, &c.Url, &c.Mail})
        item->BkColor = Back;
    Editor.Leftbar.BkColor = Back;
    Editor.Ruler.BkColor = Back;
    for (size_t bracket : {0, 1, 2, 4, 5})
        Editor.Brackets[bracket].BkColor = Back;
}
