// Hierarchical text read and written, the text outputs and the HTML
// export: the commands check and ask, the document core makes the bytes,
// and every file is written atomically. A failed write is told with the
// file and the reason, and no success follows it.
#include "DocumentFiles.h"

#include "Cp932.h"
#include "Dialogs.h"
#include "DockButton.h"
#include "DocumentFile.h"
#include "DocumentHost.h"
#include "EditorEx.h"
#include "ExceptionHandler.h"
#include "Files.h"
#include "FolderSelect.h"
#include "HourGlass.h"
#include "HtmlExport.h"
#include "MainMenus.h"
#include "NodeData.h"
#include "OpenMenuList.h"
#include "OutputFiles.h"
#include "PageFiles.h"
#include "PageList.h"
#include "Paths.h"
#include "SubIcons.h"
#include "SubIni.h"
#include "TextForm.h"
#include "TextOutputs.h"
#include "TextReadingQuestion.h"
#include "TreeText.h"
#include "TreeView.h"
#include "WindowCaption.h"

#include <tuple>

namespace {

const char* const TreeTextFilter = "階層付きテキスト|*.txt;*.mem";
const char* const OnePageRefusal = "１ページしかないデータは保存できません。";
const char* const NoChildrenRefusal = "子ページが存在しないページは保存できません。";

// The folder of the last file an output wrote, for the next save dialog.
std::string& LastTextFolder()
{
    static std::string folder;
    return folder;
}

// The save dialog's kinds of file.
enum class TOutputFileKind { Text, TitleList, TreeText };

TOutputFileKind FileKindOf(int Kind)
{
    if (Kind == tokAllTreeText || Kind == tokPageTreeText)
        return TOutputFileKind::TreeText;
    if (Kind == tokTitles || Kind == tokTitlesIndented || Kind == tokTitleTree)
        return TOutputFileKind::TitleList;
    return TOutputFileKind::Text;
}

// Writes Files made from the document file Document ("" for none); false
// after telling of a failed write.
bool WriteFilesTold(const TOutputFiles& Files, const std::string& Document)
{
    try {
        THourGlass hourGlass;
        WriteOutputFiles(Files, Document);
    } catch (const Exception& error) {
        Tell(error.what(), TMsgDlgType::mtError);
        return false;
    }
    return true;
}

} // namespace

void TDocumentFiles::BindOutputCommands(const TDocumentButtons& Buttons)
{
    const TCommandBinding items[] = {
        {Cmd::FlTreeTextOpen, [this] { FlTreeTextOpenClick(); }},
        {Cmd::FlTreeTextSave, [this] { FlTreeTextSaveClick(); }},
        {Cmd::FlPageTreeTextSave, [this] { FlPageTreeTextSaveClick(); }},
        {Cmd::FlTextSellect, [this] { FlTextSellectClick(); }},
        {Cmd::FlHtmlSave, [this] { FlHtmlSaveClick(); }},
    };
    Menus_.Bind(items);
    Menus_.Item(Cmd::FlPageTreeTextSave)->SetVisible(false);
    // Each output without the chooser, for a key of its own; the items stay
    // out of sight in the file menu.
    const std::tuple<TCommandId, int, std::optional<bool>> outputs[] = {
        {Cmd::FlTextSave, tokAll, {}},
        {Cmd::FlTextNoSave, tokAllNoTitles, {}},
        {Cmd::FlPageTextSave, tokPage, {}},
        {Cmd::FlPageUnderTextSave, tokPageUnder, {}},
        {Cmd::FlPageUnderNoTextSave, tokPageUnderNoTitles, {}},
        {Cmd::FlPageTabTextOut, tokPageTabText, {}},
        {Cmd::FlPageIndentText, tokPageIndentText, {}},
        {Cmd::FlPageTextSavePart, tokPageFiles, {}},
        {Cmd::FlTitleSave, tokTitles, {}},
        {Cmd::FlTitleIndentSave, tokTitlesIndented, {}},
        {Cmd::FlTitleTreeSave, tokTitleTree, false},
        {Cmd::FlTitleTreeNumberSave, tokTitleTree, true},
    };
    for (const auto& [name, kind, numbered] : outputs) {
        const TCommandBinding binding[] = {{name, [this, kind, numbered] { RunTextOutput(kind, numbered); }}};
        Menus_.Bind(binding);
        Menus_.Item(name)->SetVisible(false);
    }
    Buttons.sbLoadTreeText.OnClick = [this](TObject*) { FlTreeTextOpenClick(); };
    Buttons.sbTextOutput.OnClick = [this](TObject*) { FlTextSellectClick(); };
}

// ---- Hierarchical text in ----------------------------------------------------------------------------

bool TDocumentFiles::SaveBeforeTreeText()
{
    // A document without a file is kept as hierarchical text; only a file
    // really written lets the command go on.
    return SaveFirst([this] {
        if (HasFileName_)
            FlSaveClick();
        else if (SaveTreeTextOutput(tokAllTreeText))
            Host_.DataMemo()->SetModified(false);
    });
}

