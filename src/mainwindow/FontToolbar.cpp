#include "FontToolbar.h"

#include "Cp932.h"
#include "DockButton.h"
#include "DockToolbar.h"
#include "EditModes.h"
#include "EditorEx.h"
#include "ExceptionHandler.h"
#include "Files.h"
#include "FontToolbarHost.h"
#include "MainMenus.h"
#include "MenuItemIds.h"
#include "NumberField.h"
#include "Paths.h"
#include "SpinEx.h"
#include "SubIni.h"
#include "SymbolListModel.h"
#include "ToolButtonIds.h"
#include "ToolDock.h"

#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QListView>
#include <QSignalBlocker>
#include <algorithm>
#include <cerrno>
#include <initializer_list>
#include <optional>
#include <utility>

namespace {

// Fixed pitch as the editor needs it: Qt calls the usual Japanese fonts
// proportional because their full-width characters are twice as wide, so a
// Japanese font whose half-width cells are all equal counts too.
bool EvenCells(const QString& Family)
{
    if (QFontDatabase::isFixedPitch(Family))
        return true;
    if (!QFontDatabase::writingSystems(Family).contains(QFontDatabase::Japanese))
        return false;
    const QFontMetrics metrics(QFont(Family, 12));
    return metrics.horizontalAdvance(QLatin1Char('i')) == metrics.horizontalAdvance(QLatin1Char('W'));
}

// The box's number while it is one of its range; a box being typed into
// holds other texts on the way ("" or the "8" of "80"), which are not
// applied. Leaving the box brings its text back into the range.
std::optional<int> TypedValue(const TMySpinEdit& Box)
{
    if (!TNumberField::Of(Box)->HoldsValue())
        return std::nullopt;
    return Box.Value();
}

// Keys that are none of the window's commands do nothing in the control
// (the window's commands are taken before any control hears its keys).
class TKeysIgnored : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject*, QEvent* Event) override
    {
        return Event->type() == QEvent::KeyPress || Event->type() == QEvent::KeyRelease;
    }
};

} // namespace

TFontToolbar::TFontToolbar(IFontToolbarHost& Host, TVelkMenus& Menus, TDockToolbar& Bar, QLabel& EdModeLabel,
                           TToolDock& TopDock, TToolDock& LeftDock)
    : Host_(Host), Menus_(Menus), Bar_(Bar), TopDock_(TopDock), LeftDock_(LeftDock), SymbolFile_(SymbolFilePath())
{
    CreateFontToolbarControls(EdModeLabel);
}

// The controls outlive the toolbar's handlers: they go with the window.
TFontToolbar::~TFontToolbar()
{
    for (QComboBox* box : {ComboBox1_, ComboBox2_})
        QObject::disconnect(box, &QComboBox::currentIndexChanged, nullptr, nullptr);
    FontSpnEd_->OnChange = nullptr;
    WrapSpnEd_->OnChange = nullptr;
    Bar_.OnDockChanged = nullptr;
}

void TFontToolbar::CreateFontToolbarControls(QLabel& EdModeLabel)
{
    WrapSpnEd_ = new TMySpinEdit(&Bar_);
    WrapSpnEd_->setObjectName(QStringLiteral("WrapSpnEd"));
    WrapSpnEd_->SetMinValue(20);
    WrapSpnEd_->SetMaxValue(250);
    WrapSpnEd_->SetValue(80);
    WrapSpnEd_->setFixedSize(64, WrapSpnEd_->MinHeight());
    WrapSpnEd_->setToolTip(QStringLiteral("ワードラップ"));
    ComboBox2_ = new QComboBox(&Bar_);
    ComboBox2_->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2_->setMinimumWidth(80);
    ComboBox2_->setToolTip(QStringLiteral("記号選択"));
    Symbols_ = new TSymbolListModel(ComboBox2_);
    ComboBox2_->setModel(Symbols_);
    // Rows of one height: a long list opens without measuring every row.
    if (auto* rows = qobject_cast<QListView*>(ComboBox2_->view()))
        rows->setUniformItemSizes(true);
    ComboBox1_ = new QComboBox(&Bar_);
    ComboBox1_->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1_->setToolTip(QStringLiteral("フォント選択"));
    ComboBox1_->setMinimumWidth(140);
    FontSpnEd_ = new TMySpinEdit(&Bar_);
    FontSpnEd_->setObjectName(QStringLiteral("FontSpnEd"));
    FontSpnEd_->setToolTip(QStringLiteral("フォントサイズ"));
    FontSpnEd_->SetMinValue(1);
    FontSpnEd_->SetMaxValue(30);
    FontSpnEd_->setFixedSize(52, FontSpnEd_->MinHeight());
    // Two toggles, each free to be up.
    for (const auto& [name, group] : {std::pair{Cmd::sbRTN, 1}, std::pair{Cmd::sbLineNo, 2}}) {
        TDockButton& toggle = *Host_.ToolButton(name);
        toggle.SetGroupIndex(group);
        toggle.SetAllowAllUp(true);
    }
    // Each takes the focus on a click and keeps it once its list closes, so
    // that the keys pressed next never reach the page behind; none is in
    // the tab order. The size and the wrap column are typed; the symbol
    // chooser takes no keys.
    for (QWidget* control : std::initializer_list<QWidget*>{ComboBox1_, ComboBox2_, FontSpnEd_, WrapSpnEd_})
        control->setFocusPolicy(Qt::ClickFocus);
    ComboBox2_->installEventFilter(new TKeysIgnored(ComboBox2_));
    // As wide as the widest mode's name, so that no name is cut off and the
    // controls after it keep their places.
    const QFontMetrics labelMetrics(EdModeLabel.font());
    int labelWidth = labelMetrics.horizontalAdvance(EdModeLabel.text());
    for (const TEditModeInfo* mode = EditModes(); mode != EditModes() + EditModeCount; ++mode)
        labelWidth = std::max(labelWidth, labelMetrics.horizontalAdvance(QString::fromUtf8(
                                              mode->Label.data(), static_cast<qsizetype>(mode->Label.size()))));
    EdModeLabel.setAlignment(Qt::AlignCenter);
    EdModeLabel.setFixedWidth(labelWidth + 2 * labelMetrics.averageCharWidth());
    // Where the controls stand gives their order along the bar once it is
    // loaded: the mode, the symbol button, the two toggles, then the
    // choosers and the two numbers.
    int left = 0;
    for (QWidget* control :
         std::initializer_list<QWidget*>{&EdModeLabel, Host_.ToolButton(Cmd::sbMark), Host_.ToolButton(Cmd::sbLineNo),
                                         Host_.ToolButton(Cmd::sbRTN), ComboBox1_, ComboBox2_, FontSpnEd_, WrapSpnEd_}) {
        control->move(left, 0);
        left += control->sizeHint().width();
    }
    // The font toolbar stays on the top dock.
    Bar_.OnDockChanged = [this](TObject*) {
        if (Bar_.DockedTo() == &LeftDock_)
            Bar_.SetDockedTo(&TopDock_);
    };
}

