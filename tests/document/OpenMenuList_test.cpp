#include "OpenMenuList.h"

#include "../common/SjisLiteral.h"
#include "../common/TempDir.h"
#include "Dialogs.h"
#include "IniFiles.h"
#include "Menus.h"

#include <gtest/gtest.h>

namespace {

class OpenMenuListTest : public testing::Test {
protected:
    std::unique_ptr<TOpenMenuList> Make(std::string Section = "History")
    {
        return std::make_unique<TOpenMenuList>(
            Parent_, std::move(Section), [this](TObject* Sender) { Clicked_ = Sender; }, Dir_.File("velk2000.ini"),
            Dialog_);
    }
    std::vector<QString> Captions() const
    {
        std::vector<QString> captions;
        for (int i = 0; i < Parent_.Count(); ++i)
            captions.push_back(Parent_.Items(i)->Caption());
        return captions;
    }

    TempDir Dir_;
    TMenuItem Parent_{"FlHistory", QStringLiteral("履歴")};
    TOpenDialog Dialog_;
    TObject* Clicked_ = nullptr;
};

TEST_F(OpenMenuListTest, KeepsTheTenNewestFirstWithoutDuplicates)
{
    auto list = Make();
    for (int i = 0; i < 11; ++i)
        list->AddHistory("/d/" + std::to_string(i) + ".vk2");
    ASSERT_EQ(list->Paths().size(), 10u);
    EXPECT_EQ(list->Paths().front() + " " + list->Paths().back(), "/d/10.vk2 /d/1.vk2") << "the oldest is dropped";
    list->AddHistory("/d/5.vk2");
    EXPECT_EQ(std::pair(list->Paths().front(), list->Paths().size()), std::pair(std::string("/d/5.vk2"), size_t{10}));
    list->RemoveHistory("/d/9.vk2");
    EXPECT_EQ(list->Paths().size(), 9u);
}

TEST_F(OpenMenuListTest, ShowsEachPathAsAnItemThenTheClearItem)
{
    auto list = Make();
    EXPECT_TRUE(Captions().empty()) << "no line and no clear item for an empty list";
    const std::string japanese = Sjis("/文書/R&D 計画.vk2");
    list->AddHistory("/a.vk2");
    list->AddHistory(japanese);
    EXPECT_EQ(Captions(), (std::vector<QString>{QStringLiteral("&0 /文書/R&&D 計画.vk2"), QStringLiteral("&1 /a.vk2"),
                                                QStringLiteral("-"), QStringLiteral("履歴削除")}));
    Parent_.Items(0)->Click();
    EXPECT_EQ(list->PathOf(Clicked_), japanese);
    Parent_.Items(3)->Click();
    EXPECT_EQ(list->PathOf(Clicked_), std::nullopt);
}

TEST_F(OpenMenuListTest, KeepsItsSectionInTheSettingsFile)
{
    const std::string japanese = Sjis("/文書/計画.vk2");
    {
        TIniFile ini(Dir_.File("velk2000.ini"));
        ini.WriteInteger("History", "Count", 12);
        for (int i = 0; i < 12; ++i)
            ini.WriteString("History", "File" + std::to_string(i), "/old/" + std::to_string(i));
        ini.WriteString("History", "Folder", "/start");
    }
    auto list = Make();
    EXPECT_EQ(list->Paths().size(), 10u) << "an over-long list loads only what the list can hold";
    EXPECT_EQ(Dialog_.InitialDir(), "/start");
    list->AddHistory(japanese);
    EXPECT_EQ(list->Paths().size(), 10u);
    Dialog_.SetInitialDir("/later");
    list->SaveHistory();
    auto trees = Make("TreeHistory");
    trees->AddHistory("/t.txt");
    trees->SaveHistory();

    const TIniFile ini(Dir_.File("velk2000.ini"));
    EXPECT_EQ(ini.ReadInteger("History", "Count", 0), 10);
    EXPECT_EQ(ini.ReadString("History", "File0", ""), japanese);
    EXPECT_FALSE(ini.ValueExists("History", "File10")) << "stale keys are erased";
    EXPECT_EQ(ini.ReadString("History", "Folder", ""), "/later");
    EXPECT_FALSE(ini.ValueExists("TreeHistory", "Folder"));
    EXPECT_EQ(ini.ReadString("TreeHistory", "File0", ""), "/t.txt");

    list->ClearHistory();
    EXPECT_TRUE(Captions().empty());
    EXPECT_EQ(TIniFile(Dir_.File("velk2000.ini")).ReadInteger("History", "Count", -1), 0);
}

} // namespace
