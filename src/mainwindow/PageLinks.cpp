// Links in page text (to web and mail addresses, files and other pages):
// inserting them, recognising one under a click and following it on the
// double click; the page-link chooser; and the ten row marks.
#include "Main.h"

#include "Beep.h"
#include "Cp932.h"
#include "Dialogs.h"
#include "DocumentFiles.h"
#include "EditorEx.h"
#include "EditorQueries.h"
#include "ExceptionHandler.h"
#include "FontToolbar.h"
#include "HourGlass.h"
#include "NodeForm.h"
#include "PageTitle.h"
#include "Paths.h"
#include "ShellOpen.h"
#include "StatusPanel.h"
#include "SubIcons.h"
#include "SubIni.h"
#include "ToolDock.h"
#include "TreeView.h"
#include "WindowCaption.h"

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

TNodeForm* TVelkForm::PageLinkChooser() const { return PageLinkChooser_; }

void TVelkForm::BindLinkCommands()
{
    std::vector<TCommandBinding> items = {
        {Cmd::pEdFileLink, [this] { pEdFileLinkClick(); }},
        {Cmd::pEdPageLink, [this] { pEdPageLinkClick(); }},
        {Cmd::EdLinkExecute,
         [this] {
             DataMemoClick(ActiveEditor_);
             DataMemoDblClick(ActiveEditor_);
         }},
        {Cmd::EdLinkSel, [this] { DataMemoClick(ActiveEditor_); }},
    };
    for (int mark = 0; mark < 10; ++mark) {
        items.push_back({Cmd::SetMarkItems[static_cast<size_t>(mark)], [this, mark] { SetMarkClick(mark); }});
        items.push_back({Cmd::JumpItems[static_cast<size_t>(mark)], [this, mark] { JumpClick(mark); }});
    }
    BindItems(items);
    DataMemo_->OnClick = [this](TObject* Sender) { DataMemoClick(Sender); };
    DataMemo_->OnDblClick = [this](TObject* Sender) { DataMemoDblClick(Sender); };
    DataMemo_->OnMouseMove = [this](TObject* Sender, QPoint P) { DataMemoMouseMove(Sender, P); };
}

// ---- Pointing -------------------------------------------------------------------------------------------

