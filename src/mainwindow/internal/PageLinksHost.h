// What the links and row marks need of the main window beside the parts
// they are given. The main window implements it; tests can use a fake.
#pragma once

#include <string>
#include <vector>

class TEditorEx;

class IPageLinksHost {
public:
    virtual ~IPageLinksHost() = default;

    // The pane links are inserted into and row marks set in, and the one a
    // link command without an editor of its own acts on.
    virtual TEditorEx* ActiveEditor() const = 0;
    // Page links do nothing in the browse view's pane.
    virtual bool BrowseViewOn() const = 0;
    // The document's file: a relative file link starts from its folder,
    // and a never saved document has none to start from.
    virtual bool HasFileName() const = 0;
    virtual const std::string& DocFileName() const = 0;
    virtual const std::string& DocumentCaption() const = 0;
    // Inserts a link line per file below the caret.
    virtual void InsertFileLinks(const std::vector<std::string>& Files) = 0;
    // The wrap width in bytes the font toolbar shows, 0 when none: a row
    // mark's caption reaches no further.
    virtual int WrapByteCache() const = 0;
    // A link's selection is never a box: the status bar and OpBoxSel show
    // line selection.
    virtual void ShowLineSelection() = 0;
};
