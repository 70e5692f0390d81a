// The window's side of the document: what the document's files ask of it
// when a document is replaced or renamed, and the files dropped on it.
#include "Main.h"

#include "DockButton.h"
#include "DocumentFiles.h"
#include "DocumentHost.h"
#include "EditorEx.h"
#include "ExceptionHandler.h"
#include "FileUrl.h"
#include "FindAndReplace.h"
#include "Menus.h"
#include "OsPath.h"
#include "OutlineBinding.h"
#include "OutlineCommands.h"
#include "PaneViews.h"
#include "SearchCommands.h"
#include "SearchListState.h"
#include "SubIcons.h"
#include "ToolButtonIds.h"
#include "WindowParts.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

class TWindowParts::TDocumentHost final : public IDocumentHost {
public:
    explicit TDocumentHost(TVelkForm& Form) : Form_(Form) {}

    TTreeView* DataTree() const override { return Form_.DataTree_; }
    TEditorEx* DataMemo() const override { return Form_.DataMemo_; }
    TEditorEx* ActiveEditor() const override { return Form_.ActiveEditor_; }
    void StorePage(TTreeNode* Node) override { Form_.Parts_->Binding->StorePage(Node); }
    void AddPage() override { Form_.Parts_->Binding->TreeAddClick(); }
    void MarkModified() override { Form_.MarkModified(); }
    int EditMode() const override { return Form_.EditMode(); }
    void SwitchEditMode(int Mode) override { Form_.SwitchEditMode(Mode); }
    int SubIconCount() const override { return Form_.Menus_.SubIconCount(); }
    bool ClippingOn() const override { return Form_.ClippingOn(); }
    void ShowTitle(const std::string& Caption) override
    {
        Form_.setWindowTitle(QString::fromStdString(ShownPath(Caption)));
    }
    QWidget* DialogParent() override { return &Form_; }
    void DocumentReplacing() override { Form_.Parts_->PaneViews->CloseBrowseView(); }
    void DocumentReplaced(bool KeepsSubIconFinder) override;
    void DocumentNamed() override { Form_.UpdateToolButtons(); }
    void CloseSubIconFinder() override { Form_.Parts_->SubIcons->CloseSubIconFinder(); }
    void ShowUnmappedNotice(int Count) override { Form_.ShowUnmappedNotice(Count); }
    void ShowFileNotice(const std::string& Text) override { Form_.ShowFileNotice(Text); }

private:
    TVelkForm& Form_;
};

void TVelkForm::CreateDocumentFiles()
{
    Parts_->DocumentHost = std::make_unique<TWindowParts::TDocumentHost>(*this);
    Parts_->DocumentFiles =
        std::make_unique<TDocumentFiles>(*Parts_->DocumentHost, Menus_,
                                         TDocumentButtons{*Button(Cmd::sbPageNew), *Button(Cmd::sbSave),
                                                          *Button(Cmd::sbLoadTreeText), *Button(Cmd::sbTextOutput)},
                                         Instances_, *Parts_->OpenDialog1, *Parts_->SaveDialog1);
}

void TWindowParts::TDocumentHost::DocumentReplaced(bool KeepsSubIconFinder)
{
    TSearchListState& list = SearchListState();
    list.FindListMode = false;
    list.Invalidate();
    // The search option word keeps only match case, regular expression and
    // fuzzy.
    Form_.Parts_->FindAndReplace->SearchCommands().KeepMatchOptions();
    Form_.ClearPageHistory();
    Form_.ShowFileNotice({});
    Form_.DataMemo_->SetModified(false);
    if (TEditorEx* second = Form_.SecondEditor())
        second->SetModified(false);
    Form_.Button(Cmd::sbSave)->SetEnabled(false);
    Form_.Parts_->OutlineCommands->UpdateTextOutputButton();
    if (KeepsSubIconFinder)
        Form_.Parts_->SubIcons->DocumentOpened();
    Form_.UpdateToolButtons();
    Form_.UpdateStatusBar();
}

void TVelkForm::dragEnterEvent(QDragEnterEvent* Event)
{
    CatchExceptions([&] {
        if (Event->mimeData()->hasUrls())
            Event->acceptProposedAction();
    });
}

void TVelkForm::dropEvent(QDropEvent* Event)
{
    CatchExceptions([&] {
        const std::vector<std::string> files = DroppedFileNames(*Event->mimeData());
        Event->acceptProposedAction();
        Parts_->DocumentFiles->DropFiles(files);
    });
}
