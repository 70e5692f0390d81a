// The conversion commands on a real editor.
#include "ConvertCommands.h"
#include "EditorEx.h"
#include "EditorSelection.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(EditorConversion, OneCommandIsOneUndoStep)
{
    std::unique_ptr<TEditorEx> editor(TEditor::Create<TEditorEx>());
    editor->Lines()->SetTextStr("abc\r\ndef\r\n");
    editor->SelectAll();
    TEditorSelection selection([&] { return editor.get(); });
    textconv::TConvertContext context;
    textconv::RunConvertCommand(*textconv::FindConvertCommand("pEdStrCvSmallToBigClick"), selection, context);
    EXPECT_EQ(editor->Lines()->Text(), "ABC\r\nDEF\r\n");
    editor->Undo();
    EXPECT_EQ(editor->Lines()->Text(), "abc\r\ndef\r\n");
}

} // namespace
