// The record every page node owns: the page's text and caret, and the level
// and title a copied subtree carries on the clipboard.
#pragma once

#include "Collection.h"

#include <cstdint>
#include <memory>
#include <string>

// The name under which copied subtrees travel on the clipboard.
inline constexpr const char* NodeDataClipboardFormatName = "velk treenode data collection format";

class TNodeData;

// Where the text of an edited page waits while only the editor holds it:
// the record asks for it the first time anybody reads the record's text or
// caret, so that a keystroke does not copy the whole page.
class IUnstoredPage {
public:
    // Fills Text (its storage reused) and SelStart with the page as the
    // editor holds it now, and forgets Data.
    virtual void StoreInto(const TNodeData& Data, std::string& Text, int32_t& SelStart) = 0;
    // Data is replaced or going: nothing is to be stored into it.
    virtual void Forget(const TNodeData& Data) = 0;

protected:
    ~IUnstoredPage() = default;
};

class TNodeData : public TPersistent {
public:
    TNodeData() = default;
    TNodeData(const TNodeData&) = delete;
    TNodeData& operator=(const TNodeData&) = delete;
    ~TNodeData() override { DropUnstored(); }

    // The page's depth; filled only when a subtree is copied.
    int32_t Level() const { return Level_; }
    void SetLevel(int32_t Value) { Level_ = Value; }
    // The page title; filled only when a subtree is copied.
    const std::string& Text() const { return Text_; }
    void SetText(std::string Value) { Text_ = std::move(Value); }
    // The whole page text, Shift-JIS with CR LF line ends.
    const std::string& ItemStr() const
    {
        StoreUnstored();
        return ItemStr_;
    }
    void SetItemStr(std::string Value)
    {
        DropUnstored();
        ItemStr_ = std::move(Value);
    }
    // The page text moved out, so that its storage can be filled again.
    std::string TakeItemStr()
    {
        StoreUnstored();
        return std::move(ItemStr_);
    }
    // The caret offset in bytes (a line break counts 2).
    int32_t SelStart() const
    {
        StoreUnstored();
        return SelStart_;
    }
    void SetSelStart(int32_t Value)
    {
        StoreUnstored();
        SelStart_ = Value;
    }
    // 0 for a page in memory; the file and the clipboard pack the sub-icon
    // and other values into it.
    int32_t SelLength() const
    {
        StoreUnstored();
        return SelLength_;
    }
    void SetSelLength(int32_t Value)
    {
        StoreUnstored();
        SelLength_ = Value;
    }

    // Marks the record as behind the editor: Source stores the page the
    // first time the text, caret or selection length is read or set.
    void SetUnstored(IUnstoredPage* Source) { Unstored_ = Source; }
    bool Unstored() const { return Unstored_ != nullptr; }
    // Takes the waiting page now, if any.
    void StoreUnstored() const;

    // From another TNodeData: all five values.
    void Assign(const TPersistent* Source) override;

private:
    void DropUnstored();

    int32_t Level_ = 0;
    std::string Text_;
    // Filled by the first read after an edit, which may come through const
    // access: the values are what the record holds in any case.
    mutable std::string ItemStr_;
    mutable int32_t SelStart_ = 0;
    mutable int32_t SelLength_ = 0;
    mutable IUnstoredPage* Unstored_ = nullptr;
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
