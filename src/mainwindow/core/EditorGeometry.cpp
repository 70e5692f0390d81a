#include "EditorGeometry.h"

std::optional<int> WindowWrapByte(const TWindowWrapInputs& In)
{
    if (!In.WordWrap || !In.RightRtn || In.CharWidth <= 0)
        return std::nullopt;
    int usable = In.EditorWidth - In.TextOffset - In.CharWidth / 2;
    if (In.VerticalScrollBar)
        usable -= In.ScrollBarExtent;
    return usable / In.CharWidth - (In.WrapMarkVisible ? 2 : 0);
}

TWheelScroll WheelScroll(int Delta, bool LineScrollFlg, int LineScroll)
{
    const bool up = Delta > 0;
    if (LineScrollFlg)
        return {up ? TScrollCode::LineUp : TScrollCode::LineDown, LineScroll > 0 ? LineScroll : 0};
    return {up ? TScrollCode::PageUp : TScrollCode::PageDown, 1};
}
