// Filling the options dialog from the settings variables and the main
// window, in an order where every control's own handler brings the
// previews and the enabled states along.
#include "OptionsForm.h"

#include "Cp932.h"
#include "EditorEx.h"
#include "FileNameField.h"
#include "OptionsRules.h"
#include "OptionsWorkState.h"
#include "RadioGroup.h"
#include "SpinEx.h"
#include "SubIni.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <algorithm>

namespace {

QString Q(const std::string& Sjis) { return QString::fromStdString(SjisToUtf8(Sjis)); }

} // namespace

void TOpForm::FormShow()
{
    const TSettingsVars& v = SettingsVars;
    TOptionsWorkState& work = OptionsWorkState();
    const TEditorEx& main = *Targets_.DataMemo;

    ScrollBox1->verticalScrollBar()->setValue(work.ScrollPosition);
    FillSubIconTree();

    work.WordWrap = Targets_.ActiveEditor->WordWrap();
    CheckScrbar->setEnabled(work.WordWrap);

    PageControl1->setCurrentIndex(0);
    BkClChangeBtn->setEnabled(false);
    ComboBox1->setCurrentIndex(0);
    ExEditor->setText(Q(v.HideExe));
    ShowFileName(*HelpEdit, v.OtherHelp);
    ComboBox1Change();

    SpinTop->SetValue(main.Margin()->Top());
    SpinLeft->SetValue(main.Margin()->Left());
    SpinLine->SetValue(main.Margin()->Line());
    SpinChar->SetValue(main.Margin()->Character());
    CheckEof->setChecked(main.Marks()->EofMark()->Visible());
    CheckRet->setChecked(main.Marks()->RetMark()->Visible());
    CheckRuler->setChecked(main.Ruler()->Visible());
    CheckUL->setChecked(main.Marks()->Underline()->Visible());
    CheckParen->setChecked(main.ExMarks()->ParenMark()->Visible());
    CheckCaret->setChecked(main.Caret()->FreeCaret());
    CheckAuto->setChecked(main.Caret()->AutoIndent());
    CheckTabIndent->setChecked(main.Caret()->InTab());
    CheckSoftTab->setChecked(main.Caret()->SoftTab());
    CheckLocK->setChecked(!main.Caret()->LockScroll());
    CheckEnglish->setChecked(main.WrapOption()->WordBreak());
    SpinTab->SetValue(main.Caret()->TabSpaceCount());
    RadioGroup1->SetItemIndex(main.WrapOption()->Leading() ? 1 : 0);

    FillPreviews();

    CheckScrbar->setChecked(v.Options.Scroll);
    CheckClip->setChecked(v.AutoClip);
    CheckComment->setChecked(v.CommentType);
    SetPreviewCommenter(v.QMark);
    CheckHanSpace->setChecked(v.HanSpace);
    CheckZenSpace->setChecked(v.SpaceTab);
    RadioGroup2->SetItemIndex(v.LineNumber.Mode != 0 ? 1 : 0);
    RadioGroup3->SetItemIndex(v.Col_Row.Mode ? 1 : 0);
    RadioGroup4->SetItemIndex(v.PageCursor.Mode ? 1 : 0);
    RadioGroup5->SetItemIndex(v.Page.Mode ? 1 : 0);
    const std::pair<QCheckBox*, bool> boxes[] = {
        {CheckAutoSave, v.AutoSave},        {CheckLineScroll, v.LineScrollFlg},
        {CheckIME, v.Options.IME},          {CheckExit, v.Options.Exit},
        {CheckLastFile, v.LastFile},        {CheckFindAll, v.FindAll},
        {CheckLinkStr, v.InsSpace},         {CheckLinkStrChange, v.BracketFlg},
        {CheckWordWrapOff, !work.WordWrap}, {CheckTextToPage, v.Options.TextToPage},
        {CheckTrUndoReddo, v.TreeUndoRedo}, {CheckRelativePath, v.FileLinkPath},
        {CheckForderIcon, v.ForderIconDel}, {CheckBackUp, v.Backup.Mode},
        {CheckApoFile, v.APoFile.Mode},     {CheckNumber, v.NumberIndent},
        {CheckNoContinue, v.NoContinue}};
    for (auto [box, value] : boxes)
        box->setChecked(value);

    SpinScroll->SetValue(v.LineScroll);
    CheckClipText->setChecked(v.WaveTextFlg);
    EdBefore->setText(Q(v.BeforeNumberStr));
    EdAfter->setText(Q(v.AfterNumberStr));
    ShowFileName(*EdBackuoFolder, v.Backup.Folder);
    ShowFileName(*ApoFileEdit, v.APoFile.File);
    SpinTimer->SetValue(AutoSaveMinutes(v.AutoSaveTime));
    EdQuoteMark->setCurrentText(Q(v.QMark));
    // A count shows what confirming stores: a setting still absent its
    // built-in value, one past the edit's range the nearest it takes.
    for (const TCountEdit& count : CountEdits())
        count.Edit->setText(
            QString::number(*count.Setting < count.Min ? count.Fallback : std::min(*count.Setting, count.Max)));
    EdUserExt->setText(Q(v.UserExt));
}
