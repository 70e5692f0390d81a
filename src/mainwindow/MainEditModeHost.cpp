// The window as the edit modes see it.
#include "Main.h"

#include "EditModeHost.h"
#include "EditModeSwitch.h"
#include "EditorLook.h"
#include "PaneViews.h"
#include "ToolButtonIds.h"
#include "WindowParts.h"

class TWindowParts::TEditModeHost final : public IEditModeHost {
public:
    explicit TEditModeHost(TVelkForm& Form) : Form_(Form) {}
    TEditorEx* ActiveEditor() const override { return Form_.ActiveEditor(); }
    void SetupFountain() override { Form_.Parts_->EditorLook->SetupFountain(); }

private:
    TVelkForm& Form_;
};

void TVelkForm::CreateEditModeSwitch()
{
    Parts_->EditModeHost = std::make_unique<TWindowParts::TEditModeHost>(*this);
    Parts_->EditModeSwitch = std::make_unique<TEditModeSwitch>(
        *Parts_->EditModeHost, TEditModeParts{Menus_, *DataMemo_, *Parts_->PaneViews, *Parts_->HTMLFountain1,
                                              *EdModeLabel_, *Button(Cmd::sbSave)});
}

int TVelkForm::EditMode() const { return Parts_->EditModeSwitch->Mode(); }

void TVelkForm::SwitchEditMode(int Mode) { Parts_->EditModeSwitch->SwitchEditMode(Mode); }
