// The editor's direct conversion commands: each passes the selection
// through one routine and writes the result back as the selection. The
// commands are one table, named after the main window's handlers, and one
// runner; the three chooser dialogs name the commands they dispatch to.
#pragma once

#include "LineHeads.h"

#include <array>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace textconv {

// What the routines read beside the selection: the active editor's tab
// width and the settings of the line-head inserts. InsertNumber is the
// running number of the line-number command, advanced by it.
struct TConvertContext {
    int TabWidth = 8;
    int InsSpcWidth = 1;
    int InsTabWidth = 1;
    int InsZenSpcWidth = 1;
    std::string QMark = {};
    TLineNumberOptions Numbering = {};
    int InsertNumber = 1;
    // The clipping-mode conversion chain of the main window.
    std::function<std::string(const std::string&)> ClipConvert = {};
};

using TConvertRoutine = std::string (*)(std::string_view Selection, TConvertContext& Context);

struct TConvertCommand {
    std::string_view Name; // the handler, or the routine for chooser-only entries
    TConvertRoutine Routine;
    bool RunsOnEmpty;          // runs (and may insert) without a selection
    bool CaretToStart = false; // the caret goes back to the selection start
};

std::span<const TConvertCommand> ConvertCommandTable();
// The command of that name, or null.
const TConvertCommand* FindConvertCommand(std::string_view Name);

// The selection of the editor a command acts on.
class ISelectionEditor {
public:
    virtual ~ISelectionEditor() = default;
    virtual std::string SelText() const = 0;
    // Replaces the selection (inserts at the caret without one) as one
    // undo step.
    virtual void SetSelText(std::string_view Text) = 0;
    virtual int SelStart() const = 0;
    virtual void SetSelStart(int Position) = 0;
};

// Runs Command on Editor's selection; a result equal to the selection
// leaves the editor untouched.
void RunConvertCommand(const TConvertCommand& Command, ISelectionEditor& Editor, TConvertContext& Context);

// A count of leading characters to insert, as read from the settings file,
// kept within what a line can hold.
int LineHeadCount(int Count);

// The handlers the three chooser dialogs run, by the index chosen.
constexpr size_t StrHenkanCount = 22, StrSeikeiCount = 24, StrDelCount = 15;
const std::array<std::string_view, StrHenkanCount>& StrHenkanChoices();
const std::array<std::string_view, StrSeikeiCount>& StrSeikeiChoices();
const std::array<std::string_view, StrDelCount>& StrDelChoices();

// The counts of 「 and 」 in Text, whole characters only.
struct TKakkoCount {
    int Open = 0;
    int Close = 0;
};
TKakkoCount CountKakko(std::string_view Text);

} // namespace textconv
