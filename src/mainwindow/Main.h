// The main window: the page tree on the left, the page editor on the right,
// the menu bar and popup menus, the toolbars on their docks and the status
// bar; the program's start and end; and the glue between the tree, the
// editor and the buttons.
//
// The work is spread by job: MainForm.cpp builds the window, MainToolbars.cpp
// the toolbars and their buttons, MainCommands.cpp binds the menu items to
// their handlers and computes the menus' states, MainLifeCycle.cpp holds
// start-up, the first show, closing, the auto-save timer and the messages
// of other instances, MainPageGlue.cpp the editor's events, the status bar
// and the button states. The rooms (the document's files, the views, the
// sub-icons ...) reach the window through host interfaces of their own,
// which private adapters answer: MainOutlineHost.cpp for the page binding,
// MainDocument.cpp, MainSettings.cpp (the window as the settings file reads
// and writes it), MainSubIcons.cpp and MainEditingHosts.cpp. The rules
// behind them are plain functions in mainwindow_core.
#pragma once

#include "MainMenus.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class QLabel;
class TStatusPanel;
class TStatusPanelRow;
class TTreeChangeWatch;
class QSplitter;
class TClippingMode;
class TConversionCommands;
class TEditorLook;
class IFindAndReplaceHost;
class TFindAndReplace;
class IOutlineCommandsHost;
class TOutlineCommands;
class ITreeViewHost;
class TTreeViewCommands;
class TExternalEditor;
class TFontToolbar;
class IHelpCommandsHost;
class THelpCommands;
class THTMLFountain;
class TMenuItem;
class TOpenDialog;
class TOutlineBinding;
class TOptionCommands;
class TOptionToggles;
class TPopupMenu;
class TSaveDialog;
class TSubIcons;
class TTreeImageList;
class TTreeNode;
class TTreeView;
class TPaneViews;
class IPageLinksHost;
class TPageLinks;
class TDockButton;
class TDocumentFiles;
class TEditCommands;
class IEditCommandsHost;
class IEditModeHost;
class TEditModeSwitch;
class IConversionCommandsHost;
class IEditorLookHost;
class IOptionCommandsHost;
class IOptionTogglesHost;
class TDockToolbar;
class TEditorEx;
class TInstanceRegistry;
class TShortCutDispatcher;
class TToolDock;
class TToolImageList;
class IClippingHost;
class IFormTimer;
class IDocumentHost;
class IExternalEditorHost;
class IFontToolbarHost;
class IOutlineHost;
class IPaneViewsHost;
class ISettingsHost;
class ISubIconHost;
enum class TPageHistoryMenu;
struct TEnabling;
struct TMenuSnapshot;

// What start-up decided.
enum class TStartOutcome { Run, Quit };

class TVelkForm : public QMainWindow {
public:
    // Builds the window; nothing of the start-up runs yet. Instances is
    // the registry of running instances (not owned); Timer the auto-save
    // timer (a Qt timer when null).
    explicit TVelkForm(TInstanceRegistry& Instances, std::unique_ptr<IFormTimer> Timer = nullptr);
    ~TVelkForm() override;

    // ---- Life cycle ----
    // Start-up with the command-line parameters (absolute, Shift-JIS).
    // Quit: this instance is to end without showing its window.
    TStartOutcome FormCreate(const std::vector<std::string>& Parameters);
    // Asks and writes what closing writes; true when the window may close.
    bool FormCloseQuery();
    void Timer1Timer();
    // A text another instance sent.
    void AppMessageHandler(const std::string& Text);

    // ---- Document ----
    // The document's name and caption, its files and outputs (DocumentFiles.h).
    TDocumentFiles& DocumentFiles() const { return *DocumentFiles_; }
    // The pages of the tree and the page the editor shows (OutlineBinding.h).
    TOutlineBinding& Binding() const { return *Binding_; }
    // The window as the settings file and the colour schemes read and write it.
    ISettingsHost& SettingsHost() const { return *SettingsHost_; }
    TStatusPanel* StatusPanel(int Index) const { return StatusPanels_.at(static_cast<size_t>(Index)); }

