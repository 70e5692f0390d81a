#include "OptionsFormFixture.h"

#include <QComboBox>
#include <QTest>
#include <sstream>

namespace {

void SetUpBrackets(TEditorEx& Editor)
{
    const std::pair<std::string, std::string> pairs[] = {
        {"{*", "*}"}, {"{!", "!}"}, {"/*", "*/"}, {Sjis("「"), Sjis("」")}, {"<file@", ">"}, {"<node@", ">"}};
    TFountainBracketCollection& brackets = *Editor.View()->Brackets();
    for (const auto& [left, right] : pairs) {
        TFountainBracketItem* item = brackets.Add();
        item->SetLeftBracket(left);
        item->SetRightBracket(right);
    }
}

std::ostream& operator<<(std::ostream& Out, const TFountainColor& Color)
{
    return Out << Color.Color() << '/' << Color.BkColor() << '/' << Color.Style().Bits() << ' ';
}

} // namespace

OptionsFormTest::OptionsFormTest()
    : memo(TEditor::Create<TEditorEx>()), tree(std::make_unique<TTreeView>()),
      html(TFileExtComponent::Create<THTMLFountain>(nullptr)), images(std::make_unique<TPopupMenu>())
{
    SetDialogHook(&dialogs);
    SettingsVars = {};
    TSettingsVars& v = SettingsVars;
    v.AutoSaveTime = 300000;
    v.LineScroll = 3;
    v.QMark = "> ";
    v.UserExt = "txt";
    v.HideExe = "/bin/sh -c x";
    v.ExtEditor = true;
    v.OtherHelp = "/usr/share/doc/help.html";
    v.InsSpc.width = 2;
    v.InsTab.width = 1;
    v.InsZenSpc.width = 1;
    v.DelSpc.width = 0;
    v.BookMoji = 42;
    v.BookLine = 16;
    v.Backup = {true, "/tmp/backup"};
    v.APoFile.File = "/tmp/start.vk2";
    v.BeforeNumberStr = "(";
    v.AfterNumberStr = ")";
    v.AnkBold = v.UrlUL = v.CommentBold = v.PageLinkItalic = true;
    v.CommentType = v.HanSpace = v.AutoSave = v.LineScrollFlg = v.TreeUndoRedo = true;
    v.LineNumber.Mode = 1;
    v.Col_Row.Mode = true;
    v.Page.Mode = true;
    v.ZenTabCol = 0x111111;
    v.HanCol = 0x222222;
    v.StrCol = 0x333333;
    v.AnkCol = 0x444444;
    v.DBCSCol = 0x555555;
    v.Colors.Back = 0xF0F0F0;

    SetUpBrackets(*memo);
    memo->SetText(Sjis("一行目\r\n二行目"));
    memo->Margin()->SetLeft(7);
    memo->Margin()->SetLine(3);
    memo->Caret()->SetTabSpaceCount(4);
    memo->Caret()->SetLockScroll(true);
    memo->Marks()->EofMark()->SetVisible(true);
    memo->Ruler()->SetVisible(true);
    memo->WrapOption()->SetLeading(true);
    memo->SetWordWrap(true);
    // Colours and styles as a confirmed dialog leaves them: the half-width
    // colour for all half-width elements, the page background behind all.
    TEditorColors& c = *memo->View()->Colors();
    for (TEditorColor* item : {c.Ank(), c.Int(), c.Symbol(), c.Str()}) {
        item->SetColor(v.AnkCol);
        item->SetStyle({TFontStyle::fsBold});
    }
    c.DBCS()->SetColor(v.DBCSCol);
    c.Url()->SetStyle({TFontStyle::fsUnderline});
    c.Comment()->SetStyle({TFontStyle::fsBold});
    memo->Leftbar()->SetColor(v.AnkCol);
    for (TFountainColor* item : std::initializer_list<TFountainColor*>{c.Ank(), c.Int(), c.Symbol(), c.Str(), c.DBCS(),
                                                                       c.Comment(), c.Url(), c.Mail(), c.Reserve()})
        item->SetBkColor(v.Colors.Back);
    memo->SetColor(v.Colors.Back);
    memo->Ruler()->SetBkColor(v.Colors.Back);
    memo->Leftbar()->SetBkColor(v.Colors.Back);
    TFountainBracketCollection& brackets = *memo->View()->Brackets();
    for (int i : {0, 1, 2, 4, 5})
        brackets.Items(i)->ItemColor()->SetBkColor(v.Colors.Back);
    brackets.Items(5)->ItemColor()->SetStyle({TFontStyle::fsItalic});
    memo->View()->SetCommenter(">");
    html->Str()->SetColor(v.StrCol);
    html->Url()->SetColor(c.Url()->Color());
    html->Url()->SetStyle(c.Url()->Style());
    html->Mail()->SetColor(c.Mail()->Color());
    if (html->Brackets()->Count() > 0)
        html->Brackets()->Items(0)->ItemColor()->SetColor(c.Comment()->Color());

    TFont font;
    font.SetName("IPAGothic");
    font.SetSize(11);
    tree->SetFont(font);
    tree->SetColor(0xEEEEEE);
    for (const char* caption : {"なし", "重要", "未完"})
        images->Items().Add("", QString::fromUtf8(caption));
}

