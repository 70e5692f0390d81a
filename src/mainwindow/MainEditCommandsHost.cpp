// The window as the edit commands and the editor keys see it.
#include "Main.h"

#include "DockButton.h"
#include "EditCommands.h"
#include "EditCommandsHost.h"
#include "SubIcons.h"
#include "ToolButtonIds.h"
#include "WindowParts.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

class TWindowParts::TEditHost final : public IEditCommandsHost {
public:
    explicit TEditHost(TVelkForm& Form) : Form_(Form) {}
    TEditorEx* ActiveEditor() const override { return Form_.ActiveEditor(); }
    void SetActiveEditor(TEditorEx* Editor) override { Form_.ActiveEditor_ = Editor; }
    bool BoxSelectionOn() const override { return Form_.BoxSelectionOn(); }
    void SetEditUndoButtons(bool CanUndo, bool CanRedo) override { Form_.SetEditUndoButtons(CanUndo, CanRedo); }
    void MarkModified() override { Form_.MarkModified(); }
    void RefreshPasteButton() override
    {
        const QMimeData* mime = QApplication::clipboard()->mimeData();
        Form_.ClipboardHasText_ = mime && mime->hasText();
        Form_.Button(Cmd::sbPaste)->SetEnabled(Form_.PasteEnabled());
    }
    bool FocusSubIconFinder() override { return Form_.Parts_->SubIcons->FocusSubIconFinder(); }
    void BindButtons(std::span<const TCommandBinding> Buttons) override { Form_.BindButtons(Buttons); }

private:
    TVelkForm& Form_;
};

void TVelkForm::CreateEditCommands()
{
    Parts_->EditHost = std::make_unique<TWindowParts::TEditHost>(*this);
    Parts_->EditCommands = std::make_unique<TEditCommands>(
        *Parts_->EditHost,
        TEditCommandsParts{*this, Menus_, *DataMemo_, *DataTree_, *Parts_->Binding, *Parts_->PaneViews,
                           *Parts_->FontToolbar, *StatusPanels_[3], *StatusPanels_[5]});
}
