#include "NodeForm.h"

#include "DialogFrame.h"
#include "ExceptionHandler.h"
#include "OutlineBinding.h"
#include "PageMirror.h"
#include "TreeView.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QVBoxLayout>

TNodeForm::TNodeForm(QWidget* MainWindow, const TTreeNodes& Pages, TTreeImageList* Images, TTreeImageList* StateImages)
    : QWidget(MainWindow, Qt::Window)
{
    setObjectName(QStringLiteral("NodeForm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("ページリンク"));
    SetDialogFrame(*this, TDialogBorder::Sizable);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    Memo1_ = new QPlainTextEdit(this);
    Memo1_->setReadOnly(true);
    Memo1_->setPlainText(QStringLiteral("ページ項目をダブルクリックするとリンク文字列がエディタ部に挿入されます。"));
    Memo1_->setMaximumHeight(Memo1_->fontMetrics().height() * 3 + 8);
    layout->addWidget(Memo1_);
    TreeView1_ = new TTreeView(this);
    TreeView1_->setObjectName(QStringLiteral("TreeView1"));
    TreeView1_->setDragEnabled(false);
    TreeView1_->SetImages(Images);
    TreeView1_->SetStateImages(StateImages);
    TreeView1_->OnGetImageIndex = [](TObject*, TTreeNode* Node) {
        Node->SetImageIndex(TOutlineBinding::PageImageIndex(*Node, false));
    };
    TreeView1_->OnGetSelectedIndex = [](TObject*, TTreeNode* Node) {
        Node->SetSelectedIndex(TOutlineBinding::PageImageIndex(*Node, true));
    };
    layout->addWidget(TreeView1_);
    TPageMirror(*TreeView1_).CopyTree(Pages);
    connect(TreeView1_, &QTreeView::doubleClicked, this, [this] { CatchExceptions([this] { TreeView1DblClick(); }); });
}

void TNodeForm::TreeView1DblClick()
{
    if (const TTreeNode* node = TreeView1_->Selected(); node && OnChoose)
        OnChoose(node->Text());
}

void TNodeForm::keyPressEvent(QKeyEvent* Event)
{
    CatchExceptions([&] {
        if (Event->key() == Qt::Key_Escape)
            close();
        else
            QWidget::keyPressEvent(Event);
    });
}
