// The document and its files: the document's name and caption, new, open,
// save, save as, the recent-file lists, text files read as pages, files
// dropped on the window, the save questions of closing and the auto-save
// (MainFile.cpp); hierarchical text read and written, the text outputs and
// the HTML export (MainOutputCommands.cpp).
//
// Every command keeps the open document whole until it has something whole
// to put in its place: a file is read and checked completely before the
// tree is touched, the document's name changes only after a read or a
// write succeeded, and a command that would replace a modified document
// goes on only after the document was really saved or the user said No.
// No save writes over a file that another program changed since this
// window read or wrote it without asking first (FileVersion.h), and no
// answer that Return or Escape gives loses either version.
#pragma once

#include "FileVersion.h"
#include "ModalActivity.h"

#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

class IDocumentHost;
class TDockButton;
class TFileSystem;
class TInstanceRegistry;
class TObject;
class TOpenDialog;
class TOpenMenuList;
class TSaveDialog;
class TVelkMenus;
struct TSaveQuestion;

// The toolbar buttons of the document's commands.
struct TDocumentButtons {
    TDockButton& sbPageNew;
    TDockButton& sbSave;
    TDockButton& sbLoadTreeText;
    TDockButton& sbTextOutput;
};

class TDocumentFiles {
public:
    // Binds the document's menu items and buttons. The dialogs are the
    // window's, which its other commands use too; Instances tells other
    // windows of the program this one's caption.
    TDocumentFiles(IDocumentHost& Host, TVelkMenus& Menus, const TDocumentButtons& Buttons,
                   TInstanceRegistry& Instances, TOpenDialog& OpenDialog1, TSaveDialog& SaveDialog1);
    ~TDocumentFiles();
    TDocumentFiles(const TDocumentFiles&) = delete;
    TDocumentFiles& operator=(const TDocumentFiles&) = delete;

    // ---- The document's name and caption ----
    // The document path without its extension ("" for a new document).
    const std::string& DocFileName() const { return DocFileName_; }
    // The document was opened or saved under DocFileName.
    bool HasFileName() const { return HasFileName_; }
    // The document's caption without the clipping marker (Shift-JIS).
    const std::string& DocumentCaption() const { return DocumentCaption_; }
    // The window's caption (Shift-JIS): the document's caption, with the
    // clipping marker while clipping mode is on. The window's title leads
    // it with "(*)" then; other windows of the program see it without.
    std::string CaptionText() const;
    // The window shows the caption again (clipping mode was switched).
    void RefreshCaption() { SetCaption(DocumentCaption_); }
    // The document now lives in DocFileName + ".vk2"; the caption shows it.
    void NameDocument(const std::string& DocFileName);
    // The last open was declined: another window holds the file.
    bool OpenDeclined() const { return OpenDeclined_; }
    TOpenMenuList& History() const { return *History_; }
    TOpenMenuList& TreeHistory() const { return *TreeHistory_; }

    // ---- Document file (MainFile.cpp) ----
    // A new document of one "UnTitled" page, caption "NewFile".
    void FlNewClick();
    void FlOpenClick();
    // Save, and save even when unchanged.
    void FlSaveClick();
    void FlOverSaveClick();
    void FlSaveAsClick();
    void FlPageTextLoadClick();
    void HistoryClick(TObject* Sender);
    void TreeHistoryClick(TObject* Sender);
    // Reads Name + ".vk2" into the window; the open document, its name and
    // caption change only when the whole file was read. False when not read.
    bool LoadOutline(const std::string& Name);
    // Writes the document to Name + ".vk2" when it is modified; false when
    // the write failed (told, the document stays modified).
    bool SaveOutline(const std::string& Name);
    // Files dropped on the window (Shift-JIS paths): a document may be
    // opened; other files are linked at the caret, and those whose names a
    // link cannot hold may be read as pages instead.
    void DropFiles(const std::vector<std::string>& Files);
    // Links to Files at the caret of the active pane.
    void InsertFileLinks(const std::vector<std::string>& Files);
    // The save question (or the forced save) of closing the window; true
    // when the document may go.
    bool CloseQuery();
    // What closing may do when no one may be asked (the desktop session
    // ends without leave to ask): the forced save, when the options ask
    // for it. Over a file another program changed, the edits go into a
    // save copy beside it, which the next open tells of.
    void SaveUnasked();
    // A tick of the auto-save timer: saves when the settings ask for it. A
    // tick during a question, a modal dialog or a walk waits until it is
    // over (ModalActivity.h).
    void AutoSave();
    // Tests that are not about the document file stand in for its two
    // saves; empty functions give them back.
    void StandInForSaves(std::function<void()> Save, std::function<void()> OverSave);
    // Tests make the document's writes fail: they go through System.
    void UseFileSystem(TFileSystem& System);

