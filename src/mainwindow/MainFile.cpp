// The document file's commands: new, open, save, save as, over-save, text
// files read as pages, files dropped on the window, the two recent-file
// lists, and the saves that closing and the auto-save timer ask for.
#include "DocumentFiles.h"

#include "AutoSave.h"
#include "Cp932.h"
#include "Dialogs.h"
#include "DockButton.h"
#include "DocumentFile.h"
#include "DocumentHost.h"
#include "EditorEx.h"
#include "ExceptionHandler.h"
#include "Files.h"
#include "HourGlass.h"
#include "Instances.h"
#include "LinkForm.h"
#include "LinkText.h"
#include "MainMenus.h"
#include "ModalActivity.h"
#include "OpenMenuList.h"
#include "OsPath.h"
#include "PageList.h"
#include "Paths.h"
#include "Programs.h"
#include "SaveQuestion.h"
#include "SubIni.h"
#include "TextReadingQuestion.h"
#include "TreeView.h"
#include "Vk2Codec.h"
#include "WindowCaption.h"

#include <QGuiApplication>
#include <algorithm>

namespace {

const char* const DocumentFilter = "Velk2000(*.vk2)|*.vk2";

// A chosen document path without its extension, as the document is named.
std::string DocumentNameOf(const std::string& Path) { return ChangeFileExt(Path, ""); }

bool ShiftHeld() { return QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier); }

} // namespace

TDocumentFiles::TDocumentFiles(IDocumentHost& Host, TVelkMenus& Menus, const TDocumentButtons& Buttons,
                               TInstanceRegistry& Instances, TOpenDialog& OpenDialog1, TSaveDialog& SaveDialog1)
    : Host_(Host), Menus_(Menus), sbSave_(Buttons.sbSave), Instances_(Instances), OpenDialog1_(OpenDialog1),
      SaveDialog1_(SaveDialog1), FileSystem_(&SystemFileSystem())
{
    BindFileCommands(Buttons);
    BindOutputCommands(Buttons);
}

TDocumentFiles::~TDocumentFiles() = default;

void TDocumentFiles::BindFileCommands(const TDocumentButtons& Buttons)
{
    const TCommandBinding items[] = {
        {Cmd::FlNew, [this] { FlNewClick(); }},
        {Cmd::FlOpen, [this] { FlOpenClick(); }},
        {Cmd::FlSave, [this] { FlSaveClick(); }},
        {Cmd::FlOverSave, [this] { FlOverSaveClick(); }},
        {Cmd::FlSaveAs, [this] { FlSaveAsClick(); }},
        {Cmd::FlPageTextLoad, [this] { FlPageTextLoadClick(); }},
        {Cmd::pTreeLoadTexToMakePage, [this] { FlPageTextLoadClick(); }},
        // Another window of the program, with a document of its own.
        {Cmd::FlGoVelk2000,
         [] {
             StartProgram({ExecutablePath(), {}});
         }},
    };
    Menus_.Bind(items);
    Buttons.sbPageNew.OnClick = [this](TObject*) { FlNewClick(); };
    Buttons.sbSave.OnClick = [this](TObject*) { FlSaveClick(); };
    History_ = std::make_unique<TOpenMenuList>(
        *Menus_.Item(Cmd::FlHistory), "History", [this](TObject* Sender) { HistoryClick(Sender); }, SettingsFilePath(),
        OpenDialog1_);
    TreeHistory_ = std::make_unique<TOpenMenuList>(
        *Menus_.Item(Cmd::FlHistoryTr), "TreeHistory", [this](TObject* Sender) { TreeHistoryClick(Sender); },
        SettingsFilePath(), OpenDialog1_);
}

void TDocumentFiles::UseFileSystem(TFileSystem& System) { FileSystem_ = &System; }

void TDocumentFiles::StandInForSaves(std::function<void()> Save, std::function<void()> OverSave)
{
    SaveStandIn_ = std::move(Save);
    OverSaveStandIn_ = std::move(OverSave);
}

// ---- The caption and the document's name ------------------------------------------------------------

void TDocumentFiles::SetCaption(const std::string& DocumentCaption)
{
    DocumentCaption_ = DocumentCaption;
    Host_.ShowTitle(WindowTitle(DocumentCaption_, Host_.ClippingOn()));
    Instances_.SetCaption(CaptionText());
}

