// The window as the commands that reshape the outline see it.
#include "Main.h"

#include "DockButton.h"
#include "OutlineCommands.h"
#include "OutlineCommandsHost.h"

class TVelkForm::TOutlineCommandsHost final : public IOutlineCommandsHost {
public:
    explicit TOutlineCommandsHost(TVelkForm& Form) : Form_(Form) {}
    void BindButtons(std::span<const TCommandBinding> Buttons) override { Form_.BindButtons(Buttons); }

private:
    TVelkForm& Form_;
};

void TVelkForm::CreateOutlineCommands()
{
    OutlineCommandsHost_ = std::make_unique<TOutlineCommandsHost>(*this);
    OutlineCommands_ = std::make_unique<TOutlineCommands>(
        *OutlineCommandsHost_, TOutlineCommandsParts{*this, *Binding_, *DataTree_, Menus_, *Button(Cmd::sbTextOutput)});
}
