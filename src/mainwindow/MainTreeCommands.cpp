// The window as the commands that reshape the outline see it.
#include "Main.h"

#include "DockButton.h"
#include "OutlineCommands.h"
#include "OutlineCommandsHost.h"
#include "ToolButtonIds.h"
#include "WindowParts.h"

class TWindowParts::TOutlineCommandsHost final : public IOutlineCommandsHost {
public:
    explicit TOutlineCommandsHost(TVelkForm& Form) : Form_(Form) {}
    void BindButtons(std::span<const TCommandBinding> Buttons) override { Form_.BindButtons(Buttons); }

private:
    TVelkForm& Form_;
};

void TVelkForm::CreateOutlineCommands()
{
    Parts_->OutlineCommandsHost = std::make_unique<TWindowParts::TOutlineCommandsHost>(*this);
    Parts_->OutlineCommands = std::make_unique<TOutlineCommands>(
        *Parts_->OutlineCommandsHost,
        TOutlineCommandsParts{*Parts_->OutlineHost, *Parts_->Binding, *DataTree_, Menus_, *Button(Cmd::sbTextOutput)});
}
