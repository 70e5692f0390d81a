#include "EditorSelection.h"

#include "EditorEx.h"

std::string TEditorSelection::SelText() const { return Editor_()->SelText(); }

void TEditorSelection::SetSelText(std::string_view Text) { Editor_()->SetSelText(Text); }

int TEditorSelection::SelStart() const { return Editor_()->SelStart(); }

void TEditorSelection::SetSelStart(int Position) { Editor_()->SetSelStart(Position); }