void TFontToolbar::BindCommands()
{
    QObject::connect(ComboBox1_, &QComboBox::currentIndexChanged, ComboBox1_,
                     [this] { CatchExceptions([this] { ComboBox1Change(); }); });
    QObject::connect(ComboBox2_, &QComboBox::currentIndexChanged, ComboBox2_,
                     [this](int Index) { CatchExceptions([&] { ComboBox2Change(Index); }); });
    FontSpnEd_->OnChange = [this](TObject*) { FontSpnEdChange(); };
    WrapSpnEd_->OnChange = [this](TObject*) { WrapSpnEdChange(); };
    SetPopupMenu(*ComboBox2_, Menus_.Popup(Cmd::CmBoxPopupMenu));
    Menus_.Item(Cmd::ReLoad)->OnClick = [this](TObject*) { ReLoadClick(); };
    const TCommandBinding items[] = {{Cmd::EdMark, [this] { sbMarkClick(); }}};
    Menus_.Bind(items);
    Host_.ToolButton(Cmd::sbMark)->OnClick = [this](TObject*) { sbMarkClick(); };
    Host_.ToolButton(Cmd::sbRTN)->OnClick = [this](TObject*) { sbRTNClick(); };
    Host_.ToolButton(Cmd::sbLineNo)->OnClick = [this](TObject*) { sbLineNoClick(); };
}

void TFontToolbar::FillFontCombo()
{
    QStringList families;
    for (const QString& family : QFontDatabase::families())
        if (!family.startsWith(QLatin1Char('@')) && EvenCells(family))
            families.append(family);
    families.sort();
    const QSignalBlocker blocker(ComboBox1_);
    ComboBox1_->clear();
    ComboBox1_->addItems(families);
    const TEditorEx& memo = *Host_.DataMemo();
    LastFontName_ = memo.Font()->Name();
    ComboBox1_->setCurrentText(QString::fromStdString(SjisToUtf8(LastFontName_)));
    LastFontSize_ = memo.Font()->Size();
    FontSpnEd_->SetValue(LastFontSize_);
}

void TFontToolbar::FormShow()
{
    TEditorEx& memo = *Host_.DataMemo();
    Host_.ToolButton(Cmd::sbLineNo)->SetDown(memo.Leftbar()->Visible());
    WrapByteCache_ = memo.WrapOption()->WrapByte();
    EnableWrapControls(Host_.ActiveEditor()->WordWrap());
    Host_.ToolButton(Cmd::sbRTN)->SetDown(SettingsVars.RightRtn);
    Host_.ApplyWindowWrap();
    memo.WrapOption()->SetWrapByte(WrapSpnEd_->Value());
    if (ComboBox2_->count() > 0)
        ComboBox2_->setCurrentIndex(0);
}

void TFontToolbar::EnableWrapControls(bool Wraps)
{
    WrapSpnEd_->setEnabled(Wraps && !SettingsVars.RightRtn);
    Host_.ToolButton(Cmd::sbRTN)->SetEnabled(Wraps);
}

