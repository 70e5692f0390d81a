#include "TextOutputs.h"

#include "NodeData.h"
#include "OutlineWalk.h"
#include "PageTitle.h"
#include "StrDeleteEtc.h"
#include "TreeNodes.h"
#include "TreeText.h"
#include "WrapLines.h"

#include <algorithm>
#include <vector>

namespace {

const std::string_view CrLf = "\r\n";
// The ruled-line characters of the title tree.
const std::string_view RuleBar = "\x84\xA0", RuleTop = "\x84\xA1", RuleTee = "\x84\xA5", RuleEnd = "\x84\xA4";

void EnsureFinalCrLf(std::string& Text)
{
    if (!Text.ends_with(CrLf))
        Text += CrLf;
}

// Items saved as lines: each item is followed by CR LF, the last CR LF is
// dropped, and the text is written with CR LF after every line.
std::string SavedAsLines(const std::vector<std::string>& Items)
{
    std::string text;
    for (const std::string& item : Items)
        text.append(item).append(CrLf);
    text.resize(text.size() - std::min(text.size(), CrLf.size()));
    if (!text.empty())
        EnsureFinalCrLf(text);
    return text;
}

std::string AllPagesText(const TTreeNodes& Nodes, bool WithoutTitles)
{
    std::string out;
    out.reserve(StoredBytes(Nodes.GetFirstNode(), nullptr) + 2 * static_cast<size_t>(Nodes.Count()));
    for (const TTreeNode* node = Nodes.GetFirstNode(); node != nullptr; node = node->GetNext()) {
        if (node != Nodes.GetFirstNode())
            out += CrLf;
        const std::string_view text = StoredText(*node);
        out.append(WithoutTitles ? DropFirstLine(text) : text);
    }
    return out;
}

// The pages of the whole document or of a subtree, each as number + text
// (or the text without its first line).
std::string NumberedPages(const TTreeNodes& Nodes, const TTreeNode* Top, bool Numbered, bool WithoutTitles)
{
    std::vector<std::string> items;
    ForEachOutlinePage(Nodes, Top, MaxOutlineLevel, [&](const TOutlinePage& Page) {
        std::string_view text = StoredText(*Page.Node);
        if (Top && text.empty())
            text = CrLf;
        items.push_back(WithoutTitles ? std::string(DropFirstLine(text))
                                      : std::string(Numbered ? Page.Number : "").append(text));
    });
    return SavedAsLines(items);
}

// Steps shared by TAB and indented text: a page with an empty first line
// is titled "UnTitled", and the number goes in front.
std::string TitledText(const TOutlinePage& Page, bool Numbered)
{
    const std::string_view stored = StoredText(*Page.Node);
    std::string text(Numbered ? Page.Number : "");
    if (stored.empty() || stored == CrLf)
        text.append(UnTitledTitle).append(CrLf);
    else if (stored.front() == '\r')
        text.append(UnTitledTitle).append(stored);
    else
        text.append(stored);
    return text;
}

std::string PageTabText(const TTreeNodes& Nodes, const TTreeNode& Top, bool Numbered, int TabSpaceCount)
{
    std::string out;
    ForEachOutlinePage(Nodes, &Top, MaxOutlineLevel, [&](const TOutlinePage& Page) {
        std::string text = textconv::DeleteEmptyLines(TitledText(Page, Numbered));
        EnsureFinalCrLf(text);
        const std::string tabs(static_cast<size_t>(Page.Level), '\t');
        std::string_view rest = text;
        for (bool first = true; !rest.empty(); first = false) {
            const size_t end = rest.find(CrLf);
            std::string_view line = rest.substr(0, end);
            rest.remove_prefix(end + CrLf.size());
            out += tabs;
            if (first) {
                out.append(TrimTitle(line));
            } else {
                out += '\t';
                if (line.starts_with('\t')) {
                    out.append(static_cast<size_t>(std::max(TabSpaceCount, 0)), ' ');
                    line.remove_prefix(1);
                }
                out.append(line);
            }
            out += CrLf;
        }
        out += CrLf;
    });
    return textconv::DeleteEmptyLines(out);
}

std::string PageIndentText(const TTreeNodes& Nodes, const TTreeNode& Top, bool Numbered,
                           const TTextOutputOptions& Options)
{
    std::vector<std::string> items;
    ForEachOutlinePage(Nodes, &Top, MaxOutlineLevel, [&](const TOutlinePage& Page) {
        std::string text = TitledText(Page, Numbered);
        EnsureFinalCrLf(text);
        const int indent = Page.Level >= 1 ? (Page.Level - 1) * 8 : 0;
        const textconv::TWrapOptions options{Options.WrapEnglish, Options.WrapIndent, Options.TabSpaceCount};
        const std::string wrapped = textconv::WrapLines(text, std::max(Options.WrapByte - indent, 20), options);
        std::string item;
        for (size_t start = 0; start < wrapped.size();) {
            const size_t end = wrapped.find(CrLf, start);
            item.append(static_cast<size_t>(indent), ' ').append(wrapped, start, end - start).append(CrLf);
            start = end + CrLf.size();
        }
        items.push_back(std::move(item));
    });
    return SavedAsLines(items);
}

std::string TitleLines(const TTreeNodes& Nodes, bool Indented, bool Numbered)
{
    std::string out;
    ForEachOutlinePage(Nodes, nullptr, Numbered ? MaxOutlineLevel : INT_MAX, [&](const TOutlinePage& Page) {
        if (Indented)
            out.append(static_cast<size_t>(Page.Level) * 2, ' ');
        if (Numbered)
            out.append(Page.Number);
        out.append(Page.Node->Text()).append(CrLf);
    });
    return out;
}

// What stands before a page's corner: one column per ancestor.
std::string TreeLinePrefix(const TTreeNode& Node, const TTreeNode* FirstNode)
{
    std::vector<const TTreeNode*> ancestors;
    for (const TTreeNode* parent = Node.Parent(); parent != nullptr; parent = parent->Parent())
        ancestors.push_back(parent);
    std::string prefix;
    for (auto it = ancestors.rbegin(); it != ancestors.rend(); ++it) {
        if ((*it)->getNextSibling())
            prefix.append(RuleBar).append("  ");
        else
            prefix.append(*it == FirstNode ? "  " : "    ");
    }
    return prefix;
}

std::string TitleTree(const TTreeNodes& Nodes, bool BlankLines, bool Numbered)
{
    const TTreeNode* first = Nodes.GetFirstNode();
    std::string out;
    ForEachOutlinePage(Nodes, nullptr, Numbered ? MaxOutlineLevel : INT_MAX, [&](const TOutlinePage& Page) {
        const TTreeNode& node = *Page.Node;
        const std::string prefix = TreeLinePrefix(node, first);
        const bool hasNext = node.getNextSibling() != nullptr;
        if (BlankLines && &node != first)
            out.append(prefix).append(RuleBar).append("  ").append(CrLf);
        out.append(prefix);
        if (&node == first)
            out.append(hasNext ? RuleTop : "");
        else
            out.append(hasNext ? RuleTee : RuleEnd);
        if (Numbered)
            out.append(Page.Number);
        out.append(node.Text()).append(CrLf);
    });
    return textconv::DeleteTrailingBlanks(out);
}

} // namespace

