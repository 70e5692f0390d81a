// The window as the edit modes see it.
#include "Main.h"

#include "EditModeHost.h"
#include "EditModeSwitch.h"
#include "EditorLook.h"
#include "PaneViews.h"
#include "ToolButtonIds.h"

class TVelkForm::TEditModeHost final : public IEditModeHost {
public:
    explicit TEditModeHost(TVelkForm& Form) : Form_(Form) {}
    TEditorEx* ActiveEditor() const override { return Form_.ActiveEditor(); }
    void SetupFountain() override { Form_.EditorLook_->SetupFountain(); }

private:
    TVelkForm& Form_;
};

void TVelkForm::CreateEditModeSwitch()
{
    EditModeHost_ = std::make_unique<TEditModeHost>(*this);
    EditModeSwitch_ = std::make_unique<TEditModeSwitch>(
        *EditModeHost_,
        TEditModeParts{Menus_, *DataMemo_, *PaneViews_, *HTMLFountain1_, *EdModeLabel_, *Button(Cmd::sbSave)});
}

int TVelkForm::EditMode() const { return EditModeSwitch_->Mode(); }

void TVelkForm::SwitchEditMode(int Mode) { EditModeSwitch_->SwitchEditMode(Mode); }
