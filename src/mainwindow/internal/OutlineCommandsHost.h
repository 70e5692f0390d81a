// What the commands that reshape the outline need of the main window beside
// the parts they work on. The main window implements it; tests can use a
// fake.
#pragma once

#include "MainMenus.h"

#include <span>

class IOutlineCommandsHost {
public:
    virtual ~IOutlineCommandsHost() = default;

    // Gives the window's toolbar buttons their handlers.
    virtual void BindButtons(std::span<const TCommandBinding> Buttons) = 0;
};
