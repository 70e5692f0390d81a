// Start-up, the first show, closing and destruction of the main window, the
// auto-save timer and the texts other instances send.
#include "Main.h"

#include "AutoSave.h"
#include "CloseAfterDialogs.h"
#include "Cp932.h"
#include "DamagedFiles.h"
#include "DateTimeFormats.h"
#include "Dialogs.h"
#include "DockButton.h"
#include "DockLayoutIni.h"
#include "DocumentFiles.h"
#include "EditModeSwitch.h"
#include "EditorEx.h"
#include "EditorLook.h"
#include "ExceptionHandler.h"
#include "ExternalEdit.h"
#include "ExternalEditor.h"
#include "Files.h"
#include "FontToolbar.h"
#include "FormTimer.h"
#include "Instances.h"
#include "ModalActivity.h"
#include "OpenMenuList.h"
#include "OptionToggles.h"
#include "OutlineBinding.h"
#include "PaneViews.h"
#include "Paths.h"
#include "SessionEnd.h"
#include "StartDocument.h"
#include "StatusBarTexts.h"
#include "StatusPanel.h"
#include "SubIcons.h"
#include "SubIni.h"
#include "SubKeyIni.h"
#include "SysErrorText.h"
#include "ToolButtonIds.h"
#include "ToolButtonRules.h"
#include "TreeView.h"
#include "WindowParts.h"

#include <QStatusBar>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Transfer files an external edit left behind when the program last ended
// without cleaning up.
void DeleteLeftoverTransferFiles()
{
    for (const std::string& name : TransferFileNames(ProgramFolder(), SettingsVars.UserExt)) {
        if (::unlink(OsPath(name).c_str()) == 0 || errno == ENOENT)
            continue;
        MessageDlg(ShownPath(name) + "\n" + SysErrorMessage(errno) + "\n\ntempファイルを削除できませんでした！",
                   TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
        return;
    }
}

void MakeProgramSubfolder(const char* Name, const char* Warning)
{
    const std::string folder = OsPath(ProgramFolder() + Name);
    if (::mkdir(folder.c_str(), 0777) == 0 || (errno == EEXIST && DirectoryExists(ProgramFolder() + Name)))
        return;
    MessageDlg(std::string(Warning) + "\n" + SysErrorMessage(errno), TMsgDlgType::mtWarning, {TMsgDlgBtn::mbOK});
}

// Without its entries in the runtime folder an instance sees no other one,
// and a document open in another opens again without the question.
void TellOtherInstancesUnseen(const TInstanceRegistry& Instances)
{
    MessageDlg("他に起動しているVelk2000を確認できません。\n" + Instances.Folder() + " を使えません。"
                   + Instances.RegistrationError() + "\n同じ文書を別のVelk2000で開いていても、確認せずに開きます。",
               TMsgDlgType::mtWarning, {TMsgDlgBtn::mbOK});
}

} // namespace

// ---- Start-up -------------------------------------------------------------------------------------

