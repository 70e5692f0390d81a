// The window's parts a room works on, without the window: a page tree bound
// to a page editor through a fake outline host, and the menus.
#pragma once

#include "../document/FakeOutlineHost.h"
#include "EditorEx.h"
#include "MainMenus.h"
#include "OutlineBinding.h"
#include "TreeView.h"

#include <QWidget>
#include <memory>

struct TRoomParts {
    QWidget Window;
    TTreeView DataTree;
    std::unique_ptr<TEditorEx> Memo{TEditor::Create<TEditorEx>()};
    TFakeHost Outline{Memo.get()};
    TOutlineBinding Binding{DataTree, Outline};
    TVelkMenus Menus;
};
