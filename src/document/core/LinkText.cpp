#include "LinkText.h"

#include "PageFiles.h"
#include "Sjis.h"

#include <algorithm>

#include <vector>

namespace {

std::string_view Opener(TLinkKind Kind, bool Bracket)
{
    if (Kind == TLinkKind::Page)
        return Bracket ? "[:node@" : "<node@";
    return Bracket ? "[:file@" : "<file@";
}

std::string_view Closer(bool Bracket) { return Bracket ? ":]" : ">"; }

// The parts of Path between separators, walking whole characters.
std::vector<std::string> PathParts(std::string_view Path, bool BackslashSeparates)
{
    std::vector<std::string> parts(1);
    for (sjis::CharCursor c(Path); !c.AtEnd(); c.Next()) {
        const std::string_view character = Path.substr(c.Pos(), c.Len());
        if (character == "/" || (BackslashSeparates && character == "\\"))
            parts.emplace_back();
        else
            parts.back() += character;
    }
    return parts;
}

} // namespace

std::string LinkLine(TLinkKind Kind, std::string_view Target, bool Bracket, int Indent)
{
    std::string line(static_cast<size_t>(std::max(Indent, 0)), ' ');
    line += Opener(Kind, Bracket);
    line += Target;
    line += Closer(Bracket);
    line += "\r\n";
    return line;
}

TLink ParseLinkRegion(std::string_view Region, bool Bracket)
{
    const std::string_view closer = Closer(Bracket);
    for (const TLinkKind kind : {TLinkKind::Page, TLinkKind::File}) {
        const std::string_view opener = Opener(kind, Bracket);
        // A region the text ends before its closer is no link: its last
        // bytes are part of the target.
        if (Region.size() >= opener.size() + closer.size() && Region.starts_with(opener) && Region.ends_with(closer))
            return {kind, std::string(Region.substr(opener.size(), Region.size() - opener.size() - closer.size()))};
    }
    return {};
}

std::string RelativeLinkPath(std::string_view Folder, std::string_view File)
{
    const std::vector<std::string> from = PathParts(Folder, false);
    const std::vector<std::string> to = PathParts(File, false);
    // Both start with the empty part before the root's "/"; Folder ends
    // with an empty part after its last "/".
    const size_t folders = from.size() - 1;
    size_t common = 0;
    while (common < folders && common + 1 < to.size() && from[common] == to[common])
        ++common;
    if (common <= 1)
        return std::string(File);
    std::string path;
    for (size_t i = common; i < folders; ++i)
        path += "../";
    for (size_t i = common; i < to.size(); ++i)
        path += to[i] + (i + 1 < to.size() ? "/" : "");
    return path;
}

std::string ResolveLinkPath(std::string_view Folder, std::string_view Target)
{
    const bool absolute = Target.starts_with("/");
    std::vector<std::string> parts;
    for (const std::string_view source : {absolute ? std::string_view() : Folder, Target})
        for (std::string& part : PathParts(source, true)) {
            if (part.empty() || part == ".")
                continue;
            if (part == "..") {
                if (!parts.empty())
                    parts.pop_back();
            } else {
                parts.push_back(std::move(part));
            }
        }
    std::string path;
    for (const std::string& part : parts)
        path += "/" + part;
    return path.empty() ? "/" : path;
}

bool IsValidPath(std::string_view Path)
{
    if (!Path.starts_with("/"))
        return false;
    const std::vector<std::string> parts = PathParts(Path.substr(1), false);
    for (const std::string& part : parts)
        if (!IsValidFileName(part))
            return false;
    return true;
}
