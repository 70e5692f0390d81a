// The external editor's commands. The wait for the editor runs a nested
// event loop, so the window stays responsive; everything that could pull
// the page or the document from under the edit is locked meanwhile.
#include "ExternalEditor.h"

#include "Cp932.h"
#include "Dialogs.h"
#include "DockButton.h"
#include "EditorEx.h"
#include "EditorQueries.h"
#include "ExternalEdit.h"
#include "ExternalEditorHost.h"
#include "Files.h"
#include "Instances.h"
#include "MainMenus.h"
#include "MenuItemIds.h"
#include "OutlineBinding.h"
#include "PageFiles.h"
#include "Paths.h"
#include "Programs.h"
#include "RefusedEdit.h"
#include "SearchListState.h"
#include "SubIni.h"
#include "SysUtils.h"
#include "TextFileEncoding.h"
#include "TextOutputs.h"
#include "TextReadingQuestion.h"
#include "ToolButtonIds.h"
#include "TreeText.h"
#include "TreeView.h"
#include "WindowCaption.h"

#include <cerrno>
#include <cstdio>
#include <ctime>

namespace {

// The buttons an external edit disables; page deletion and joining follow
// the edit button through the tool-button rules.
constexpr TCommandId LockedButtons[] = {Cmd::sbOpen,      Cmd::sbLoadTreeText, Cmd::sbPageNew, Cmd::sbPageDel,
                                        Cmd::sbPageUnify, Cmd::sbSubIcon,      Cmd::sbFind,    Cmd::sbFindList};

// The transfer file's bytes; nothing when the editor left no file or it
// cannot be read (told).
std::optional<std::string> ReadTransferFile(const std::string& File)
{
    if (!FileExists(File))
        return std::nullopt;
    try {
        return ReadFileBytes(File);
    } catch (const Exception& E) {
        Tell(E.Message(), TMsgDlgType::mtError);
        return std::nullopt;
    }
}

void DeleteTransferFile(const std::string& File)
{
    if (FileExists(File) && std::remove(OsPath(File).c_str()) != 0)
        Tell("一時ファイル " + ShownPath(File)
                 + " を削除できませんでした！\r\n\r\n"
                   "Velk2000のあるフォルダーを調べ、適当な方法で削除してください。",
             TMsgDlgType::mtError);
}

// How the messages of a read-back name the transfer file.
constexpr std::string_view TransferFileSubject = "外部エディタから戻ったファイル";

// A file the page cannot take is refused, after Why (UTF-8, ending in a
// full sentence, or empty). What the user edited is kept under a name of
// its own in the Temp folder (or, failing that, beside the program) and
// the transfer file goes; kept nowhere, it stays where it is, and the user
// is asked to move it before a start-up clears it.
void RefuseTransferFile(const std::string& File, std::string_view Bytes, const std::string& Why)
{
    std::string kept, failure;
    for (const std::string& folder : {ProgramFolder() + "Temp/", ProgramFolder()}) {
        try {
            kept = KeepRefusedEdit(Bytes, folder, ExtractFileExt(File), std::time(nullptr));
            break;
        } catch (const EFCreateError& E) {
            if (failure.empty())
                failure = E.Message();
        }
    }
    const std::string refused = Why + "ページは元のままにしました。\r\n";
    if (kept.empty()) {
        Tell(refused + "編集した内容は " + ShownPath(File) + " にあります。別の場所へ移してください。\r\n\r\n"
                 + failure,
             TMsgDlgType::mtError);
        return;
    }
    DeleteTransferFile(File);
    Tell(refused + "編集した内容は " + ShownPath(kept) + " に残してあります。", TMsgDlgType::mtError);
}

} // namespace

const std::string& ExternalEditRunningText()
{
    static const std::string text = Utf8ToSjis("外部エディタ起動中");
    return text;
}

TExternalEditor::TExternalEditor(IExternalEditorHost& Host, TExternalEditorParts Parts) : Host_(Host), Parts_(Parts)
{
    BindCommands();
}

void TExternalEditor::BindCommands()
{
    const TCommandBinding items[] = {
        {Cmd::pEdGoHide, [this] { pEdGoHideClick(); }},
        {Cmd::EdAllView, [this] { EdAllViewClick(); }},
    };
    Parts_.Menus.Bind(items);
    Parts_.GoEditorButton.OnClick = [this](TObject*) { pEdGoHideClick(); };
}

