// Writing the options dialog back into the settings variables and the main
// window when it is confirmed.
#include "OptionsForm.h"

#include "Cp932.h"
#include "Dialogs.h"
#include "EditorEx.h"
#include "FileNameField.h"
#include "NumberField.h"
#include "OptionsRules.h"
#include "OptionsWorkState.h"
#include "RadioGroup.h"
#include "SpinEx.h"
#include "SubIni.h"
#include "TreeView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <limits>

namespace {

std::string S(const QLineEdit* Edit) { return Utf8ToSjis(Edit->text().toStdString()); }
// A file or folder name shown, typed or chosen: it keeps exactly the file
// it names.
std::string PathOf(const QLineEdit* Edit) { return FileNameIn(*Edit); }

// The most blanks or tabs a count may insert: the longest line the
// conversions build.
constexpr int32_t MaxInsertCount = 8192;

} // namespace

void TOpForm::OKButtonClick()
{
    if (RefusesAField())
        return;
    TSettingsVars& v = SettingsVars;
    TOptionsWorkState& work = OptionsWorkState();
    TEditorEx& main = *Targets_.DataMemo;

    work.ScrollPosition = ScrollBox1->verticalScrollBar()->value();
    v.ZenTabCol = work.ZenTabCol;
    v.HanCol = work.HanCol;
    v.TreeFontBold = trCheckBold->isChecked();
    v.TreeFontItalic = trCheckItalic->isChecked();
    Targets_.DataTree->SetFont(ImageTree->Font());
    Targets_.DataTree->SetColor(ImageTree->Color());
    RebuildImagePopupMenu();

    const int selStart = main.SelStart();
    main.Margin()->SetTop(SpinTop->Value());
    main.Margin()->SetLeft(SpinLeft->Value());
    main.Margin()->SetLine(SpinLine->Value());
    main.Margin()->SetCharacter(SpinChar->Value());
    main.Marks()->EofMark()->SetVisible(CheckEof->isChecked());
    main.Marks()->RetMark()->SetVisible(CheckRet->isChecked());
    main.Ruler()->SetVisible(CheckRuler->isChecked());
    main.Marks()->Underline()->SetVisible(CheckUL->isChecked());
    main.ExMarks()->ParenMark()->SetVisible(CheckParen->isChecked());
    main.Caret()->SetFreeCaret(CheckCaret->isChecked());
    main.Caret()->SetAutoIndent(CheckAuto->isChecked());
    main.Caret()->SetInTab(CheckTabIndent->isChecked());
    main.Caret()->SetSoftTab(CheckSoftTab->isChecked());
    main.Caret()->SetLockScroll(!CheckLocK->isChecked());
    main.WrapOption()->SetWordBreak(CheckEnglish->isChecked());
    main.Caret()->SetTabSpaceCount(EdMonitor->Caret()->TabSpaceCount());
    ConfirmPreviews();
    v.HanSpace = CheckHanSpace->isChecked();
    v.SpaceTab = CheckZenSpace->isChecked();
    // The wrap option re-wraps the text by itself; the text is not put back,
    // which would cost the page its undo history.
    main.WrapOption()->SetLeading(ClMonitor->WrapOption()->Leading());
    main.SetSelStart(selStart);
    v.LineNumber.Mode = RadioGroup2->ItemIndex();
    v.CommentType = CheckComment->isChecked();
    v.NumberIndent = CheckNumber->isChecked();
    v.NoContinue = CheckNoContinue->isChecked();
    v.Col_Row.Mode = RadioGroup3->ItemIndex() != 0;
    v.Options.Scroll = CheckScrbar->isChecked();

    v.Backup.Mode = CheckBackUp->isChecked();
    v.Backup.Folder = EdBackuoFolder->text().isEmpty() ? BackupFolderDefault() : PathOf(EdBackuoFolder);
    v.APoFile.File = PathOf(ApoFileEdit);
    v.APoFile.Mode = CheckApoFile->isChecked();
    const TExternalEditorOption editor = CheckExternalEditor(S(ExEditor));
    v.ExtEditor = editor.On;
    v.HideExe = editor.Command;
    if (!HelpEdit->text().isEmpty())
        v.OtherHelp = PathOf(HelpEdit);

    v.BeforeNumberStr = S(EdBefore);
    v.AfterNumberStr = S(EdAfter);
    v.QMark = Utf8ToSjis(EdQuoteMark->currentText().toStdString());
    main.View()->SetCommenter(CommenterFor(v.CommentType, v.QMark));
    WriteCounts();
    WriteUserExt();

    v.PageCursor.Mode = RadioGroup4->ItemIndex() != 0;
    v.Page.Mode = RadioGroup5->ItemIndex() != 0;
    v.AutoSave = CheckAutoSave->isChecked();
    v.AutoSaveTime = SpinTimer->Value() * 60000;
    v.AutoClip = CheckClip->isChecked();
    v.Options.IME = CheckIME->isChecked();
    v.Options.Exit = CheckExit->isChecked();
    v.LastFile = CheckLastFile->isChecked();
    v.InsSpace = CheckLinkStr->isChecked();
    v.FindAll = CheckFindAll->isChecked();
    v.BracketFlg = CheckLinkStrChange->isChecked();
    v.Options.TextToPage = CheckTextToPage->isChecked();
    v.TreeUndoRedo = CheckTrUndoReddo->isChecked();
    v.FileLinkPath = CheckRelativePath->isChecked();
    v.ForderIconDel = CheckForderIcon->isChecked();
    v.LineScrollFlg = CheckLineScroll->isChecked();
    v.WaveTextFlg = CheckClipText->isChecked();
    v.LineScroll = SpinScroll->Value();
    Targets_.ActiveEditor->SetWordWrap(!CheckWordWrapOff->isChecked());
    done(mrOk);
}

