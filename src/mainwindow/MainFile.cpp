// The document file's commands: new documents come from MainLifeCycle.cpp;
// here are open, save, save as, over-save, text files read as pages, files
// dropped on the window and the two recent-file lists.
//
// Every command keeps the open document whole until it has something whole
// to put in its place: a file is read and checked completely before the
// tree is touched, the document's name changes only after a read or a
// write succeeded, and a command that would replace a modified document
// goes on only after the document was really saved or the user said No.
#include "Main.h"

#include "Cp932.h"
#include "Dialogs.h"
#include "DockButton.h"
#include "DocumentFile.h"
#include "EditorEx.h"
#include "ExceptionHandler.h"
#include "Files.h"
#include "HourGlass.h"
#include "Instances.h"
#include "LinkForm.h"
#include "NodeData.h"
#include "PaneViews.h"
#include "Paths.h"
#include "SaveQuestion.h"
#include "SearchListState.h"
#include "SubIcons.h"
#include "SubIni.h"
#include "TreeView.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QProcess>
#include <QUrl>
#include <algorithm>

namespace {

const char* const DocumentFilter = "Velk2000(*.vk2)|*.vk2";

// A chosen document path without its extension, as the document is named.
std::string DocumentNameOf(const std::string& Path) { return ChangeFileExt(Path, ""); }

bool ShiftHeld() { return QGuiApplication::keyboardModifiers().testFlag(Qt::ShiftModifier); }

} // namespace

void TVelkForm::BindFileCommands()
{
    const TCommandBinding items[] = {
        {Cmd::FlOpen, [this] { FlOpenClick(); }},
        {Cmd::FlSaveAs, [this] { FlSaveAsClick(); }},
        {Cmd::FlPageTextLoad, [this] { FlPageTextLoadClick(); }},
        // Another window of the program, with a document of its own.
        {Cmd::FlGoVelk2000, [] { QProcess::startDetached(QCoreApplication::applicationFilePath(), {}); }},
    };
    BindItems(items);
    History_ = std::make_unique<TOpenMenuList>(
        *Menus_.Item(Cmd::FlHistory), "History", [this](TObject* Sender) { HistoryClick(Sender); }, SettingsFilePath(),
        *OpenDialog1_);
    TreeHistory_ = std::make_unique<TOpenMenuList>(
        *Menus_.Item(Cmd::FlHistoryTr), "TreeHistory", [this](TObject* Sender) { TreeHistoryClick(Sender); },
        SettingsFilePath(), *OpenDialog1_);
    setAcceptDrops(true);
}

// ---- The caption and the document's name ------------------------------------------------------------

void TVelkForm::SetCaption(const std::string& DocumentCaption)
{
    DocumentCaption_ = DocumentCaption;
    const std::string shown = CaptionText();
    setWindowTitle(QString::fromStdString(SjisToUtf8(shown)));
    Instances_.SetCaption(shown);
}

std::string TVelkForm::CaptionText() const { return ShownCaption(DocumentCaption_, ClippingOn()); }

bool TVelkForm::HasDocumentFile() const
{
    return HasFileName_ && !DocFileName_.empty() && DocumentCaption_ != NewFileCaption;
}

// This window's own document is not open elsewhere: opening it again reads
// it back from its file.
bool TVelkForm::IsOpenElsewhere(const std::string& Path) const
{
    const std::vector<std::string> captions = Instances_.OtherCaptions();
    return std::any_of(captions.begin(), captions.end(),
                       [&](const std::string& Caption) { return CaptionHoldsFile(Caption, Path); });
}

// ---- Reading -----------------------------------------------------------------------------------------

