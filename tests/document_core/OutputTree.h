// The fixed seven-page document every output's golden file is made from:
// a dotted line, a leading TAB, an empty line, markup characters, an empty
// page, a title with an extension, one that cannot name a file, Japanese
// text long enough to wrap and a page whose first line is empty. The first
// page is the selected one.
#pragma once

#include "NodeData.h"
#include "PageList.h"
#include "PageTitle.h"
#include "SjisLiteral.h"
#include "TreeNodes.h"

#include <string>

inline void BuildOutputTree(TTreeNodes& Nodes)
{
    const std::pair<int, std::string> pages[] = {
        {0, "Intro\r\n.dot line\r\n\tTabbed <b> & x\r\n\r\nlast line"},
        {1, Sjis("Child A\r\nこれは折り返しを試すための長い日本語の行です。句読点、も含みます。\r\n")},
        {2, ""},
        {1, "main.c\r\nint main(void);\r\n"},
        {1, "a:b"},
        {0, Sjis("第二章\r\n本文\r\n")},
        {1, "\r\nstarts empty\r\n"},
    };
    TFlatPages flat;
    for (const auto& [depth, text] : pages)
        flat.push_back({depth, PageTitle(text), text});
    BuildTree(Nodes, flat, TDepthPolicy::Strict);
}
