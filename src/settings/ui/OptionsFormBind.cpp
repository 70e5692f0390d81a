// The options dialog's handlers, bound to its controls in one place. A
// value set from code runs its handler as a click does, and only when it
// changes, so filling the dialog brings the previews along.
#include "OptionsForm.h"

#include "Cp932.h"
#include "EditorEx.h"
#include "ExceptionHandler.h"
#include "OptionsWorkState.h"
#include "RadioGroup.h"
#include "SpinEx.h"
#include "SubIni.h"
#include "TreeView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

namespace {

// Runs Handler inside CatchExceptions whenever Sender sends Signal.
template <typename Sender, typename Signal, typename Handler>
void On(Sender* Object, Signal Sig, QObject* Context, Handler Run)
{
    QObject::connect(Object, Sig, Context, [Run] { CatchExceptions(Run); });
}

void OnToggle(QCheckBox* Box, QObject* Context, std::function<void(bool)> Run)
{
    On(Box, &QCheckBox::toggled, Context, [Box, Run] { Run(Box->isChecked()); });
}

} // namespace

void TOpForm::BindHandlers()
{
    const std::pair<TMySpinEdit*, void (TEditorMargin::*)(int)> margins[] = {{SpinTop, &TEditorMargin::SetTop},
                                                                             {SpinLeft, &TEditorMargin::SetLeft},
                                                                             {SpinLine, &TEditorMargin::SetLine},
                                                                             {SpinChar, &TEditorMargin::SetCharacter}};
    for (auto [spin, setter] : margins)
        spin->OnChange = [this, spin, setter](TObject*) { (EdMonitor->Margin()->*setter)(spin->Value()); };
    SpinTab->OnChange = [this](TObject*) { EdMonitor->Caret()->SetTabSpaceCount(SpinTab->Value()); };

    const auto inBoth = [this](auto Mark) {
        return [this, Mark](bool Checked) {
            for (TEditorEx* preview : {EdMonitor, ClMonitor})
                Mark(*preview)->SetVisible(Checked);
        };
    };
    OnToggle(CheckEof, this, inBoth([](TEditorEx& E) { return E.Marks()->EofMark(); }));
    OnToggle(CheckRet, this, inBoth([](TEditorEx& E) { return E.Marks()->RetMark(); }));
    OnToggle(CheckUL, this, inBoth([](TEditorEx& E) { return E.Marks()->Underline(); }));
    OnToggle(CheckParen, this, inBoth([](TEditorEx& E) { return E.ExMarks()->ParenMark(); }));
    OnToggle(CheckRuler, this, [this](bool On) { EdMonitor->Ruler()->SetVisible(On); });
    OnToggle(CheckEnglish, this, [this](bool On) { EdMonitor->WrapOption()->SetWordBreak(On); });
    OnToggle(CheckScrbar, this, [this](bool On) {
        for (TEditorEx* preview : {EdMonitor, ClMonitor})
            preview->SetScrollBars(On ? TScrollStyle::ssBoth : TScrollStyle::ssVertical);
    });
    RadioGroup1->OnClick = [this] { ClMonitor->WrapOption()->SetLeading(RadioGroup1->ItemIndex() == 1); };
    OnToggle(CheckComment, this, [this](bool) { SetPreviewCommenter(SettingsVars.QMark); });
    OnToggle(CheckHanSpace, this, [this](bool On) { ClMonitor->ExMarks()->SpaceMark()->SetVisible(On); });
    OnToggle(CheckZenSpace, this, [this](bool On) {
        ClMonitor->ExMarks()->DBSpaceMark()->SetVisible(On);
        ClMonitor->ExMarks()->TabMark()->SetVisible(On);
    });
    OnToggle(CheckWordWrapOff, this, [](bool Off) { OptionsWorkState().WordWrap = !Off; });

    On(PageControl1, &QTabWidget::currentChanged, this, [this] { PageControl1Change(); });
    On(ComboBox1, &QComboBox::currentTextChanged, this, [this] { ComboBox1Change(); });
    On(ClChangeBtn, &QPushButton::clicked, this, [this] { ClChangeBtnClick(); });
    On(BkClChangeBtn, &QPushButton::clicked, this, [this] { BkClChangeBtnClick(); });
    for (QCheckBox* box : {CkBold, CkItalic, CkUL})
        On(box, &QCheckBox::clicked, this, [this, box] { StyleBoxClick(box); });

    On(trFontComboBox, &QComboBox::currentTextChanged, this, [this] {
        TFont font;
        font.Assign(&ImageTree->Font());
        font.SetName(Utf8ToSjis(trFontComboBox->currentText().toStdString()));
        ImageTree->SetFont(font);
    });
    trFontSpinEd->OnChange = [this](TObject*) {
        TFont font;
        font.Assign(&ImageTree->Font());
        font.SetSize(trFontSpinEd->Value());
        ImageTree->SetFont(font);
    };
    for (QCheckBox* box : {trCheckBold, trCheckItalic})
        OnToggle(box, this, [this](bool) { SetTreeFontStyle(); });
    On(trFontColorBtn, &QPushButton::clicked, this, [this] { PickTreeColor(true); });
    On(trColorBtn, &QPushButton::clicked, this, [this] { PickTreeColor(false); });
    On(ImageEdit, &QLineEdit::editingFinished, this, [this] { ImageEditExit(); });

    const std::pair<QCheckBox*, std::vector<QWidget*>> pairs[] = {{CheckBackUp, {EdBackuoFolder, SpBtnFolder}},
                                                                  {CheckApoFile, {ApoFileEdit, ApoFileRfBtn}},
                                                                  {CheckLineScroll, {SpinScroll}}};
    for (const auto& [box, list] : pairs) {
        OnToggle(box, this, [list](bool On) {
            for (QWidget* control : list)
                control->setEnabled(On);
        });
    }
    SpinScroll->setEnabled(false);
    On(SpBtnFolder, &QPushButton::clicked, this, [this] { SpBtnFolderClick(); });
    On(RfBtn, &QPushButton::clicked, this, [this] { BrowseFile(ExEditor, "実行ファイル|*"); });
    On(HelpRfBtn, &QPushButton::clicked, this,
       [this] { BrowseFile(HelpEdit, "ヘルプファイル|*.hlp;*.chm;*.html;*.htm;*.pdf|すべて|*"); });
    On(ApoFileRfBtn, &QPushButton::clicked, this, [this] { BrowseFile(ApoFileEdit, "vk2ファイル|*.vk2"); });
    On(OKButton, &QPushButton::clicked, this, [this] { OKButtonClick(); });
    On(CanButton, &QPushButton::clicked, this, [this] { done(mrCancel); });
}