TStartOutcome TVelkForm::FormCreate(const std::vector<std::string>& Parameters)
{
    ActiveEditor_ = DataMemo_;
    if (!Instances_.Registered())
        TellOtherInstancesUnseen(Instances_);
    const bool single = Instances_.IsSingleInstance();
    if (single)
        DeleteLeftoverTransferFiles();
    MakeProgramSubfolder("Temp", "Tempフォルダーの作成に失敗しました。");
    Parts_->EditModeSwitch->Reset();
    const TSetAsideFiles setAside = SetAsideDamagedFiles(StartUpSettingsFiles());
    if (!setAside.Notice.empty())
        MessageDlg(setAside.Notice, TMsgDlgType::mtWarning, {TMsgDlgBtn::mbOK});
    // A file the notice names is kept: a write into it later says nothing more.
    for (const std::string& kept : setAside.KeptMessages)
        CountAsTold(kept);
    Parts_->FontToolbar->LoadSymbolList();

    Parts_->EditorLook->SetupFountain();
    LoadIni(*Parts_->SettingsHost);
    // Again, for the link brackets in the form the settings choose; their
    // colours stay.
    Parts_->EditorLook->SetupFountain();
    LoadKeyIni(Menus_);
    // The blank and tab marks show from the start as the settings say.
    Parts_->EditorLook->ApplyMarkSettings();
    Parts_->EditorLook->ApplyBracketColors();
    LoadDockLayoutFromIni(*this, SettingsFilePath(), "");
    Parts_->FontToolbar->FillFontCombo();
    Parts_->EditorLook->ApplyEditorColors();

    MakeProgramSubfolder("Images", "Imagesフォルダーの作成に失敗しました。");
    Parts_->SubIcons->LoadSubIcons();
    Parts_->SubIcons->BuildSubIconMenu();
    DataTree_->SetImages(SettingsVars.ForderIconDel ? nullptr : Parts_->TreeImageList.get());
    StatusPanels_[3]->setText(QString::fromStdString(InsertModeText(false)));
    DateFormatText_ = DateFormatText(SettingsVars.IME);
    TimeFormatText_ = TimeFormatText(SettingsVars.IME);
    DataMemo_->SetModified(false);
    InsertNumber_ = 1;
    if (SettingsVars.APoFile.TextSaveDir.empty())
        SettingsVars.APoFile.TextSaveDir = ExtractFilePath(Parts_->DocumentFiles->DocFileName());

    TStartInputs inputs;
    inputs.OptionFileMode = SettingsVars.APoFile.Mode;
    inputs.OptionFile = SettingsVars.APoFile.File;
    inputs.LastFileMode = SettingsVars.LastFile;
    inputs.LastFileName = SettingsVars.LastFileName;
    inputs.SingleInstance = single;
    inputs.Parameters = Parameters;
    inputs.FileExists = [](const std::string& FileName) { return FileExists(FileName); };
    const TStartChoice choice = ChooseStartDocument(inputs);
    if (choice.Rule != TStartRule::NewDocument) {
        if (Parts_->DocumentFiles->LoadOutline(choice.DocFileName)) {
            Parts_->OpenDialog1->SetInitialDir(choice.InitialDir);
            return TStartOutcome::Run;
        }
        if (Parts_->DocumentFiles->OpenDeclined() && choice.OnDecline == TDeclineAction::CloseInstance)
            return TStartOutcome::Quit;
    }
    if (Parameters.size() == 1 && DirectoryExists(Parameters.front()))
        Tell(ShownPath(Parameters.front()) + " はフォルダーで、文書ではありません。新しい文書を開きます。",
             TMsgDlgType::mtInformation);
    // A start document that could not be read, or was declined, leaves a
    // new document rather than an empty window.
    Parts_->DocumentFiles->FlNewClick();
    return TStartOutcome::Run;
}

void TVelkForm::ClearPageHistory()
{
    Parts_->Binding->ClearPageHistory();
    SetPageHistoryButtons(false, false);
}

// ---- The first show ---------------------------------------------------------------------------------

void TVelkForm::FormShow()
{
    DataMemo_->Leftbar()->SetShowNumberMode(SettingsVars.LineNumber.Mode != 0 ? TEditorShowNumberMode::nmLine
                                                                              : TEditorShowNumberMode::nmRow);
    Timer1_->SetInterval(AutoSaveInterval(SettingsVars.AutoSaveTime));
    ApplyShownSettings();
    Parts_->FontToolbar->FormShow();
    Parts_->ExternalEditor->DetectRunningExternalEdit();

    Button(Cmd::sbTextOutput)->SetEnabled(TextOutputEnabled(DataTree_->Items().Count(), DataMemo_->GetTextLen() == 0));
    Button(Cmd::sbPageDevide)->SetEnabled(true);
    Button(Cmd::sbPaste)->SetEnabled(PasteEnabled());
    UpdateSelectionButtons(false);
    SetEditUndoButtons(ActiveEditor_->CanUndo(), ActiveEditor_->CanRedo());
    Button(Cmd::sbSave)->SetEnabled(ActiveEditor_->Modified());
    for (const TCommandId name : {Cmd::sbFoward, Cmd::sbBack, Cmd::sbFindList})
        Button(name)->SetEnabled(false);
    UpdateButtonHints();

    UpdateToolButtons();
    DataMemo_->Leftbar()->SetZeroBase(!SettingsVars.Col_Row.Mode);
    UpdateCaretPanel();
    Parts_->EditModeSwitch->ApplyCommenter();
    StatusPanels_[5]->setText(QString::fromStdString(BoxSelectionText(BoxSelectionOn())));
    UpdateStatusBar();
    DataMemo_->setFocus();
}

