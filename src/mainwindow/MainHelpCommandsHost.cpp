// The window as the help commands see it.
#include "Main.h"

#include "HelpCommands.h"
#include "HelpCommandsHost.h"

class TVelkForm::THelpCommandsHost final : public IHelpCommandsHost {
public:
    explicit THelpCommandsHost(TVelkForm& Form) : Form_(Form) {}
    TEditorEx* ActiveEditor() const override { return Form_.ActiveEditor_; }

private:
    TVelkForm& Form_;
};

void TVelkForm::CreateHelpCommands()
{
    HelpCommandsHost_ = std::make_unique<THelpCommandsHost>(*this);
    HelpCommands_ = std::make_unique<THelpCommands>(*HelpCommandsHost_, THelpCommandsParts{*this, Menus_, Instances_});
}
