#include "FolderSelect.h"

#include "Cp932.h"
#include "DeleteFilesBelow.h"
#include "DialogFrame.h"
#include "Dialogs.h"
#include "ExceptionHandler.h"
#include "FileListBoxEx.h"
#include "FolderNames.h"
#include "ShellComboBox.h"
#include "ShellTreeView.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <sys/stat.h>

namespace {

std::string Utf8Of(const std::string& RawPath)
{
    return QFile::decodeName(QByteArray::fromStdString(RawPath)).toStdString();
}

QFont FormFont(int PixelSize)
{
    QFont font(QStringLiteral("ＭＳ Ｐゴシック"));
    font.setPixelSize(PixelSize);
    return font;
}

QWidget* Panel(QWidget* Parent, const QRect& Bounds)
{
    auto* panel = new QWidget(Parent);
    panel->setGeometry(Bounds);
    return panel;
}

} // namespace

TFolderOpen::TFolderOpen(QWidget* Owner, TShellNamespace* Namespace) : QDialog(Owner)
{
    setWindowTitle(QStringLiteral("フォルダーを選択する"));
    setFont(FormFont(12));
    setFixedSize(514, 332);
    BuildControls(Namespace);
    SetDialogFrame(*this, TDialogBorder::Fixed);
    if (const QScreen* screen = QApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    qApp->installEventFilter(this);
}

TFolderOpen::~TFolderOpen() { qApp->removeEventFilter(this); }

void TFolderOpen::BuildControls(TShellNamespace* Namespace)
{
    PanelBottom = Panel(this, {0, 291, 514, 41});
    PanelLeft = Panel(this, {0, 0, 289, 291});
    PanelLeftTop = Panel(PanelLeft, {0, 0, 289, 46});
    Label2 = new QLabel(QStringLiteral("現在選択してるフォルダー"), PanelLeftTop);
    Label2->move(48, 4);
    ShellComboBox1 = new TShellComboBox(PanelLeftTop, Namespace);
    ShellComboBox1->setGeometry(2, 19, 283, ShellComboBox1->sizeHint().height());
    ShellTreeView1 = new TShellTreeView(PanelLeft, Namespace);
    ShellTreeView1->setGeometry(0, 46, 289, 245);
    ShellTreeView1->SetReadOnly(true);
    ShellTreeView1->SetHideSelection(false);
    ShellTreeView1->setIndentation(19);
    ShellTreeView1->SetShellComboBox(ShellComboBox1);
    ShellTreeView1->OnChange = [this](TShellTreeView*) { ShellTreeView1Change(); };
    ShellTreeView1->OnShDragDrop = [this](TShellTreeView*, const TShellDragObject& DragObject, TShellTreeNode* Node,
                                          bool& DefaultAction) {
        ShellTreeView1ShDragDrop(DragObject, Node, DefaultAction);
    };

    PanelRight = Panel(this, {289, 0, 225, 291});
    PanelRightTop = Panel(PanelRight, {0, 0, 225, 46});
    sbMakeDir = new QToolButton(PanelRightTop);
    sbMakeDir->setGeometry(5, 21, 23, 22);
    sbMakeDir->setAutoRaise(true);
    sbMakeDir->setIcon(
        QIcon::fromTheme(QStringLiteral("folder-new"), style()->standardIcon(QStyle::SP_FileDialogNewFolder)));
    sbMakeDir->setToolTip(QStringLiteral("フォルダーを作成する"));
    connect(sbMakeDir, &QToolButton::clicked, this, [this] { CatchExceptions([&] { sbMakeDirClick(); }); });
    Label1 = new QLabel(QStringLiteral("新しいフォルダーを作成"), PanelRightTop);
    Label1->move(62, 4);
    EdMakeDir = new QLineEdit(PanelRightTop);
    EdMakeDir->setFont(FormFont(15));
    EdMakeDir->setGeometry(29, 20, 190, EdMakeDir->sizeHint().height());
    FileListBoxEx1 = new TFileListBoxEx(PanelRight);
    FileListBoxEx1->setGeometry(0, 46, 225, 245);
    FileListBoxEx1->SetItemHeight(12);
    FileListBoxEx1->OnDrawItem = [this](TFileListBoxEx* List, int Index, const QRect& Rect, QStyle::State State,
                                        QPainter& Painter) {
        FileListBoxEx1DrawItem(List, Index, Rect, State, Painter);
    };

    // The tree selected the desktop as it was made, before this form
    // listened: the file list starts on it as the form would have seen it.
    ShellTreeView1Change();

    OkButton = new QPushButton(QStringLiteral("OK!"), PanelBottom);
    OkButton->setGeometry(155, 8, 60, 25);
    connect(OkButton, &QPushButton::clicked, this, [this] { done(mrOk); });
    CancelButton = new QPushButton(QStringLiteral("Cancel"), PanelBottom);
    CancelButton->setGeometry(275, 8, 60, 25);
    connect(CancelButton, &QPushButton::clicked, this, [this] { done(mrCancel); });
    SetListColours(false);
}

bool TFolderOpen::SelectFolder(std::string& Folder, TShellNamespace* Namespace)
{
    TFolderOpen form(QApplication::activeWindow(), Namespace);
    form.FolderPath = RawPathOf(Folder);
    if (ShowModal(form) != mrOk)
        return false;
    Folder = SjisPathOf(form.FolderPath);
    return true;
}

void TFolderOpen::showEvent(QShowEvent* Event)
{
    CatchExceptions([&] {
        QDialog::showEvent(Event);
        if (!Event->spontaneous())
            FormShow();
    });
}

void TFolderOpen::FormShow()
{
    ShellTreeView1->RefreshNodes();
    ShellTreeView1->SelectPath(FolderPath);
    if (const TShellTreeNode* node = ShellTreeView1->Selected())
        EdMakeDir->setText(node->Text);
    SetListColours(false);
}

void TFolderOpen::ShellTreeView1Change()
{
    FolderPath = ShellTreeView1->SelectedPath();
    FileListBoxEx1->ApplyFilePath(FolderPath);
    if (const TShellTreeNode* node = ShellTreeView1->Selected())
        EdMakeDir->setText(node->Text);
    if (FileListBoxEx1->count() > 0) {
        FileListBoxEx1->setCurrentRow(0);
        FileListBoxEx1->scrollToTop();
    }
}

void TFolderOpen::ShellTreeView1ShDragDrop(const TShellDragObject&, TShellTreeNode*, bool& DefaultAction)
{
    DefaultAction = false;
    // Told after the drop has returned, so that the dragging program is
    // not left waiting on our box.
    QTimer::singleShot(0, this, [] {
        CatchExceptions([] { MessageDlg("フォルダーの移動はできません！", TMsgDlgType::mtError, {TMsgDlgBtn::mbOK}); });
    });
}

void TFolderOpen::FileListBoxEx1Enter() { SetListColours(true); }

void TFolderOpen::FileListBoxEx1Exit() { SetListColours(false); }

void TFolderOpen::FileListBoxEx1DrawItem(TFileListBoxEx* List, int Index, const QRect& Rect, QStyle::State State,
                                         QPainter& Painter)
{
    const bool selected = State & QStyle::State_Selected;
    Painter.fillRect(Rect, selected ? SelBackground_ : List->palette().base().color());
    Painter.setPen(selected ? SelText_ : List->palette().text().color());
    Painter.drawText(Rect.adjusted(6, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, List->item(Index)->text());
}

void TFolderOpen::SetListColours(bool Focused)
{
    SelBackground_ = Focused ? palette().highlight().color() : QColor(0xC0, 0xC0, 0xC0);
    SelText_ = Focused ? QColor(Qt::white) : QColor(Qt::black);
    FileListBoxEx1->viewport()->update();
}

void TFolderOpen::sbMakeDirClick()
{
    const QString name = EdMakeDir->text();
    if (name.isEmpty())
        return;
    const std::string nameUtf8 = name.toStdString();
    bool lossless = false;
    const std::string sjisName = Utf16ToSjis(name.toStdU16String(), &lossless);
    if (!lossless || !IsValidFolderName(sjisName)) {
        MessageDlg(nameUtf8 + "-->フォルダー名が不正です。", TMsgDlgType::mtWarning, {TMsgDlgBtn::mbOK});
        return;
    }
    // Beside the selected folder, but inside a selected volume's root (its
    // parent is another volume); a folder without a path has no place for one.
    const TShellTreeNode* selected = ShellTreeView1->Selected();
    const bool volumeRoot = selected && selected->Item->ItemType() == itRootDrive;
    const std::string parent = FolderPath.empty() ? std::string()
                               : volumeRoot       ? AddBackslash(FolderPath)
                                                  : ParentFolderOf(FolderPath);
    const std::string newPath = parent + QFile::encodeName(name).toStdString();
    // Anything else of that name (a file, say) makes the creation fail.
    struct stat st;
    if (!parent.empty() && stat(newPath.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
        MessageDlg(Utf8Of(newPath) + "-->このフォルダーはすでに存在します。", TMsgDlgType::mtWarning,
                   {TMsgDlgBtn::mbOK});
        return;
    }
    if (parent.empty() || mkdir(newPath.c_str(), 0777) != 0) {
        MessageDlg("フォルダーの作成に失敗しました。", TMsgDlgType::mtWarning, {TMsgDlgBtn::mbOK});
        return;
    }
    ShellTreeView1->SelectPath(newPath);
}

void TFolderOpen::DeleteAllFilesBelow()
{
    if (MessageDlg("指定したフォルダー下のファイルをすべて削除します。実行ますか？", TMsgDlgType::mtConfirmation,
                   {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo})
        != mrYes)
        return;
    DeletedFiles_ += DeleteFilesBelow(ShellTreeView1->SelectedPath());
    FileListBoxEx1->Update();
    if (DeletedFiles_ > 0)
        MessageDlg(std::to_string(DeletedFiles_) + "個のファイルを削除しました。", TMsgDlgType::mtInformation,
                   {TMsgDlgBtn::mbOK});
    else
        MessageDlg("削除したファイルはありません。", TMsgDlgType::mtInformation, {TMsgDlgBtn::mbOK});
}

bool TFolderOpen::eventFilter(QObject* Watched, QEvent* Event)
{
    bool handled = false;
    CatchExceptions([&] {
        // A click in the name box takes all of its text, ready to be typed over.
        if (Event->type() == QEvent::MouseButtonRelease && Watched == EdMakeDir)
            EdMakeDir->selectAll();
        if (Event->type() == QEvent::FocusIn && Watched == FileListBoxEx1)
            FileListBoxEx1Enter();
        else if (Event->type() == QEvent::FocusOut && Watched == FileListBoxEx1)
            FileListBoxEx1Exit();
        // Keys of this form's controls; an open drop-down keeps its own
        // (Esc closes the list, not the dialog).
        if (KeyPreview && Event->type() == QEvent::KeyPress && Watched->isWidgetType()
            && static_cast<QWidget*>(Watched)->window() == this) {
            const auto& key = static_cast<const QKeyEvent&>(*Event);
            handled = FormKeyDown(key) || FormKeyPress(key);
        }
    });
    return handled;
}

bool TFolderOpen::FormKeyDown(const QKeyEvent& Event)
{
    DeletedFiles_ = 0;
    const Qt::KeyboardModifiers modifiers =
        Event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (Event.key() == Qt::Key_Delete && modifiers == (Qt::ShiftModifier | Qt::ControlModifier)
        && QApplication::mouseButtons() == Qt::NoButton) {
        DeleteAllFilesBelow();
        return true;
    }
    return false;
}

bool TFolderOpen::FormKeyPress(const QKeyEvent& Event)
{
    switch (Event.key()) {
    case Qt::Key_Escape: done(mrCancel); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: done(mrOk); return true;
    default: return false;
    }
}
