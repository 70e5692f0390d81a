// A conversion runner over a fake editor, with every modal question
// answered by a script.
#pragma once

#include "ConvertRunner.h"
#include "ReplaceText.h"
#include "ScriptedDialogs.h"
#include "SearchOptionWord.h"

#include <gtest/gtest.h>

struct TFakeEditor : textconv::ISelectionEditor {
    std::string Selected;
    int Start = 0;
    std::string SelText() const override { return Selected; }
    void SetSelText(std::string_view Text) override { Selected = Text; }
    int SelStart() const override { return Start; }
    void SetSelStart(int Position) override { Start = Position; }
};

class ConvertFixture : public testing::Test {
protected:
    static constexpr int TabWidth = 4;

    TFakeEditor Editor;
    TScriptedDialogs Dialogs;
    int InsertNumber = 1;
    TConvertRunner Runner{TConvertHost{
        .Owner = nullptr,
        .Editor = [this] { return &Editor; },
        .TabWidth = [] { return TabWidth; },
        .WrapByteCache = [] { return 80; },
        .InsertNumber = [this] { return InsertNumber; },
        .SetInsertNumber = [this](int Value) { InsertNumber = Value; },
        .ConvertClipText = [](const std::string& Text) { return Text + "!"; },
        .DeleteText = [](const std::string& Source, const std::string& Find,
                         std::string& Result) { return DeleteText(Source, Find, Result, soMatchCase); },
    }};
};
