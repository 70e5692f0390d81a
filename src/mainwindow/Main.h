// The main window: the page tree beside the page editor, the menus, the
// toolbars and the status bar; the program's start and end; and the glue
// between the tree, the editor and the buttons. The rooms that hold the
// commands' state (the document's files, the views, the sub-icons ...) are
// the window's parts (WindowParts.h); each reaches the window through a host
// interface of its own, answered by an adapter in the file that makes the
// room.
#pragma once

#include "MainMenus.h"

#include <QMainWindow>
#include <array>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class IFormTimer;
class ISettingsHost;
class QLabel;
class QSplitter;
class TClippingMode;
class TDockButton;
class TDockToolbar;
class TDocumentFiles;
class TEditCommands;
class TEditModeSwitch;
class TEditorEx;
class TEditorLook;
class TExternalEditor;
class TFindAndReplace;
class TFontToolbar;
class THTMLFountain;
class THelpCommands;
class TInstanceRegistry;
class TOpenDialog;
class TOptionToggles;
class TOutlineBinding;
class TPageLinks;
class TPaneViews;
class TStatusPanel;
class TStatusPanelRow;
class TSubIcons;
class TToolDock;
class TTreeView;
struct TEnabling;
struct TMenuSnapshot;
struct TSessionEnd;
struct TWindowParts;
enum class TPageHistoryMenu;

// What start-up decided.
enum class TStartOutcome { Run, Quit };

class TVelkForm : public QMainWindow {
public:
    // Builds the window; nothing of the start-up runs yet. Instances is
    // the registry of running instances (not owned); Timer the auto-save
    // timer (a Qt timer when null or not given, so that callers need not
    // know the timer's type).
    explicit TVelkForm(TInstanceRegistry& Instances);
    TVelkForm(TInstanceRegistry& Instances, std::unique_ptr<IFormTimer> Timer);
    ~TVelkForm() override;

    // ---- Life cycle ----
    // Start-up with the command-line parameters (absolute, Shift-JIS).
    // Quit: this instance is to end without showing its window.
    TStartOutcome FormCreate(const std::vector<std::string>& Parameters);
    // Asks and writes what closing writes; true when the window may close.
    bool FormCloseQuery();
    // The desktop session ends: the window closes as on any close request,
    // with its question, and the session goes on when the window stays.
    void SessionEnding(const TSessionEnd& Session);
    void Timer1Timer();
    // A text another instance sent.
    void AppMessageHandler(const std::string& Text);

    // ---- The rooms (WindowParts.h) ----
    // The document's name and caption, its files and outputs.
    TDocumentFiles& DocumentFiles() const;
    // The pages of the tree and the page the editor shows.
    TOutlineBinding& Binding() const;
    // The window as the settings file and the colour schemes read and write it.
    ISettingsHost& SettingsHost() const;
    TFindAndReplace& FindAndReplace() const;
    TEditCommands& EditCommands() const;
    TEditModeSwitch& EditModeSwitch() const;
    TFontToolbar& FontToolbar() const;
    TEditorLook& EditorLook() const;
    TOptionToggles& OptionToggles() const;
    TPaneViews& PaneViews() const;
    TPageLinks& PageLinks() const;
    TSubIcons& SubIcons() const;
    TClippingMode& Clipping() const;
    TExternalEditor& ExternalEditor() const;
    THelpCommands& HelpCommands() const;
    THTMLFountain* HTMLFountain1() const;
    TOpenDialog* OpenDialog1() const;

    // ---- Page glue ----
    // One notch of the wheel over an editor: +1 away from the user.
    void WMMouseWheel(int Notch);
    // The panes wrap at the window's edge while RightRtn is on.
    void ApplyWindowWrap();
    // The document takes the mode it was saved with.
    void SwitchEditMode(int Mode);

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
    TStatusPanel* StatusPanel(int Index) const { return StatusPanels_.at(static_cast<size_t>(Index)); }
    TMenuItem* MenuItem(std::string_view Name) const { return Menus_.ItemNamed(Name); }
    TPopupMenu* EditPopupMenu() const;
    TPopupMenu* ImagePopupMenu() const;
    TDockToolbar* ToolbarString() const { return Toolbar("ToolbarString"); }
    TDockToolbar* ToolbarFont() const { return Toolbar("ToolbarFont"); }
    // The button a test or the settings file names; an unknown name throws.
    TDockButton* ToolButton(std::string_view Name) const;
    QWidget* PanelL() const { return PanelL_; }
    QSplitter* Separater1() const { return Separater1_; }
    int InsertNumber() const { return InsertNumber_; }

protected:
    void showEvent(QShowEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;
    void closeEvent(QCloseEvent* Event) override;
    // A document file dropped on the window opens (MainDocument.cpp).
    void dragEnterEvent(QDragEnterEvent* Event) override;
    void dropEvent(QDropEvent* Event) override;

private:
    // ---- Building (MainForm.cpp, MainToolbars.cpp) ----
    void CreateEditorAndTree();
    void CreateStatusBar();
    void CreateToolbars();
    void CreateDropdownButtons();
    void LayOutForm();
    QLabel* CreateFileNotice();
    TDockToolbar* Toolbar(std::string_view Name) const;
    // A toolbar button; never null: an id no button has throws std::logic_error.
    TDockButton* Button(TCommandId Id) const;
    // The button of Id, or null when Id is a menu item's.
    TDockButton* FindButton(TCommandId Id) const;

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
    void BuildPageHistoryMenu(TPageHistoryMenu Which);

    // ---- Life cycle (MainLifeCycle.cpp) ----
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
    // Text (UTF-8) about the document's file above the panes; "" hides it.
    void ShowFileNotice(const std::string& Text);
    void FindListChanged();

    // ---- Making the rooms, each beside its adapter (WindowParts.h) ----
    void CreateSettingsHost();
    void CreateBinding();
    void CreateDocumentFiles();
    void CreateSubIcons();
    void CreatePaneViews();
    void CreateClipping();
    void CreateExternalEditor();
    void CreateFontToolbar();
    void CreateOutlineCommands();
    void CreateTreeViewCommands();
    void CreateFindAndReplace();
    void CreateEditCommands();
    void CreateEditModeSwitch();
    void CreateOptionRooms();
    void CreatePageLinks();
    void CreateHelpCommands();

    TInstanceRegistry& Instances_;
    std::unique_ptr<IFormTimer> Timer1_;
    TVelkMenus Menus_;
    // The rooms, their adapters and the helpers the window made; declared
    // after the menus, which the rooms use to the end. The adapters, nested
    // in the parts, answer the rooms with the window's private state.
    friend struct TWindowParts;
    std::unique_ptr<TWindowParts> Parts_;

    QWidget* PanelL_ = nullptr;
    QSplitter* Separater1_ = nullptr;
    TTreeView* DataTree_ = nullptr;
    TEditorEx* DataMemo_ = nullptr;
    TEditorEx* ActiveEditor_ = nullptr;
    TToolDock* ToolDock1_ = nullptr;
    TToolDock* ToolDock2_ = nullptr;
    QLabel* EdModeLabel_ = nullptr;
    QLabel* FileNotice_ = nullptr;
    TStatusPanelRow* StatusPanelRow_ = nullptr;
    std::array<TStatusPanel*, 6> StatusPanels_{};

    bool Shown_ = false;
    bool StatusBarPending_ = false;
    bool ClipboardHasText_ = false;
    int InsertNumber_ = 1;
    std::string DateFormatText_;
    std::string TimeFormatText_;
};
