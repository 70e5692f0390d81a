// The window as the help commands see it.
#include "Main.h"

#include "HelpCommands.h"
#include "HelpCommandsHost.h"
#include "WindowParts.h"

class TWindowParts::THelpCommandsHost final : public IHelpCommandsHost {
public:
    explicit THelpCommandsHost(TVelkForm& Form) : Form_(Form) {}
    TEditorEx* ActiveEditor() const override { return Form_.ActiveEditor_; }

private:
    TVelkForm& Form_;
};

void TVelkForm::CreateHelpCommands()
{
    Parts_->HelpCommandsHost = std::make_unique<TWindowParts::THelpCommandsHost>(*this);
    Parts_->HelpCommands =
        std::make_unique<THelpCommands>(*Parts_->HelpCommandsHost, THelpCommandsParts{*this, Menus_, Instances_});
}
