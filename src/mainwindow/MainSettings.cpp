// The main window as the settings file sees it: each value group read from
// and applied to the controls through their own properties, so that their
// change handling runs as when a person makes the change.
#include "Main.h"

#include "DockButton.h"
#include "DockToolbar.h"
#include "EditorEx.h"
#include "FontToolbar.h"
#include "HTMLFountain.h"
#include "Menus.h"
#include "SettingsHost.h"
#include "SpinEx.h"
#include "Strings.h"
#include "SubIcons.h"
#include "TreeView.h"
#include "WindowParts.h"
#include "WorkArea.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>
#include <stdexcept>

namespace {

constexpr int VerticalSplit = 1;

TItemColors ColorsOf(const TFountainColor& Color) { return {Color.Color(), Color.BkColor()}; }

void SetColors(TFountainColor& Color, const TItemColors& Value)
{
    Color.SetColor(Value.Color);
    Color.SetBkColor(Value.BkColor);
}

TEditorSettings::TMarkValues MarkOf(const TEditorMark& Mark) { return {Mark.Visible(), Mark.Color()}; }

void SetMark(TEditorMark& Mark, const TEditorSettings::TMarkValues& Value)
{
    Mark.SetVisible(Value.Visible);
    Mark.SetColor(Value.Color);
}

// The members of View.Colors the file holds, paired with the editor's.
std::array<std::pair<TItemColors*, TFountainColor*>, 10> ViewColorPairs(TEditorSettings::TViewColors& Values,
                                                                        const TEditorColors& Colors)
{
    return {{{&Values.Select, Colors.Select()},
             {&Values.Ank, Colors.Ank()},
             {&Values.Symbol, Colors.Symbol()},
             {&Values.Int, Colors.Int()},
             {&Values.Str, Colors.Str()},
             {&Values.DBCS, Colors.DBCS()},
             {&Values.Comment, Colors.Comment()},
             {&Values.Url, Colors.Url()},
             {&Values.Mail, Colors.Mail()},
             {&Values.Reserve, Colors.Reserve()}}};
}

// The HTML scheme's comment bracket, "<!--" "-->"; null when it has none.
TFountainBracketItem* HtmlCommentBracket(const THTMLFountain& Html)
{
    TFountainBracketCollection& brackets = *Html.Brackets();
    for (int i = 0; i < brackets.Count(); ++i)
        if (brackets.Items(i)->LeftBracket() == "<!--")
            return brackets.Items(i);
    return nullptr;
}

} // namespace

class TWindowParts::TSettingsHost final : public ISettingsHost {
public:
    explicit TSettingsHost(TVelkForm& Form) : Form_(Form) {}

    TFormPlacement Placement() const override;
    void SetPlacement(const TFormPlacement& Value) override;
    std::vector<TScreenArea> ScreenAreas() const override;
    TEditorSettings DataMemoSettings() const override;
    void SetDataMemoSettings(const TEditorSettings& Value) override;
    TTreeLook DataTreeLook() const override;
    void SetDataTreeLook(const TTreeLook& Value) override;
    THtmlColors HTMLFountain1Colors() const override;
    void SetHTMLFountain1Colors(const THtmlColors& Value) override;
    bool MenuChecked(std::string_view ItemName) const override { return NamedItem(ItemName).Checked(); }
    void SetMenuChecked(std::string_view ItemName, bool Checked) override { NamedItem(ItemName).SetChecked(Checked); }
    void SetButtonDown(std::string_view ButtonName, bool Down) override { Form_.ToolButton(ButtonName)->SetDown(Down); }
    void SetToolbarFontDockRow(int Row) override { Form_.ToolbarFont()->SetDockRow(Row); }
    int SplitKind() const override;
    void SetSplitKind(int Kind) override;
    bool TreePanelVisible() const override { return !Form_.PanelL_->isHidden(); }
    int SplitLine() const override { return Form_.SplitLine(); }
    // The panel's height or width is its extent along the splitter, whichever
    // way the splitter runs.
    void SetTreePanelHeight(int Height) override { Form_.SetTreePanelExtent(Height); }
    void SetTreePanelWidth(int Width) override { Form_.SetTreePanelExtent(Width); }
    int WrapSpinValue() const override { return Form_.Parts_->FontToolbar->WrapSpnEd()->Value(); }
    void SetWrapSpinValue(int Value) override { Form_.Parts_->FontToolbar->WrapSpnEd()->SetValue(Value); }
    std::vector<std::string> ImagePopupCaptions() const override;
    void SetSubIconMenu(const std::vector<std::string>& Captions) override;

private:
    // A menu item the settings name; an unknown name is a fault of ours.
    TMenuItem& NamedItem(std::string_view Name) const { return *Form_.Menus_.ItemNamed(Name); }
    // 0 normal, 1 minimized, 2 maximized.
    int WindowState() const;
    void SetWindowState(int Value);

    TVelkForm& Form_;
};

