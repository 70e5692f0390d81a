// The options dialog over stand-ins for the main window's parts: a page
// editor, a page tree, the HTML scheme and the sub-icon menu, set up as the
// program holds them after a confirmed dialog, with settings values that
// differ from every default.
#pragma once

#include "EditorEx.h"
#include "HTMLFountain.h"
#include "Menus.h"
#include "OptionsForm.h"
#include "ScriptedDialogs.h"
#include "SjisLiteral.h"
#include "SubIni.h"
#include "TreeView.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

class OptionsFormTest : public testing::Test {
protected:
    OptionsFormTest();
    ~OptionsFormTest() override;

    // A new dialog, filled as it is when it opens, for a document in edit
    // mode EditMode.
    TOpForm& Open(int EditMode = 0);
    // The same, shown as the active window, so that keys and the input
    // method reach the field with the focus.
    TOpForm& OpenActive();
    // The page editor's settings as one text, to compare whole.
    std::string EditorState() const;
    // Chooses a colour element by its caption (UTF-8).
    void Choose(const char* Caption);

    TScriptedDialogs dialogs;
    TEditorEx* memo;
    std::unique_ptr<TTreeView> tree;
    std::unique_ptr<THTMLFountain> html;
    std::unique_ptr<TPopupMenu> images;
    std::unique_ptr<TOpForm> form;
};
