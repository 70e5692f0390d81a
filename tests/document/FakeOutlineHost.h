#pragma once

#include "OutlineHost.h"

#include <utility>
#include <vector>

class TEditorEx;
class TTreeNode;

// The window's side of the outline, one editor for every role, counting what
// the binding and the tree commands ask of it.
class TFakeHost : public IOutlineHost {
public:
    explicit TFakeHost(TEditorEx* Memo) : Memo_(Memo) {}
    TEditorEx* ActiveEditor() const override { return Memo_; }
    void SetActiveEditor(TEditorEx*) override {}
    TEditorEx* DataMemo() const override { return Memo_; }
    TEditorEx* SecondEditor() const override { return nullptr; }
    bool BrowseViewOn() const override { return false; }
    bool BoxSelectionOn() const override { return BoxSelection; }
    bool FindListMode() const override { return false; }
    void ShowFindListPage(TTreeNode*) override {}
    void UpdateStatusBar() override {}
    void UpdateToolButtons() override {}
    void UpdateMarkMenus() override {}
    void SetEditUndoButtons(bool, bool) override {}
    void SetPageHistoryButtons(bool Back, bool Forward) override { HistoryButtons = {Back, Forward}; }
    void SetSubIconButton(int) override {}
    void MarkModified() override { ++Modifications; }
    void RefreshSubIconFinder() override {}
    bool FocusSubIconFinder() override { return false; }
    void PageNodeDeleted(TTreeNode* Node) override { Deleted.push_back(Node); }

    bool BoxSelection = false;
    std::pair<bool, bool> HistoryButtons;
    int Modifications = 0;
    std::vector<TTreeNode*> Deleted;

private:
    TEditorEx* Memo_;
};
