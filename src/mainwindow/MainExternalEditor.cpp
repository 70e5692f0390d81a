// The user's own editor: a page goes out to it through a transfer file
// beside the program and comes back when the editor ends; or the whole
// document is shown in it without waiting. The wait runs a nested event
// loop, so the window stays responsive; everything that could pull the
// page or the document from under the edit is locked meanwhile.
#include "Main.h"

#include "Cp932.h"
#include "Dialogs.h"
#include "DockButton.h"
#include "DocumentFiles.h"
#include "EditorEx.h"
#include "EditorQueries.h"
#include "ExternalEdit.h"
#include "Files.h"
#include "Instances.h"
#include "PageFiles.h"
#include "Paths.h"
#include "SearchListState.h"
#include "SubIni.h"
#include "SysUtils.h"
#include "TextOutputs.h"
#include "TreeText.h"
#include "TreeView.h"
#include "WindowCaption.h"

#include <QEventLoop>
#include <QProcess>
#include <cerrno>
#include <cstdio>

namespace {

// The buttons an external edit disables; page deletion and joining follow
// the edit button through the tool-button rules.
constexpr const char* LockedButtons[] = {"sbOpen",      "sbLoadTreeText", "sbPageNew", "sbPageDel",
                                         "sbPageUnify", "sbSubIcon",      "sbFind",    "sbFindList"};

// Runs Command and waits for it to end, handling events meanwhile. False
// when it could not be started.
bool RunAndWait(const TExternalCommand& Command, const std::function<void()>& Started)
{
    QProcess process;
    process.setProgram(Command.Program);
    process.setArguments(Command.Arguments);
    // An editor that writes much to its output must never block on a pipe
    // nobody reads.
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.setStandardInputFile(QProcess::nullDevice());
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    process.start();
    if (!process.waitForStarted(-1))
        return false;
    Started();
    if (process.state() != QProcess::NotRunning)
        loop.exec();
    return true;
}

// The transfer file's text, normalised to CR LF, and the file deleted.
// Nothing when the editor left no file or it cannot be read (told).
std::optional<std::string> TakeBackTransferFile(const std::string& File)
{
    if (!FileExists(File))
        return std::nullopt;
    std::optional<std::string> text;
    try {
        text = CrlfLineEnds(ReadFileBytes(File));
    } catch (const Exception& E) {
        Tell(E.Message(), TMsgDlgType::mtError);
    }
    if (std::remove(OsPath(File).c_str()) != 0)
        Tell("一時ファイル " + SjisToUtf8(File)
                 + " を削除できませんでした！\r\n\r\n"
                   "Velk2000のあるフォルダーを調べ、適当な方法で削除してください。",
             TMsgDlgType::mtError);
    return text;
}

} // namespace

void TVelkForm::BindExternalEditorCommands()
{
    const TCommandBinding items[] = {
        {"pEdGoHide", [this] { pEdGoHideClick(); }},
        {"EdAllView", [this] { EdAllViewClick(); }},
    };
    BindItems(items);
    Button("sbGoEditor")->OnClick = [this](TObject*) { pEdGoHideClick(); };
}

void TVelkForm::SetExternalEditLocks(bool Locked)
{
    OwnExternalEdit_ = Locked;
    // Typing into the page meanwhile would be lost under the text read back;
    // a split pane shows the same text and is locked with it.
    DataMemo_->SetReadOnly(Locked);
    TEditorEx* second = SecondEditor();
    if (Locked && second && !second->ReadOnly()) {
        second->SetReadOnly(true);
        LockedSecondEditor_ = second;
    } else if (!Locked) {
        if (second && second == LockedSecondEditor_)
            second->SetReadOnly(false);
        LockedSecondEditor_ = nullptr;
    }
    // A dropped document would replace the one the page belongs to.
    setAcceptDrops(!Locked);
    Menus_.Item("OptionTop")->SetEnabled(!Locked);
    if (Locked) {
        Button("sbGoEditor")->SetEnabled(false);
        for (const char* name : LockedButtons)
            Button(name)->SetEnabled(false);
        return;
    }
    for (const char* name : {"sbOpen", "sbLoadTreeText", "sbPageNew", "sbFind"})
        Button(name)->SetEnabled(true);
    Button("sbSubIcon")->SetEnabled(DataTree_->Items().Count() > 1 && DocumentFiles_->HasFileName());
    Button("sbFindList")->SetEnabled(!SearchListState().FoundPageList.Empty());
    Button("sbGoEditor")->SetEnabled(SettingsVars.ExtEditor && !Menus_.Item("OpClip")->Checked());
}

