// The Options menu's dialogs: the options dialog, with what its confirmed
// options change in the window's views, the key dialog, and loading and
// saving a colour scheme.
#pragma once

class IFormTimer;
class IOptionCommandsHost;
class QWidget;
class TClippingMode;
class TDockButton;
class TEditModeSwitch;
class TEditorEx;
class TEditorLook;
class TExternalEditor;
class TFontToolbar;
class THTMLFountain;
class TOpenDialog;
class TPaneViews;
class TSaveDialog;
class TSubIcons;
class TTreeImageList;
class TTreeView;
class TVelkMenus;

// The window's parts the options change; they outlive the commands.
struct TOptionCommandsParts {
    // The dialogs open centred over it.
    QWidget& Window;
    TVelkMenus& Menus;
    TEditorEx& DataMemo;
    TTreeView& DataTree;
    THTMLFountain& HTMLFountain1;
    TTreeImageList& TreeImages;
    TSubIcons& SubIcons;
    TPaneViews& PaneViews;
    TFontToolbar& FontToolbar;
    TEditorLook& Look;
    // The edit mode, whose colouring a colour scheme changes.
    TEditModeSwitch& EditModes;
    TExternalEditor& ExternalEditor;
    TClippingMode& Clipping;
    // The auto-save timer.
    IFormTimer& Timer1;
    TOpenDialog& OpenDialog1;
    TSaveDialog& SaveDialog1;
    // sbGoEditor, which the external-editor option enables.
    TDockButton& GoEditorButton;
};

class TOptionCommands {
public:
    // Binds the dialogs' items.
    TOptionCommands(IOptionCommandsHost& Host, TOptionCommandsParts Parts);

    void OpMainClick();
    void OpKeyCustomClick();
    void OpLoadColorClick();
    void OpSaveColorClick();

private:
    void BindCommands();
    // What the confirmed options change in the window's views.
    void ApplyOptions(bool TreeUndoRedoBefore);

    IOptionCommandsHost& Host_;
    TOptionCommandsParts Parts_;
};
