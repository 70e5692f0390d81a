// The shown main window over a three-level outline, driven through its menu
// commands: p0 > (p1 > p2), p3; then p4 at the top level. "foo" is in p0,
// p2 and p4.
#pragma once

#include "FormFixture.h"

#include "EditorEx.h"
#include "NodeData.h"
#include "TreeView.h"

#include <QApplication>
#include <QTest>

#include <tuple>

inline const std::vector<std::pair<int, std::string>> kPages = {
    {0, "p0\r\nfoo one"}, {1, "p1\r\nno hit"}, {2, "p2 foo\r\nfoo"}, {1, "p3"}, {0, "p4 foo"},
};

class OutlineTest : public FormTest {
protected:
    void SetUp() override { Start(); }
    void Start()
    {
        StartShown();
        TTreeNodes& items = form->DataTree()->Items();
        std::vector<TTreeNode*> parents;
        for (size_t i = 0; i < kPages.size(); ++i) {
            const auto& [level, text] = kPages[i];
            parents.resize(static_cast<size_t>(level));
            TTreeNode* node = i == 0 ? items.Item(0) : items.AddChild(level ? parents.back() : nullptr, "");
            auto data = std::make_unique<TNodeData>();
            data->SetItemStr(text);
            node->SetData(std::move(data));
            node->SetText(text.substr(0, text.find('\r')));
            parents.push_back(node);
        }
        form->ShowPage(static_cast<TNodeData*>(items.Item(0)->Data()));
        QApplication::processEvents();
    }
    TTreeNode* Node(int Index) const { return form->DataTree()->Items().Item(Index); }
    int SelectedIndex() const { return form->DataTree()->Items().Selected()->AbsoluteIndex(); }
    std::string PageText(int Index) const
    {
        if (Node(Index)->Selected())
            return form->DataMemo()->GetText();
        return static_cast<TNodeData*>(Node(Index)->Data())->ItemStr();
    }
    void Run(const char* Item)
    {
        form->MenuItem(Item)->Click();
        QApplication::processEvents();
    }
    // Where the walk stands: the page and the caret row and column.
    std::tuple<int, int, int> At() const
    {
        return {SelectedIndex(), form->DataMemo()->Row(), form->DataMemo()->Col()};
    }
};
