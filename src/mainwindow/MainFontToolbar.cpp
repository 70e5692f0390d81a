// The font toolbar: the editor's font and size, the wrap column and wrap at
// the window's edge, line numbers, and the symbol chooser with its list
// "mark.dat", most recently used first.
#include "Main.h"

#include "Cp932.h"
#include "DockButton.h"
#include "DockToolbar.h"
#include "EditModes.h"
#include "EditorEx.h"
#include "ExceptionHandler.h"
#include "Files.h"
#include "Paths.h"
#include "SpinEx.h"
#include "SubIni.h"
#include "ToolDock.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QSignalBlocker>
#include <algorithm>
#include <optional>

namespace {

std::string SymbolFileName() { return SymbolFilePath(); }

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
    bool number = false;
    const int value = Box.text().toInt(&number);
    if (!number || value < Box.MinValue() || value > Box.MaxValue())
        return std::nullopt;
    return value;
}

} // namespace

void TVelkForm::CreateFontToolbarControls()
{
    TDockToolbar* fontBar = Toolbar("ToolbarFont");
    ComboBox1_ = new QComboBox(fontBar);
    ComboBox1_->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1_->setToolTip(QStringLiteral("フォント選択"));
    ComboBox1_->setMinimumWidth(140);
    FontSpnEd_ = new TMySpinEdit(fontBar);
    FontSpnEd_->setObjectName(QStringLiteral("FontSpnEd"));
    FontSpnEd_->setToolTip(QStringLiteral("フォントサイズ"));
    FontSpnEd_->SetMinValue(1);
    FontSpnEd_->SetMaxValue(30);
    FontSpnEd_->setFixedSize(52, FontSpnEd_->MinHeight());
    WrapSpnEd_->setToolTip(QStringLiteral("ワードラップ"));
    ComboBox2_->setToolTip(QStringLiteral("記号選択"));
    // The choosers take no keys; the size and the wrap column are typed
    // after a click. None is in the tab order.
    for (QWidget* control : {static_cast<QWidget*>(ComboBox1_), static_cast<QWidget*>(ComboBox2_)})
        control->setFocusPolicy(Qt::NoFocus);
    for (QWidget* control : {static_cast<QWidget*>(FontSpnEd_), static_cast<QWidget*>(WrapSpnEd_)})
        control->setFocusPolicy(Qt::ClickFocus);
    // As wide as the widest mode's name, so that no name is cut off and the
    // controls after it keep their places.
    const QFontMetrics labelMetrics(EdModeLabel_->font());
    int labelWidth = labelMetrics.horizontalAdvance(EdModeLabel_->text());
    for (const TEditModeInfo* mode = EditModes(); mode != EditModes() + EditModeCount; ++mode)
        labelWidth = std::max(labelWidth, labelMetrics.horizontalAdvance(QString::fromUtf8(
                                              mode->Label.data(), static_cast<qsizetype>(mode->Label.size()))));
    EdModeLabel_->setAlignment(Qt::AlignCenter);
    EdModeLabel_->setFixedWidth(labelWidth + 2 * labelMetrics.averageCharWidth());
    connect(ComboBox1_, &QComboBox::currentIndexChanged, this,
            [this] { CatchExceptions([this] { ComboBox1Change(); }); });
    connect(ComboBox2_, &QComboBox::currentIndexChanged, this,
            [this](int Index) { CatchExceptions([&] { ComboBox2Change(Index); }); });
    FontSpnEd_->OnChange = [this](TObject*) { FontSpnEdChange(); };
    WrapSpnEd_->OnChange = [this](TObject*) { WrapSpnEdChange(); };
    SetPopupMenu(*ComboBox2_, Menus_.Popup(Cmd::CmBoxPopupMenu));
    Menus_.Item(Cmd::ReLoad)->OnClick = [this](TObject*) { ReLoadClick(); };
    // Where the controls stand gives their order along the bar once it is
    // loaded: the mode, the symbol button, the two toggles, then the
    // choosers and the two numbers.
    int left = 0;
    for (QWidget* control :
         std::initializer_list<QWidget*>{EdModeLabel_, Button(Cmd::sbMark), Button(Cmd::sbLineNo), Button(Cmd::sbRTN),
                                         ComboBox1_, ComboBox2_, FontSpnEd_, WrapSpnEd_}) {
        control->move(left, 0);
        left += control->sizeHint().width();
    }
    // The font toolbar stays on the top dock.
    fontBar->OnDockChanged = [this, fontBar](TObject*) {
        if (fontBar->DockedTo() == ToolDock2_)
            fontBar->SetDockedTo(ToolDock1_);
    };
}