bool TVelkForm::LoadOutline(const std::string& Name)
{
    const std::string fileName = Name + ".vk2";
    if (!FileExists(fileName)) {
        Tell(SjisToUtf8(Name) + "\r\nこのファイルは存在しません。", TMsgDlgType::mtError);
        return false;
    }
    OpenDeclined_ = false;
    if (IsOpenElsewhere(fileName)
        && MessageDlg(SjisToUtf8(fileName) + "\r\nこのファイルはすでに開かれています。強制的に開きますか？",
                      TMsgDlgType::mtConfirmation, {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo})
               != mrYes) {
        OpenDeclined_ = true;
        return false;
    }
    if (IsFileLocked(fileName)) {
        Tell(SjisToUtf8(fileName) + " は他のソフトで使われています。", TMsgDlgType::mtWarning);
        return false;
    }
    TVk2Document document;
    try {
        document = ReadDocumentFile(fileName, std::max(ImagePopupMenu()->Items().Count() - 1, 0));
    } catch (const Exception& error) {
        Tell(error.what(), TMsgDlgType::mtError);
        return false;
    }

    // From here on nothing can fail: the checked pages replace the old ones.
    CloseBrowseViewForNewDocument();
    // A save replaces the file through its folder: one the user cannot
    // write makes the document as read-only as the file's own attribute.
    const bool folderReadOnly = !CanReplaceIn(fileName);
    ReadOnlyDocument_ = IsReadOnlyFile(fileName) || folderReadOnly;
    TTreeNodes& nodes = DataTree_->Items();
    nodes.Clear();
    BuildTree(nodes, document.Pages, TDepthPolicy::Strict);
    if (document.EditMode)
        SwitchEditMode(*document.EditMode);
    DocFileName_ = Name;
    HasFileName_ = true;
    SetCaption(fileName + (ReadOnlyDocument_ ? ReadOnlyCaptionSuffix() : ""));
    DataTree_->SetSelected(nodes.Item(SettingsVars.Page.Mode ? document.SelectedIndex : 0));
    ForgetDocumentState();
    SubIcons_->DocumentOpened();
    UpdateToolButtons();
    UpdateStatusBar();
    CatchExceptions([&] {
        History_->AddHistory(fileName);
        History_->SaveHistory();
    });
    if (folderReadOnly)
        Tell(SjisToUtf8(fileName)
                 + "\r\nこのファイルのあるフォルダーには書き込めないので、上書き保存できません。"
                   "変更は「名前を付けて保存」で書き込めるフォルダーに保存してください。",
             TMsgDlgType::mtInformation);
    return true;
}

void TVelkForm::CloseBrowseViewForNewDocument() { PaneViews_->CloseBrowseView(); }

void TVelkForm::ForgetDocumentState()
{
    TSearchListState& list = SearchListState();
    list.FindListMode = false;
    list.Invalidate();
    NormalizeFindOptions();
    ClearPageHistory();
    DataMemo_->SetModified(false);
    if (TEditorEx* second = SecondEditor())
        second->SetModified(false);
    Button(Cmd::sbSave)->SetEnabled(false);
    UpdateTextOutputButton();
}

bool TVelkForm::SaveFirst(const std::function<void()>& Save)
{
    StorePage(DataTree_->Selected());
    const bool forced =
        SettingsVars.Options.Exit && DataMemo_->GetTextLen() > 0 && HasFileName_ && DataTree_->Items().Count() > 0;
    const TSaveQuestion question{
        [this] { return DataMemo_->Modified(); },
        [] {
            const TModalResult answer = MessageDlg("データが変更されています。セーブしますか ?", TMsgDlgType::mtWarning,
                                                   {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo, TMsgDlgBtn::mbCancel});
            return answer == mrYes ? TSaveAnswer::Yes : answer == mrNo ? TSaveAnswer::No : TSaveAnswer::Cancel;
        },
        Save ? Save : [this] { FlSaveClick(); },
        [this] { FlOverSaveClick(); },
    };
    return MayReplaceDocument(question, forced);
}

void TVelkForm::FlOpenClick()
{
    ClosingSave_ = true;
    const bool mayReplace = SaveFirst();
    ClosingSave_ = false;
    if (!mayReplace)
        return;
    OpenDialog1_->SetFileName(DocFileName_);
    OpenDialog1_->SetFilter(DocumentFilter);
    if (!OpenDialog1_->Execute())
        return;
    const std::string path = OpenDialog1_->FileName();
    if (LoadOutline(DocumentNameOf(path)))
        OpenDialog1_->SetInitialDir(ExtractFilePath(path));
}

void TVelkForm::HistoryClick(TObject* Sender)
{
    const std::optional<std::string> path = History_->PathOf(Sender);
    if (!path) {
        if (!ShiftHeld())
            History_->ClearHistory();
        return;
    }
    if (!FileExists(*path)) {
        Tell(SjisToUtf8(*path) + " は存在しないので履歴から削除します。", TMsgDlgType::mtWarning);
        History_->RemoveHistory(*path);
        return;
    }
    if (ShiftHeld()) {
        Tell(SjisToUtf8(*path) + " を履歴から削除します。", TMsgDlgType::mtWarning);
        History_->RemoveHistory(*path);
        return;
    }
    if (SaveFirst() && LoadOutline(DocumentNameOf(*path)))
        OpenDialog1_->SetInitialDir(ExtractFilePath(*path));
}