void TDocumentFiles::FlTreeTextOpenClick()
{
    if (!SaveBeforeTreeText())
        return;
    OpenDialog1_.SetFilter(TreeTextFilter);
    if (!OpenDialog1_.Execute())
        return;
    std::string path = OpenDialog1_.FileName();
    if (ExtractFileExt(path).empty())
        path += ".txt";
    if (IsFileLocked(path))
        Tell(ShownPath(path) + " は他のソフトが排他制御で開いています。", TMsgDlgType::mtWarning);
    else if (!FileExists(path))
        Tell(ShownPath(path) + " は存在しません。", TMsgDlgType::mtWarning);
    else if (LoadTreeText(path))
        OpenDialog1_.SetInitialDir(ExtractFilePath(path));
}

bool TDocumentFiles::LoadTreeText(const std::string& Path)
{
    if (IsOpenElsewhere(Path + TreeTextCaptionMarker())
        && MessageDlg(ShownPath(Path) + "\r\nこのファイルはすでに開かれています。強制的に開きますか？",
                      TMsgDlgType::mtConfirmation, {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo})
               != mrYes)
        return false;
    TTextReading reading;
    try {
        THourGlass hourGlass;
        reading = ReadTextFile(Path);
    } catch (const Exception& error) {
        Tell(error.what(), TMsgDlgType::mtError);
        return false;
    }
    if (!MayTakeText(reading.Judgement, FileSubject(Path), "「いいえ」なら読み込みません。"))
        return false;
    const TFlatPages pages = ParseTreeText(reading.Text);

    // From here on nothing can fail: the pages read replace the old ones.
    Host_.DocumentReplacing();
    ReadOnlyDocument_ = IsKeptReadOnly(Path);
    TTreeView& dataTree = *Host_.DataTree();
    TTreeNodes& nodes = dataTree.Items();
    nodes.Clear();
    // New nodes start collapsed: the whole tree shows folded.
    BuildTree(nodes, pages, TDepthPolicy::Clamp);
    dataTree.SetSelected(nodes.GetFirstNode());
    SetCaption(Path + TreeTextCaptionMarker() + (ReadOnlyDocument_ ? ReadOnlyCaptionSuffix() : ""));
    DocFileName_ = ChangeFileExt(Path, "");
    HasFileName_ = false;
    Host_.CloseSubIconFinder();
    Host_.DocumentReplaced(false);
    Host_.ShowUnmappedNotice(reading.Unmapped);
    CatchExceptions([&] { TreeHistory_->Remember(Path); });
    return true;
}

// ---- Text outputs ------------------------------------------------------------------------------------

void TDocumentFiles::FlTreeTextSaveClick() { SaveTreeTextOutput(tokAllTreeText); }

void TDocumentFiles::FlPageTreeTextSaveClick() { SaveTreeTextOutput(tokPageTreeText); }

void TDocumentFiles::FlTextSellectClick()
{
    TTextForm form(Host_.DialogParent());
    if (ShowModal(form) != mrCancel)
        RunTextOutput(LastTextOutputChoice().Kind);
}

void TDocumentFiles::RunTextOutput(int Kind, std::optional<bool> Numbered)
{
    if (Kind == tokPageFiles)
        FlPageTextSavePartClick();
    else if (Kind == tokAllTreeText || Kind == tokPageTreeText)
        SaveTreeTextOutput(Kind);
    else
        SaveTextOutput(Kind, Numbered);
}

bool TDocumentFiles::OutputRefused(int Kind)
{
    // Every output writes what the editor shows.
    const TTreeView& dataTree = *Host_.DataTree();
    Host_.StorePage(dataTree.Selected());
    const TTreeNode* selected = dataTree.Selected();
    if (selected == nullptr)
        return true;
    if (IsWholeDocumentOutput(Kind)) {
        if (dataTree.Items().Count() >= 2)
            return false;
        Tell(OnePageRefusal, TMsgDlgType::mtInformation);
        return true;
    }
    if (Kind == tokPage || Kind == tokPageUnder || Kind == tokPageUnderNoTitles)
        return Host_.DataMemo()->GetTextLen() == 0;
    if (selected->HasChildren())
        return false;
    Tell(NoChildrenRefusal, TMsgDlgType::mtInformation);
    return true;
}

bool TDocumentFiles::SaveTreeTextOutput(int Kind)
{
    if (!SaveTextOutput(Kind))
        return false;
    SettingsVars.APoFile.TextSaveDir = LastTextFolder();
    return true;
}

