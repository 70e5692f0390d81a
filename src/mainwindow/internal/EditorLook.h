// The page editor's look as the settings give it: the bracket regions of
// its colouring, the font styles of its colours and the tree's, and the
// blank, tab and wrap marks of both panes. Start-up, the options and the
// colour schemes apply it; it keeps nothing of its own.
#pragma once

class IEditorLookHost;
class TEditorEx;
class THTMLFountain;
class TTreeView;

// The window's parts the look is applied to; they outlive it.
struct TEditorLookParts {
    TEditorEx& DataMemo;
    TTreeView& DataTree;
    THTMLFountain& HTMLFountain1;
};

class TEditorLook {
public:
    TEditorLook(IEditorLookHost& Host, TEditorLookParts Parts) : Host_(Host), Parts_(Parts) {}

    // The page editor's bracket regions: comments, corner brackets and the
    // links in the form the options choose.
    void SetupFountain();
    // The font styles of the editor's and the tree's colours.
    void ApplyEditorColors();
    // The blank marks in both panes: the half-width blank
    // (ApplyMarkSettings), the full-width blank and the tab
    // (ApplyBracketColors).
    void ApplyMarkSettings();
    void ApplyBracketColors();
    void ApplyWrapMark();

private:
    IEditorLookHost& Host_;
    TEditorLookParts Parts_;
};
