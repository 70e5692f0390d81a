#include "StartDocument.h"

#include "Files.h"
#include "OsPath.h"
#include "SjisLiteral.h"
#include "TempDir.h"
#include "TwoKanjiNames.h"

#include <gtest/gtest.h>

#include <functional>
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

// A document named on the command line is the one started on, whatever
// its name's bytes, given with another extension and a "." in its path:
// one two-kanji name in Shift-JIS bytes for each UTF-8 character such
// names hold by chance, against the names the system holds; and names in
// Shift-JIS bytes or UTF-8 that Shift-JIS cannot spell, made on disk.
TEST(StartDocument, AParameterNamesItsDocumentWhateverItsBytes)
{
    const auto started = [](const std::string& Folder, const std::string& Name,
                            std::function<bool(const std::string&)> Exists) {
        TStartInputs in;
        in.Parameters = {ParameterFileName(Folder + "./" + Name + ".txt")};
        in.FileExists = std::move(Exists);
        const TStartChoice choice = ChooseStartDocument(in);
        return choice.Rule == TStartRule::Parameter ? OsPath(choice.DocFileName) : std::string();
    };
    std::vector<std::string> wrong;
    for (const std::string& name : TwoKanjiNamesByHeldCharacter()) {
        const std::string document = "/docs/" + name;
        const auto exists = [&](const std::string& FileName) { return OsPath(FileName) == document + ".vk2"; };
        if (started("/docs/", name, exists) != document)
            wrong.push_back(name);
    }
    TempDir dir;
    for (const std::string& name :
         {Sjis("写真"), Sjis("見積書"), Sjis("翻訳メモ"), Sjis("ﾃｽﾄ"), Sjis("莉子"), std::string("jürgen"),
          std::string("한국어 메모"), std::string("\xF0\x9F\x98\x80")}) {
        WriteRaw(dir.File(name + ".vk2"), name);
        const auto exists = [](const std::string& FileName) { return FileExists(FileName); };
        if (started(dir.Path(), name, exists) != dir.Path() + name
            || ReadFileBytes(FromOsPath(dir.Path() + name + ".vk2")) != name)
            wrong.push_back(name);
    }
    EXPECT_EQ(wrong, std::vector<std::string>());
}