std::string TDocumentFiles::CaptionText() const { return ShownCaption(DocumentCaption_, Host_.ClippingOn()); }

void TDocumentFiles::NameDocument(const std::string& DocFileName)
{
    DocFileName_ = DocFileName;
    HasFileName_ = true;
    SetCaption(DocFileName + ".vk2");
    Host_.DocumentNamed();
}

bool TDocumentFiles::HasDocumentFile() const
{
    return HasFileName_ && !DocFileName_.empty() && DocumentCaption_ != NewFileCaption;
}

std::string TDocumentFiles::MadeFromDocument() const { return HasDocumentFile() ? DocFileName_ + ".vk2" : ""; }

// This window's own document is not open elsewhere: opening it again reads
// it back from its file.
bool TDocumentFiles::IsOpenElsewhere(const std::string& Path) const
{
    const std::vector<std::string> captions = Instances_.OtherCaptions();
    return std::any_of(captions.begin(), captions.end(),
                       [&](const std::string& Caption) { return CaptionHoldsFile(Caption, Path); });
}

// ---- New ---------------------------------------------------------------------------------------------

TSaveQuestion TDocumentFiles::MakeSaveQuestion(const std::function<void()>& Save)
{
    return {
        [this] { return Host_.DataMemo()->Modified(); },
        [this] {
            const TModalResult answer = MessageDlg("データが変更されています。セーブしますか ?", TMsgDlgType::mtWarning,
                                                   {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo, TMsgDlgBtn::mbCancel});
            if (answer != mrYes && answer != mrNo)
                return TSaveAnswer::Cancel;
            // The answer decides what becomes of the edits: a tick of the
            // auto-save that waited for it is dropped.
            ++SaveAnswers_;
            return answer == mrYes ? TSaveAnswer::Yes : TSaveAnswer::No;
        },
        Save ? Save : [this] { FlSaveClick(); },
        [this] { FlOverSaveClick(); },
    };
}

bool TDocumentFiles::SaveQuestion() { return MayReplaceDocument(MakeSaveQuestion(), false); }

void TDocumentFiles::FlNewClick()
{
    TTreeView& dataTree = *Host_.DataTree();
    Host_.StorePage(dataTree.Selected());
    if (!SaveQuestion())
        return;
    Host_.DocumentReplacing();
    dataTree.Items().Clear();
    Host_.AddPage();
    SetCaption(std::string(NewFileCaption));
    SaveDialog1_.SetFileName({});
    DocFileName_.clear();
    Host_.CloseSubIconFinder();
    Host_.DataMemo()->Clear();
    Host_.SwitchEditMode(0);
    ReadOnlyDocument_ = false;
    Host_.DocumentReplaced(false);
}

// ---- Reading -----------------------------------------------------------------------------------------