void TExternalEditor::SetExternalEditLocks(bool Locked)
{
    OwnExternalEdit_ = Locked;
    // Typing into the page meanwhile would be lost under the text read back;
    // a split pane shows the same text and is locked with it.
    Parts_.DataMemo.SetReadOnly(Locked);
    TEditorEx* second = Host_.SecondEditor();
    if (Locked && second && !second->ReadOnly()) {
        second->SetReadOnly(true);
        LockedSecondEditor_ = second;
    } else if (!Locked) {
        if (second && second == LockedSecondEditor_)
            second->SetReadOnly(false);
        LockedSecondEditor_ = nullptr;
    }
    // A dropped document would replace the one the page belongs to.
    Parts_.Window.setAcceptDrops(!Locked);
    Parts_.Menus.Item(Cmd::OptionTop)->SetEnabled(!Locked);
    if (Locked) {
        Parts_.GoEditorButton.SetEnabled(false);
        for (const TCommandId name : LockedButtons)
            Host_.SetButtonEnabled(name, false);
        return;
    }
    for (const TCommandId name : {Cmd::sbOpen, Cmd::sbLoadTreeText, Cmd::sbPageNew, Cmd::sbFind})
        Host_.SetButtonEnabled(name, true);
    Host_.SetButtonEnabled(Cmd::sbSubIcon, Parts_.DataTree.Items().Count() > 1 && Host_.HasFileName());
    Host_.SetButtonEnabled(Cmd::sbFindList, !SearchListState().FoundPageList.Empty());
    Parts_.GoEditorButton.SetEnabled(ExternalEditAllowed());
}

bool TExternalEditor::ExternalEditAllowed() const
{
    return SettingsVars.ExtEditor && !Host_.ClippingOn() && !OwnExternalEdit_
           && ExternalEditText_ != ExternalEditRunningText();
}

std::optional<std::string> TExternalEditor::RunExternalEdit(const std::string& Page, const std::string& TransferFile)
{
    const TProgramCommand command =
        CommandWithFile(ExpandEditorTemplate(SettingsVars.HideExe, Host_.ActiveEditor()->Row()), TransferFile);
    // The editor reads and writes the system's encoding.
    const TTextEncoding encoding = LocaleTextEncoding();
    try {
        WriteFileAtomic(TransferFile, TransferFileBytes(Page, encoding));
    } catch (const Exception& E) {
        Tell(E.Message(), TMsgDlgType::mtError);
        return std::nullopt;
    }
    SetExternalEditLocks(true);
    RunProgramAndWait(command, [this] {
        ExternalEditText_.clear();
        Parts_.Instances.Broadcast(ExternalEditRunningText());
    });
    Parts_.Instances.Broadcast("");
    SetExternalEditLocks(false);
    const std::optional<std::string> bytes = ReadTransferFile(TransferFile);
    if (!bytes) {
        DeleteTransferFile(TransferFile);
        return std::nullopt;
    }
    TTextReading edited = PageTextFromTransferFile(Page, *bytes, encoding);
    if (!edited.Judgement.Encoding) {
        RefuseTransferFile(TransferFile, *bytes, JudgementNotice(edited.Judgement, TransferFileSubject));
        return std::nullopt;
    }
    if (!MayTakeText(edited.Judgement, TransferFileSubject,
                     "「いいえ」ならページは元のままにし、編集した内容を残します。")) {
        RefuseTransferFile(TransferFile, *bytes, "");
        return std::nullopt;
    }
    DeleteTransferFile(TransferFile);
    // Told as a paste tells of what the page cannot hold.
    TEditorEx& dataMemo = Parts_.DataMemo;
    if (edited.Unmapped > 0 && dataMemo.OnUnmappedCharacters)
        dataMemo.OnUnmappedCharacters(&dataMemo, edited.Unmapped);
    return std::move(edited.Text);
}