OptionsFormTest::~OptionsFormTest()
{
    form.reset();
    delete memo;
    SetDialogHook(nullptr);
}

TOpForm& OptionsFormTest::Open(int EditMode)
{
    TOptionTargets targets;
    targets.EditMode = EditMode;
    targets.DataMemo = memo;
    targets.ActiveEditor = memo;
    targets.DataTree = tree.get();
    targets.HTMLFountain1 = html.get();
    targets.ImagePopupMenu = images.get();
    form = std::make_unique<TOpForm>(targets);
    form->FormShow();
    return *form;
}

TOpForm& OptionsFormTest::OpenActive()
{
    TOpForm& f = Open();
    f.show();
    f.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&f));
    return f;
}

void OptionsFormTest::Choose(const char* Caption) { form->ComboBox1->setCurrentText(QString::fromUtf8(Caption)); }

std::string OptionsFormTest::EditorState() const
{
    std::ostringstream out;
    const TEditorEx& e = *memo;
    out << e.Margin()->Top() << e.Margin()->Left() << e.Margin()->Line() << e.Margin()->Character() << ' ';
    const TEditorCaret& caret = *e.Caret();
    out << caret.TabSpaceCount() << caret.FreeCaret() << caret.AutoIndent() << caret.InTab() << caret.SoftTab()
        << caret.LockScroll() << ' ';
    for (const TEditorMark* mark : {e.Marks()->EofMark(), e.Marks()->RetMark(), e.Marks()->Underline(),
                                    e.ExMarks()->ParenMark(), e.ExMarks()->FindMark()})
        out << mark->Visible() << mark->Color() << ' ';
    out << e.ExMarks()->Hit()->Color() << ' ' << e.Ruler()->Visible() << e.Ruler()->Color() << e.Ruler()->MarkColor()
        << e.Ruler()->BkColor() << ' ' << e.Leftbar()->Color() << e.Leftbar()->BkColor() << ' ';
    out << e.WrapOption()->WordBreak() << e.WrapOption()->Leading() << e.WordWrap() << e.Color() << ' ';
    const TEditorColors& c = *e.View()->Colors();
    for (const TFountainColor* item : std::initializer_list<const TFountainColor*>{
             c.Select(), c.Ank(), c.Symbol(), c.Int(), c.Str(), c.DBCS(), c.Comment(), c.Url(), c.Mail(), c.Reserve()})
        out << *item;
    for (int i = 0; i < e.View()->Brackets()->Count(); ++i)
        out << *e.View()->Brackets()->Items(i)->ItemColor();
    out << e.View()->Commenter() << '|' << e.GetText() << '|' << e.SelStart();
    return out.str();
}
