// The help menu and the document type's association: help files and the
// sample open with the desktop's default handler (no help viewer takes a
// keyword here), and the about box.
#include "Main.h"

#include "Cp932.h"
#include "Dialogs.h"
#include "EditorEx.h"
#include "FileAssociation.h"
#include "Files.h"
#include "Instances.h"
#include "Paths.h"
#include "SubIni.h"
#include "SysUtils.h"
#include "VerForm.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

namespace {

std::string SampleFile() { return ProgramFolder() + "sample.vk2"; }

std::string FolderOf(const std::string& Path) { return Path.substr(0, Path.rfind('/') + 1); }

} // namespace

void TVelkForm::BindHelpCommands()
{
    OpenUrl_ = [](const QUrl& Url) { return QDesktopServices::openUrl(Url); };
    const TCommandBinding items[] = {
        {Cmd::HpTopic, [this] { HpTopicClick(); }},
        {Cmd::HpOtherHelp, [this] { HpOtherHelpClick(); }},
        {Cmd::HpSample, [this] { HpSampleClick(); }},
        {Cmd::HpVersion, [this] { HpVersionClick(); }},
        {Cmd::OpAssociation, [this] { OpAssociationClick(); }},
    };
    BindItems(items);
}

void TVelkForm::OpenHelpFile(const std::string& File)
{
    if (!FileExists(File) || !OpenUrl_(QUrl::fromLocalFile(QString::fromStdString(OsPath(File)))))
        MessageDlg("ヘルプファイル " + SjisToUtf8(File) + " を開けません。", TMsgDlgType::mtInformation,
                   {TMsgDlgBtn::mbOK});
}

void TVelkForm::HpTopicClick() { OpenHelpFile(ProgramBasePath() + ".hlp"); }

// The word at the caret is selected as the word to look up, though the
// desktop's handler can only open the file.
void TVelkForm::HpOtherHelpClick()
{
    if (ActiveEditor_->SelLength() == 0)
        ActiveEditor_->SelectWordAt(ActiveEditor_->CaretPoint());
    OpenHelpFile(SettingsVars.OtherHelp);
}

bool TVelkForm::SampleAvailable() const
{
    return FileExists(SampleFile()) && AssociatedProgram() && !Instances_.IsCaptionOpen(SampleFile());
}

void TVelkForm::HpSampleClick() { OpenUrl_(QUrl::fromLocalFile(QString::fromStdString(OsPath(SampleFile())))); }

void TVelkForm::HpVersionClick()
{
    TVerForm form(OpenUrl_, this);
    ShowModal(form);
}

void TVelkForm::OpAssociationClick()
{
    const std::string self = QCoreApplication::applicationFilePath().toStdString();
    if (const std::optional<std::string> registered = AssociatedProgram()) {
        const std::string already = "vk2ファイルはすでに\r\n" + *registered + "\r\nに関連付けられています。";
        if (FolderOf(*registered) == FolderOf(self)) {
            MessageDlg(already, TMsgDlgType::mtInformation, {TMsgDlgBtn::mbOK});
            return;
        }
        if (MessageDlg(already + "これから関連付けするのは\r\n" + self + "\r\nです。"
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