void TVelkForm::TreeHistoryClick(TObject* Sender)
{
    const std::optional<std::string> path = TreeHistory_->PathOf(Sender);
    if (!path) {
        if (!ShiftHeld())
            TreeHistory_->ClearHistory();
        return;
    }
    if (!FileExists(*path)) {
        Tell(SjisToUtf8(*path) + " は存在しないので履歴から削除します。", TMsgDlgType::mtWarning);
        TreeHistory_->RemoveHistory(*path);
    } else if (ShiftHeld()) {
        Tell(SjisToUtf8(*path) + " を履歴から削除します。", TMsgDlgType::mtWarning);
        TreeHistory_->RemoveHistory(*path);
    } else if (!SaveFirst()) {
        return;
    } else if (IsFileLocked(*path)) {
        Tell(SjisToUtf8(*path) + " は他のソフトで使われています。", TMsgDlgType::mtWarning);
    } else if (LoadTreeText(*path)) {
        OpenDialog1_->SetInitialDir(ExtractFilePath(*path));
    }
}

// ---- Writing -----------------------------------------------------------------------------------------

bool TVelkForm::SaveOutline(const std::string& Name)
{
    StorePage(DataTree_->Selected());
    if (!DataMemo_->Modified())
        return true;
    const std::string fileName = Name + ".vk2";
    const TTreeNode* selected = DataTree_->Selected();
    try {
        WriteDocumentFile(fileName, FlattenTree(DataTree_->Items()), selected ? selected->AbsoluteIndex() : 0,
                          EditMode_);
    } catch (const Exception& error) {
        Tell(error.what(), TMsgDlgType::mtError);
        return false;
    }
    DocFileName_ = Name;
    HasFileName_ = true;
    SetCaption(fileName);
    DataMemo_->SetModified(false);
    Button(Cmd::sbSave)->SetEnabled(false);
    return true;
}

std::string TVelkForm::SavePrefix() const
{
    return SettingsVars.Options.Exit && ClosingSave_ ? "終了時もしくはファイルを閉じるとき強制保存するモードですが、"
                                                     : "";
}

bool TVelkForm::RefuseSave(const std::string& FileName, const std::string& Prefix)
{
    const TSaveRefusal refusal = SaveRefusal(FileName);
    if (!refusal.Reason.empty())
        Tell(SjisToUtf8(FileName) + "\r\n\r\n" + Prefix + refusal.Reason,
             refusal.OpticalDisc ? TMsgDlgType::mtError : TMsgDlgType::mtWarning);
    return !refusal.Reason.empty();
}

void TVelkForm::FlSaveClick()
{
    StorePage(DataTree_->Selected());
    if (!DataMemo_->Modified())
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
    const std::string& backupFolder = SettingsVars.Backup.Folder;
    if (SettingsVars.Backup.Mode
        && !BackupDocument(fileName, backupFolder.empty() ? BackupFolderDefault() : backupFolder))
        Tell("バックアップに失敗しました。オプションの登録でバックアップフォルダーを設定し直してみてください。",
             TMsgDlgType::mtInformation);
    if (SaveOutline(DocFileName_)) {
        ReadOnlyDocument_ = false;
        ClosingSave_ = false;
    }
}

void TVelkForm::FlOverSaveClick()
{
    if (!HasDocumentFile()) {
        FlSaveAsClick();
        return;
    }
    DataMemo_->SetModified(true);
    FlSaveClick();
}

void TVelkForm::FlSaveAsClick()
{
    const std::string prefix = SavePrefix();
    const bool wasModified = DataMemo_->Modified();
    SaveDialog1_->SetFilter(DocumentFilter);
    if (DocumentCaption_ != NewFileCaption)
        SaveDialog1_->SetFileName(DocFileName_);
    if (!SaveDialog1_->Execute())
        return;
    const std::string name = DocumentNameOf(SaveDialog1_->FileName());
    const std::string fileName = name + ".vk2";
    if (RefuseSave(fileName, prefix))
        return;
    if (FileExists(fileName)
        && MessageDlg(SjisToUtf8(fileName) + "\r\nこのファイルは存在します。上書きしますか ?", TMsgDlgType::mtWarning,
                      {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo})
               != mrYes)
        return;
    // The document is written even when unchanged: it gets a new file.
    DataMemo_->SetModified(true);
    if (!SaveOutline(name)) {
        DataMemo_->SetModified(wasModified);
        return;
    }
    ReadOnlyDocument_ = false;
    ClosingSave_ = false;
    OpenDialog1_->SetInitialDir(ExtractFilePath(fileName));
    CatchExceptions([&] {
        History_->AddHistory(fileName);
        History_->SaveHistory();
    });
}

