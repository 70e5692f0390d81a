// Building the options dialog's six pages and binding their handlers.
#include "OptionsForm.h"

#include "Cp932.h"
#include "DialogFrame.h"
#include "DialogKeyPress.h"
#include "Dialogs.h"
#include "EditorEx.h"
#include "ExceptionHandler.h"
#include "FileNameField.h"
#include "FolderSelect.h"
#include "Menus.h"
#include "NumberField.h"
#include "OptionsColorElements.h"
#include "OptionsFontList.h"
#include "OsPath.h"
#include "RadioGroup.h"
#include "SpinEx.h"
#include "SubIni.h"
#include "TreeView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QString U(const char* Text) { return QString::fromUtf8(Text); }

QCheckBox* Check(const char* Caption, QWidget* Parent) { return new QCheckBox(U(Caption), Parent); }

// A spin of the numbers Min, Min + Step, ... up to Max: typed, the others
// are refused with the hint that names them, as the range is.
TMySpinEdit* Spin(int32_t Min, int32_t Max, QWidget* Parent, int32_t Step = 1)
{
    auto* spin = new TMySpinEdit(Parent);
    spin->SetMinValue(Min);
    spin->SetMaxValue(Max);
    spin->SetIncrement(Step);
    TNumberField::Of(*spin)->SetStep(Step);
    spin->SetValue(Min);
    spin->setFixedWidth(52);
    return spin;
}

QGroupBox* Group(const char* Caption, QWidget* Parent) { return new QGroupBox(U(Caption), Parent); }

// A row of a label and its control.
QWidget* Labelled(const char* Caption, QWidget* Control, QWidget* Parent)
{
    auto* row = new QWidget(Parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(U(Caption), row));
    Control->setParent(row);
    layout->addWidget(Control);
    layout->addStretch();
    return row;
}

// An edit with its "..." button beside it.
QWidget* EditWithButton(QLineEdit*& Edit, QPushButton*& Button, QWidget* Parent)
{
    auto* row = new QWidget(Parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    Edit = new QLineEdit(row);
    Button = new QPushButton(QStringLiteral("..."), row);
    Button->setFixedWidth(28);
    layout->addWidget(Edit);
    layout->addWidget(Button);
    return row;
}

} // namespace

TOpForm::TOpForm(const TOptionTargets& Targets, QWidget* Parent) : QDialog(Parent), Targets_(Targets)
{
    setWindowTitle(U("設定"));
    QFont face(QStringLiteral("IPAPGothic"));
    face.setPixelSize(12);
    setFont(face);
    resize(444, 359);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    PageControl1 = new QTabWidget(this);
    layout->addWidget(PageControl1);
    PageControl1->addTab(BuildEditor1Page(), U("エディタ１"));
    PageControl1->addTab(BuildEditor2Page(), U("エディタ２"));
    PageControl1->addTab(BuildTreePage(), U("ツ リ ー"));
    PageControl1->addTab(BuildBehaviourPage(), U("動　　作"));
    PageControl1->addTab(BuildRegisterPage(), U("登　　録"));
    PageControl1->addTab(BuildOtherPage(), U("そ の 他"));

    auto* Panel1 = new QHBoxLayout;
    Panel1->addStretch();
    OKButton = new QPushButton(QStringLiteral("OK!"), this);
    CanButton = new QPushButton(QStringLiteral("Cancel"), this);
    Panel1->addWidget(OKButton);
    Panel1->addWidget(CanButton);
    layout->addLayout(Panel1);
    SetDialogFrame(*this, TDialogBorder::Fixed);

    SetUpPreviews();
    BindHandlers();
    // Every key of the dialog passes here first: Esc cancels and Enter
    // confirms wherever the focus is, the previews and edits included.
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
    if (Targets_.dmyPopupMenu)
        for (QWidget* control :
             std::initializer_list<QWidget*>{SpinTop, SpinLeft, SpinLine, SpinChar, SpinTab, trFontSpinEd, SpinTimer,
                                             SpinScroll, ComboBox1, trFontComboBox})
            SetPopupMenu(*control, Targets_.dmyPopupMenu);
}

TOpForm::~TOpForm() = default;

