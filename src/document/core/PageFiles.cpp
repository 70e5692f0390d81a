#include "PageFiles.h"

#include "Cp932.h"
#include "OutlineWalk.h"
#include "Paths.h"
#include "Sjis.h"
#include "TextOutputs.h"
#include "TreeNodes.h"

#include <climits>
#include <unordered_set>

namespace {

const char* const SameNamesMessage =
    "指定したページにはツリー項目名がまったく同じものが存在しますので出力できません。\r\n"
    "ツリー項目名を変更して再度実行してください。";

// A title the system's (UTF-8) file names hold exactly: two different
// titles never meet in one name.
bool NamesAFile(const std::string& Title) { return IsValidFileName(Title) && Utf8ToSjis(SjisToUtf8(Title)) == Title; }

} // namespace

bool IsValidFileName(std::string_view Name)
{
    if (Name.empty() || Name.size() > 255 || Name == "." || Name == "..")
        return false;
    for (size_t i = 0; i < Name.size();) {
        const size_t len = sjis::CharLen(Name, i);
        const auto c = static_cast<unsigned char>(Name[i]);
        if (len == 1
            && (c < 0x20 || std::string_view("\"*/:<>?\\|").find(static_cast<char>(c)) != std::string_view::npos))
            return false;
        i += len;
    }
    return true;
}

std::string EditModeExtension(int EditMode, std::string_view UserExt)
{
    static const char* const Extensions[] = {".txt", ".pas", ".as", ".c", ".bas", ".html"};
    if (EditMode >= 0 && EditMode < 6)
        return Extensions[EditMode];
    return std::string(".").append(UserExt);
}

void CheckPageTitlesDiffer(const TTreeNode& Page)
{
    std::unordered_set<std::string_view> seen;
    ForEachOutlinePage(*Page.Owner(), &Page, INT_MAX, [&](const TOutlinePage& Visited) {
        if (!seen.insert(Visited.Node->Text()).second)
            throw EPageFileNames(SameNamesMessage);
    });
}

TOutputFiles PageFiles(const TTreeNode& Page, const std::string& Folder, std::string_view Extension)
{
    CheckPageTitlesDiffer(Page);
    TOutputFiles files;
    int unnamed = 0;
    ForEachOutlinePage(*Page.Owner(), &Page, INT_MAX, [&](const TOutlinePage& Visited) {
        const std::string& title = Visited.Node->Text();
        const std::string_view text = StoredText(*Visited.Node);
        if (!NamesAFile(title))
            files.push_back({Folder + Format("Page%.3d.txt", ++unnamed), std::string(text)});
        else if (!ExtractFileExt(title).empty())
            files.push_back({Folder + title, std::string(DropFirstLine(text))});
        else
            files.push_back({Folder + title + std::string(Extension), std::string(text)});
    });
    std::unordered_set<std::string_view> names;
    for (const TOutputFile& file : files)
        if (!names.insert(file.Name).second)
            throw EPageFileNames(SameNamesMessage);
    return files;
}