// ---- Text files as pages -------------------------------------------------------------------------------

void TVelkForm::FlPageTextLoadClick()
{
    TOpenDialog dialog;
    dialog.SetFilter("Text(*.txt;*.PAS;*.html;*.ini;*.dat)|*.txt;*.PAS;*.htm*;*.ini;*.dat|All Files|*.*");
    dialog.SetOptions({TOpenOption::ofAllowMultiSelect});
    dialog.SetInitialDir(SettingsVars.APoFile.TextToPage);
    if (!dialog.Execute())
        return;
    THourGlass hourGlass;
    // Only the first file may go into the current page, and only when
    // that page is empty; every other file gets a page of its own.
    bool intoCurrentPage = ActiveEditor_->GetTextLen() == 0 && DataTree_->Items().Count() > 0;
    int unmapped = 0;
    for (const std::string& file : dialog.Files()) {
        std::string text;
        int fileUnmapped = 0;
        try {
            text = ReadTextAsPage(file, fileUnmapped);
        } catch (const Exception& error) {
            Tell(error.what(), TMsgDlgType::mtError);
            continue;
        }
        unmapped += fileUnmapped;
        if (!intoCurrentPage)
            Binding_->TreeAddClick();
        intoCurrentPage = false;
        if (SettingsVars.Options.TextToPage) {
            const std::string link = SettingsVars.BracketFlg ? "[:file@" + file + ":]" : "<file@" + file + ">";
            text = ExtractFileName(file) + "\r\n" + link + "\r\n" + text;
        }
        ActiveEditor_->SetText(text);
        StorePage(DataTree_->Selected());
        MarkModified();
    }
    ShowUnmappedNotice(unmapped);
    if (!dialog.Files().empty())
        SettingsVars.APoFile.TextToPage = ExtractFilePath(dialog.Files().front());
}

// ---- Dropped files -------------------------------------------------------------------------------------

void TVelkForm::dragEnterEvent(QDragEnterEvent* Event)
{
    CatchExceptions([&] {
        if (Event->mimeData()->hasUrls())
            Event->acceptProposedAction();
    });
}

void TVelkForm::dropEvent(QDropEvent* Event)
{
    CatchExceptions([&] {
        std::vector<std::string> files;
        for (const QUrl& url : Event->mimeData()->urls())
            if (url.isLocalFile())
                if (const std::optional<std::string> name = FileNameFromOs(url.toLocalFile().toStdString()))
                    files.push_back(*name);
        Event->acceptProposedAction();
        DropFiles(files);
    });
}

void TVelkForm::DropFiles(const std::vector<std::string>& Files)
{
    if (Files.empty())
        return;
    const std::string& first = Files.front();
    std::string extension = ExtractFileExt(first);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](char C) { return C >= 'A' && C <= 'Z' ? static_cast<char>(C - 'A' + 'a') : C; });
    if (extension == ".vk2") {
        TLinkForm form(this);
        ShowModal(form);
        if (form.Choice() == TLinkChoice::Cancel)
            return;
        if (form.Choice() == TLinkChoice::Load) {
            if (SaveFirst() && LoadOutline(DocumentNameOf(first)))
                OpenDialog1_->SetInitialDir(ExtractFilePath(first));
            return;
        }
    }
    InsertFileLinks(Files);
}

void TVelkForm::InsertFileLinks(const std::vector<std::string>& Files)
{
    if (ActiveEditor_->Row() == 0) {
        Tell("カーソルが第１行にあるので挿入できません！", TMsgDlgType::mtWarning);
        return;
    }
    const std::string folder = ExtractFilePath(DocFileName_);
    const bool relative = SettingsVars.FileLinkPath && HasFileName_;
    const int indent = SettingsVars.InsSpace ? SettingsVars.InsSpc.width : 0;
    std::string lines;
    for (const std::string& file : Files)
        lines += LinkLine(TLinkKind::File, relative ? RelativeLinkPath(folder, file) : file, SettingsVars.BracketFlg,
                          indent);
    ActiveEditor_->SetSelText(lines);
    OpenDialog1_->SetInitialDir(ExtractFilePath(Files.back()));
}