bool TDocumentFiles::LoadOutline(const std::string& Name)
{
    const std::string fileName = Name + ".vk2";
    if (!FileExists(fileName)) {
        Tell(ShownPath(Name) + "\r\nこのファイルは存在しません。", TMsgDlgType::mtError);
        return false;
    }
    OpenDeclined_ = false;
    if (IsOpenElsewhere(fileName)
        && MessageDlg(ShownPath(fileName) + "\r\nこのファイルはすでに開かれています。強制的に開きますか？",
                      TMsgDlgType::mtConfirmation, {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo})
               != mrYes) {
        OpenDeclined_ = true;
        return false;
    }
    if (IsFileLocked(fileName)) {
        Tell(ShownPath(fileName) + " は他のソフトで使われています。", TMsgDlgType::mtWarning);
        return false;
    }
    TVk2Document document;
    std::optional<TFileVersion> version;
    std::string doubt;
    try {
        document = ReadDocumentFile(fileName, Host_.SubIconCount(), &version, &doubt);
    } catch (const Exception& error) {
        Tell(error.what(), TMsgDlgType::mtError);
        return false;
    }

    // From here on nothing can fail: the checked pages replace the old ones.
    Host_.DocumentReplacing();
    // A save replaces the file through its folder: one the user cannot
    // write makes the document as read-only as the file's own attribute.
    const bool folderReadOnly = !CanReplaceIn(fileName);
    ReadOnlyDocument_ = IsKeptReadOnly(fileName) || folderReadOnly;
    TTreeView& dataTree = *Host_.DataTree();
    TTreeNodes& nodes = dataTree.Items();
    nodes.Clear();
    BuildTree(nodes, document.Pages, TDepthPolicy::Strict);
    if (document.EditMode)
        Host_.SwitchEditMode(*document.EditMode);
    DocFileName_ = Name;
    HasFileName_ = true;
    KnowFile(fileName, *version);
    SetCaption(fileName + (ReadOnlyDocument_ ? ReadOnlyCaptionSuffix() : ""));
    dataTree.SetSelected(nodes.Item(SettingsVars.Page.Mode ? document.SelectedIndex : 0));
    Host_.DocumentReplaced(true);
    CatchExceptions([&] { History_->Remember(fileName); });
    if (!doubt.empty())
        Tell(doubt, TMsgDlgType::mtWarning);
    if (const std::string notice = NewerSaveCopiesNotice(fileName); !notice.empty())
        Tell(notice, TMsgDlgType::mtWarning);
    if (folderReadOnly)
        Tell(ShownPath(fileName)
                 + "\r\nこのファイルのあるフォルダーには書き込めないので、上書き保存できません。"
                   "変更は「名前をつけて保存」で書き込めるフォルダーに保存してください。",
             TMsgDlgType::mtInformation);
    return true;
}

bool TDocumentFiles::ForcedSaveApplies() const
{
    return SettingsVars.Options.Exit && Host_.DataMemo()->GetTextLen() > 0 && HasFileName_
           && Host_.DataTree()->Items().Count() > 0;
}

bool TDocumentFiles::SaveFirst(const std::function<void()>& Save)
{
    Host_.StorePage(Host_.DataTree()->Selected());
    return MayReplaceDocument(MakeSaveQuestion(Save), ForcedSaveApplies());
}

void TDocumentFiles::FlOpenClick()
{
    ClosingSave_ = true;
    const bool mayReplace = SaveFirst();
    ClosingSave_ = false;
    if (!mayReplace)
        return;
    OpenDialog1_.SetFileName(DocFileName_);
    OpenDialog1_.SetFilter(DocumentFilter);
    if (!OpenDialog1_.Execute())
        return;
    const std::string path = OpenDialog1_.FileName();
    if (LoadOutline(DocumentNameOf(path)))
        OpenDialog1_.SetInitialDir(ExtractFilePath(path));
}

void TDocumentFiles::HistoryClick(TObject* Sender)
{
    const std::optional<std::string> path = History_->PathOf(Sender);
    if (!path) {
        if (!ShiftHeld())
            History_->ClearHistory();
        return;
    }
    if (!FileExists(*path)) {
        Tell(ShownPath(*path) + " は存在しないので履歴から削除します。", TMsgDlgType::mtWarning);
        History_->RemoveHistory(*path);
        return;
    }
    if (ShiftHeld()) {
        Tell(ShownPath(*path) + " を履歴から削除します。", TMsgDlgType::mtWarning);
        History_->RemoveHistory(*path);
        return;
    }
    if (SaveFirst() && LoadOutline(DocumentNameOf(*path)))
        OpenDialog1_.SetInitialDir(ExtractFilePath(*path));
}

void TDocumentFiles::TreeHistoryClick(TObject* Sender)
{
    const std::optional<std::string> path = TreeHistory_->PathOf(Sender);
    if (!path) {
        if (!ShiftHeld())
            TreeHistory_->ClearHistory();
        return;
    }
    if (!FileExists(*path)) {
        Tell(ShownPath(*path) + " は存在しないので履歴から削除します。", TMsgDlgType::mtWarning);
        TreeHistory_->RemoveHistory(*path);
    } else if (ShiftHeld()) {
        Tell(ShownPath(*path) + " を履歴から削除します。", TMsgDlgType::mtWarning);
        TreeHistory_->RemoveHistory(*path);
    } else if (!SaveFirst()) {
        return;
    } else if (IsFileLocked(*path)) {
        Tell(ShownPath(*path) + " は他のソフトで使われています。", TMsgDlgType::mtWarning);
    } else if (LoadTreeText(*path)) {
        OpenDialog1_.SetInitialDir(ExtractFilePath(*path));
    }
}