void TFontToolbar::ComboBox1Change()
{
    const std::string name = Utf8ToSjis(ComboBox1_->currentText().toStdString());
    if (name == LastFontName_)
        return;
    for (TEditorEx* editor : {Host_.DataMemo(), Host_.SecondEditor()})
        if (editor)
            editor->Font()->SetName(name);
    LastFontName_ = Host_.DataMemo()->Font()->Name();
}

void TFontToolbar::FontSpnEdChange()
{
    const std::optional<int> size = TypedValue(*FontSpnEd_);
    if (!size || *size == LastFontSize_)
        return;
    for (TEditorEx* editor : {Host_.DataMemo(), Host_.SecondEditor()})
        if (editor)
            editor->Font()->SetSize(*size);
    LastFontSize_ = *size;
}

void TFontToolbar::WrapSpnEdChange()
{
    if (const std::optional<int> column = TypedValue(*WrapSpnEd_); column && *column != WrapByteCache_)
        ApplyWrapByte(*column);
}

// While the text wraps at the window's edge the column typed reaches the
// editors but is not the one remembered.
void TFontToolbar::ApplyWrapByte(int Value)
{
    for (TEditorEx* editor : {Host_.DataMemo(), Host_.SecondEditor()})
        if (editor)
            editor->WrapOption()->SetWrapByte(Value);
    if (!SettingsVars.RightRtn)
        WrapByteCache_ = Value;
    const TEditorEx& active = *Host_.ActiveEditor();
    Host_.SetEditUndoButtons(active.CanUndo(), active.CanRedo());
}

void TFontToolbar::sbRTNClick()
{
    SettingsVars.RightRtn = !SettingsVars.RightRtn;
    // Back to the column of the spin edit, whatever it is (at the top of
    // its range too).
    if (!SettingsVars.RightRtn)
        ApplyWrapByte(WrapSpnEd_->Value());
    WrapSpnEd_->setEnabled(Host_.ActiveEditor()->WordWrap() && !SettingsVars.RightRtn);
    Host_.ToolButton(Cmd::sbRTN)->SetDown(SettingsVars.RightRtn);
    Host_.ApplyWindowWrap();
}

void TFontToolbar::sbLineNoClick()
{
    const TEditorShowNumberMode mode =
        SettingsVars.LineNumber.Mode == 0 ? TEditorShowNumberMode::nmRow : TEditorShowNumberMode::nmLine;
    for (TEditorEx* editor : {Host_.DataMemo(), Host_.SecondEditor()})
        if (editor) {
            editor->Leftbar()->SetShowNumberMode(mode);
            editor->Leftbar()->SetVisible(!editor->Leftbar()->Visible());
        }
    Host_.ToolButton(Cmd::sbLineNo)->SetDown(Host_.ActiveEditor()->Leftbar()->Visible());
}

// An empty entry (a blank line of "mark.dat") is nothing to use: the box
// shows the top entry again.
void TFontToolbar::ComboBox2Change(int Index)
{
    if (Index <= 0 || Index >= static_cast<int>(SymbolList().size()))
        return;
    const QSignalBlocker blocker(ComboBox2_);
    if (std::string chosen(SymbolList()[static_cast<size_t>(Index)]); !chosen.empty())
        Symbols_->Promote(std::move(chosen));
    ComboBox2_->setCurrentIndex(0);
}

const TSymbolList& TFontToolbar::SymbolList() const { return Symbols_->List(); }

void TFontToolbar::ShowSymbols(TSymbolList List)
{
    const QSignalBlocker blocker(ComboBox2_);
    Symbols_->SetList(std::move(List));
    ComboBox2_->setCurrentIndex(SymbolList().empty() ? -1 : 0);
}

void TFontToolbar::sbMarkClick()
{
    TEditorEx& active = *Host_.ActiveEditor();
    const int index = ComboBox2_->currentIndex();
    if (index < 0 || active.ReadOnly() || SymbolList()[static_cast<size_t>(index)].empty())
        return;
    const bool lineBreak = QGuiApplication::keyboardModifiers() & Qt::ShiftModifier;
    active.SetSelText(std::string(SymbolList()[static_cast<size_t>(index)]) + (lineBreak ? "\r\n" : ""));
    active.setFocus();
}

void TFontToolbar::ReLoadClick()
{
    TSymbolList list;
    const int error = SymbolFile_.Read(list);
    if (error == ENOENT)
        return;
    if (error != 0)
        throw EFOpenError(CannotOpenMessage(SymbolFile_.FileName(), error));
    ShowSymbols(std::move(list));
}

// Kept as bytes, so that the file comes back as it was read. A file that
// cannot be read is told with the other settings files at start-up
// (SetAsideDamagedFiles).
void TFontToolbar::LoadSymbolList()
{
    ShowSymbols(BuiltInSymbols());
    try {
        ReLoadClick();
    } catch (const EFOpenError&) {
    }
}

void TFontToolbar::SaveSymbolList() { SymbolFile_.Write(SymbolList()); }