bool OffersNumbering(int Kind)
{
    switch (Kind) {
    case tokAll:
    case tokPageUnder:
    case tokPageTabText:
    case tokPageIndentText:
    case tokTitles:
    case tokTitlesIndented:
    case tokTitleTree: return true;
    default: return false;
    }
}

bool IsWholeDocumentOutput(int Kind)
{
    return Kind == tokAll || Kind == tokAllNoTitles || Kind == tokAllTreeText || Kind == tokTitles
           || Kind == tokTitlesIndented || Kind == tokTitleTree;
}

std::string TextOutputBytes(int Kind, const TTreeNodes& Nodes, const TTreeNode& Selected,
                            const TTextOutputOptions& Options)
{
    const bool numbered = Options.Numbered && OffersNumbering(Kind);
    switch (Kind) {
    case tokAll: return numbered ? NumberedPages(Nodes, nullptr, true, false) : AllPagesText(Nodes, false);
    case tokAllNoTitles: return AllPagesText(Nodes, true);
    case tokAllTreeText: return TreeTextOfTree(Nodes);
    case tokPage: return std::string(StoredText(Selected));
    case tokPageUnder:
    case tokPageUnderNoTitles: return NumberedPages(Nodes, &Selected, numbered, Kind == tokPageUnderNoTitles);
    case tokPageTreeText: return TreeTextOfSubtree(Selected);
    case tokPageTabText: return PageTabText(Nodes, Selected, numbered, Options.TabSpaceCount);
    case tokPageIndentText: return PageIndentText(Nodes, Selected, numbered, Options);
    case tokTitles:
    case tokTitlesIndented: return TitleLines(Nodes, Kind == tokTitlesIndented, numbered);
    case tokTitleTree: return TitleTree(Nodes, Options.BlankLines, numbered);
    default: throw EInvalidOperation(Format("テキスト出力 %d はありません。", Kind));
    }
}

void FillEmptyPages(const TTreeNode& Page)
{
    ForEachOutlinePage(*Page.Owner(), &Page, MaxOutlineLevel, [](const TOutlinePage& Visited) {
        if (auto* data = dynamic_cast<TNodeData*>(Visited.Node->Data()); data && data->ItemStr().empty())
            data->SetItemStr(std::string(CrLf));
    });
}

std::string_view DropFirstLine(std::string_view Text)
{
    const size_t cr = Text.find('\r');
    return cr == std::string_view::npos ? Text : Text.substr(std::min(cr + 2, Text.size()));
}
