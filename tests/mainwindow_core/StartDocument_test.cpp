#include "StartDocument.h"

#include <gtest/gtest.h>

#include <set>

namespace {

struct StartCase {
    const char* Name;
    TStartInputs Inputs;
    TStartRule Rule;
    const char* DocFileName;
    TDeclineAction OnDecline;
};

TStartInputs Inputs(bool OptionMode, bool LastMode, bool Single, std::vector<std::string> Parameters)
{
    return {OptionMode, "/o/opt.vk2", LastMode, "/l/last.vk2", Single, std::move(Parameters), {}};
}

} // namespace

TEST(StartDocument, FirstRuleWhoseFileExists)
{
    using enum TStartRule;
    constexpr auto New = TDeclineAction::NewDocument;
    constexpr auto Close = TDeclineAction::CloseInstance;
    const std::set<std::string> files{"/o/opt.vk2", "/l/last.vk2", "/a/b.vk2", "/a/c.vk2"};
    const StartCase cases[] = {
        {"option file", Inputs(true, true, true, {}), OptionFile, "/o/opt", New},
        {"last file", Inputs(false, true, true, {}), LastFile, "/l/last", New},
        {"parameter's .vk2", Inputs(true, true, true, {"/a/b.txt"}), Parameter, "/a/b", New},
        {"parameter in a second instance", Inputs(false, false, false, {"/a/b.vk2"}), Parameter, "/a/b", Close},
        {"two parameters", Inputs(true, true, true, {"/a/b.vk2", "/a/c.vk2"}), NewDocument, "", New},
        {"second instance, no parameter", Inputs(true, true, false, {}), NewDocument, "", New},
        {"parameter without a document", Inputs(true, true, true, {"/a/x.txt"}), NewDocument, "", New},
        {"nothing remembered", Inputs(false, false, true, {}), NewDocument, "", New},
    };
    for (const StartCase& c : cases) {
        TStartInputs in = c.Inputs;
        in.FileExists = [&](const std::string& Name) { return files.count(Name) > 0; };
        const TStartChoice choice = ChooseStartDocument(in);
        EXPECT_EQ(choice.Rule, c.Rule) << c.Name;
        EXPECT_EQ(choice.DocFileName, c.DocFileName) << c.Name;
        EXPECT_EQ(choice.OnDecline, c.OnDecline) << c.Name;
    }
}

TEST(StartDocument, TestsTheFileThatWillBeRead)
{
    // The options name "/o/opt.txt" and it exists, but the document read
    // would be "/o/opt.vk2", which does not: the next rule applies.
    TStartInputs in = Inputs(true, true, true, {});
    in.OptionFile = "/o/opt.txt";
    in.FileExists = [](const std::string& Name) { return Name == "/o/opt.txt" || Name == "/l/last.vk2"; };
    const TStartChoice choice = ChooseStartDocument(in);
    EXPECT_EQ(choice.Rule, TStartRule::LastFile);
    EXPECT_EQ(choice.DocFileName, "/l/last");
    EXPECT_EQ(choice.InitialDir, "/l/");

    in.FileExists = [](const std::string& Name) { return Name == "/o/opt.txt"; };
    EXPECT_EQ(ChooseStartDocument(in).Rule, TStartRule::NewDocument);
}