    // ---- Hierarchical text, text outputs, HTML export (MainOutputCommands.cpp) ----
    void FlTreeTextOpenClick();
    void FlTreeTextSaveClick();
    // The selected page and its descendants as hierarchical text; refused,
    // with a word, for a page without children.
    void FlPageTreeTextSaveClick();
    // The chooser of the text outputs, then the output chosen.
    void FlTextSellectClick();
    // Output Kind (TTextOutputKind) with the chooser's last numbering and
    // connecting-line choices; Numbered, when given, decides the numbering.
    void RunTextOutput(int Kind, std::optional<bool> Numbered = std::nullopt);
    void FlPageTextSavePartClick();
    // The selected page and its descendants as HTML pages in a folder.
    void FlHtmlSaveClick();
    // Reads Path as hierarchical text into a new document without a file
    // name; the open document changes only when the file was read.
    bool LoadTreeText(const std::string& Path);

private:
    void BindFileCommands(const TDocumentButtons& Buttons);
    void BindOutputCommands(const TDocumentButtons& Buttons);
    // Shows DocumentCaption, marked while clipping is on.
    void SetCaption(const std::string& DocumentCaption);
    // The document has a file of its own to save to; else a save asks for one.
    bool HasDocumentFile() const;
    // The document's file, which files written from the document are made
    // from (WriteFileAtomic's MadeFrom); "" while it has none.
    std::string MadeFromDocument() const;
    // Another window of the program holds Path ("open elsewhere").
    bool IsOpenElsewhere(const std::string& Path) const;
    // The question "save the changes first?" over this document; Save
    // answers Yes (FlSaveClick when empty).
    TSaveQuestion MakeSaveQuestion(const std::function<void()>& Save = {});
    // The save question before New replaces the document; false when the
    // document is to stay.
    bool SaveQuestion();
    // The options ask that closing, or replacing the document, saves it
    // without a question.
    bool ForcedSaveApplies() const;
    // The save question, or the forced save, of the commands that replace
    // the document; true when it may be replaced. Save answers Yes
    // (FlSaveClick when empty).
    bool SaveFirst(const std::function<void()>& Save = {});
    // A tick that waited: dropped when the save question was answered
    // meanwhile (the answer decided what becomes of the edits), when
    // another document is open, or when nothing is left to save.
    void AutoSaveAfterWait();
    bool RefuseSave(const std::string& FileName, const std::string& Prefix);
    // What a save to FileName writes: the file itself (Over), or, should
    // another program have changed it since this window read or wrote it,
    // what the user chooses: the window's document beside it (Beside, which
    // Return answers), over it, or nothing (Keep, Escape). A save no one is
    // there to answer writes beside it; the auto-save writes nothing and
    // says so in the window, where the notice takes no key.
    enum class TWriteChoice { Over, Beside, Keep };
    TWriteChoice MayWriteOver(const std::string& FileName, const std::string& Prefix);
    // Keeps both versions: writes the document beside FileName under a new
    // name, tells it, and the window goes on in that file. A save no one
    // is there to answer writes a save copy instead, which the next open
    // tells of, and the document keeps its name. False when nothing was
    // written (told when someone is there).
    bool SaveBeside(const std::string& FileName);
    // The document now lives in FileName, which holds Version.
    void DocumentWritten(const std::string& FileName, TFileVersion Version);
    // This window read or wrote FileName, which held Version then.
    void KnowFile(const std::string& FileName, TFileVersion Version);
    // A write of FileName failed: what it left there (a rewrite in place
    // that could not be undone leaves the file cut short) is this window's
    // doing, which the next save must not take for another program's.
    void KnowWhatIsLeft(const std::string& FileName);
    std::string SavePrefix() const;
    // Each text file read as a page of its own after the current one; the
    // first goes into the current page when the active editor is empty. A
    // file that is text in no encoding is told and left out.
    void ReadTextPages(const std::vector<std::string>& Files);
    // The title and link lines that Options.TextToPage puts before File's
    // text.
    static std::string TextPageHead(const std::string& File);
    // The user's leave to read Files, whose names a link cannot hold, as pages.
    static bool MayReadAsPages(const std::vector<std::string>& Files);
    // File as a link names it: relative to the document when the options ask.
    std::string LinkPathOf(const std::string& File) const;
    // The save question before hierarchical text replaces the document;
    // true when it may be replaced.
    bool SaveBeforeTreeText();
    // Refusals of output Kind, told; true when it is not to run.
    bool OutputRefused(int Kind);
    // Asks for the file and writes output Kind; true when written.
    bool SaveTextOutput(int Kind, std::optional<bool> Numbered = std::nullopt);
    bool SaveTreeTextOutput(int Kind);
    // The save dialog and the checks of the file chosen; the file to write.
    std::optional<std::string> ChooseTextOutputFile(int Kind);
    // A folder chosen for outputs of many files, ending in "/".
    std::optional<std::string> ChooseOutputFolder();

    IDocumentHost& Host_;
    TVelkMenus& Menus_;
    TDockButton& sbSave_;
    TInstanceRegistry& Instances_;
    TOpenDialog& OpenDialog1_;
    TSaveDialog& SaveDialog1_;

    bool HasFileName_ = false;
    std::string DocFileName_;
    std::string DocumentCaption_;
    bool OpenDeclined_ = false;
    bool ReadOnlyDocument_ = false;
    // A command that replaces the document is saving it first.
    bool ClosingSave_ = false;
    // A save of the auto-save timer is running.
    bool AutoSaving_ = false;
    // The forced save of a session that ends without leave to ask.
    bool SavingUnasked_ = false;
    // The file this window last read or wrote the document from or to, and
    // what it held then.
    struct TKnownFile {
        std::string FileName;
        TFileVersion Version;
    };
    std::optional<TKnownFile> KnownFile_;
    // The documents whose backup another user owns, told so this run.
    std::set<std::string> OthersBackupsTold_;
    // How often the save question was answered Yes or No.
    int SaveAnswers_ = 0;
    // The tick waiting for a modal activity to end, and what it found.
    struct TWaitingTick {
        int SaveAnswers = 0;
        std::string DocFileName;
    };
    TWaitingTick WaitingTick_;
    TAfterModalActivity TickWait_{[this] { AutoSaveAfterWait(); }};
    std::unique_ptr<TOpenMenuList> History_;
    std::unique_ptr<TOpenMenuList> TreeHistory_;
    std::function<void()> SaveStandIn_;
    std::function<void()> OverSaveStandIn_;
    TFileSystem* FileSystem_;
};
