// What every find and replace command does around its work: page changes
// are kept out of the page history, and a fresh Esc poll watches the walk.
#pragma once

#include "OutlineBinding.h"
#include "SearchCommands.h"

class TSearchCommands::TCommandScope {
public:
    explicit TCommandScope(TSearchCommands& Commands) : Commands_(Commands)
    {
        Commands_.Window_.Binding.SetSkipPageHistory(true);
        Commands_.Esc_ = std::make_unique<TEscapePoll>();
    }
    ~TCommandScope()
    {
        Commands_.EndHourglass();
        Commands_.Esc_.reset();
        Commands_.Window_.Binding.SetSkipPageHistory(false);
    }
    TCommandScope(const TCommandScope&) = delete;
    TCommandScope& operator=(const TCommandScope&) = delete;

private:
    TSearchCommands& Commands_;
};
