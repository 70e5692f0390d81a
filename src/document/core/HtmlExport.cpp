#include "HtmlExport.h"

#include "Cp932.h"
#include "OutlineWalk.h"
#include "SysUtils.h"
#include "TreeNodes.h"

#include <climits>

namespace {

const std::string_view CrLf = "\r\n";
const std::string_view Generator = "<META name=\"GENERATOR\" content=\"Velk2000\">";
const std::string_view Charset = "<META http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">\r\n";
const std::string_view Body = "<BODY BGCOLOR = \"#DDFDED\" link = \"#00e3a0\" vlink = \"#ff65a0\">";
// "　　　": three full-width blanks per level.
const std::string_view IndexIndent = "\x81\x40\x81\x40\x81\x40";

// "に戻る" (back to) after the main page's title.
const std::string& BackToMain()
{
    static const std::string text = Utf8ToSjis("に戻る");
    return text;
}

std::string PartName(int Number) { return Format("part%.3d.html", Number); }

std::string Head(std::string_view Title)
{
    std::string head = "<HTML>\r\n<HEAD><TITLE>";
    return head.append(HtmlEscape(Title)).append("</TITLE>\r\n").append(Charset).append(Generator);
}

std::string MainPage(const TTreeNode& Page)
{
    const std::string title = HtmlEscape(Page.Text());
    std::string html = Head(Page.Text());
    html.append("</HEAD>\r\n").append(Body).append(CrLf);
    html.append("<CENTER><table BORDER = 1 bgcolor = \"#212115\"><tr><td>\r\n");
    html.append("<font size=+1 color=\"#00ffdf\"><strong>").append(title).append("</strong></font>\r\n");
    html.append("</td></tr></table></CENTER><BR>\r\n");
    html.append(BuildHtmlIndex(Page)).append(HtmlEscape(StoredText(Page)));
    return html.append("<br>\r\n<br>\r\n</BODY></HTML>");
}

std::string PartPage(const TTreeNode& Page, std::string_view MainTitle)
{
    std::string html = Head(Page.Text());
    html.append(CrLf).append("</HEAD>\r\n").append(Body);
    html.append("<A HREF = \"main.html\">").append(HtmlEscape(MainTitle)).append(BackToMain()).append("</A><BR>\r\n");
    return html.append(HtmlEscape(StoredText(Page))).append("</BODY></HTML>");
}

} // namespace

std::string HtmlEscape(std::string_view Text)
{
    // None of these bytes is ever the trail byte of a double-byte
    // character, so they are found by value.
    std::string out;
    out.reserve(Text.size() + Text.size() / 16);
    for (const char c : Text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '\r': out += "<BR>\r"; break;
        default: out += c;
        }
    }
    return out;
}

std::string BuildHtmlIndex(const TTreeNode& Page)
{
    std::string index;
    int number = 0;
    ForEachOutlinePage(*Page.Owner(), &Page, INT_MAX, [&](const TOutlinePage& Visited) {
        if (Visited.Node == &Page)
            return;
        for (int level = 0; level < Visited.Level; ++level)
            index.append(IndexIndent);
        index.append("<A HREF = \"").append(PartName(++number)).append("\">");
        index.append(HtmlEscape(Visited.Node->Text())).append("</A><BR>\r\n");
    });
    return index;
}

TOutputFiles HtmlFiles(const TTreeNode& Page, const std::string& Folder)
{
    TOutputFiles files{{Folder + "main.html", MainPage(Page)}};
    int number = 0;
    ForEachOutlinePage(*Page.Owner(), &Page, INT_MAX, [&](const TOutlinePage& Visited) {
        if (Visited.Node != &Page)
            files.push_back({Folder + PartName(++number), PartPage(*Visited.Node, Page.Text())});
    });
    return files;
}
