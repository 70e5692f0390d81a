// A command's identity: a menu item, a menu or a toolbar button of the main
// window, named as the component is ("FlSave", "pTreeIns", "sbPageDevide").
// Each is declared once as a constant of namespace Cmd (CommandIds.h and the
// main window's MenuItemIds.h and ToolButtonIds.h), so code that names a
// command names a constant and a misspelling does not compile. Only the
// tables that build the menus and buttons turn an id into its name.
#pragma once

#include <compare>
#include <string_view>

class TCommandId {
public:
    consteval explicit TCommandId(std::string_view Name) : Name_(Name) {}

    constexpr std::string_view Name() const { return Name_; }
    constexpr bool operator==(const TCommandId&) const = default;
    constexpr std::strong_ordering operator<=>(const TCommandId&) const = default;

private:
    std::string_view Name_;
};

// Declares the constant Cmd::Id named "Id"; used inside namespace Cmd.
#define VELK_COMMAND_ID(Id)                                                                                            \
    inline constexpr TCommandId Id { #Id }
