#include "ExternalEdit.h"

#include <gtest/gtest.h>

namespace {

TEST(ExternalEdit, TemplateLosesWindowMarkAndTakesTheRow)
{
    const std::string line = ExpandEditorTemplate("ed /%WIN% -l %LINE%", 0);
    EXPECT_EQ(line, "ed  -l 0");
    const TExternalCommand command = CommandWithFile(line, "/tmp/a b/temp.txt");
    EXPECT_EQ(command.Program, "ed");
    EXPECT_EQ(command.Arguments, (QStringList{"-l", "0", "/tmp/a b/temp.txt"}));
    EXPECT_TRUE(CommandWithFile("  ", "f").Program.isEmpty());
    EXPECT_EQ(CommandWithFile("\"my ed\" -w", "f").Program, "my ed");
}

TEST(ExternalEdit, ViewerTakesTheProgramAlone)
{
    EXPECT_EQ(ViewerCommand("gedit --wait +%LINE%", "f").Arguments, QStringList{"f"});
    const TExternalCommand windows = ViewerCommand("c:\\ed.EXE /%WIN% %LINE%", "f");
    EXPECT_EQ(windows.Program, "c:\\ed.EXE");
    EXPECT_EQ(windows.Arguments, QStringList{"f"});
}

} // namespace