void TVelkForm::FillFontCombo()
{
    QStringList families;
    for (const QString& family : QFontDatabase::families())
        if (!family.startsWith(QLatin1Char('@')) && EvenCells(family))
            families.append(family);
    families.sort();
    const QSignalBlocker blocker(ComboBox1_);
    ComboBox1_->clear();
    ComboBox1_->addItems(families);
    LastFontName_ = DataMemo_->Font()->Name();
    ComboBox1_->setCurrentText(QString::fromStdString(SjisToUtf8(LastFontName_)));
    LastFontSize_ = DataMemo_->Font()->Size();
    FontSpnEd_->SetValue(LastFontSize_);
}

void TVelkForm::ComboBox1Change()
{
    const std::string name = Utf8ToSjis(ComboBox1_->currentText().toStdString());
    if (name == LastFontName_)
        return;
    for (TEditorEx* editor : {DataMemo_, SecondEditor()})
        if (editor)
            editor->Font()->SetName(name);
    LastFontName_ = DataMemo_->Font()->Name();
}

void TVelkForm::FontSpnEdChange()
{
    const std::optional<int> size = TypedValue(*FontSpnEd_);
    if (!size || *size == LastFontSize_)
        return;
    for (TEditorEx* editor : {DataMemo_, SecondEditor()})
        if (editor)
            editor->Font()->SetSize(*size);
    LastFontSize_ = *size;
}

void TVelkForm::WrapSpnEdChange()
{
    if (const std::optional<int> column = TypedValue(*WrapSpnEd_); column && *column != WrapByteCache_)
        ApplyWrapByte(*column);
}

// While the text wraps at the window's edge the column typed reaches the
// editors but is not the one remembered.
void TVelkForm::ApplyWrapByte(int Value)
{
    for (TEditorEx* editor : {DataMemo_, SecondEditor()})
        if (editor)
            editor->WrapOption()->SetWrapByte(Value);
    if (!SettingsVars.RightRtn)
        WrapByteCache_ = Value;
    SetEditUndoButtons(ActiveEditor_->CanUndo(), ActiveEditor_->CanRedo());
}

void TVelkForm::sbRTNClick()
{
    SettingsVars.RightRtn = !SettingsVars.RightRtn;
    // Back to the column of the spin edit, whatever it is (at the top of
    // its range too).
    if (!SettingsVars.RightRtn)
        ApplyWrapByte(WrapSpnEd_->Value());
    WrapSpnEd_->setEnabled(ActiveEditor_->WordWrap() && !SettingsVars.RightRtn);
    Button(Cmd::sbRTN)->SetDown(SettingsVars.RightRtn);
    ApplyWindowWrap();
}

void TVelkForm::sbLineNoClick()
{
    const TEditorShowNumberMode mode =
        SettingsVars.LineNumber.Mode == 0 ? TEditorShowNumberMode::nmRow : TEditorShowNumberMode::nmLine;
    for (TEditorEx* editor : {DataMemo_, SecondEditor()})
        if (editor) {
            editor->Leftbar()->SetShowNumberMode(mode);
            editor->Leftbar()->SetVisible(!editor->Leftbar()->Visible());
        }
    Button(Cmd::sbLineNo)->SetDown(ActiveEditor_->Leftbar()->Visible());
}

// An empty entry (a blank line of "mark.dat") is nothing to use: the box
// shows the top entry again.
void TVelkForm::ComboBox2Change(int Index)
{
    if (Index <= 0 || Index >= static_cast<int>(SymbolList_.size()))
        return;
    if (const std::string chosen = SymbolList_[static_cast<size_t>(Index)]; !chosen.empty())
        PromoteSymbol(SymbolList_, chosen);
    ShowSymbols();
}

void TVelkForm::ShowSymbols()
{
    const QSignalBlocker blocker(ComboBox2_);
    ComboBox2_->clear();
    for (const std::string& symbol : SymbolList_)
        ComboBox2_->addItem(QString::fromStdString(SjisToUtf8(symbol)));
    ComboBox2_->setCurrentIndex(SymbolList_.empty() ? -1 : 0);
}

void TVelkForm::sbMarkClick()
{
    const int index = ComboBox2_->currentIndex();
    if (index < 0 || ActiveEditor_->ReadOnly() || SymbolList_[static_cast<size_t>(index)].empty())
        return;
    const bool lineBreak = QGuiApplication::keyboardModifiers() & Qt::ShiftModifier;
    ActiveEditor_->SetSelText(SymbolList_[static_cast<size_t>(index)] + (lineBreak ? "\r\n" : ""));
    ActiveEditor_->setFocus();
}

void TVelkForm::ReLoadClick()
{
    if (!FileExists(SymbolFileName()))
        return;
    SymbolList_ = ParseSymbolList(ReadFileBytes(SymbolFileName()));
    ShowSymbols();
}

// Kept as bytes, so that the file comes back as it was read.
void TVelkForm::LoadSymbolList()
{
    SymbolList_ = BuiltInSymbols();
    CatchExceptions([this] { ReLoadClick(); });
    ShowSymbols();
}

void TVelkForm::SaveSymbolList() { WriteFileAtomic(SymbolFileName(), SymbolListBytes(SymbolList_)); }
