#include "HPropUtils.h"

#include "EditorBase.h"
#include "EdtProp.h"

#include <memory>

namespace {

void CopyEventHandlers(const TEditor& Source, TEditor& Dest)
{
    Dest.OnCaretMoved = Source.OnCaretMoved;
    Dest.OnChange = Source.OnChange;
    Dest.OnDrawLine = Source.OnDrawLine;
    Dest.OnSelectionChange = Source.OnSelectionChange;
    Dest.OnSelectionModeChange = Source.OnSelectionModeChange;
    Dest.OnTopColChange = Source.OnTopColChange;
    Dest.OnTopRowChange = Source.OnTopRowChange;
    Dest.OnKeyDown = Source.OnKeyDown;
    Dest.OnKeyPress = Source.OnKeyPress;
    Dest.OnClick = Source.OnClick;
    Dest.OnDblClick = Source.OnDblClick;
    Dest.OnEnter = Source.OnEnter;
    Dest.OnExit = Source.OnExit;
    Dest.OnResize = Source.OnResize;
    Dest.OnMouseWheel = Source.OnMouseWheel;
    Dest.OnMouseMove = Source.OnMouseMove;
    Dest.OnUnmappedCharacters = Source.OnUnmappedCharacters;
}

} // namespace

void CopyPublishedProperties(const TEditor& Source, TEditor& Dest, TPublishedKinds Kinds)
{
    if (&Source == &Dest)
        return;
    if (Kinds.Contains(TPublishedKind::pkMethod))
        CopyEventHandlers(Source, Dest);
    if (Kinds.Contains(TPublishedKind::pkSetting)) {
        const std::unique_ptr<TEditorProp> settings(TFileExtComponent::Create<TEditorProp>(nullptr));
        settings->Assign(&Source);
        Dest.Assign(settings.get());
    }
}
