// The help menu's commands and the document type's association.
#include "HelpCommands.h"

#include "Dialogs.h"
#include "EditorEx.h"
#include "FileAssociation.h"
#include "FileUrl.h"
#include "Files.h"
#include "HelpCommandsHost.h"
#include "Instances.h"
#include "MainMenus.h"
#include "MenuItemIds.h"
#include "Paths.h"
#include "SubIni.h"
#include "SysUtils.h"
#include "VerForm.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

std::string SampleFile() { return ProgramFolder() + "sample.vk2"; }

std::string FolderOf(const std::string& Path) { return Path.substr(0, Path.rfind('/') + 1); }

} // namespace

THelpCommands::THelpCommands(IHelpCommandsHost& Host, THelpCommandsParts Parts)
    : Host_(Host), Parts_(Parts), OpenUrl_([](const QUrl& Url) { return QDesktopServices::openUrl(Url); })
{
    BindCommands();
}

void THelpCommands::BindCommands()
{
    const TCommandBinding items[] = {
        {Cmd::HpTopic, [this] { HpTopicClick(); }},
        {Cmd::HpOtherHelp, [this] { HpOtherHelpClick(); }},
        {Cmd::HpSample, [this] { HpSampleClick(); }},
        {Cmd::HpVersion, [this] { HpVersionClick(); }},
        {Cmd::OpAssociation, [this] { OpAssociationClick(); }},
    };
    Parts_.Menus.Bind(items);
}

void THelpCommands::OpenHelpFile(const std::string& File)
{
    if (!FileExists(File) || !OpenUrl_(FileUrl(File)))
        MessageDlg("ヘルプファイル " + ShownPath(File) + " を開けません。", TMsgDlgType::mtInformation,
                   {TMsgDlgBtn::mbOK});
}

void THelpCommands::HpTopicClick() { OpenHelpFile(ProgramBasePath() + ".hlp"); }

// The word at the caret is selected as the word to look up, though the
// desktop's handler can only open the file.
void THelpCommands::HpOtherHelpClick()
{
    TEditorEx& editor = *Host_.ActiveEditor();
    if (editor.SelLength() == 0)
        editor.SelectWordAt(editor.CaretPoint());
    OpenHelpFile(SettingsVars.OtherHelp);
}

bool THelpCommands::SampleAvailable() const
{
    return FileExists(SampleFile()) && AssociatedProgram() && !Parts_.Instances.IsCaptionOpen(SampleFile());
}

void THelpCommands::HpSampleClick() { OpenUrl_(FileUrl(SampleFile())); }

void THelpCommands::HpVersionClick()
{
    TVerForm form(OpenUrl_, &Parts_.Window);
    ShowModal(form);
}

void THelpCommands::OpAssociationClick()
{
    const std::string self = ExecutablePath();
    if (const std::optional<std::string> registered = AssociatedProgram()) {
        const std::string already =
            "vk2ファイルはすでに\r\n" + ShownOsPath(*registered) + "\r\nに関連付けられています。";
        if (FolderOf(*registered) == FolderOf(self)) {
            MessageDlg(already, TMsgDlgType::mtInformation, {TMsgDlgBtn::mbOK});
            return;
        }
        if (MessageDlg(already + "これから関連付けするのは\r\n" + ShownOsPath(self) + "\r\nです。"
                           + "Velk2000が存在するフォルダーが異なっているようです。関連付けを実行しますか？",
                       TMsgDlgType::mtConfirmation, {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo})
            != mrYes)
            return;
    } else if (MessageDlg("vk2ファイルを Velk2000 に関連付けますか？", TMsgDlgType::mtConfirmation,
                          {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo})
               != mrYes) {
        return;
    }
    try {
        AssociateDocumentType(self);
    } catch (const Exception& E) {
        MessageDlg(E.Message(), TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
    }
}
