#include "TreeText.h"

#include "DocumentFile.h"
#include "OutlineWalk.h"
#include "PageTitle.h"
#include "TreeNodes.h"

#include <algorithm>
#include <cstring>

namespace {

const std::string_view CrLf = "\r\n";

// Appends EscapeTreeTextPage(S) to Out.
void AppendEscaped(std::string& Out, std::string_view S)
{
    const size_t start = S.find_first_not_of(" \t.");
    if (start == std::string_view::npos)
        return;
    S.remove_prefix(start);
    // The reader takes a lone CR or LF for a line end too, so a dot after
    // any of them is shielded.
    size_t from = 0;
    for (size_t dot = S.find('.'); dot != std::string_view::npos; dot = S.find('.', dot + 1)) {
        if (dot > 0 && (S[dot - 1] == '\n' || S[dot - 1] == '\r')) {
            Out.append(S.substr(from, dot - from));
            Out += ' ';
            from = dot;
        }
    }
    Out.append(S.substr(from));
}

void AppendPage(std::string& Out, int Depth, std::string_view Text)
{
    Out.append(static_cast<size_t>(Depth) + 1, '.');
    const size_t before = Out.size();
    AppendEscaped(Out, Text);
    const std::string_view written = std::string_view(Out).substr(before);
    if (!written.ends_with(CrLf))
        Out += CrLf;
}

// The pages from First up to, not including, End, with depths counted from
// BaseLevel.
std::string TreeTextOf(const TTreeNode* First, const TTreeNode* End, int BaseLevel)
{
    std::string out;
    // Room for the texts and, for most trees, their dots and line ends.
    const size_t bytes = StoredBytes(First, End);
    out.reserve(bytes + bytes / 64 + 4096);
    for (const TTreeNode* node = First; node != End; node = node->GetNext())
        AppendPage(out, node->Level() - BaseLevel, StoredText(*node));
    return out;
}

// True when every CR of Text is followed by an LF and every LF follows a CR.
bool HasOnlyCrLf(std::string_view Text)
{
    const char* p = Text.data();
    const char* end = p + Text.size();
    while (const void* hit = std::memchr(p, '\n', static_cast<size_t>(end - p))) {
        const char* lf = static_cast<const char*>(hit);
        if (lf == Text.data() || lf[-1] != '\r' || std::memchr(p, '\r', static_cast<size_t>(lf - 1 - p)) != nullptr)
            return false;
        p = lf + 1;
    }
    return std::memchr(p, '\r', static_cast<size_t>(end - p)) == nullptr;
}

TFlatPage ParseBlock(std::string_view Block, int& PreviousDots)
{
    const auto written = static_cast<size_t>(CountLeadingDots(Block));
    const int dots = std::min(static_cast<int>(written), PreviousDots + 1);
    TFlatPage page;
    page.Depth = dots > 0 ? dots - 1 : 0;
    const std::string_view line = TrimTitle(FirstLine(Block).substr(written));
    page.Title = line.empty() ? std::string(UnTitledTitle) : std::string(CopyLeftDbcs(line, TitleCutBytes));
    page.Text = std::string(Block.substr(written));
    PreviousDots = dots > 0 ? dots : 1;
    return page;
}

} // namespace

int CountLeadingDots(std::string_view S)
{
    const size_t n = S.find_first_not_of('.');
    return static_cast<int>(n == std::string_view::npos ? S.size() : n);
}

std::string EscapeTreeTextPage(std::string_view S)
{
    std::string out;
    out.reserve(S.size());
    AppendEscaped(out, S);
    return out;
}

std::string TreeTextOfTree(const TTreeNodes& Nodes) { return TreeTextOf(Nodes.GetFirstNode(), nullptr, 0); }

std::string TreeTextOfSubtree(const TTreeNode& Node) { return TreeTextOf(&Node, AfterSubtree(Node), Node.Level()); }

TFlatPages ParseTreeText(std::string_view Text)
{
    std::string normalized;
    if (!HasOnlyCrLf(Text)) {
        normalized = NormalizeLineBreaks(Text);
        Text = normalized;
    }
    TFlatPages pages;
    int previousDots = 1;
    size_t start = 0;
    // A page starts at every dot that follows a line end.
    for (size_t lf = Text.find('\n'); lf != std::string_view::npos; lf = Text.find('\n', lf + 1)) {
        if (lf + 1 < Text.size() && Text[lf + 1] == '.') {
            pages.push_back(ParseBlock(Text.substr(start, lf + 1 - start), previousDots));
            start = lf + 1;
        }
    }
    if (start < Text.size() || pages.empty())
        pages.push_back(ParseBlock(Text.substr(start), previousDots));
    return pages;
}
