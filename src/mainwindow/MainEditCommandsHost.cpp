// The window as the edit commands and the editor keys see it.
#include "Main.h"

#include "DockButton.h"
#include "EditCommands.h"
#include "EditCommandsHost.h"
#include "ToolButtonIds.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

class TVelkForm::TEditHost final : public IEditCommandsHost {
public:
    explicit TEditHost(TVelkForm& Form) : Form_(Form) {}
    TEditorEx* ActiveEditor() const override { return Form_.ActiveEditor(); }
    void SetActiveEditor(TEditorEx* Editor) override { Form_.SetActiveEditor(Editor); }
    bool BoxSelectionOn() const override { return Form_.BoxSelectionOn(); }
    void SetEditUndoButtons(bool CanUndo, bool CanRedo) override { Form_.SetEditUndoButtons(CanUndo, CanRedo); }
    void MarkModified() override { Form_.MarkModified(); }
    void RefreshPasteButton() override
    {
        const QMimeData* mime = QApplication::clipboard()->mimeData();
        Form_.ClipboardHasText_ = mime && mime->hasText();
        Form_.Button(Cmd::sbPaste)->SetEnabled(Form_.PasteEnabled());
    }
    bool FocusSubIconFinder() override { return Form_.FocusSubIconFinder(); }
    void BindButtons(std::span<const TCommandBinding> Buttons) override { Form_.BindButtons(Buttons); }

private:
    TVelkForm& Form_;
};

void TVelkForm::CreateEditCommands()
{
    EditHost_ = std::make_unique<TEditHost>(*this);
    EditCommands_ = std::make_unique<TEditCommands>(
        *EditHost_, TEditCommandsParts{*this, Menus_, *DataMemo_, *DataTree_, *Binding_, *PaneViews_, *FontToolbar_,
                                       *StatusPanels_[3], *StatusPanels_[5]});
}
