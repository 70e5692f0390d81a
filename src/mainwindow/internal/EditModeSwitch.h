// The document's edit mode (0 Text .. 5 HTML, other User) and the switch
// between modes: each gives the page editor its colouring, word list and
// quote and comment characters. Which mode is on is this class's state;
// the radio items and the font toolbar's label are drawn from it.
#pragma once

class IEditModeHost;
class QLabel;
class TDockButton;
class TEditorEx;
class THTMLFountain;
class TPaneViews;
class TVelkMenus;

// The window's parts the edit modes work on; they outlive the switch.
struct TEditModeParts {
    TVelkMenus& Menus;
    TEditorEx& DataMemo;
    // The panes of an open view are made again with the new colouring.
    TPaneViews& PaneViews;
    THTMLFountain& HTMLFountain1;
    // The mode's name on the font toolbar.
    QLabel& EdModeLabel;
    // sbSave: the mode is saved with the document.
    TDockButton& SaveButton;
};

class TEditModeSwitch {
public:
    // Binds the modes' radio items; the text mode is on.
    TEditModeSwitch(IEditModeHost& Host, TEditModeParts Parts);

    int Mode() const { return Mode_; }
    // Switches the document to Mode; a missing word file is told and leaves
    // the mode's word list empty.
    void SwitchEditMode(int Mode);
    // The mode's colouring, word list, quote and comment characters, with
    // the document left as it was.
    void ApplyEditMode(int Mode);
    // The comment characters of the mode as the settings give them.
    void ApplyCommenter();
    // The colour of the mode's strings as the settings give it (the HTML
    // mode colours its own).
    void ApplyStrColour();
    // Start-up: the text mode, its label as the window first shows it.
    void Reset();

private:
    void BindCommands();

    IEditModeHost& Host_;
    TEditModeParts Parts_;
    int Mode_ = 0;
};