// Zero lines or characters a page would divide by zero, so those two
// start at 1.
std::array<TOpForm::TCountEdit, 6> TOpForm::CountEdits() const
{
    TSettingsVars& v = SettingsVars;
    constexpr int32_t most = std::numeric_limits<int32_t>::max();
    return {{
        {EdSpcNum, &v.InsSpc.width, 0, MaxInsertCount, 2},
        {EdTabNum, &v.InsTab.width, 0, MaxInsertCount, 1},
        {EdZenSpcNum, &v.InsZenSpc.width, 0, MaxInsertCount, 1},
        {EdTopDelNum, &v.DelSpc.width, 0, MaxInsertCount, 0},
        {EdBookLine, &v.BookLine, 1, most, 16},
        {EdBookMoji, &v.BookMoji, 1, most, 42},
    }};
}

bool TOpForm::RefusesAField()
{
    const std::initializer_list<QLineEdit*> numbers = {SpinTop,      SpinLeft,    SpinLine,   SpinChar,  SpinTab,
                                                       trFontSpinEd, SpinTimer,   SpinScroll, EdSpcNum,  EdTabNum,
                                                       EdZenSpcNum,  EdTopDelNum, EdBookLine, EdBookMoji};
    for (QLineEdit* number : numbers)
        if (TNumberField& field = *TNumberField::Of(*number); !field.HoldsValue()) {
            ShowField(*number);
            field.Settle();
            return true;
        }
    // Names keep the file they name; other text must be Shift-JIS as typed.
    for (QLineEdit* text : {ExEditor, EdBefore, EdAfter})
        if (!TypedText(text->text().toStdString())) {
            ShowField(*text);
            return true;
        }
    return false;
}

void TOpForm::ShowField(QLineEdit& Field)
{
    for (int page = 0; page < PageControl1->count(); ++page)
        if (PageControl1->widget(page)->isAncestorOf(&Field))
            PageControl1->setCurrentIndex(page);
    Field.setFocus();
    Field.selectAll();
}

// Every count holds a number of its range by now.
void TOpForm::WriteCounts()
{
    for (const TCountEdit& count : CountEdits())
        *count.Setting = TNumberField::Of(*count.Edit)->Value();
}

void TOpForm::WriteUserExt()
{
    const std::string ext = StripLeadingDots(S(EdUserExt));
    EdUserExt->setText(QString::fromStdString(SjisToUtf8(ext)));
    if (ValidUserExt(ext))
        SettingsVars.UserExt = ext;
    else
        MessageDlg("UserModeの拡張子の指定に誤りがあります。", TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
}