// ---- Writing -----------------------------------------------------------------------------------------

bool TDocumentFiles::SaveOutline(const std::string& Name)
{
    TTreeView& dataTree = *Host_.DataTree();
    TEditorEx& dataMemo = *Host_.DataMemo();
    Host_.StorePage(dataTree.Selected());
    if (!dataMemo.Modified())
        return true;
    const std::string fileName = Name + ".vk2";
    const TTreeNode* selected = dataTree.Selected();
    try {
        DocumentWritten(fileName,
                        WriteDocumentFile(fileName, dataTree.Items(), selected ? selected->AbsoluteIndex() : 0,
                                          Host_.EditMode(), *FileSystem_));
    } catch (const Exception& error) {
        KnowWhatIsLeft(fileName);
        Tell(error.what(), TMsgDlgType::mtError);
        return false;
    }
    return true;
}

void TDocumentFiles::DocumentWritten(const std::string& FileName, TFileVersion Version)
{
    KnowFile(FileName, std::move(Version));
    NameDocument(DocumentNameOf(FileName));
    Host_.DataMemo()->SetModified(false);
    sbSave_.SetEnabled(false);
}

bool TDocumentFiles::SaveBeside(const std::string& FileName)
{
    TTreeView& dataTree = *Host_.DataTree();
    Host_.StorePage(dataTree.Selected());
    const TTreeNode* selected = dataTree.Selected();
    const TPageViews pages = ViewTree(dataTree.Items());
    std::string written;
    std::optional<TFileVersion> version;
    try {
        const TVk2Layout layout = LayOutVk2(pages, selected ? selected->AbsoluteIndex() : 0, Host_.EditMode());
        written = WriteBeside(FileName, layout.Pieces,
                              SavingUnasked_ ? TBesideName::SaveCopy : TBesideName::NextVersion, *FileSystem_);
        version.emplace(LookAt(written), layout.Pieces);
    } catch (const Exception& error) {
        if (!SavingUnasked_)
            Tell(error.what(), TMsgDlgType::mtError);
        return false;
    }
    if (SavingUnasked_)
        return true;
    DocumentWritten(written, std::move(*version));
    ReadOnlyDocument_ = false;
    ClosingSave_ = false;
    OpenDialog1_.SetInitialDir(ExtractFilePath(written));
    CatchExceptions([&] { History_->Remember(written); });
    Tell("編集中の内容を次のファイルに保存しました。\r\n" + ShownPath(written) + "\r\n\r\n" + ShownPath(FileName)
             + " は、書き換えられた内容のまま残してあります。",
         TMsgDlgType::mtInformation);
    return true;
}

std::string TDocumentFiles::SavePrefix() const
{
    return SettingsVars.Options.Exit && ClosingSave_ ? "終了時もしくはファイルを閉じるとき強制保存するモードですが、"
                                                     : "";
}

bool TDocumentFiles::RefuseSave(const std::string& FileName, const std::string& Prefix)
{
    const TSaveRefusal refusal = SaveRefusal(FileName);
    if (!refusal.Reason.empty())
        Tell(ShownPath(FileName) + "\r\n\r\n" + Prefix + refusal.Reason,
             refusal.OpticalDisc ? TMsgDlgType::mtError : TMsgDlgType::mtWarning);
    return !refusal.Reason.empty();
}

void TDocumentFiles::KnowFile(const std::string& FileName, TFileVersion Version)
{
    KnownFile_.emplace(FileName, std::move(Version));
    Host_.ShowFileNotice({});
}

void TDocumentFiles::KnowWhatIsLeft(const std::string& FileName)
{
    if (!KnownFile_ || !SameFile(KnownFile_->FileName, FileName))
        return;
    const std::string known = KnownFile_->FileName;
    const TFileLook look = LookAt(FileName);
    std::string bytes;
    if (TryReadFileBytes(FileName, bytes) == 0)
        KnowFile(known, TFileVersion(look, bytes));
}

