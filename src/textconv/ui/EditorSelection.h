// The active editor's selection as the conversion commands see it.
#pragma once

#include "ConvertCommands.h"

#include <functional>

class TEditorEx;

class TEditorSelection : public textconv::ISelectionEditor {
public:
    // Editor gives the editor the commands act on now; never null.
    explicit TEditorSelection(std::function<TEditorEx*()> Editor) : Editor_(std::move(Editor)) {}

    std::string SelText() const override;
    void SetSelText(std::string_view Text) override;
    int SelStart() const override;
    void SetSelStart(int Position) override;

private:
    std::function<TEditorEx*()> Editor_;
};
