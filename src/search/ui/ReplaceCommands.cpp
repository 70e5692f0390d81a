#include "Dialogs.h"
#include "ERegExpParser.h"
#include "EditorEx.h"
#include "FastReplaceForm.h"
#include "OutlineHost.h"
#include "PageHitCheck.h"
#include "ReplaceForm.h"
#include "ReplaceText.h"
#include "SearchCommandScope.h"
#include "SearchMessages.h"
#include "Sjis.h"
#include "TreeView.h"

#include <QApplication>

namespace {

void Warn(const std::string& Message) { MessageDlg(Message, TMsgDlgType::mtWarning, {TMsgDlgBtn::mbOK}); }

// The first node of Node's subtree in post-order: children before parents.
TTreeNode* DeepestFirst(TTreeNode* Node)
{
    while (Node->HasChildren())
        Node = Node->GetFirstChild();
    return Node;
}

} // namespace

void TSearchCommands::BeginHourglass()
{
    if (!Hourglass_)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    Hourglass_ = true;
}

void TSearchCommands::EndHourglass()
{
    if (Hourglass_)
        QApplication::restoreOverrideCursor();
    Hourglass_ = false;
}

int TSearchCommands::ReplaceText(const std::string& Source, const std::string& Find, std::string& Result,
                                 TSearchOptionWord Options, const std::string& Replacement)
{
    try {
        return ::ReplaceText(Source, Find, Result, Options, Replacement);
    } catch (const ERegExpParser&) {
        EndHourglass();
        ReplaceRunning_ = false;
        MessageDlg(searchmsg::RegExpError, TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
        Result = Source;
        return 0;
    }
}

int TSearchCommands::DeleteText(const std::string& Source, const std::string& Find, std::string& Result,
                                TSearchOptionWord Options)
{
    return ReplaceText(Source, Find, Result, Options, {});
}

// ---- Interactive replace ---------------------------------------------------------------------

void TSearchCommands::FdReplaceClick()
{
    if (BrowsePaneActive()) {
        Warn(searchmsg::BrowsePaneRefusal);
        return;
    }
    const TCommandScope scope(*this);
    TEditorEx& editor = Editor();
    if (editor.SelLength() > 0) {
        TakeSelectionAsFindStr();
        // The selected text is then the first hit.
        editor.SetSelStart(editor.SelStart());
    }
    ReplaceCount_ = 0;
    if (!RunDialog([&] { return TFmReplace::Execute(&Window_.Window, FindStr_, ReplaceStr_, SearchOptions_); }))
        return;
    if (FindStr_.empty()) {
        NoFindString();
        return;
    }
    // The replacement as typed stays in ReplaceStr_, so the next command
    // shows and expands it afresh.
    std::string replacement = ReplaceStr_;
    if (SearchOptions_ & soRegexp) {
        try {
            replacement = editor.ExpandReplaceText(ReplaceStr_);
        } catch (const ERegExpParser& E) {
            MessageDlg(E.Message(), TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
            return;
        }
    }
    editor.SetHitStyle(TEditorHitStyle::hsSelect);
    StartEscapePoll();
    if (InstallFindString(true))
        ReplaceLoop(replacement, SearchOptions_ & soWholeFile);
    Editor().SetHitStyle(TEditorHitStyle::hsCaret);
    if (ReplaceCount_ > 0)
        Window_.Host.MarkModified();
}

QPoint TSearchCommands::ConfirmBoxPlace() const
{
    const QWidget& window = Window_.Window;
    return {window.x() + window.width() / 2, window.y()};
}

void TSearchCommands::ReplaceLoop(const std::string& Replacement, bool AcrossPages)
{
    std::string question = " ";
    question.append(SjisToUtf8(FindStr_)).append("   を\r\n ");
    question.append(SjisToUtf8(Replacement)).append("   に 置き換えますか？");
    while (AcrossPages ? FindNextAcrossPages() : Editor().FindNext()) {
        TEditorEx& editor = Editor();
        if (AcrossPages)
            CenterCaretRow();
        if (SearchOptions_ & soReplaceConfirm) {
            CenterCaretRow();
            const TModalResult answer = MessageDlgAt(
                question, TMsgDlgType::mtConfirmation,
                {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo, TMsgDlgBtn::mbCancel, TMsgDlgBtn::mbAll}, ConfirmBoxPlace());
            if (answer == mrYes) {
                editor.ReplaceSelection(Replacement);
                ++ReplaceCount_;
            } else if (answer == mrAll) {
                ++ReplaceCount_;
                BeginHourglass();
                editor.ReplaceSelection(Replacement);
                SearchOptions_ = (SearchOptions_ | soReplaceAll) & ~soReplaceConfirm;
            } else if (answer != mrNo) {
                return;
            }
        } else {
            if (SearchOptions_ & soReplaceAll)
                BeginHourglass();
            editor.ReplaceSelection(Replacement);
            ++ReplaceCount_;
        }
        // Without "all", one hit per command.
        if (!(SearchOptions_ & soReplaceAll))
            return;
    }
    EndHourglass();
    if (ReplaceCount_ < 1) {
        Warn(searchmsg::NotFound(true, FindStr_));
    } else {
        MessageDlg(std::to_string(ReplaceCount_) + " 個置換しました。", TMsgDlgType::mtConfirmation,
                   {TMsgDlgBtn::mbOK});
        CenterCaretRow();
    }
}

// ---- Fast replace ----------------------------------------------------------------------------

void TSearchCommands::FdFastReplaceClick()
{
    if (BrowsePaneActive()) {
        Warn(searchmsg::BrowsePaneRefusal);
        return;
    }
    const TCommandScope scope(*this);
    TakeSelectionAsFindStr();
    ReplaceCount_ = 0;
    int pages = 0;
    if (!RunDialog(
            [&] { return TFmFastReplace::Execute(&Window_.Window, FindStr_, ReplaceStr_, pages, SearchOptions_); }))
        return;
    if (FindStr_.empty()) {
        NoFindString();
        return;
    }
    if (SearchOptions_ & soRegexp) {
        // The expression is checked before any page changes. One that
        // matches the empty text everywhere would put the replacement
        // between every two characters of every page.
        try {
            if (RegExpMatchesEmpty(FindStr_)) {
                Warn("検索文字列  " + SjisToUtf8(FindStr_) + " は" + "正規表現では検索できません。");
                return;
            }
        } catch (const ERegExpParser&) {
            MessageDlg(searchmsg::RegExpError, TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
            return;
        }
    }
    StartEscapePoll();
    ReplaceRunning_ = true;
    const int caret = Editor().SelStart();
    BeginHourglass();
    Window_.SetSearchAgainEnabled(!Editor().FindString().empty());

    TTreeNode* const selected = Window_.Binding.Items().Selected();
    if (selected) {
        if (pages == 1)
            ReplaceInSubtree(selected);
        else if (pages == 2)
            ReplaceInLaterPages(selected);
        else
            ReplaceInShownPage(selected);
    }
    EndHourglass();
    if (ReplaceCount_ < 1) {
        Warn("検索文字列  " + SjisToUtf8(FindStr_) + " " + "は見つかりませんでした。");
    } else {
        MessageDlg("検索文字列 " + SjisToUtf8(FindStr_) + " を " + SjisToUtf8(ReplaceStr_) + " に" + "\r\n\r\n"
                       + std::to_string(ReplaceCount_) + "個置換しました。",
                   TMsgDlgType::mtInformation, {TMsgDlgBtn::mbOK});
        Window_.Host.MarkModified();
    }
    ReplaceCount_ = 0;
    // The page may have become shorter: the caret stays inside it, on a
    // character's start.
    TEditorEx& editor = Editor();
    const std::string text = editor.GetText();
    editor.SetSelStart(static_cast<int>(sjis::CharStart(text, std::min<size_t>(caret, text.size()))));
}

void TSearchCommands::ReplaceInShownPage(TTreeNode* Node)
{
    TEditorEx& editor = Editor();
    std::string result;
    const int count = ReplaceText(editor.GetText(), FindStr_, result, SearchOptions_, ReplaceStr_);
    if (count == 0)
        return;
    editor.SelectAll();
    editor.SetSelText(result);
    editor.SetSelStart(0);
    Window_.Binding.StorePage(Node);
    ReplaceCount_ += count;
}

bool TSearchCommands::StoredPageHasHit(const TTreeNode* Node)
{
    std::string ignored;
    return ReplaceText(PageText(Node), FindStr_, ignored, SearchOptions_, ReplaceStr_) > 0;
}

// Children before their parent; pages without a hit are not shown. The
// subtree's own page is selected at the end.
void TSearchCommands::ReplaceInSubtree(TTreeNode* Node)
{
    TTreeNodes& items = Window_.Binding.Items();
    for (TTreeNode* node = DeepestFirst(Node);;) {
        if (Stopped() || !ReplaceRunning_)
            break;
        const bool shown = node == items.Selected();
        if (shown || StoredPageHasHit(node)) {
            if (!shown)
                ShowPageAtTop(node);
            ReplaceInShownPage(node);
        }
        if (node == Node)
            break;
        TTreeNode* sibling = node->getNextSibling();
        node = sibling ? DeepestFirst(sibling) : node->Parent();
    }
    if (items.Selected() != Node)
        ShowPageAtTop(Node);
}

// The current page, then every later page in tree order; the walk ends on
// the last page it reached.
void TSearchCommands::ReplaceInLaterPages(TTreeNode* Node)
{
    ReplaceInShownPage(Node);
    if (!ReplaceRunning_) {
        ReplaceCount_ = 0;
        return;
    }
    TTreeNode* last = Node;
    for (TTreeNode* node = Node->GetNext(); node && !Stopped(); node = node->GetNext()) {
        last = node;
        if (StoredPageHasHit(node)) {
            ShowPageAtTop(node);
            ReplaceInShownPage(node);
        }
    }
    if (Window_.Binding.Items().Selected() != last)
        ShowPageAtTop(last);
}
