// The find and replace commands of the menu "検索(&D)" and the find
// toolbar; the commands themselves are TSearchCommands'.
#include "Main.h"

#include "DockButton.h"

void TVelkForm::BindSearchCommands()
{
    Search_ = std::make_unique<TSearchCommands>(TSearchWindow{
        .Host = *this,
        .Binding = *Binding_,
        .Window = *this,
        .SetButtonEnabled = [this](const char* Name, bool Enabled) { Button(Name)->SetEnabled(Enabled); },
        .ListInvalidated =
            [this] {
                Button("sbFindList")->SetEnabled(false);
                Menus_.Item("FdFindList")->SetEnabled(false);
            },
    });
    const auto find = [this] { Search_->FdGoFindClick(); };
    const auto forward = [this] { Search_->FdForwardFindClick(); };
    const auto back = [this] { Search_->FdBackFindClick(); };
    const TCommandBinding items[] = {
        {"FdGoFind", find},
        {"FdForwardFind", forward},
        {"FdBackFind", back},
        {"FdReplace", [this] { Search_->FdReplaceClick(); }},
        {"FdFastReplace", [this] { Search_->FdFastReplaceClick(); }},
    };
    BindItems(items);
    Button("sbFind")->OnClick = [find](TObject*) { find(); };
    Button("sbFoward")->OnClick = [forward](TObject*) { forward(); };
    Button("sbBack")->OnClick = [back](TObject*) { back(); };
}
