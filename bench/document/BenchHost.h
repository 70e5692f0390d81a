// The window's side of the page binding for the document benchmarks.
#pragma once

#include "OutlineHost.h"

namespace bench {

// The window's side: only the editor; the rest are no-ops.
class TBenchHost : public IOutlineHost {
public:
    explicit TBenchHost(TEditorEx* Memo) : Memo_(Memo) {}
    TEditorEx* ActiveEditor() const override { return Memo_; }
    void SetActiveEditor(TEditorEx*) override {}
    TEditorEx* DataMemo() const override { return Memo_; }
    TEditorEx* SecondEditor() const override { return nullptr; }
    bool BrowseViewOn() const override { return false; }
    bool BoxSelectionOn() const override { return false; }
    bool FindListMode() const override { return false; }
    void ShowFindListPage(TTreeNode*) override {}
    void UpdateStatusBar() override {}
    void UpdateToolButtons() override {}
    void UpdateMarkMenus() override {}
    void SetEditUndoButtons(bool, bool) override {}
    void SetPageHistoryButtons(bool, bool) override {}
    void SetSubIconButton(int) override {}
    void MarkModified() override {}
    void RefreshSubIconFinder() override {}
    bool FocusSubIconFinder() override { return false; }
    void PageNodeDeleted(TTreeNode*) override {}

private:
    TEditorEx* Memo_;
};

} // namespace bench