std::optional<std::string> TVelkForm::RunExternalEdit(const std::string& Page, const std::string& TransferFile)
{
    const TExternalCommand command =
        CommandWithFile(ExpandEditorTemplate(SettingsVars.HideExe, ActiveEditor_->Row()), TransferFile);
    try {
        WriteFileAtomic(TransferFile, TransferText(Page));
    } catch (const Exception& E) {
        Tell(E.Message(), TMsgDlgType::mtError);
        return std::nullopt;
    }
    SetExternalEditLocks(true);
    RunAndWait(command, [this] {
        ExternalEditText_.clear();
        Instances_.Broadcast(ExternalEditRunningText());
    });
    Instances_.Broadcast("");
    SetExternalEditLocks(false);
    std::optional<std::string> edited = TakeBackTransferFile(TransferFile);
    if (edited)
        edited = PageTextFromTransfer(Page, std::move(*edited));
    return edited;
}

void TVelkForm::pEdGoHideClick()
{
    if (TextEmpty(*DataMemo_)) {
        Tell("エディタ部が空ページです！", TMsgDlgType::mtWarning);
        return;
    }
    if (!SettingsVars.ExtEditor || OwnExternalEdit_)
        return;
    const std::string transferFile = ProgramFolder() + "temp" + EditModeExtension(EditMode_, SettingsVars.UserExt);
    if (FileExists(transferFile)) {
        Tell("他のプロセスで外部エディタを起動中です。", TMsgDlgType::mtError);
        return;
    }
    TTreeNode* page = DataTree_->Selected();
    StorePage(page);
    const int caret = DataMemo_->SelStart();
    const std::string text = DataMemo_->GetText();

    // The page may go while the editor runs (a command no lock covers):
    // its node is then forgotten, never selected again.
    TTreeNodes& nodes = DataTree_->Items();
    const TTreeNodeEvent deletion = nodes.OnDeletion;
    bool pageGone = false;
    nodes.OnDeletion = [&](TTreeNode* Node) {
        if (deletion)
            deletion(Node);
        pageGone = pageGone || Node == page;
    };
    std::optional<std::string> edited;
    try {
        edited = RunExternalEdit(text, transferFile);
    } catch (...) {
        nodes.OnDeletion = deletion;
        throw;
    }
    nodes.OnDeletion = deletion;

    TTreeNode* chosenMeanwhile = DataTree_->Selected();
    if (pageGone) {
        UpdateToolButtons();
        if (!edited)
            return;
        Binding_->TreeAddClick();
        DataMemo_->SelectAll();
        DataMemo_->ReplaceSel(*edited);
        StorePage(DataTree_->Selected());
        MarkModified();
        Tell("外部エディタで編集していたページが削除されていたため、新しいページに入れました。",
             TMsgDlgType::mtWarning);
        return;
    }
    if (chosenMeanwhile != page)
        DataTree_->SetSelected(page);
    const bool changed = edited && LinesDiffer(DataMemo_->GetText(), *edited);
    UpdateToolButtons();
    // The document's modified state is kept as it was unless the text
    // came back changed.
    if (changed) {
        DataMemo_->SelectAll();
        DataMemo_->ReplaceSel(*edited);
        MarkModified();
    }
    DataMemo_->SetSelStart(std::min(caret, DataMemo_->GetTextLen()));
    StorePage(page);
    if (chosenMeanwhile != page)
        DataTree_->SetSelected(chosenMeanwhile);
}

void TVelkForm::EdAllViewClick()
{
    const int nodeCount = DataTree_->Items().Count();
    if (nodeCount < 2 && TextEmpty(*ActiveEditor_))
        return;
    const TDocumentFiles& document = *DocumentFiles_;
    const std::string name =
        document.HasFileName() ? ExtractFileName(document.DocFileName()) : std::string(NewFileCaption);
    const std::string file = ProgramFolder() + "Temp/" + name + EditModeExtension(EditMode_, SettingsVars.UserExt);
    if (document.DocumentCaption() == NewFileCaption && nodeCount > 1)
        DataTree_->SetSelected(DataTree_->Items().GetFirstNode());
    StorePage(DataTree_->Selected());
    int kind = tokAll;
    if (SettingsVars.FindAll) {
        if (nodeCount < 2 || EditMode_ != 0)
            Tell(" 「階層付きテキストで保存」が指定されていますが、１ページしかないデータ\r\nであるか、編集モードが "
                 "Text "
                 "ではありません\r\n 編集モードに応じたテキストファイルを作成し外部エディタに読み込ませます。",
                 TMsgDlgType::mtInformation);
        else
            kind = tokAllTreeText;
    }
    try {
        WriteFileAtomic(file, TextOutputBytes(kind, DataTree_->Items(), *DataTree_->Selected(), {}));
    } catch (const Exception& E) {
        Tell(E.Message(), TMsgDlgType::mtError);
        return;
    }
    if (!SettingsVars.ExtEditor)
        return;
    const TExternalCommand command = ViewerCommand(SettingsVars.HideExe, file);
    QProcess::startDetached(command.Program, command.Arguments);
}
