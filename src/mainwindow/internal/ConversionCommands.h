// The conversion, formatting and deletion commands of the editor's popup
// menu and the string toolbar, run by TConvertRunner on the active
// editor's selection, and the Options menu's manuscript-page count of the
// page, its subtree and the whole document.
#pragma once

#include "ConvertRunner.h"
#include "EditorSelection.h"

class IConversionCommandsHost;
class QWidget;
class TEditorEx;
class TTreeView;
class TVelkMenus;

// The window's parts the commands work on; they outlive them.
struct TConversionCommandsParts {
    // The dialogs open centred over it.
    QWidget& Window;
    TVelkMenus& Menus;
    TEditorEx& DataMemo;
    TTreeView& DataTree;
};

class TConversionCommands {
public:
    // Binds the commands' items and buttons.
    TConversionCommands(IConversionCommandsHost& Host, TConversionCommandsParts Parts);

    void OpGenkouClick();

private:
    void BindCommands();

    IConversionCommandsHost& Host_;
    TConversionCommandsParts Parts_;
    TEditorSelection ActiveSelection_;
    // The commands on the selection (EdSortClick, pEdCalcClick, ...).
    TConvertRunner Convert_;
};
