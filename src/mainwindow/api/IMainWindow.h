// The main window as the option, key, conversion and colour commands reach
// it. They sit below the window in the build, so they see it through this
// interface and the global VelkForm instead of through TVelkForm itself.
#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <vector>

class QLabel;
class QSplitter;
class QWidget;
class TDockButton;
class TDockToolbar;
class TEditorEx;
class THTMLFountain;
class TMenuItem;
class TMySpinEdit;
class TOpenDialog;
class TPopupMenu;
class TSaveDialog;
class TStringList;
class TTreeImageList;
class TTreeNode;
class TTreeView;

class IMainWindow {
public:
    // ---- Placement ([Form] of the settings file) ----
    virtual int Left() const = 0;
    virtual void SetLeft(int Value) = 0;
    virtual int Top() const = 0;
    virtual void SetTop(int Value) = 0;
    virtual int Width() const = 0;
    virtual void SetWidth(int Value) = 0;
    virtual int Height() const = 0;
    virtual void SetHeight(int Value) = 0;
    // 0 normal, 1 minimized, 2 maximized.
    virtual int WindowState() const = 0;
    virtual void SetWindowState(int Value) = 0;

    // ---- Editors, tree and modes ----
    // The pane commands act on: DataMemo, or the split or browse view's pane.
    virtual TEditorEx* ActiveEditor() const = 0;
    virtual TEditorEx* DataMemo() const = 0;
    virtual TTreeView* DataTree() const = 0;
    // 0 Text, 1 Delphi, 2 HSP, 3 C/C++, 4 VB, 5 HTML, other User.
    virtual int EditMode() const = 0;
    virtual void SetEditMode(int Value) = 0;
    virtual QLabel* EdModeLabel() const = 0;
    virtual THTMLFountain* HTMLFountain1() const = 0;

    // ---- Menus ----
    // Any menu item by name: the commands of the key file, their popup
    // twins and the fixed items; null for an unknown name.
    virtual TMenuItem* MenuItem(std::string_view Name) const = 0;
    virtual TPopupMenu* EditPopupMenu() const = 0;
    virtual TPopupMenu* ImagePopupMenu() const = 0;
    virtual TPopupMenu* dmyPopupMenu() const = 0;
    // The sub-icon captions, "なし" first.
    virtual TStringList* SubIconMenu() const = 0;

    // ---- Toolbars ----
    virtual TDockToolbar* ToolbarString() const = 0;
    virtual TDockToolbar* ToolbarFont() const = 0;
    // Any sb* button by name; null for an unknown name.
    virtual TDockButton* ToolButton(std::string_view Name) const = 0;
    virtual TMySpinEdit* WrapSpnEd() const = 0;

    // ---- Panels and shared dialogs ----
    virtual QWidget* PanelL() const = 0;
    virtual QSplitter* Separater1() const = 0;
    virtual TOpenDialog* OpenDialog1() const = 0;
    virtual TSaveDialog* SaveDialog1() const = 0;
    virtual TTreeImageList* TreeImageList() const = 0;
    virtual TTreeImageList* TreeSubImageList() const = 0;

    // ---- State ----
    virtual int WrapByteCache() const = 0;
    virtual int InsertNumber() const = 0;
    virtual void SetInsertNumber(int Value) = 0;
    virtual const std::vector<TTreeNode*>& BackList() const = 0;
    virtual const std::vector<TTreeNode*>& ForwardList() const = 0;
    // Empties both page-history lists and disables sbPageUndo and sbPageRedo.
    virtual void ClearPageHistory() = 0;

    // ---- Commands ----
    virtual void OpKeyCustomClick() = 0;
    virtual void OpMainClick() = 0;
    virtual void OpLoadColorClick() = 0;
    virtual void OpSaveColorClick() = 0;
    virtual void ApplyEditorColors() = 0;
    virtual void SetupFountain() = 0;
    virtual void TreeImageSellect(TMenuItem* Sender) = 0;
    // The clipping-mode conversion chain (Shift-JIS in and out).
    virtual std::string ConvertClipText(const std::string& Text) = 0;
    virtual void EdSortClick() = 0;
    virtual void OpGenkouClick() = 0;
    virtual void pEdDesuToDaClick() = 0;
    virtual void pEdDaToDesuClick() = 0;
    virtual void pEdCalcClick() = 0;

protected:
    ~IMainWindow() = default;
};

// The main window; set while it exists, null before and after.
inline IMainWindow* VelkForm = nullptr;
