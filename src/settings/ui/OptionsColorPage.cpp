// The colour page of the options dialog: choosing an element, colouring
// it, its background and its font styles, and the synchronisation of the
// previews when another page is shown.
#include "OptionsForm.h"

#include "Cp932.h"
#include "Dialogs.h"
#include "OptionsColorElements.h"
#include "OptionsPreviewParts.h"
#include "SubIni.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

void TOpForm::ComboBox1Change()
{
    const TColorElement* element = FindColorElement(ComboBox1->currentText());
    ClChangeBtn->setEnabled(!element || element->Color);
    BkClChangeBtn->setEnabled(element && element->Back != TBackTarget::None);
    const std::pair<QCheckBox*, bool TSettingsVars::*> boxes[] = {{CkBold, element ? element->Bold : nullptr},
                                                                  {CkItalic, element ? element->Italic : nullptr},
                                                                  {CkUL, element ? element->UL : nullptr}};
    for (auto [box, flag] : boxes) {
        box->setEnabled(flag != nullptr);
        if (flag)
            box->setChecked(SettingsVars.*flag);
    }
}

void TOpForm::ClChangeBtnClick()
{
    const TColorElement* element = FindColorElement(ComboBox1->currentText());
    if (!element || !element->Color)
        return;
    TColorDialog dialog;
    dialog.SetColor(element->Color(*this));
    if (!dialog.Execute())
        return;
    element->SetColor(*this, dialog.Color());
    if (element->Refresh != TPreviewRefresh::None)
        RefreshClMonitor(element->Refresh == TPreviewRefresh::EmptyAndReparse);
}

void TOpForm::BkClChangeBtnClick()
{
    const TColorElement* element = FindColorElement(ComboBox1->currentText());
    if (!element || element->Back == TBackTarget::None)
        return;
    TEditorEx& cl = *ClMonitor;
    TColorDialog dialog;
    switch (element->Back) {
    case TBackTarget::Select: dialog.SetColor(Colors(cl).Select()->BkColor()); break;
    case TBackTarget::ParenMark: dialog.SetColor(cl.ExMarks()->ParenMark()->Color()); break;
    case TBackTarget::Kagi: dialog.SetColor(Bracket(cl, KagiBracket).BkColor()); break;
    case TBackTarget::Background: dialog.SetColor(cl.Color()); break;
    case TBackTarget::None: return;
    }
    if (!dialog.Execute())
        return;
    const TColor chosen = dialog.Color();
    switch (element->Back) {
    case TBackTarget::Select: Colors(cl).Select()->SetBkColor(chosen); break;
    case TBackTarget::ParenMark:
        for (TEditorEx* preview : {ClMonitor, EdMonitor})
            preview->ExMarks()->ParenMark()->SetColor(chosen);
        break;
    case TBackTarget::Kagi:
        Bracket(cl, KagiBracket).SetBkColor(chosen);
        RefreshClMonitor(true);
        break;
    case TBackTarget::Background: ApplyPreviewBackground(chosen); break;
    case TBackTarget::None: break;
    }
}

void TOpForm::StyleBoxClick(QCheckBox* Box)
{
    const TColorElement* element = FindColorElement(ComboBox1->currentText());
    if (!element || !element->Styled)
        return;
    const std::pair<QCheckBox*, std::pair<bool TSettingsVars::*, TFontStyle>> boxes[] = {
        {CkBold, {element->Bold, TFontStyle::fsBold}},
        {CkItalic, {element->Italic, TFontStyle::fsItalic}},
        {CkUL, {element->UL, TFontStyle::fsUnderline}}};
    for (auto [box, target] : boxes) {
        auto [flag, style] = target;
        if (box != Box || !flag)
            continue;
        TFontStyles& set = OptionsWorkState().Styles(*element->Styled);
        if (Box->isChecked())
            set.Include(style);
        else
            set.Exclude(style);
        SettingsVars.*flag = Box->isChecked();
        ApplyPreviewStyles();
    }
}

void TOpForm::PageControl1Change()
{
    const bool wraps = OptionsWorkState().WordWrap;
    CheckScrbar->setEnabled(wraps);
    if (!wraps)
        CheckScrbar->setChecked(true);
    ClMonitor->Ruler()->SetVisible(CheckRuler->isChecked());
    EdMonitor->Ruler()->SetMarkColor(ClMonitor->Ruler()->MarkColor());
    EdMonitor->Ruler()->SetColor(ClMonitor->Ruler()->Color());
    EdMonitor->Ruler()->SetBkColor(ClMonitor->Ruler()->BkColor());
    EdMonitor->ExMarks()->ParenMark()->SetColor(ClMonitor->ExMarks()->ParenMark()->Color());
    SetPreviewCommenter(Utf8ToSjis(EdQuoteMark->currentText().toStdString()));
}
