#include "edEditTestSupport.h"

namespace edtest {

EditFixture::EditFixture()
{
    Editor.HasFocus = true;
    List().UndoObj()->SetUndoListMax(100000);
}

void EditFixture::SetText(std::string_view Value, bool Wrap, int WrapByte)
{
    List().WrapOption()->SetWrapByte(WrapByte);
    List().SetWordWrap(Wrap);
    List().SetTextStr(Value);
    List().UndoObj()->Clear();
    SetCaret({0, 0});
}

void EditFixture::SetCaret(TCaretPos Place)
{
    Editor.Row = Place.Row;
    Editor.Col = Place.Col;
}

bool EditFixture::Follow(const std::optional<TCaretPos>& Place)
{
    if (!Place)
        return false;
    SetCaret(*Place);
    return true;
}

TSelectionRange EditFixture::Select(TCaretPos From, TCaretPos To, TEditorSelectionMode Mode)
{
    SetCaret(To);
    return ComputeSelection(List(), MakeAnchor(List(), From.Row, From.Col), To.Row, To.Col, Mode);
}

} // namespace edtest