void TExternalEditor::pEdGoHideClick()
{
    TEditorEx& dataMemo = Parts_.DataMemo;
    TTreeView& dataTree = Parts_.DataTree;
    TOutlineBinding& binding = Parts_.Binding;
    if (TextEmpty(dataMemo)) {
        Tell("エディタ部が空ページです！", TMsgDlgType::mtWarning);
        return;
    }
    if (!SettingsVars.ExtEditor || OwnExternalEdit_)
        return;
    const std::string transferFile =
        ProgramFolder() + "temp" + EditModeExtension(Host_.EditMode(), SettingsVars.UserExt);
    if (FileExists(transferFile)) {
        Tell("他のプロセスで外部エディタを起動中です。", TMsgDlgType::mtError);
        return;
    }
    TTreeNode* page = dataTree.Selected();
    binding.StorePage(page);
    const int caret = dataMemo.SelStart();
    const std::string text = dataMemo.GetText();

    // The page may go while the editor runs (a command no lock covers):
    // its node is then forgotten, never selected again.
    TTreeNodes& nodes = dataTree.Items();
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

    TTreeNode* chosenMeanwhile = dataTree.Selected();
    if (pageGone) {
        Host_.UpdateToolButtons();
        if (!edited)
            return;
        binding.TreeAddClick();
        dataMemo.SelectAll();
        dataMemo.ReplaceSel(*edited);
        binding.StorePage(dataTree.Selected());
        Host_.MarkModified();
        Tell("外部エディタで編集していたページが削除されていたため、新しいページに入れました。",
             TMsgDlgType::mtWarning);
        return;
    }
    if (chosenMeanwhile != page)
        dataTree.SetSelected(page);
    const bool changed = edited && LinesDiffer(dataMemo.GetText(), *edited);
    Host_.UpdateToolButtons();
    // The document's modified state is kept as it was unless the text
    // came back changed.
    if (changed) {
        dataMemo.SelectAll();
        dataMemo.ReplaceSel(*edited);
        Host_.MarkModified();
    }
    dataMemo.SetSelStart(std::min(caret, dataMemo.GetTextLen()));
    binding.StorePage(page);
    if (chosenMeanwhile != page)
        dataTree.SetSelected(chosenMeanwhile);
}

void TExternalEditor::EdAllViewClick()
{
    TTreeView& dataTree = Parts_.DataTree;
    const int nodeCount = dataTree.Items().Count();
    if (nodeCount < 2 && TextEmpty(*Host_.ActiveEditor()))
        return;
    const int editMode = Host_.EditMode();
    // Named as the document, in a form the editor can be handed.
    const std::string name =
        Host_.HasFileName() ? ExtractFileName(ReadableName(Host_.DocFileName())) : std::string(NewFileCaption);
    const std::string file = ProgramFolder() + "Temp/" + name + EditModeExtension(editMode, SettingsVars.UserExt);
    if (Host_.DocumentCaption() == NewFileCaption && nodeCount > 1)
        dataTree.SetSelected(dataTree.Items().GetFirstNode());
    Parts_.Binding.StorePage(dataTree.Selected());
    int kind = tokAll;
    if (SettingsVars.FindAll) {
        if (nodeCount < 2 || editMode != 0)
            Tell(" 「階層付きテキストで保存」が指定されていますが、１ページしかないデータ\r\nであるか、編集モードが "
                 "Text "
                 "ではありません\r\n 編集モードに応じたテキストファイルを作成し外部エディタに読み込ませます。",
                 TMsgDlgType::mtInformation);
        else
            kind = tokAllTreeText;
    }
    try {
        WriteFileAtomic(file, TextInEncoding(TextOutputBytes(kind, dataTree.Items(), *dataTree.Selected(), {}),
                                             LocaleTextEncoding()));
    } catch (const Exception& E) {
        Tell(E.Message(), TMsgDlgType::mtError);
        return;
    }
    if (!SettingsVars.ExtEditor)
        return;
    StartProgram(ViewerCommand(SettingsVars.HideExe, file));
}

void TExternalEditor::ExternalEditTold(const std::string& Text)
{
    ExternalEditText_ = Text;
    Parts_.GoEditorButton.SetEnabled(ExternalEditAllowed());
}

void TExternalEditor::DetectRunningExternalEdit()
{
    bool leftover = false;
    for (const std::string& name : TransferFileNames(ProgramFolder(), SettingsVars.UserExt))
        leftover = leftover || FileExists(name);
    ExternalEditText_ = leftover ? ExternalEditRunningText() : std::string();
    Parts_.GoEditorButton.SetEnabled(ExternalEditAllowed());
}