void TVelkForm::DataMemoMouseMove(TObject* Sender, QPoint P)
{
    TEditorEx& editor = EditorOf(Sender, *ActiveEditor_);
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

void TVelkForm::DataMemoClick(TObject* Sender)
{
    TEditorEx& editor = EditorOf(Sender, *ActiveEditor_);
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
    if (Link_.Kind != TLinkKind::None) {
        StatusPanels_[5]->setText({});
        Menus_.Item(Cmd::OpBoxSel)->SetChecked(false);
    }
}

void TVelkForm::DataMemoDblClick(TObject* Sender)
{
    TEditorEx& editor = EditorOf(Sender, *ActiveEditor_);
    editor.SelectWordAt(editor.CaretPoint());
    if (!Link_.Target.empty())
        FollowLink(editor);
    editor.SetSelectionMode(TEditorSelectionMode::smLine);
    StatusPanels_[5]->setText({});
    Menus_.Item(Cmd::OpBoxSel)->SetChecked(false);
}

void TVelkForm::FollowLink(const TEditorEx& Editor)
{
    switch (Link_.Kind) {
    case TLinkKind::Address: OpenLinkTarget(Link_.Target); break;
    case TLinkKind::File: {
        // A relative link has nothing to start from in a document never saved.
        if (!Link_.Target.starts_with("/") && !DocumentFiles_->HasFileName())
            return;
        const std::string path = ResolveLinkPath(ExtractFilePath(DocumentFiles_->DocFileName()), Link_.Target);
        if (IsValidPath(path))
            OpenLinkedFile(path);
        break;
    }
    case TLinkKind::Page: {
        if (BrowseViewOn() && &Editor != DataMemo_) {
            Warn("閲覧画面ではページリンクは機能しません！");
            return;
        }
        TTreeNodes& pages = DataTree_->Items();
        for (TTreeNode* node = pages.GetFirstNode(); node != nullptr; node = node->GetNext())
            if (node->Text() == Link_.Target) {
                DataTree_->SetSelected(node);
                ActiveEditor_->SetSelLength(0);
                return;
            }
        break;
    }
    case TLinkKind::None: break;
    }
}

void TVelkForm::OpenLinkedFile(const std::string& Path)
{
    if (RunsAsProgram(SjisToUtf8(Path))
        && MessageDlg(SjisToUtf8(Path) + "\r\n\r\nこのファイルはプログラムとして実行されます。開きますか？",
                      TMsgDlgType::mtConfirmation, {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo})
               != mrYes)
        return;
    OpenLinkTarget(Path);
}

void TVelkForm::OpenLinkTarget(const std::string& Target)
{
    if (!ShellOpen(Target))
        MessageDlg(SjisToUtf8(Target)
                       + "\r\n\r\nこのリンクを開けませんでした。開くためのアプリケーション（ウェブブラウザーなど）"
                         "がデスクトップに設定されているか確かめてください。",
                   TMsgDlgType::mtWarning, {TMsgDlgBtn::mbOK});
}

// ---- Inserting ------------------------------------------------------------------------------------------

void TVelkForm::pEdFileLinkClick()
{
    if (ActiveEditor_->Row() == 0) {
        Warn(TitleRowRefusal);
        return;
    }
    if (DocumentFiles_->DocumentCaption() == NewFileCaption && SettingsVars.FileLinkPath) {
        Warn("新規作成ではファイルリンクの相対パス指定はできません！");
        return;
    }
    OpenDialog1_->SetFilter("すべてのファイル|*.*");
    OpenDialog1_->SetOptions({TOpenOption::ofAllowMultiSelect});
    const bool chosen = OpenDialog1_->Execute();
    OpenDialog1_->SetOptions({});
    if (!chosen)
        return;
    const std::vector<std::string> files = OpenDialog1_->Files();
    DocumentFiles_->InsertFileLinks(files);
    OpenDialog1_->SetInitialDir(ExtractFilePath(files.front()));
}

void TVelkForm::pEdPageLinkClick()
{
    if ((DataTree_->Items().Count() < 2 && TextEmpty(*ActiveEditor_)) || PageLinkChooser_)
        return;
    const THourGlass hourGlass;
    auto* chooser = new TNodeForm(this, DataTree_->Items(), SettingsVars.ForderIconDel ? nullptr : TreeImageList_.get(),
                                  &SubIcons_->TreeSubImageList());
    chooser->OnChoose = [this](const std::string& Title) { InsertPageLink(Title); };
    const QPoint corner = DataMemo_->mapToGlobal(QPoint(DataMemo_->width() / 2 + 6, 40));
    // As tall as the dock down the window's left, which runs beside the panes.
    chooser->setGeometry(corner.x(), corner.y(), DataMemo_->width() / 2, ToolDock2_->height() + 2);
    PageLinkChooser_ = chooser;
    chooser->show();
}

void TVelkForm::InsertPageLink(const std::string& Title)
{
    if (ActiveEditor_->Row() == 0) {
        Warn(TitleRowRefusal);
        return;
    }
    const int indent = SettingsVars.InsSpace ? SettingsVars.InsSpc.width : 0;
    ActiveEditor_->SetSelText(LinkLine(TLinkKind::Page, Title, SettingsVars.BracketFlg, indent));
}

// ---- Row marks ------------------------------------------------------------------------------------------

void TVelkForm::SetMarkClick(int Mark)
{
    TEditorEx& editor = *ActiveEditor_;
    TMenuItem* set = Menus_.Item(Cmd::SetMarkItems[static_cast<size_t>(Mark)]);
    TMenuItem* jump = Menus_.Item(Cmd::JumpItems[static_cast<size_t>(Mark)]);
    const int row = editor.Row();
    // The empty row after a final line break is no row of the text: no
    // mark can stand there.
    if (row >= editor.RowCount()) {
        Beep();
        return;
    }
    const QString number = QString::number(Mark);
    if (editor.RowMarks(row) >> Mark & 1) {
        editor.DeleteRowMark(row, Mark);
        set->SetCaption(QStringLiteral("Mark") + number);
        jump->SetCaption(QStringLiteral("Jump") + number);
        set->SetChecked(false);
        jump->SetChecked(false);
        return;
    }
    editor.PutRowMark(row, Mark);
    editor.SetRowCol(row, 0);
    // The captions show the marked row from its start, as far as a row
    // of the wrap width reaches.
    const int line = editor.WordWrap() ? editor.RowToLine(row) : row;
    const std::string lineText = line < editor.Lines()->Count() ? editor.Lines()->Strings(line) : std::string();
    const size_t rowStart = std::min(static_cast<size_t>(std::max(editor.LineCharIndex(row, 0), 0)), lineText.size());
    std::string text = lineText.substr(rowStart);
    if (const int column = FontToolbar_->WrapByteCache(); column > 0)
        text = CopyLeftDbcs(text, static_cast<size_t>(column));
    text = CopyLeftDbcs(text, MarkCaptionBytes);
    // A TAB would start the menu's shortcut column.
    std::replace(text.begin(), text.end(), '\t', ' ');
    const QString shown = EscapeMenuCaption(QString::fromStdString(SjisToUtf8(text)));
    set->SetCaption(QStringLiteral("Mark") + number + ' ' + shown);
    jump->SetCaption(QStringLiteral("Jump") + number + ' ' + shown);
    set->SetChecked(true);
    jump->SetChecked(true);
}

void TVelkForm::JumpClick(int Mark) { ActiveEditor_->GotoRowMark(Mark); }
