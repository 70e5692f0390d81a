// What the tree's view commands need of the main window beside the parts
// they work on. The main window implements it; tests can use a fake.
#pragma once

class ITreeViewHost {
public:
    virtual ~ITreeViewHost() = default;

    // The browse view needs the tree beside the editor; the split view has
    // no room while the tree stands above it, so it closes.
    virtual bool BrowseViewOn() const = 0;
    virtual void CloseViews() = 0;
    // The tree panel's extent along the divider: its width beside the
    // editor, its height above it.
    virtual int SplitLine() const = 0;
    virtual void SetTreePanelExtent(int Extent) = 0;
    // The pages gone back and forward through are forgotten.
    virtual void ClearPageHistory() = 0;
};