namespace {

// Who may have written FileName besides this window, as far as the file
// tells: its owner when that is another user, else another program, or
// another user too when its permissions let others write it.
std::string ChangedBy(const std::string& FileName)
{
    const TFileWriters writers = WritersOf(FileName);
    if (!writers.OtherOwner.empty())
        return "ほかのユーザー（" + writers.OtherOwner + "）か他のソフトによって";
    return writers.SharedForWriting ? "他のソフトかほかのユーザーによって" : "他のソフトで";
}

} // namespace

TDocumentFiles::TWriteChoice TDocumentFiles::MayWriteOver(const std::string& FileName, const std::string& Prefix)
{
    // By the file, not by its name: another spelling or a link to the
    // document's file is the same file.
    if (!KnownFile_ || !SameFile(KnownFile_->FileName, FileName) || !ChangedOnDisk(KnownFile_->Version, FileName))
        return TWriteChoice::Over;
    if (SavingUnasked_)
        return TWriteChoice::Beside;
    const std::string changedBy = ChangedBy(FileName);
    if (AutoSaving_) {
        // In the window, not in a box: the user may be typing, and a box
        // would take the keys.
        Host_.ShowFileNotice("開いているファイルは読み込んだ後（または保存した後）に" + changedBy
                             + "書き換えられたので、自動保存していません。「ファイルを保存」で、上書きするか"
                               "両方を残すかを選べます。別の名前で保存するときは「名前をつけて保存」を使って"
                               "ください。");
        return TWriteChoice::Keep;
    }
    // Return and Escape lose nothing: Return keeps both.
    switch (MessageDlg(ShownPath(FileName) + "\r\n\r\n" + Prefix + "このファイルは読み込んだ後（または保存した後）に"
                           + changedBy
                           + "書き換えられています。上書きすると、その内容は失われます。\r\n"
                             "「両方を残す」を選ぶと、編集中の内容を同じフォルダーに別の名前で保存し、"
                             "以後はそのファイルで編集を続けます。",
                       TMsgDlgType::mtWarning, {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo, TMsgDlgBtn::mbCancel},
                       {{TMsgDlgBtn::mbNo, "両方を残す"}, {TMsgDlgBtn::mbYes, "上書きする"}}, TMsgDlgBtn::mbNo)) {
    case mrYes: return TWriteChoice::Over;
    case mrNo: return TWriteChoice::Beside;
    default: return TWriteChoice::Keep;
    }
}

void TDocumentFiles::FlSaveClick()
{
    if (SaveStandIn_) {
        SaveStandIn_();
        return;
    }
    Host_.StorePage(Host_.DataTree()->Selected());
    if (!Host_.DataMemo()->Modified())
        return;
    // A document without a file of its own is never written under an
    // empty or made-up name: Save As asks for one.
    if (!HasDocumentFile()) {
        FlSaveAsClick();
        return;
    }
    const std::string fileName = DocFileName_ + ".vk2";
    if (RefuseSave(fileName, SavePrefix()))
        return;
    switch (MayWriteOver(fileName, SavePrefix())) {
    case TWriteChoice::Keep: return;
    case TWriteChoice::Beside: SaveBeside(fileName); return;
    case TWriteChoice::Over: break;
    }
    const std::string& backupFolder = SettingsVars.Backup.Folder;
    if (SettingsVars.Backup.Mode) {
        const TBackupOutcome backup =
            BackupDocument(fileName, backupFolder.empty() ? BackupFolderDefault() : backupFolder);
        // Another user's backup stays theirs: told once a run for each
        // document, not at every save and auto-save tick.
        if (!backup.Failure.empty() && (!backup.OtherUsersBackup || OthersBackupsTold_.insert(fileName).second))
            Tell(backup.Failure, TMsgDlgType::mtInformation);
    }
    if (SaveOutline(DocFileName_)) {
        ReadOnlyDocument_ = false;
        ClosingSave_ = false;
    }
}

void TDocumentFiles::FlOverSaveClick()
{
    if (OverSaveStandIn_) {
        OverSaveStandIn_();
        return;
    }
    if (!HasDocumentFile()) {
        FlSaveAsClick();
        return;
    }
    Host_.DataMemo()->SetModified(true);
    FlSaveClick();
}

