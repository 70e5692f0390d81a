// What every find and replace command does around its work: page changes
// are kept out of the page history, and the Esc poll of its walk ends with
// it.
#pragma once

#include "OutlineBinding.h"
#include "SearchCommands.h"

class TSearchCommands::TCommandScope {
public:
    explicit TCommandScope(TSearchCommands& Commands) : Commands_(Commands)
    {
        Commands_.Window_.Binding.SetSkipPageHistory(true);
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