    // ---- Page glue ----
    // One notch of the wheel over an editor: +1 away from the user.
    void WMMouseWheel(int Notch);
    // The panes wrap at the window's edge while RightRtn is on.
    void ApplyWindowWrap();

    // ---- What the window's parts and the tests reach ----
    // The pane that holds the page: DataMemo, or a view's pane.
    TEditorEx* ActiveEditor() const { return ActiveEditor_; }
    TEditorEx* DataMemo() const { return DataMemo_; }
    // The split or browse view's pane; null while neither is open.
    TEditorEx* SecondEditor() const;
    bool BrowseViewOn() const;
    TTreeView* DataTree() const { return DataTree_; }
    int EditMode() const;
    QLabel* EdModeLabel() const { return EdModeLabel_; }
    THTMLFountain* HTMLFountain1() const { return HTMLFountain1_.get(); }
    TMenuItem* MenuItem(std::string_view Name) const { return Menus_.ItemNamed(Name); }
    TPopupMenu* EditPopupMenu() const;
    TPopupMenu* ImagePopupMenu() const;
    TDockToolbar* ToolbarString() const { return Toolbar("ToolbarString"); }
    TDockToolbar* ToolbarFont() const { return Toolbar("ToolbarFont"); }
    // The button a test or the settings file names; an unknown name throws.
    TDockButton* ToolButton(std::string_view Name) const;
    QWidget* PanelL() const { return PanelL_; }
    QSplitter* Separater1() const { return Separater1_; }
    TOpenDialog* OpenDialog1() const { return OpenDialog1_.get(); }
    int InsertNumber() const { return InsertNumber_; }

protected:
    void showEvent(QShowEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;
    void closeEvent(QCloseEvent* Event) override;

private:
    // ---- Building (MainForm.cpp, MainToolbars.cpp) ----
    void CreateEditorAndTree();
    void CreateStatusBar();
    void CreateToolbars();
    void CreateDropdownButtons();
    void LayOutForm();
    TDockToolbar* Toolbar(std::string_view Name) const;
    // A toolbar button; never null: an id no button has throws std::logic_error.
    TDockButton* Button(TCommandId Id) const;
    // The button of Id, or null when Id is a menu item's.
    TDockButton* FindButton(TCommandId Id) const;
    TPopupMenu* dmyPopupMenu() const;

    // ---- Settings (MainSettings.cpp) ----
    int SplitLine() const;
    void SetTreePanelExtent(int Extent);

    // ---- Commands (MainCommands.cpp) ----
    // Gives the named items their handlers and enables them. Each area of
    // commands binds its own items (Bind...Commands) through this.
    void BindItems(std::span<const TCommandBinding> Items) { Menus_.Bind(Items); }
    // Gives the toolbar buttons their handlers.
    void BindButtons(std::span<const TCommandBinding> Buttons) const;
    void BindCommands();
    void FlExitClick() { close(); }
    void BindPopups();
    // A menu's OnClick: items follow the buttons that run the same command.
    void ComputeMenuStates(TObject* Sender);
    TMenuSnapshot MenuSnapshot(bool AskClipboard) const;
    void ApplyMenuStates(const std::vector<TEnabling>& States);
    void EditPopupMenuPopup();
    bool CaretLineHasText(const TEditorEx& Editor) const;
    void BuildPageHistoryMenu(TPageHistoryMenu Which);

    // ---- Life cycle (MainLifeCycle.cpp) ----
    void DeleteLeftoverTransferFiles();
    void MakeProgramSubfolder(const char* Name, const char* Warning);
    void FormShow();
    void ApplyShownSettings();
    void UpdateButtonHints();
    void ClearPageHistory();

    // ---- Page glue (MainPageGlue.cpp), and what the rooms ask through their adapters ----
    void DataMemoChange(TObject* Sender);
    void DataMemoCaretMoved(TObject* Sender);
    void DataMemoSelectionChange(TObject* Sender, bool Selected);
    void DataMemoEnter(TObject* Sender);
    void DataMemoExit(TObject* Sender);
    void DataMemoResize(TObject* Sender);
    void DataMemoDrawLine(TObject* Sender, const std::string& LineStr, int X, int Y, int Index, const QRect& ARect,
                          bool Selected);
    void ApplyScrollBars(TEditorEx& Editor);
    // The clipboard holds text, as last heard from the clipboard, and the
    // active pane may take it.
    bool PasteEnabled() const;
    void UpdateSelectionButtons(bool OnEnter);
    void UpdatePageDevide(const TEditorEx& Editor);
    void UpdateCaretPanel();
    // Every change of the tree brings the status bar up to date once the
    // command that made it is done (a command may change many nodes).
    void FollowTreeChanges();
    void SetEnabled(const std::vector<TEnabling>& List);
    void UpdateStatusBar();
    void UpdateToolButtons();
    // sbUndo and sbRedo; sbPageUndo and sbPageRedo.
    void SetEditUndoButtons(bool CanUndo, bool CanRedo);
    void SetPageHistoryButtons(bool CanGoBack, bool CanGoForward);
    // The document is modified: the panes' flags set, sbSave enabled.
    void MarkModified();
    bool BoxSelectionOn() const;
    bool ClippingOn() const;
    std::string ConvertClipText(const std::string& Text);
    // Tells in the status bar of Count characters that became "?" (none: nothing).
    void ShowUnmappedNotice(int Count);

    // ---- The window as each room sees it ----
    // One adapter per host interface, defined beside the window's answers
    // to that room, where alone it is complete: so each is made there and
    // held as its interface. Made first (MainForm.cpp) and declared before
    // the rooms, which they outlive.
    class TOutlineHost;   // MainOutlineHost.cpp
    class TDocumentHost;  // MainDocument.cpp
    class TSettingsHost;  // MainSettings.cpp
    class TSubIconHost;   // MainSubIcons.cpp
    class TPaneViewsHost; // MainEditingHosts.cpp, with the three below
    class TClippingHost;
    class TExternalEditorHost;
    class TFontToolbarHost;
    std::unique_ptr<IOutlineHost> MakeOutlineHost();
    std::unique_ptr<IDocumentHost> MakeDocumentHost();
    std::unique_ptr<ISettingsHost> MakeSettingsHost();
    std::unique_ptr<ISubIconHost> MakeSubIconHost();
    std::unique_ptr<IPaneViewsHost> MakePaneViewsHost();
    std::unique_ptr<IClippingHost> MakeClippingHost();
    std::unique_ptr<IExternalEditorHost> MakeExternalEditorHost();
    std::unique_ptr<IFontToolbarHost> MakeFontToolbarHost();
    std::unique_ptr<IOutlineHost> OutlineHost_;
    std::unique_ptr<IDocumentHost> DocumentHost_;
    std::unique_ptr<ISettingsHost> SettingsHost_;
    std::unique_ptr<ISubIconHost> SubIconHost_;
    std::unique_ptr<IPaneViewsHost> PaneViewsHost_;
    std::unique_ptr<IClippingHost> ClippingHost_;
    std::unique_ptr<IExternalEditorHost> ExternalEditorHost_;
    std::unique_ptr<IFontToolbarHost> FontToolbarHost_;

    TInstanceRegistry& Instances_;
    std::unique_ptr<IFormTimer> Timer1_;
    TVelkMenus Menus_;
    std::unique_ptr<TShortCutDispatcher> Dispatcher_;

    QWidget* PanelL_ = nullptr;
    QSplitter* Separater1_ = nullptr;
    TTreeView* DataTree_ = nullptr;
    TEditorEx* DataMemo_ = nullptr;
    TEditorEx* ActiveEditor_ = nullptr;
    TToolDock* ToolDock1_ = nullptr;
    TToolDock* ToolDock2_ = nullptr;
    std::map<std::string, TDockToolbar*, std::less<>> Toolbars_;
    std::map<TCommandId, TDockButton*> Buttons_;
    std::unique_ptr<TToolImageList> ButtonImages_;
    QLabel* EdModeLabel_ = nullptr;
    TStatusPanelRow* StatusPanelRow_ = nullptr;
    std::array<TStatusPanel*, 6> StatusPanels_{};
    std::unique_ptr<TTreeChangeWatch> TreeWatch_;
    bool StatusBarPending_ = false;
    std::unique_ptr<THTMLFountain> HTMLFountain1_;
    std::unique_ptr<TOpenDialog> OpenDialog1_;
    std::unique_ptr<TSaveDialog> SaveDialog1_;
    std::unique_ptr<TTreeImageList> TreeImageList_;
    std::unique_ptr<TOutlineBinding> Binding_;

    bool Shown_ = false;
    bool ClipboardHasText_ = false;
    int InsertNumber_ = 1;
    std::string DateFormatText_;
    std::string TimeFormatText_;

    // ---- The document (MainDocument.cpp; its files and outputs are TDocumentFiles) ----------
protected:
    void dragEnterEvent(QDragEnterEvent* Event) override;
    void dropEvent(QDropEvent* Event) override;

private:
    std::unique_ptr<TDocumentFiles> DocumentFiles_;
    // ---- end of the document's members ----------------------------------------------------

    // ---- Tree commands and the page clipboard (OutlineCommands.h, TreeViewCommands.h) -----
private:
    // The window as the commands that reshape the outline see it
    // (MainTreeCommands.cpp).
    class TOutlineCommandsHost;
    void CreateOutlineCommands();
    // Each host is declared before its room: it outlives it.
    std::unique_ptr<IOutlineCommandsHost> OutlineCommandsHost_;
    std::unique_ptr<TOutlineCommands> OutlineCommands_;
    // The window as the commands that change what the tree shows see it
    // (MainTreeViewCommands.cpp).
    class TTreeViewHost;
    void CreateTreeViewCommands();
    std::unique_ptr<ITreeViewHost> TreeViewHost_;
    std::unique_ptr<TTreeViewCommands> TreeViewCommands_;
    // ---- end of the tree commands' members -------------------------------------------------

    // ---- Find and replace (FindAndReplace.h; MainSearchCommands.cpp) ---------------------
public:
    TFindAndReplace& FindAndReplace() const { return *FindAndReplace_; }

private:
    void FindListChanged();
    // The window as the find and replace commands see it.
    class TFindHost;
    void CreateFindAndReplace();
    // Declared before the room: it outlives it.
    std::unique_ptr<IFindAndReplaceHost> FindHost_;
    std::unique_ptr<TFindAndReplace> FindAndReplace_;
    // ---- end of the find and replace members ---------------------------------------------

    // ---- Edit commands and editor keys (EditCommands.h; MainEditCommandsHost.cpp), edit modes
    // (EditModeSwitch.h; MainEditModeHost.cpp), font and symbol toolbar (FontToolbar.h) -------------
public:
    TEditCommands& EditCommands() const { return *EditCommands_; }
    TEditModeSwitch& EditModeSwitch() const { return *EditModeSwitch_; }
    // The document takes the mode it was saved with.
    void SwitchEditMode(int Mode);
    TFontToolbar& FontToolbar() const { return *FontToolbar_; }

private:
    void CreateEditCommands();
    void CreateEditModeSwitch();
    std::unique_ptr<TFontToolbar> FontToolbar_;
    // The window as the edit commands see it (MainEditCommandsHost.cpp); it
    // outlives them.
    class TEditHost;
    std::unique_ptr<IEditCommandsHost> EditHost_;
    std::unique_ptr<TEditCommands> EditCommands_;
    // The window as the edit modes see it (MainEditModeHost.cpp).
    class TEditModeHost;
    std::unique_ptr<IEditModeHost> EditModeHost_;
    std::unique_ptr<TEditModeSwitch> EditModeSwitch_;
    // ---- end of the edit commands' members -------------------------------------------------------

    // ---- The Options menu, its switches, the page editor's look, the conversion commands ----
    // (OptionCommands.h, OptionToggles.h, EditorLook.h, ConversionCommands.h; MainOptionHosts.cpp)
public:
    TEditorLook& EditorLook() const { return *EditorLook_; }
    TOptionToggles& OptionToggles() const { return *OptionToggles_; }

private:
    // The window as each room sees it, declared before the room: it
    // outlives it.
    class TEditorLookHost;
    class TOptionTogglesHost;
    class TOptionCommandsHost;
    class TConversionCommandsHost;
    void CreateOptionRooms();
    std::unique_ptr<IEditorLookHost> EditorLookHost_;
    std::unique_ptr<TEditorLook> EditorLook_;
    std::unique_ptr<IOptionTogglesHost> OptionTogglesHost_;
    std::unique_ptr<TOptionToggles> OptionToggles_;
    std::unique_ptr<IOptionCommandsHost> OptionCommandsHost_;
    std::unique_ptr<TOptionCommands> OptionCommands_;
    std::unique_ptr<IConversionCommandsHost> ConversionCommandsHost_;
    std::unique_ptr<TConversionCommands> ConversionCommands_;
    // ---- end of the Options menu's and the conversion commands' members ---------------------

    // ---- Split and browse views (PaneViews.h) ----------------------------------------------------------
public:
    TPaneViews& PaneViews() const { return *PaneViews_; }

private:
    std::unique_ptr<TPaneViews> PaneViews_;
    // ---- end of the views' members ------------------------------------------------------------------

    // ---- Links and row marks (PageLinks.h; MainPageLinksHost.cpp) -----------------------------------
public:
    TPageLinks& PageLinks() const { return *PageLinks_; }

private:
    void CreatePageLinks();
    // The window as the links see it; it outlives them.
    class TPageLinksHost;
    std::unique_ptr<IPageLinksHost> PageLinksHost_;
    std::unique_ptr<TPageLinks> PageLinks_;
    // ---- end of the links' members ------------------------------------------------------------------

    // ---- Sub-icons and their finder (TSubIcons; MainSubIcons.cpp answers them) -------------------
public:
    TSubIcons& SubIcons() const { return *SubIcons_; }

private:
    std::unique_ptr<TSubIcons> SubIcons_;
    // ---- end of the sub-icons' members -------------------------------------------------------

    // ---- Clipping mode (ClippingMode.h) and the external editor (ExternalEditor.h) ------------
    // (MainEditingHosts.cpp: the window as they see it)
public:
    TClippingMode& Clipping() const { return *Clipping_; }
    TExternalEditor& ExternalEditor() const { return *ExternalEditor_; }

private:
    std::unique_ptr<TClippingMode> Clipping_;
    std::unique_ptr<TExternalEditor> ExternalEditor_;
    // ---- end of clipping mode and the external editor's members ----------------------------

    // ---- Help and the about box (HelpCommands.h; MainHelpCommandsHost.cpp) -------------------
public:
    THelpCommands& HelpCommands() const { return *HelpCommands_; }

private:
    void CreateHelpCommands();
    // The window as the help commands see it; it outlives them.
    class THelpCommandsHost;
    std::unique_ptr<IHelpCommandsHost> HelpCommandsHost_;
    std::unique_ptr<THelpCommands> HelpCommands_;
    // ---- end of the help members -------------------------------------------------------------
};
