// Link strings: the lines the program writes, the regions it recognises,
// and the paths a file link holds and opens.
#include "LinkText.h"

#include "SjisLiteral.h"

#include <gtest/gtest.h>

namespace {

TEST(LinkText, LinesInBothFormsWithBlanksBefore)
{
    EXPECT_EQ(LinkLine(TLinkKind::File, "/a/b.txt", true, 0), "[:file@/a/b.txt:]\r\n");
    EXPECT_EQ(LinkLine(TLinkKind::File, "/a/b.txt", false, 3), "   <file@/a/b.txt>\r\n");
    EXPECT_EQ(LinkLine(TLinkKind::Page, Sjis("表紙"), false, 0), "<node@" + Sjis("表紙") + ">\r\n");
    EXPECT_EQ(LinkLine(TLinkKind::Page, "Top", true, -2), "[:node@Top:]\r\n");
}

TEST(LinkText, RegionsAreLinksOnlyInTheChosenForm)
{
    struct Case {
        const char* Region;
        bool Bracket;
        TLinkKind Kind;
        const char* Target;
    };
    const Case cases[] = {
        {"[:node@Top:]", true, TLinkKind::Page, "Top"},
        {"[:file@../x.png:]", true, TLinkKind::File, "../x.png"},
        {"<node@Top>", false, TLinkKind::Page, "Top"},
        {"<file@/x>", false, TLinkKind::File, "/x"},
        {"[:node@Top:]", false, TLinkKind::None, ""}, // the other form is no link
        {"<node@Top>", true, TLinkKind::None, ""},
        {"[:mail@x:]", true, TLinkKind::None, ""},
        {"<node@", false, TLinkKind::None, ""}, // shorter than opener and closer
        // A region the text ends before its closer keeps its last byte in
        // no target: it is no link.
        {"<file@/tmp/abcdef", false, TLinkKind::None, ""},
        {"<node@Chapter", false, TLinkKind::None, ""},
        {"[:file@/tmp/abcdef:", true, TLinkKind::None, ""},
    };
    for (const Case& c : cases) {
        const TLink link = ParseLinkRegion(c.Region, c.Bracket);
        EXPECT_EQ(std::pair(link.Kind, link.Target), std::pair(c.Kind, std::string(c.Target))) << c.Region;
    }
}

TEST(LinkText, RelativePathsClimbOnlyWhereFoldersAreShared)
{
    EXPECT_EQ(RelativeLinkPath("/h/u/docs/", "/h/u/pics/x.png"), "../pics/x.png");
    EXPECT_EQ(RelativeLinkPath("/h/u/docs/", "/h/u/docs/x.png"), "x.png");
    EXPECT_EQ(RelativeLinkPath("/h/u/docs/", "/h/u/docs/sub/x.png"), "sub/x.png");
    EXPECT_EQ(RelativeLinkPath("/h/u/a/b/", "/h/x.png"), "../../../x.png");
    EXPECT_EQ(RelativeLinkPath("/h/u/docs/", "/srv/x.png"), "/srv/x.png") << "only the root in common";
    EXPECT_EQ(RelativeLinkPath("/h/docs/", "/h/docsx/y"), "../docsx/y") << "folders compare whole";
}

TEST(LinkText, TargetsResolveAgainstTheDocumentFolder)
{
    EXPECT_EQ(ResolveLinkPath("/h/u/docs/", "../pics/x.png"), "/h/u/pics/x.png");
    EXPECT_EQ(ResolveLinkPath("/h/u/docs/", "./x.png"), "/h/u/docs/x.png");
    EXPECT_EQ(ResolveLinkPath("/h/u/docs/", "/etc//x"), "/etc/x");
    EXPECT_EQ(ResolveLinkPath("/h/u/docs/", "..\\pics\\x.png"), "/h/u/pics/x.png") << "written on Windows";
    // 表 is 95 5C: its second byte is no separator.
    EXPECT_EQ(ResolveLinkPath("/h/", Sjis("表.txt")), "/h/" + Sjis("表.txt"));
    EXPECT_EQ(ResolveLinkPath("/", "../../x"), "/x");
}

TEST(LinkText, ValidPathsAreAbsoluteWithValidParts)
{
    // A trail byte 0x5C is part of its character.
    for (const std::string& path : {std::string("/home/u/a.txt"), "/home/" + Sjis("表") + "/a.txt"})
        EXPECT_TRUE(IsValidPath(path)) << path;
    for (const char* path : {"", "home/u/a.txt", "/home//a.txt", "/home/u/", "/home/a?.txt", "/home/../a.txt"})
        EXPECT_FALSE(IsValidPath(path)) << path;
}

} // namespace
