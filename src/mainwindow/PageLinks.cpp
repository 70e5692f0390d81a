// The links' and row marks' commands and the chooser of page links.
#include "PageLinks.h"

#include "Beep.h"
#include "Cp932.h"
#include "Dialogs.h"
#include "EditorEx.h"
#include "EditorQueries.h"
#include "HourGlass.h"
#include "MainMenus.h"
#include "MenuItemIds.h"
#include "Menus.h"
#include "NodeForm.h"
#include "OsPath.h"
#include "PageLinksHost.h"
#include "PageTitle.h"
#include "Paths.h"
#include "ShellOpen.h"
#include "SubIni.h"
#include "TreeView.h"
#include "WindowCaption.h"
#include "WorkArea.h"

#include <algorithm>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Token kinds of the editor's colouring under the caret.
constexpr int BracketRegionKind = 6;
constexpr int WebAddressKind = 21;
constexpr int MailAddressKind = 22;
// How much of a marked row its menu items show.
constexpr size_t MarkCaptionBytes = 50;

void Warn(const std::string& Text) { MessageDlg(Text, TMsgDlgType::mtWarning, {TMsgDlgBtn::mbOK}); }

const char* const TitleRowRefusal = "カーソルが第１行にあるので挿入できません！";

// A file that runs as a program when opened: one with an execute bit, or a
// desktop launcher.
bool RunsAsProgram(const std::string& Utf8Path)
{
    struct stat status {};
    if (stat(Utf8Path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    return access(Utf8Path.c_str(), X_OK) == 0 || Utf8Path.ends_with(".desktop");
}

} // namespace

TPageLinks::TPageLinks(IPageLinksHost& Host, TPageLinksParts Parts) : Host_(Host), Parts_(Parts) { BindCommands(); }

TNodeForm* TPageLinks::PageLinkChooser() const { return PageLinkChooser_; }

void TPageLinks::BindCommands()
{
    std::vector<TCommandBinding> items = {
        {Cmd::pEdFileLink, [this] { pEdFileLinkClick(); }},
        {Cmd::pEdPageLink, [this] { pEdPageLinkClick(); }},
        {Cmd::EdLinkExecute,
         [this] {
             DataMemoClick(Host_.ActiveEditor());
             DataMemoDblClick(Host_.ActiveEditor());
         }},
        {Cmd::EdLinkSel, [this] { DataMemoClick(Host_.ActiveEditor()); }},
    };
    for (int mark = 0; mark < 10; ++mark) {
        items.push_back({Cmd::SetMarkItems[static_cast<size_t>(mark)], [this, mark] { SetMarkClick(mark); }});
        items.push_back({Cmd::JumpItems[static_cast<size_t>(mark)], [this, mark] { JumpClick(mark); }});
    }
    Parts_.Menus.Bind(items);
    TEditorEx& dataMemo = Parts_.DataMemo;
    dataMemo.OnClick = [this](TObject* Sender) { DataMemoClick(Sender); };
    dataMemo.OnDblClick = [this](TObject* Sender) { DataMemoDblClick(Sender); };
    dataMemo.OnMouseMove = [this](TObject* Sender, QPoint P) { DataMemoMouseMove(Sender, P); };
}

// ---- Pointing -------------------------------------------------------------------------------------------

void TPageLinks::DataMemoMouseMove(TObject* Sender, QPoint P)
{
    TEditorEx& editor = EditorOf(Sender, *Host_.ActiveEditor());
    const int kind = editor.TokenKindAt(P);
    const bool link = kind == WebAddressKind || kind == MailAddressKind
                      || (kind == BracketRegionKind
                          && ParseLinkRegion(editor.RegionTextAt(P), SettingsVars.BracketFlg).Kind != TLinkKind::None);
    if (link)
        editor.viewport()->setCursor(Qt::PointingHandCursor);
    else
        editor.RestoreAreaCursor();
}

// ---- Following ------------------------------------------------------------------------------------------

void TPageLinks::DataMemoClick(TObject* Sender)
{
    TEditorEx& editor = EditorOf(Sender, *Host_.ActiveEditor());
    Link_ = {};
    const int kind = editor.TokenKindAtCaret();
    if (kind == WebAddressKind || kind == MailAddressKind) {
        editor.SelectTokenAtCaret();
        Link_ = {TLinkKind::Address, (kind == MailAddressKind ? "mailto:" : "") + editor.SelText()};
    } else if (kind == BracketRegionKind) {
        Link_ = ParseLinkRegion(editor.RegionTextAtCaret(), SettingsVars.BracketFlg);
        if (Link_.Kind != TLinkKind::None)
            editor.SelectRegionAtCaret();
    }
    if (Link_.Kind != TLinkKind::None)
        Host_.ShowLineSelection();
}

void TPageLinks::DataMemoDblClick(TObject* Sender)
{
    TEditorEx& editor = EditorOf(Sender, *Host_.ActiveEditor());
    editor.SelectWordAt(editor.CaretPoint());
    if (!Link_.Target.empty())
        FollowLink(editor);
    editor.SetSelectionMode(TEditorSelectionMode::smLine);
    Host_.ShowLineSelection();
}

void TPageLinks::FollowLink(const TEditorEx& Editor)
{
    switch (Link_.Kind) {
    case TLinkKind::Address: OpenLinkTarget(Link_.Target); break;
    case TLinkKind::File: {
        // A relative link has nothing to start from in a document never saved.
        if (!Link_.Target.starts_with("/") && !Host_.HasFileName())
            return;
        const std::string path = ResolveLinkPath(ExtractFilePath(Host_.DocFileName()), Link_.Target);
        if (IsValidPath(path))
            OpenLinkedFile(path);
        break;
    }
    case TLinkKind::Page: {
        if (Host_.BrowseViewOn() && &Editor != &Parts_.DataMemo) {
            Warn("閲覧画面ではページリンクは機能しません！");
            return;
        }
        TTreeNodes& pages = Parts_.DataTree.Items();
        for (TTreeNode* node = pages.GetFirstNode(); node != nullptr; node = node->GetNext())
            if (node->Text() == Link_.Target) {
                Parts_.DataTree.SetSelected(node);
                Host_.ActiveEditor()->SetSelLength(0);
                return;
            }
        break;
    }
    case TLinkKind::None: break;
    }
}

void TPageLinks::OpenLinkedFile(const std::string& Path)
{
    if (RunsAsProgram(OsPath(Path))
        && MessageDlg(ShownPath(Path) + "\r\n\r\nこのファイルはプログラムとして実行されます。開きますか？",
                      TMsgDlgType::mtConfirmation, {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo})
               != mrYes)
        return;
    OpenLinkTarget(Path);
}

void TPageLinks::OpenLinkTarget(const std::string& Target)
{
    if (!ShellOpen(Target))
        MessageDlg(ShownPath(Target)
                       + "\r\n\r\nこのリンクを開けませんでした。開くためのアプリケーション（ウェブブラウザーなど）"
                         "がデスクトップに設定されているか確かめてください。",
                   TMsgDlgType::mtWarning, {TMsgDlgBtn::mbOK});
}

// ---- Inserting ------------------------------------------------------------------------------------------

void TPageLinks::pEdFileLinkClick()
{
    if (Host_.ActiveEditor()->Row() == 0) {
        Warn(TitleRowRefusal);
        return;
    }
    if (Host_.DocumentCaption() == NewFileCaption && SettingsVars.FileLinkPath) {
        Warn("新規作成ではファイルリンクの相対パス指定はできません！");
        return;
    }
    TOpenDialog& dialog = Parts_.OpenDialog;
    dialog.SetFilter("すべてのファイル|*.*");
    dialog.SetOptions({TOpenOption::ofAllowMultiSelect});
    const bool chosen = dialog.Execute();
    dialog.SetOptions({});
    if (!chosen)
        return;
    const std::vector<std::string> files = dialog.Files();
    Host_.InsertFileLinks(files);
    dialog.SetInitialDir(ExtractFilePath(files.front()));
}

void TPageLinks::pEdPageLinkClick()
{
    TTreeNodes& pages = Parts_.DataTree.Items();
    if ((pages.Count() < 2 && TextEmpty(*Host_.ActiveEditor())) || PageLinkChooser_)
        return;
    const THourGlass hourGlass;
    auto* chooser = new TNodeForm(&Parts_.Window, pages, SettingsVars.ForderIconDel ? nullptr : &Parts_.TreeImages,
                                  &Parts_.TreeSubImages);
    chooser->OnChoose = [this](const std::string& Title) { InsertPageLink(Title); };
    const TEditorEx& dataMemo = Parts_.DataMemo;
    const QPoint corner = dataMemo.mapToGlobal(QPoint(dataMemo.width() / 2 + 6, 40));
    // As tall as the dock down the window's left, which runs beside the
    // panes; kept on the screen's work area, frame and all, where its lower
    // edge can be reached.
    const QRect place(corner, QSize(dataMemo.width() / 2, Parts_.LeftDock.height() + 2));
    PlaceWithinWorkArea(*chooser, place, FrameMargins(Parts_.Window));
    PageLinkChooser_ = chooser;
    chooser->show();
}

void TPageLinks::InsertPageLink(const std::string& Title)
{
    TEditorEx& editor = *Host_.ActiveEditor();
    if (editor.Row() == 0) {
        Warn(TitleRowRefusal);
        return;
    }
    const int indent = SettingsVars.InsSpace ? SettingsVars.InsSpc.width : 0;
    editor.SetSelText(LinkLine(TLinkKind::Page, Title, SettingsVars.BracketFlg, indent));
}

// ---- Row marks ------------------------------------------------------------------------------------------

void TPageLinks::SetMarkClick(int Mark)
{
    TEditorEx& editor = *Host_.ActiveEditor();
    const int row = editor.Row();
    // The empty row after a final line break is no row of the text: no
    // mark can stand there.
    if (row >= editor.RowCount()) {
        Beep();
        return;
    }
    if (editor.RowMarks(row) >> Mark & 1) {
        editor.DeleteRowMark(row, Mark);
        ShowMarkItems(Mark, false);
        return;
    }
    editor.PutRowMark(row, Mark);
    editor.SetRowCol(row, 0);
    // The captions show the marked row from its start, as far as a row
    // of the wrap width reaches.
    const int line = editor.RowToLine(row);
    const std::string lineText = line < editor.Lines()->Count() ? editor.Lines()->Strings(line) : std::string();
    const size_t rowStart = std::min(static_cast<size_t>(std::max(editor.LineCharIndex(row, 0), 0)), lineText.size());
    std::string text = lineText.substr(rowStart);
    if (const int column = Host_.WrapByteCache(); column > 0)
        text = CopyLeftDbcs(text, static_cast<size_t>(column));
    text = CopyLeftDbcs(text, MarkCaptionBytes);
    // A TAB would start the menu's shortcut column.
    std::replace(text.begin(), text.end(), '\t', ' ');
    ShowMarkItems(Mark, true, EscapeMenuCaption(QString::fromStdString(SjisToUtf8(text))));
}

void TPageLinks::JumpClick(int Mark) { Host_.ActiveEditor()->GotoRowMark(Mark); }

void TPageLinks::ClearMarkItems()
{
    for (int mark = 0; mark < 10; ++mark)
        ShowMarkItems(mark, false);
}

void TPageLinks::ShowMarkItems(int Mark, bool Set, const QString& RowText)
{
    const QString suffix = QString::number(Mark) + (Set ? ' ' + RowText : QString());
    for (const auto& [items, caption] : {std::pair{Cmd::SetMarkItems, "Mark"}, std::pair{Cmd::JumpItems, "Jump"}}) {
        TMenuItem* item = Parts_.Menus.Item(items[static_cast<size_t>(Mark)]);
        item->SetCaption(QString::fromLatin1(caption) + suffix);
        item->SetChecked(Set);
    }
}