QWidget* TOpForm::BuildEditor1Page()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);

    QGroupBox* GroupBox1 = Group("マージン＆マーク", page);
    auto* marks = new QGridLayout(GroupBox1);
    const std::pair<const char*, TMySpinEdit**> margins[] = {
        {"トップ", &SpinTop}, {"左", &SpinLeft}, {"行間", &SpinLine}, {"字間", &SpinChar}};
    const char* hints[] = {"トップマージン", "レフトマージン", "行間マージン", "文字間マージン"};
    for (int i = 0; i < 4; ++i) {
        *margins[i].second = Spin(0, 20, GroupBox1);
        (*margins[i].second)->setToolTip(U(hints[i]));
        marks->addWidget(Labelled(margins[i].first, *margins[i].second, GroupBox1), i / 2, i % 2);
    }
    CheckEof = Check("EOF", GroupBox1);
    CheckRet = Check("改行", GroupBox1);
    CheckRuler = Check("ルーラー", GroupBox1);
    CheckUL = Check("ｱﾝﾀﾞｰﾗｲﾝ", GroupBox1);
    CheckParen = Check("対応する括弧", GroupBox1);
    int cell = 4;
    for (QCheckBox* box : {CheckEof, CheckRet, CheckRuler, CheckUL, CheckParen}) {
        marks->addWidget(box, cell / 2, cell % 2);
        ++cell;
    }
    grid->addWidget(GroupBox1, 0, 0);

    QGroupBox* GroupBox2 = Group("キャレット", page);
    auto* caret = new QGridLayout(GroupBox2);
    CheckCaret = Check("FreeCaret", GroupBox2);
    CheckAuto = Check("AutoIndent", GroupBox2);
    CheckTabIndent = Check("TabIndent", GroupBox2);
    CheckSoftTab = Check("SoftTab", GroupBox2);
    CheckLocK = Check("LockScroll", GroupBox2);
    CheckEnglish = Check("英文WordWrap", GroupBox2);
    cell = 0;
    for (QCheckBox* box : {CheckCaret, CheckAuto, CheckTabIndent, CheckSoftTab, CheckLocK, CheckEnglish}) {
        caret->addWidget(box, cell / 2, cell % 2);
        ++cell;
    }
    // The preview starts with eight columns a tab; so does the spin, so an
    // untouched dialog keeps the editor's tab width. The editor takes even
    // widths only.
    SpinTab = Spin(2, 8, GroupBox2, 2);
    SpinTab->SetValue(8);
    caret->addWidget(Labelled("TabSpace", SpinTab, GroupBox2), 3, 0);
    grid->addWidget(GroupBox2, 0, 1);

    RadioGroup2 = new TRadioGroup(U("行番号"), {U("折り返し"), U("改　　行")}, page);
    RadioGroup3 = new TRadioGroup(U("行桁表示"), {QStringLiteral("Zero Base"), QStringLiteral("One  Base")}, page);
    CheckScrbar = Check("水平スクロールバー", page);
    auto* row = new QHBoxLayout;
    row->addWidget(RadioGroup2);
    row->addWidget(RadioGroup3);
    row->addWidget(CheckScrbar);
    grid->addLayout(row, 1, 0, 1, 2);

    EdMonitor = TEditor::Create<TEditorEx>();
    EdMonitor->setParent(page);
    EdMonitor->setMinimumSize(420, 136);
    grid->addWidget(EdMonitor, 2, 0, 1, 2);
    return page;
}

