// The record every page node owns: the page's text and caret, and the level
// and title a copied subtree carries on the clipboard.
#pragma once

#include "Collection.h"

#include <cstdint>
#include <memory>
#include <string>

// The name under which copied subtrees travel on the clipboard.
inline constexpr const char* NodeDataClipboardFormatName = "velk treenode data collection format";

class TNodeData : public TPersistent {
public:
    // The page's depth; filled only when a subtree is copied.
    int32_t Level() const { return Level_; }
    void SetLevel(int32_t Value) { Level_ = Value; }
    // The page title; filled only when a subtree is copied.
    const std::string& Text() const { return Text_; }
    void SetText(std::string Value) { Text_ = std::move(Value); }
    // The whole page text, Shift-JIS with CR LF line ends.
    const std::string& ItemStr() const { return ItemStr_; }
    void SetItemStr(std::string Value) { ItemStr_ = std::move(Value); }
    // The page text moved out, so that its storage can be filled again.
    std::string TakeItemStr() { return std::move(ItemStr_); }
    // The caret offset in bytes (a line break counts 2).
    int32_t SelStart() const { return SelStart_; }
    void SetSelStart(int32_t Value) { SelStart_ = Value; }
    // 0 for a page in memory; the file and the clipboard pack the sub-icon
    // and other values into it.
    int32_t SelLength() const { return SelLength_; }
    void SetSelLength(int32_t Value) { SelLength_ = Value; }

    // From another TNodeData: all five values.
    void Assign(const TPersistent* Source) override;

private:
    int32_t Level_ = 0;
    std::string Text_;
    std::string ItemStr_;
    int32_t SelStart_ = 0;
    int32_t SelLength_ = 0;
};

// One record in a collection, as copied subtrees are held.
class TNodeDataItem : public TCollectionItem {
public:
    explicit TNodeDataItem(TCollection* Collection);

    TNodeData* NodeData() const { return NodeData_.get(); }
    // Copies Value's values; never takes it over.
    void SetNodeData(const TNodeData* Value) { NodeData_->Assign(Value); }

    // From another TNodeDataItem: its record's values.
    void Assign(const TPersistent* Source) override;

private:
    std::unique_ptr<TNodeData> NodeData_ = std::make_unique<TNodeData>();
};
