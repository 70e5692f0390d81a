// The user's own editor: a page goes out to it through a transfer file
// beside the program and comes back when the editor ends; or the whole
// document is shown in it without waiting. Whether this instance's edit
// runs, and what other instances told of theirs, are this class's state.
#pragma once

#include <optional>
#include <string>

class IExternalEditorHost;
class QWidget;
class TDockButton;
class TEditorEx;
class TInstanceRegistry;
class TOutlineBinding;
class TTreeView;
class TVelkMenus;

// What other instances are told while an external edit runs (Shift-JIS);
// an empty text tells that it ended.
const std::string& ExternalEditRunningText();

// The window's parts the external editor works on; they outlive it.
struct TExternalEditorParts {
    // Takes no dropped documents while a page is out.
    QWidget& Window;
    TVelkMenus& Menus;
    TEditorEx& DataMemo;
    TTreeView& DataTree;
    TOutlineBinding& Binding;
    TInstanceRegistry& Instances;
    // sbGoEditor.
    TDockButton& GoEditorButton;
};

class TExternalEditor {
public:
    // Binds pEdGoHide, EdAllView and sbGoEditor.
    TExternalEditor(IExternalEditorHost& Host, TExternalEditorParts Parts);

    // Edits the current page in the user's editor and takes the result back.
    void pEdGoHideClick();
    // Shows the whole document in the user's editor, without waiting.
    void EdAllViewClick();

    // This instance's page is out in the external editor: closing is
    // refused. Tests set it.
    bool OwnExternalEditRunning() const { return OwnExternalEdit_; }
    void SetOwnExternalEditRunning(bool Value) { OwnExternalEdit_ = Value; }
    // What another instance told last: ExternalEditRunningText while its
    // edit runs, else empty.
    const std::string& ExternalEditText() const { return ExternalEditText_; }
    // An external edit may start: the option is on, clipping is off and no
    // edit runs, here or in another instance. sbGoEditor follows it.
    bool ExternalEditAllowed() const;
    // Another instance told Text; sbGoEditor follows.
    void ExternalEditTold(const std::string& Text);
    // A transfer file left beside the program at start-up means an
    // external edit still runs in another instance.
    void DetectRunningExternalEdit();

private:
    void BindCommands();
    // Writes the page out, runs the editor and waits; the text read back,
    // or nothing when the editor left no file.
    std::optional<std::string> RunExternalEdit(const std::string& Page, const std::string& TransferFile);
    void SetExternalEditLocks(bool Locked);

    IExternalEditorHost& Host_;
    TExternalEditorParts Parts_;
    bool OwnExternalEdit_ = false;
    std::string ExternalEditText_;
    // The split pane made read-only for an external edit, to be unlocked.
    TEditorEx* LockedSecondEditor_ = nullptr;
};