QWidget* TOpForm::BuildEditor2Page()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    ComboBox1 = new QComboBox(page);
    ComboBox1->setEditable(true);
    for (const TColorElement& element : ColorElements())
        ComboBox1->addItem(U(element.Caption));
    ClChangeBtn = new QPushButton(QStringLiteral("Color"), page);
    BkClChangeBtn = new QPushButton(QStringLiteral("BkCol"), page);
    auto* chooser = new QHBoxLayout;
    chooser->addWidget(ComboBox1, 1);
    chooser->addWidget(ClChangeBtn);
    chooser->addWidget(BkClChangeBtn);
    grid->addLayout(chooser, 0, 0, 1, 2);

    QGroupBox* GroupBox4 = Group("Style", page);
    auto* styles = new QHBoxLayout(GroupBox4);
    CkBold = Check("Bold", GroupBox4);
    CkUL = Check("UnderLine", GroupBox4);
    CkItalic = Check("Italic", GroupBox4);
    for (QCheckBox* box : {CkBold, CkUL, CkItalic})
        styles->addWidget(box);
    grid->addWidget(GroupBox4, 1, 0);

    RadioGroup1 = new TRadioGroup(U("禁則処理"), {U("ぶら下げ処理"), U("ぶら下げ処理＋追い出し処理")}, page);
    grid->addWidget(RadioGroup1, 1, 1, 2, 1);
    auto* blanks = new QHBoxLayout;
    CheckComment = Check("Comment", page);
    CheckHanSpace = Check("半角空白", page);
    CheckZenSpace = Check("全角空白とタブ", page);
    for (QCheckBox* box : {CheckComment, CheckHanSpace, CheckZenSpace})
        blanks->addWidget(box);
    grid->addLayout(blanks, 2, 0);

    ClMonitor = TEditor::Create<TEditorEx>();
    ClMonitor->setParent(page);
    ClMonitor->setMinimumSize(401, 183);
    grid->addWidget(ClMonitor, 3, 0, 1, 2);
    return page;
}

QWidget* TOpForm::BuildTreePage()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    trFontComboBox = new QComboBox(page);
    trFontComboBox->setEditable(true);
    trFontComboBox->addItems(ScreenFontNames());
    trFontSpinEd = Spin(1, 100, page);
    auto* font = new QHBoxLayout;
    font->addWidget(trFontComboBox, 1);
    font->addWidget(trFontSpinEd);
    grid->addLayout(font, 0, 0, 1, 2);

    QGroupBox* GroupBox7 = Group("Style", page);
    auto* styles = new QHBoxLayout(GroupBox7);
    trCheckBold = Check("Bold", GroupBox7);
    trCheckItalic = Check("Italic", GroupBox7);
    styles->addWidget(trCheckBold);
    styles->addWidget(trCheckItalic);
    grid->addWidget(GroupBox7, 1, 0);
    trFontColorBtn = new QPushButton(QStringLiteral("Color"), page);
    trColorBtn = new QPushButton(QStringLiteral("BkCol"), page);
    auto* colours = new QHBoxLayout;
    colours->addWidget(trFontColorBtn);
    colours->addWidget(trColorBtn);
    grid->addLayout(colours, 1, 1);

    ImageTree = new TTreeView(page);
    ImageTree->SetImages(Targets_.TreeImageList);
    ImageTree->SetStateImages(Targets_.TreeSubImageList);
    ImageTree->OnEdited = [this](TObject*, TTreeNode* Node, std::string& Text) {
        CatchExceptions([&] { ImageTreeEdited(Node, Text); });
    };
    ImageEdit = new QLineEdit(page);
    grid->addWidget(ImageTree, 2, 0, 1, 2);
    grid->addWidget(ImageEdit, 3, 0, 1, 2);
    return page;
}