void TVelkForm::CreateSettingsHost() { Parts_->SettingsHost = std::make_unique<TWindowParts::TSettingsHost>(*this); }

int TWindowParts::TSettingsHost::WindowState() const
{
    if (Form_.isMinimized())
        return 1;
    return Form_.isMaximized() ? 2 : 0;
}

void TWindowParts::TSettingsHost::SetWindowState(int Value)
{
    Form_.setWindowState(Value == 1 ? Qt::WindowMinimized : Value == 2 ? Qt::WindowMaximized : Qt::WindowNoState);
}

// The rectangle is the frame's position and the client's size, which move()
// and resize() take back unchanged; a window not normal keeps its normal
// rectangle.
TFormPlacement TWindowParts::TSettingsHost::Placement() const
{
    const int state = WindowState();
    if (state == 0)
        return {Form_.x(), Form_.y(), Form_.width(), Form_.height(), 0};
    const QRect normal = Form_.normalGeometry();
    return {normal.x(), normal.y(), normal.width(), normal.height(), state};
}

void TWindowParts::TSettingsHost::SetPlacement(const TFormPlacement& Value)
{
    Form_.move(Value.Left, Value.Top);
    Form_.resize(Value.Width, Value.Height);
    SetWindowState(Value.WindowState);
    KeepWithinWorkAreaOnceFramed(Form_);
}

std::vector<TScreenArea> TWindowParts::TSettingsHost::ScreenAreas() const
{
    std::vector<TScreenArea> areas;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect area = screen->availableGeometry();
        areas.push_back({area.x(), area.y(), area.width(), area.height()});
    }
    return areas;
}

TEditorSettings TWindowParts::TSettingsHost::DataMemoSettings() const
{
    const TEditorEx& memo = *Form_.DataMemo_;
    TEditorSettings v;
    v.Font = {memo.Font()->Name(), memo.Font()->Size()};
    const TEditorMargin& margin = *memo.Margin();
    v.Margin = {margin.Top(), margin.Left(), margin.Line(), margin.Character()};
    const TEditorCaret& caret = *memo.Caret();
    v.Caret = {caret.TabSpaceCount(), caret.FreeCaret(), caret.AutoIndent(),
               caret.InTab(),         caret.SoftTab(),   caret.LockScroll()};
    v.Marks = {MarkOf(*memo.Marks()->EofMark()), MarkOf(*memo.Marks()->RetMark()), MarkOf(*memo.Marks()->Underline())};
    const TEditorExMarks& exMarks = *memo.ExMarks();
    v.ExMarks = {MarkOf(*exMarks.ParenMark()), {false, exMarks.Hit()->Color()}, {false, exMarks.FindMark()->Color()}};
    const TEditorRuler& ruler = *memo.Ruler();
    v.Ruler = {ruler.Visible(), ruler.Color(), ruler.MarkColor(), ruler.BkColor()};
    v.Leftbar = {memo.Leftbar()->Visible(), memo.Leftbar()->BkColor()};
    v.WrapOption = {memo.WrapOption()->WordBreak(), memo.WrapOption()->Leading()};
    v.WordWrap = memo.WordWrap();
    for (auto [value, colour] : ViewColorPairs(v.Colors, *memo.View()->Colors()))
        *value = ColorsOf(*colour);
    const TFountainBracketCollection& brackets = *memo.View()->Brackets();
    for (int i = 0; i < static_cast<int>(v.Brackets.size()) && i < brackets.Count(); ++i)
        v.Brackets[static_cast<size_t>(i)] = ColorsOf(*brackets.Items(i)->ItemColor());
    v.Color = memo.Color();
    return v;
}