// The settings the window shows only once it is shown: the wrap mark, the
// toolbars, the popup's groups, the left bar's colour and the tree's tips.
void TVelkForm::ApplyShownSettings()
{
    Parts_->EditorLook->ApplyWrapMark();
    Parts_->OptionToggles->ApplyMenuVisibilities();
    DataMemo_->Leftbar()->SetColor(SettingsVars.AnkCol);
    DataTree_->SetToolTips(!Menus_.Item(Cmd::TreeTipHelp)->Checked());
}

void TVelkForm::resizeEvent(QResizeEvent* Event)
{
    QMainWindow::resizeEvent(Event);
    CatchExceptions([this] {
        // The title's panel takes the rest of the bar, but at least 5 pixels
        // per byte of the title it shows now.
        const int titleBytes = static_cast<int>(Utf8ToSjis(StatusPanels_[1]->text().toStdString()).size());
        StatusPanelRow_->SetStretchPanel(StatusPanels_[1], 5 * titleBytes);
    });
}

// ---- Closing ------------------------------------------------------------------------------------

bool TVelkForm::FormCloseQuery()
{
    // Nothing is asked or written until the command under a modal dialog
    // has returned.
    if (Parts_->CloseAfterDialogs->Postpone())
        return false;
    bool canClose = true;
    if (Parts_->ExternalEditor->OwnExternalEditRunning()) {
        MessageDlg("外部エディタが起動中です。エディタを先に終了してください。", TMsgDlgType::mtError,
                   {TMsgDlgBtn::mbOK});
        canClose = false;
    } else {
        canClose = Parts_->DocumentFiles->CloseQuery();
    }
    // Whether or not the window closes, the newest recent document is kept
    // for the next start, the views are closed, and the symbol list, the
    // settings and the toolbar places are written. A write that fails is
    // told once a run (a file the start found unreadable, or a read-only
    // one told at an earlier write, is not told again) and changes nothing
    // about closing: the document was dealt with above.
    const std::vector<std::string>& recent = Parts_->DocumentFiles->History().Paths();
    if (!recent.empty())
        SettingsVars.LastFileName = recent.front();
    Parts_->PaneViews->CloseViews();
    TellOnce(
        RunCloseWrites({[this] { Parts_->FontToolbar->SaveSymbolList(); }, [this] { SaveIni(*Parts_->SettingsHost); },
                        [this] { SaveDockLayoutToIni(*this, SettingsFilePath(), ""); }}),
        TMsgDlgType::mtError);
    return canClose;
}

// The close runs inside the request, as a close from the window manager
// would: the session manager waits for the answer, and the user's answer
// (or the forced save) is all the program needs before it ends. A close
// held back by a dialog or a walk asks its question only later, so the
// session must not end before that.
void TVelkForm::SessionEnding(const TSessionEnd& Session)
{
    if (Session.AllowsInteraction()) {
        const bool closed = close();
        Session.Release();
        if (!closed)
            Session.Cancel();
        return;
    }
    // Nothing may be asked. A save in the middle of a question or a walk
    // would write what the user has not decided yet.
    if (!TModalActivity::Running())
        Parts_->DocumentFiles->SaveUnasked();
}

// ---- The auto-save timer and other instances ---------------------------------------------------------

void TVelkForm::Timer1Timer() { Parts_->DocumentFiles->AutoSave(); }

void TVelkForm::AppMessageHandler(const std::string& Text) { Parts_->ExternalEditor->ExternalEditTold(Text); }
