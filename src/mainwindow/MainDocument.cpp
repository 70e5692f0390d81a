// The window's side of the document: what the document's files ask of it
// when a document is replaced or renamed, and the files dropped on it.
#include "Main.h"

#include "Cp932.h"
#include "Dialogs.h"
#include "DockButton.h"
#include "DocumentFiles.h"
#include "EditorEx.h"
#include "ExceptionHandler.h"
#include "FindAndReplace.h"
#include "OutlineCommands.h"
#include "PaneViews.h"
#include "SearchCommands.h"
#include "SearchListState.h"
#include "SubIcons.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <algorithm>

void TVelkForm::AddPage() { Binding_->TreeAddClick(); }

int TVelkForm::SubIconCount() const { return std::max(ImagePopupMenu()->Items().Count() - 1, 0); }

void TVelkForm::ShowTitle(const std::string& Caption) { setWindowTitle(QString::fromStdString(SjisToUtf8(Caption))); }

void TVelkForm::DocumentReplacing() { PaneViews_->CloseBrowseView(); }

void TVelkForm::DocumentReplaced(bool KeepsSubIconFinder)
{
    TSearchListState& list = SearchListState();
    list.FindListMode = false;
    list.Invalidate();
    FindAndReplace_->SearchCommands().KeepMatchOptions();
    ClearPageHistory();
    DataMemo_->SetModified(false);
    if (TEditorEx* second = SecondEditor())
        second->SetModified(false);
    Button(Cmd::sbSave)->SetEnabled(false);
    OutlineCommands_->UpdateTextOutputButton();
    if (KeepsSubIconFinder)
        SubIcons_->DocumentOpened();
    UpdateToolButtons();
    UpdateStatusBar();
}

void TVelkForm::CloseSubIconFinder() { SubIcons_->CloseSubIconFinder(); }

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
        std::vector<std::string> files;
        for (const QUrl& url : Event->mimeData()->urls())
            if (url.isLocalFile())
                if (const std::optional<std::string> name = FileNameFromOs(url.toLocalFile().toStdString()))
                    files.push_back(*name);
        Event->acceptProposedAction();
        DocumentFiles_->DropFiles(files);
    });
}