bool TDocumentFiles::SaveTextOutput(int Kind, std::optional<bool> Numbered)
{
    if (OutputRefused(Kind))
        return false;
    const std::optional<std::string> fileName = ChooseTextOutputFile(Kind);
    if (!fileName)
        return false;
    const TTreeView& dataTree = *Host_.DataTree();
    const TTreeNode& selected = *dataTree.Selected();
    if (Kind == tokPageUnder || Kind == tokPageUnderNoTitles)
        FillEmptyPages(selected);
    const TTextOutputChoice& choice = LastTextOutputChoice();
    const TTextOutputOptions options{Numbered.value_or(choice.Numbered),
                                     choice.BlankLines,
                                     Host_.ActiveEditor()->Caret()->TabSpaceCount(),
                                     Host_.DataMemo()->WrapOption()->WrapByte(),
                                     SettingsVars.Seikei.English,
                                     SettingsVars.Seikei.Indent};
    try {
        THourGlass hourGlass;
        WriteFileAtomic(*fileName, TextOutputBytes(Kind, dataTree.Items(), selected, options), SystemFileSystem(),
                        {MadeFromDocument()});
    } catch (const Exception& error) {
        Tell(error.what(), TMsgDlgType::mtError);
        return false;
    }
    LastTextFolder() = ExtractFilePath(*fileName);
    return true;
}

std::optional<std::string> TDocumentFiles::ChooseTextOutputFile(int Kind)
{
    const TOutputFileKind fileKind = FileKindOf(Kind);
    const bool whole = IsWholeDocumentOutput(Kind);
    TSaveDialog& dialog = SaveDialog1_;
    const TTreeNode* selected = Host_.DataTree()->Selected();
    std::string name = DocFileName_.empty() ? DocumentCaption_ : ExtractFileName(DocFileName_);
    if (!whole && selected && IsValidFileName(selected->Text()))
        name = selected->Text();
    dialog.SetFileName(name);
    if (fileKind == TOutputFileKind::TreeText)
        dialog.SetFilter("階層付きテキスト|*.txt");
    else if (!whole)
        dialog.SetFilter("テキスト|*.txt;*.pas;*.htm*;*.csv;*.ini;*.dat|All Files|*.*");
    else
        dialog.SetFilter(fileKind == TOutputFileKind::TitleList ? "テキストidx|*.idx" : "テキスト|*.txt");
    dialog.SetInitialDir(DirectoryExists(LastTextFolder()) ? LastTextFolder() : SettingsVars.APoFile.TextSaveDir);
    if (!dialog.Execute())
        return std::nullopt;

    std::string fileName = dialog.FileName();
    if (whole || fileKind == TOutputFileKind::TreeText)
        fileName = ChangeFileExt(fileName, fileKind == TOutputFileKind::TitleList ? ".idx" : ".txt");
    else if (ExtractFileExt(fileName).empty())
        fileName += ".txt";
    if (IsFileLocked(fileName)) {
        Tell(ShownPath(fileName) + " は他のソフトが排他制御で開いています。", TMsgDlgType::mtWarning);
        return std::nullopt;
    }
    if (RefuseSave(fileName, ""))
        return std::nullopt;
    if (FileExists(fileName)
        && MessageDlg(ShownPath(fileName) + "\r\nこのファイルは存在します。上書きしますか ?", TMsgDlgType::mtWarning,
                      {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo})
               != mrYes)
        return std::nullopt;
    dialog.SetFileName(fileName);
    return fileName;
}

// ---- Files per page and HTML ---------------------------------------------------------------------------

std::optional<std::string> TDocumentFiles::ChooseOutputFolder()
{
    std::string folder = ExtractFilePath(DocFileName_);
    if (!TFolderOpen::SelectFolder(folder) || !DirectoryExists(folder))
        return std::nullopt;
    return IncludeTrailingPathDelimiter(folder);
}

void TDocumentFiles::FlPageTextSavePartClick()
{
    if (OutputRefused(tokPageFiles))
        return;
    const TTreeNode& selected = *Host_.DataTree()->Selected();
    try {
        CheckPageTitlesDiffer(selected);
        const std::optional<std::string> folder = ChooseOutputFolder();
        if (!folder)
            return;
        const TOutputFiles files =
            PageFiles(selected, *folder, EditModeExtension(Host_.EditMode(), SettingsVars.UserExt));
        if (WriteFilesTold(files, MadeFromDocument()))
            Tell(std::to_string(files.size()) + " 個のページをテキストファイル化しました。",
                 TMsgDlgType::mtInformation);
    } catch (const EPageFileNames& error) {
        Tell(error.what(), TMsgDlgType::mtWarning);
    }
}

void TDocumentFiles::FlHtmlSaveClick()
{
    const TTreeView& dataTree = *Host_.DataTree();
    Host_.StorePage(dataTree.Selected());
    const TTreeNode* selected = dataTree.Selected();
    if (selected == nullptr || !selected->HasChildren())
        return;
    const std::optional<std::string> folder = ChooseOutputFolder();
    if (!folder)
        return;
    const TOutputFiles files = HtmlFiles(*selected, *folder);
    if (WriteFilesTold(files, MadeFromDocument()))
        Tell(std::to_string(files.size()) + " 個のページをHTMLファイル化しました。", TMsgDlgType::mtInformation);
}