void TDocumentFiles::FlSaveAsClick()
{
    TEditorEx& dataMemo = *Host_.DataMemo();
    const std::string prefix = SavePrefix();
    const bool wasModified = dataMemo.Modified();
    SaveDialog1_.SetFilter(DocumentFilter);
    if (DocumentCaption_ != NewFileCaption)
        SaveDialog1_.SetFileName(DocFileName_);
    if (!SaveDialog1_.Execute())
        return;
    const std::string name = DocumentNameOf(SaveDialog1_.FileName());
    const std::string fileName = name + ".vk2";
    if (RefuseSave(fileName, prefix))
        return;
    if (FileExists(fileName)
        && MessageDlg(ShownPath(fileName) + "\r\nこのファイルは存在します。上書きしますか ?", TMsgDlgType::mtWarning,
                      {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo})
               != mrYes)
        return;
    switch (MayWriteOver(fileName, prefix)) {
    case TWriteChoice::Keep: return;
    case TWriteChoice::Beside: SaveBeside(fileName); return;
    case TWriteChoice::Over: break;
    }
    // The document is written even when unchanged: it gets a new file.
    dataMemo.SetModified(true);
    if (!SaveOutline(name)) {
        dataMemo.SetModified(wasModified);
        return;
    }
    ReadOnlyDocument_ = false;
    ClosingSave_ = false;
    OpenDialog1_.SetInitialDir(ExtractFilePath(fileName));
    CatchExceptions([&] { History_->Remember(fileName); });
}

// ---- Closing and the auto-save ---------------------------------------------------------------------------

bool TDocumentFiles::CloseQuery()
{
    // A refused save says that the close is what forced it.
    ClosingSave_ = true;
    const bool mayClose = SaveFirst();
    ClosingSave_ = false;
    return mayClose;
}

void TDocumentFiles::SaveUnasked()
{
    Host_.StorePage(Host_.DataTree()->Selected());
    if (!ForcedSaveApplies())
        return;
    ClosingSave_ = true;
    SavingUnasked_ = true;
    FlOverSaveClick();
    SavingUnasked_ = false;
    ClosingSave_ = false;
}

void TDocumentFiles::AutoSave()
{
    const TAutoSaveState state{SettingsVars.AutoSave, HasDocumentFile(), DocumentCaption_ == NewFileCaption,
                               AutoSaving_};
    if (!AutoSaveDue(state))
        return;
    if (TModalActivity::Running()) {
        if (!TickWait_.Waiting())
            WaitingTick_ = {SaveAnswers_, DocFileName_};
        TickWait_.Wait();
        return;
    }
    // The save may ask or warn; ticks meanwhile do nothing, so boxes never
    // pile up while nobody answers them.
    AutoSaving_ = true;
    CatchExceptions([this] { FlSaveClick(); });
    AutoSaving_ = false;
}

void TDocumentFiles::AutoSaveAfterWait()
{
    if (WaitingTick_.SaveAnswers == SaveAnswers_ && WaitingTick_.DocFileName == DocFileName_
        && Host_.DataMemo()->Modified())
        AutoSave();
}

// ---- Text files as pages -------------------------------------------------------------------------------

void TDocumentFiles::FlPageTextLoadClick()
{
    TOpenDialog dialog;
    dialog.SetFilter("Text(*.txt;*.PAS;*.html;*.ini;*.dat)|*.txt;*.PAS;*.htm*;*.ini;*.dat|All Files|*.*");
    dialog.SetOptions({TOpenOption::ofAllowMultiSelect});
    dialog.SetInitialDir(SettingsVars.APoFile.TextToPage);
    if (!dialog.Execute())
        return;
    ReadTextPages(dialog.Files());
    if (!dialog.Files().empty())
        SettingsVars.APoFile.TextToPage = ExtractFilePath(dialog.Files().front());
}