QWidget* TOpForm::BuildBehaviourPage()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    RadioGroup4 = new TRadioGroup(U("カーソル位置"), {U("ページの先頭から"), U("前回閲覧したカーソル位置から")}, page);
    RadioGroup5 = new TRadioGroup(U("ページの表示"), {U("最初のページから"), U("前回編集したページから")}, page);
    grid->addWidget(RadioGroup4, 0, 0);
    grid->addWidget(RadioGroup5, 0, 1);

    CheckAutoSave = Check("オートセーブ", page);
    SpinTimer = Spin(1, 60, page);
    CheckLineScroll = Check("ラインスクロール", page);
    SpinScroll = Spin(0, 10, page);
    auto* timers = new QHBoxLayout;
    timers->addWidget(CheckAutoSave);
    timers->addWidget(SpinTimer);
    timers->addWidget(new QLabel(U("分"), page));
    timers->addStretch();
    timers->addWidget(CheckLineScroll);
    timers->addWidget(SpinScroll);
    grid->addLayout(timers, 1, 0, 1, 2);

    ScrollBox1 = new QScrollArea(page);
    auto* boxes = new QWidget;
    auto* list = new QVBoxLayout(boxes);
    const std::pair<QCheckBox**, const char*> checks[] = {
        {&CheckClip, "クリッピングモードでページ作成"},
        {&CheckClipText, "クリッピングモードでテキスト整形"},
        {&CheckIME, "IMEをオンにする"},
        {&CheckExit, "終了時に強制保存"},
        {&CheckLastFile, "最後に編集したファイルを開く"},
        {&CheckFindAll, "「全体を外部エディタで見る」で階層付きテキスト保存"},
        {&CheckLinkStr, "リンク文字列の先頭に半角空白を挿入"},
        {&CheckLinkStrChange, "リンク文字列切替"},
        {&CheckWordWrapOff, "ワードラップを無効にする"},
        {&CheckTextToPage, "「テキストを開いてページを作成」でファイル名を付加"},
        {&CheckTrUndoReddo, "ページの戻る・進むでページの重複を許可しない"},
        {&CheckRelativePath, "ファイルリンクで相対パスを指定"},
        {&CheckForderIcon, "フォルダーアイコンを消す"},
    };
    for (auto [box, caption] : checks) {
        *box = Check(caption, boxes);
        list->addWidget(*box);
    }
    ScrollBox1->setWidget(boxes);
    grid->addWidget(ScrollBox1, 2, 0, 1, 2);
    return page;
}

QWidget* TOpForm::BuildRegisterPage()
{
    auto* page = new QWidget;
    auto* list = new QVBoxLayout(page);
    QGroupBox* GBoxBackUp = Group("バックアップフォルダー", page);
    auto* backup = new QVBoxLayout(GBoxBackUp);
    backup->addWidget(EditWithButton(EdBackuoFolder, SpBtnFolder, GBoxBackUp));
    CheckBackUp = Check("Backup", GBoxBackUp);
    backup->addWidget(CheckBackUp);
    list->addWidget(GBoxBackUp);

    QGroupBox* GroupBox5 = Group("外部エディタ", page);
    (new QVBoxLayout(GroupBox5))->addWidget(EditWithButton(ExEditor, RfBtn, GroupBox5));
    list->addWidget(GroupBox5);
    QGroupBox* GroupBox6 = Group("外部ヘルプ", page);
    (new QVBoxLayout(GroupBox6))->addWidget(EditWithButton(HelpEdit, HelpRfBtn, GroupBox6));
    list->addWidget(GroupBox6);

    QGroupBox* GroupBox8 = Group("起動時に開くファイル", page);
    auto* start = new QVBoxLayout(GroupBox8);
    start->addWidget(EditWithButton(ApoFileEdit, ApoFileRfBtn, GroupBox8));
    CheckApoFile = Check("指定する", GroupBox8);
    start->addWidget(CheckApoFile);
    list->addWidget(GroupBox8);
    list->addStretch();
    // Both pairs start as their unchecked boxes leave them.
    for (QWidget* control : std::initializer_list<QWidget*>{EdBackuoFolder, SpBtnFolder, ApoFileEdit, ApoFileRfBtn})
        control->setEnabled(false);
    return page;
}

