#include "NodeClipboard.h"

#include "Clipboard.h"
#include "Dialogs.h"
#include "HourGlass.h"
#include "NodeClipboardCodec.h"
#include "NodeData.h"
#include "OutlineBinding.h"
#include "OutlineHost.h"
#include "SubtreeItems.h"

int NodeDataClipboardFormat()
{
    static const int format = RegisterClipboardFormat(NodeDataClipboardFormatName);
    return format;
}

bool ClipboardHasNodeData() { return ClipboardHasFormat(NodeDataClipboardFormat()); }

TNodeClipboard::TNodeClipboard(TOutlineBinding& Binding, IOutlineHost& Host)
    : PutOnClipboard([](std::string_view Bytes) { SetClipboardData(NodeDataClipboardFormat(), Bytes); }),
      Binding_(Binding), Host_(Host)
{}

bool TNodeClipboard::CopySubtreeToClipboard(TTreeNode* Node)
{
    if (Node == nullptr)
        return false;
    std::string bytes;
    try {
        bytes = EncodeNodeClipboard(AddSubtreeItems(*Node));
    } catch (const ENodeClipboardFormat& Error) {
        Tell(Error.Message(), TMsgDlgType::mtError);
        return false;
    }
    PutOnClipboard(bytes);
    // A system clipboard can refuse to change hands; only what reads back
    // counts as copied.
    if (GetClipboardData(NodeDataClipboardFormat()) != bytes) {
        Tell("ページをクリップボードに置けませんでした。", TMsgDlgType::mtError);
        return false;
    }
    return true;
}

bool TNodeClipboard::PasteSubtreeFromClipboard()
{
    const std::optional<std::string> bytes = GetClipboardData(NodeDataClipboardFormat());
    if (!bytes)
        return false;
    TFlatPages pages;
    try {
        pages = DecodeNodeClipboard(*bytes, SubIconCount());
    } catch (const ENodeClipboardFormat& Error) {
        Tell(Error.Message(), TMsgDlgType::mtError);
        return false;
    }
    TTreeNodes& items = Binding_.Items();
    if (TTreeNode* first = RebuildSubtree(items, items.Selected(), std::move(pages))) {
        Binding_.DataTree().SetSelected(first);
        return true;
    }
    return false;
}

void TNodeClipboard::TreeNodeCopyClick() { CopySubtreeToClipboard(Binding_.Items().Selected()); }

void TNodeClipboard::TreeNodeCutClick()
{
    TTreeNode* selected = Binding_.Items().Selected();
    if (CopySubtreeToClipboard(selected))
        Binding_.DeleteSubtree(selected);
}

void TNodeClipboard::TreeNodePasteClick()
{
    const THourGlass hourGlass;
    PasteSubtreeFromClipboard();
    Host_.MarkModified();
    Host_.RefreshSubIconFinder();
}