void TDocumentFiles::ReadTextPages(const std::vector<std::string>& Files)
{
    THourGlass hourGlass;
    TTreeView& dataTree = *Host_.DataTree();
    // Only the first file may go into the current page, and only when
    // that page is empty; every other file gets a page of its own.
    bool intoCurrentPage = Host_.ActiveEditor()->GetTextLen() == 0 && dataTree.Items().Count() > 0;
    int unmapped = 0;
    for (const std::string& file : Files) {
        TTextReading reading;
        try {
            reading = ReadTextAsPage(file);
        } catch (const Exception& error) {
            Tell(error.what(), TMsgDlgType::mtError);
            continue;
        }
        if (!MayTakeText(reading.Judgement, FileSubject(file), "「いいえ」なら読み込みません。"))
            continue;
        unmapped += reading.Unmapped;
        if (!intoCurrentPage)
            Host_.AddPage();
        intoCurrentPage = false;
        if (SettingsVars.Options.TextToPage)
            reading.Text = TextPageHead(file) + reading.Text;
        Host_.ActiveEditor()->SetText(reading.Text);
        Host_.StorePage(dataTree.Selected());
        Host_.MarkModified();
    }
    Host_.ShowUnmappedNotice(unmapped);
}

std::string TDocumentFiles::TextPageHead(const std::string& File)
{
    // Page text is Shift-JIS: a name it cannot hold is titled as it reads,
    // and gets no link, which would name another file.
    if (!IsTextName(File))
        return Utf8ToSjis(ShownPath(ExtractFileName(File))) + "\r\n";
    const std::string link = SettingsVars.BracketFlg ? "[:file@" + File + ":]" : "<file@" + File + ">";
    return ExtractFileName(File) + "\r\n" + link + "\r\n";
}

// ---- Dropped files -------------------------------------------------------------------------------------

void TDocumentFiles::DropFiles(const std::vector<std::string>& Files)
{
    if (Files.empty())
        return;
    const std::string& first = Files.front();
    std::string extension = ExtractFileExt(first);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](char C) { return C >= 'A' && C <= 'Z' ? static_cast<char>(C - 'A' + 'a') : C; });
    if (extension == ".vk2") {
        TLinkForm form(Host_.DialogParent());
        ShowModal(form);
        if (form.Choice() == TLinkChoice::Cancel)
            return;
        if (form.Choice() == TLinkChoice::Load) {
            if (SaveFirst() && LoadOutline(DocumentNameOf(first)))
                OpenDialog1_.SetInitialDir(ExtractFilePath(first));
            return;
        }
    }
    std::vector<std::string> linkable, unlinkable;
    for (const std::string& file : Files)
        (IsTextName(LinkPathOf(file)) ? linkable : unlinkable).push_back(file);
    if (!linkable.empty())
        InsertFileLinks(linkable);
    if (!unlinkable.empty() && MayReadAsPages(unlinkable))
        ReadTextPages(unlinkable);
}

bool TDocumentFiles::MayReadAsPages(const std::vector<std::string>& Files)
{
    std::string names;
    for (const std::string& file : Files)
        names += ShownPath(file) + "\r\n";
    return MessageDlg(names + (Files.size() == 1 ? "この名前" : "これらの名前")
                          + "ではファイルリンクを作れません。代わりにテキストとしてページに読み込みますか ?",
                      TMsgDlgType::mtConfirmation, {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo})
           == mrYes;
}

std::string TDocumentFiles::LinkPathOf(const std::string& File) const
{
    return SettingsVars.FileLinkPath && HasFileName_ ? RelativeLinkPath(ExtractFilePath(DocFileName_), File) : File;
}

void TDocumentFiles::InsertFileLinks(const std::vector<std::string>& Files)
{
    TEditorEx& editor = *Host_.ActiveEditor();
    if (editor.Row() == 0) {
        Tell("カーソルが第１行にあるので挿入できません！", TMsgDlgType::mtWarning);
        return;
    }
    const int indent = SettingsVars.InsSpace ? SettingsVars.InsSpc.width : 0;
    std::string lines;
    for (const std::string& file : Files) {
        const std::string path = LinkPathOf(file);
        // Page text is Shift-JIS: a name it cannot hold would link another file.
        if (!IsTextName(path)) {
            RefuseFileName(file);
            return;
        }
        lines += LinkLine(TLinkKind::File, path, SettingsVars.BracketFlg, indent);
    }
    editor.SetSelText(lines);
    OpenDialog1_.SetInitialDir(ExtractFilePath(Files.back()));
}