QWidget* TOpForm::BuildOtherPage()
{
    auto* page = new QWidget;
    auto* outer = new QVBoxLayout(page);
    QGroupBox* GBoxNumber = Group("文字列処理設定", page);
    auto* form = new QFormLayout(GBoxNumber);
    EdBefore = new QLineEdit(GBoxNumber);
    EdAfter = new QLineEdit(GBoxNumber);
    for (QLineEdit* edit : {EdBefore, EdAfter})
        edit->setAttribute(Qt::WA_InputMethodEnabled, false);
    auto* numbers = new QHBoxLayout;
    CheckNumber = Check("Indent", GBoxNumber);
    CheckNoContinue = Check("Continue", GBoxNumber);
    for (QWidget* control : std::initializer_list<QWidget*>{EdBefore, EdAfter, CheckNumber, CheckNoContinue})
        numbers->addWidget(control);
    form->addRow(U("ナンバー挿入文字列"), numbers);
    const std::pair<QLineEdit**, const char*> counts[] = {{&EdSpcNum, "半角空白挿入個数"},
                                                          {&EdTabNum, "TAB挿入個数"},
                                                          {&EdZenSpcNum, "全角空白挿入個数"},
                                                          {&EdTopDelNum, "先頭から削除する文字数"}};
    for (auto [edit, caption] : counts) {
        *edit = new QLineEdit(GBoxNumber);
        form->addRow(U(caption), *edit);
    }
    EdQuoteMark = new QComboBox(GBoxNumber);
    EdQuoteMark->setEditable(true);
    for (const char* mark :
         {"> ", "# ", "% ", "$ ", "& ", "// ", "※", "□", "■", "◇", "◆", "△", "▲", "▽", "▼", "☆", "★"})
        EdQuoteMark->addItem(U(mark));
    form->addRow(U("引用符"), EdQuoteMark);
    EdUserExt = new QLineEdit(GBoxNumber);
    auto* ext = new QHBoxLayout;
    ext->addWidget(EdUserExt);
    ext->addWidget(new QLabel(U("．は不要"), GBoxNumber));
    form->addRow(U("UserModeの拡張子"), ext);
    EdBookMoji = new QLineEdit(GBoxNumber);
    EdBookLine = new QLineEdit(GBoxNumber);
    auto* book = new QHBoxLayout;
    book->addWidget(new QLabel(U("文字数"), GBoxNumber));
    book->addWidget(EdBookMoji);
    book->addWidget(new QLabel(U("行数"), GBoxNumber));
    book->addWidget(EdBookLine);
    form->addRow(U("本・原稿換算"), book);
    for (const TCountEdit& count : CountEdits())
        new TNumberField(*count.Edit, count.Min, count.Max);
    outer->addWidget(GBoxNumber);
    auto* note = new QLabel(U("※本・原稿換算の文字数は必ず全角の文字数を入力すること！"), page);
    note->setStyleSheet(QStringLiteral("color: blue"));
    outer->addWidget(note);
    outer->addStretch();
    return page;
}

void TOpForm::BrowseFile(QLineEdit* Edit, const char* Filter)
{
    TOpenDialog dialog;
    dialog.SetFilter(Filter);
    const std::string text = FromOsPath(Edit->text().toStdString());
    if (!text.empty()) {
        const size_t slash = text.rfind('/');
        dialog.SetInitialDir(slash == std::string::npos ? std::string() : text.substr(0, slash));
    }
    if (dialog.Execute())
        ShowFileName(*Edit, dialog.FileName());
}

void TOpForm::SpBtnFolderClick()
{
    // The choice goes into the setting at once, as the folder chooser
    // works on the variable itself.
    if (TFolderOpen::SelectFolder(SettingsVars.Backup.Folder))
        ShowFileName(*EdBackuoFolder, SettingsVars.Backup.Folder);
}

bool TOpForm::eventFilter(QObject* Watched, QEvent* Event)
{
    // Nor does an input method type into the quote mark: what it would
    // commit is dropped (and with it the text it is composing).
    if (Event->type() == QEvent::InputMethod && Watched == EdQuoteMark->lineEdit()) {
        const auto* input = static_cast<QInputMethodEvent*>(Event);
        return !input->commitString().isEmpty() || !input->preeditString().isEmpty();
    }
    if (Event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(Event);
    bool handled = false;
    CatchExceptions([&] {
        const TDialogKey dialogKey = DialogKeyOf(*this, Watched, *Event);
        if (dialogKey == TDialogKey::Escape) {
            done(mrCancel);
            handled = true;
        } else if (dialogKey == TDialogKey::Enter) {
            OKButtonClick();
            handled = true;
        } else if (Watched == EdQuoteMark || Watched == EdQuoteMark->lineEdit()) {
            // The quote mark is chosen from the list: typed characters and
            // Backspace are swallowed; Delete still edits and Tab still
            // moves on.
            const bool typesNothing = key->key() == Qt::Key_Delete || key->key() == Qt::Key_Tab
                                      || key->key() == Qt::Key_Backtab || key->text().isEmpty();
            handled = key->key() == Qt::Key_Backspace || !typesNothing;
        }
    });
    return handled;
}