void TWindowParts::TSettingsHost::SetDataMemoSettings(const TEditorSettings& Value)
{
    TEditorEx& memo = *Form_.DataMemo_;
    TFont font;
    font.Assign(memo.Font());
    font.SetName(Value.Font.Name);
    font.SetSize(Value.Font.Size);
    memo.SetFont(&font);
    TEditorMargin& margin = *memo.Margin();
    margin.SetTop(Value.Margin.Top);
    margin.SetLeft(Value.Margin.Left);
    margin.SetLine(Value.Margin.Line);
    margin.SetCharacter(Value.Margin.Character);
    TEditorCaret& caret = *memo.Caret();
    caret.SetTabSpaceCount(Value.Caret.TabSpaceCount);
    caret.SetFreeCaret(Value.Caret.FreeCaret);
    caret.SetAutoIndent(Value.Caret.AutoIndent);
    caret.SetInTab(Value.Caret.InTab);
    caret.SetSoftTab(Value.Caret.SoftTab);
    caret.SetLockScroll(Value.Caret.LockScroll);
    SetMark(*memo.Marks()->EofMark(), Value.Marks.EofMark);
    SetMark(*memo.Marks()->RetMark(), Value.Marks.RetMark);
    SetMark(*memo.Marks()->Underline(), Value.Marks.Underline);
    SetMark(*memo.ExMarks()->ParenMark(), Value.ExMarks.ParenMark);
    memo.ExMarks()->Hit()->SetColor(Value.ExMarks.Hit.Color);
    memo.ExMarks()->FindMark()->SetColor(Value.ExMarks.FindMark.Color);
    TEditorRuler& ruler = *memo.Ruler();
    ruler.SetVisible(Value.Ruler.Visible);
    ruler.SetColor(Value.Ruler.Color);
    ruler.SetMarkColor(Value.Ruler.MarkColor);
    ruler.SetBkColor(Value.Ruler.BkColor);
    memo.Leftbar()->SetVisible(Value.Leftbar.Visible);
    memo.Leftbar()->SetBkColor(Value.Leftbar.BkColor);
    // The wrap options first, so that turning word wrap on wraps once.
    memo.WrapOption()->SetWordBreak(Value.WrapOption.WordBreak);
    memo.WrapOption()->SetLeading(Value.WrapOption.Leading);
    memo.SetWordWrap(Value.WordWrap);
    TEditorSettings::TViewColors values = Value.Colors;
    for (auto [value, colour] : ViewColorPairs(values, *memo.View()->Colors()))
        SetColors(*colour, *value);
    TFountainBracketCollection& brackets = *memo.View()->Brackets();
    for (int i = 0; i < static_cast<int>(Value.Brackets.size()) && i < brackets.Count(); ++i)
        SetColors(*brackets.Items(i)->ItemColor(), Value.Brackets[static_cast<size_t>(i)]);
    memo.SetColor(Value.Color);
}

TTreeLook TWindowParts::TSettingsHost::DataTreeLook() const
{
    const TFont& font = Form_.DataTree_->Font();
    return {font.Name(), font.Size(), font.Color(), Form_.DataTree_->Color()};
}

void TWindowParts::TSettingsHost::SetDataTreeLook(const TTreeLook& Value)
{
    TFont font;
    font.Assign(&Form_.DataTree_->Font());
    font.SetName(Value.FontName);
    font.SetSize(Value.FontSize);
    font.SetColor(Value.FontColor);
    Form_.DataTree_->SetFont(font);
    Form_.DataTree_->SetColor(Value.Color);
}

THtmlColors TWindowParts::TSettingsHost::HTMLFountain1Colors() const
{
    const THTMLFountain& html = *Form_.Parts_->HTMLFountain1;
    const TFountainBracketItem* comment = HtmlCommentBracket(html);
    return {html.TagColor()->Color(),
            html.TagElement()->Color(),
            html.TagAttribute()->Color(),
            html.Str()->Color(),
            html.Url()->Color(),
            html.Mail()->Color(),
            comment ? comment->ItemColor()->Color() : TColor{}};
}

void TWindowParts::TSettingsHost::SetHTMLFountain1Colors(const THtmlColors& Value)
{
    THTMLFountain& html = *Form_.Parts_->HTMLFountain1;
    html.TagColor()->SetColor(Value.TagColor);
    html.TagElement()->SetColor(Value.TagElement);
    html.TagAttribute()->SetColor(Value.TagAttribute);
    html.Str()->SetColor(Value.Str);
    html.Url()->SetColor(Value.Url);
    html.Mail()->SetColor(Value.Mail);
    if (TFountainBracketItem* comment = HtmlCommentBracket(html))
        comment->ItemColor()->SetColor(Value.Comment);
}

int TWindowParts::TSettingsHost::SplitKind() const
{
    return Form_.Separater1_->orientation() == Qt::Vertical ? VerticalSplit : 0;
}

void TWindowParts::TSettingsHost::SetSplitKind(int Kind)
{
    Form_.Separater1_->setOrientation(Kind == VerticalSplit ? Qt::Vertical : Qt::Horizontal);
}

// The tree panel's extent along the splitter: its height above the editor,
// its width beside it.
int TVelkForm::SplitLine() const { return Separater1_->sizes().value(0); }

void TVelkForm::SetTreePanelExtent(int Extent)
{
    QList<int> sizes = Separater1_->sizes();
    const int total = sizes.value(0) + sizes.value(1);
    Separater1_->setSizes({Extent, std::max(total - Extent, 1)});
}

// The sub-icon popup's items are built from SubIconMenu, whose line 0 is
// the "none" entry; its other lines are the captions the popup shows.
std::vector<std::string> TWindowParts::TSettingsHost::ImagePopupCaptions() const
{
    const TStringList& names = Form_.Parts_->SubIcons->SubIconMenu();
    std::vector<std::string> captions;
    for (int i = 1; i < names.Count(); ++i)
        captions.push_back(names.Strings(i));
    return captions;
}

void TWindowParts::TSettingsHost::SetSubIconMenu(const std::vector<std::string>& Captions)
{
    TStringList& names = Form_.Parts_->SubIcons->SubIconMenu();
    names.Clear();
    for (const std::string& caption : Captions)
        names.Add(caption);
}
