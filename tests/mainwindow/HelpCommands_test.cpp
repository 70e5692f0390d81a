// The help menu, the about box and the document type's association in
// folders of the test's.
#include "FormFixture.h"

#include "DialogFrameCheck.h"
#include "FileAssociation.h"
#include "HelpCommands.h"
#include "Menus.h"
#include "Paths.h"
#include "ScopedEnvironment.h"
#include "VerForm.h"

#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QUrl>
#include <fstream>

namespace {

class HelpCommandsTest : public FormTest {
protected:
    void SetUp() override
    {
        ASSERT_EQ(form->FormCreate({}), TStartOutcome::Run);
        form->HelpCommands().SetOpenUrl([this](const QUrl& Url) {
            opened.push_back(Url);
            return true;
        });
    }
    const TScopedEnvironment data{"XDG_DATA_HOME", Home() + "data"};
    const TScopedEnvironment config{"XDG_CONFIG_HOME", Home() + "config"};
    std::vector<QUrl> opened;
};

TEST_F(HelpCommandsTest, AssociationIsWrittenOnceAndAskedAgainForAnotherFolder)
{
    std::filesystem::create_directories(Home() + "config");
    std::ofstream(Home() + "config/mimeapps.list") << "[Default Applications]\ntext/plain=ed.desktop\n";
    const std::string self = QCoreApplication::applicationFilePath().toStdString();

    dialogs.Answer(mrYes);
    form->MenuItem("OpAssociation")->Click();
    EXPECT_EQ(LastQuestion(), "vk2ファイルを Velk2000 に関連付けますか？");
    EXPECT_EQ(AssociatedProgram(), self);
    std::ifstream list(Home() + "config/mimeapps.list");
    EXPECT_NE(std::string(std::istreambuf_iterator<char>(list), {}).find("text/plain=ed.desktop"), std::string::npos);

    form->MenuItem("OpAssociation")->Click();
    EXPECT_EQ(LastQuestion(), "vk2ファイルはすでに\r\n" + self + "\r\nに関連付けられています。");

    AssociateDocumentType("/elsewhere/my \"velk\" $1");
    EXPECT_EQ(AssociatedProgram(), "/elsewhere/my \"velk\" $1");
    dialogs.Answer(mrNo);
    form->MenuItem("OpAssociation")->Click();
    EXPECT_NE(LastQuestion().find("Velk2000が存在するフォルダーが異なっているようです。"), std::string::npos);
    EXPECT_EQ(AssociatedProgram(), "/elsewhere/my \"velk\" $1");
}

TEST_F(HelpCommandsTest, HelpAndTheAboutBoxOpenTheirTargets)
{
    form->HelpCommands().HpTopicClick();
    EXPECT_EQ(LastQuestion(), "ヘルプファイル " + Home() + "velk2000.hlp を開けません。");
    std::ofstream(Home() + "velk2000.hlp") << "help";
    form->HelpCommands().HpTopicClick();
    dialogs.AnswerForm([](QDialog& Dialog) {
        QTest::mouseClick(static_cast<TVerForm&>(Dialog).lbURL, Qt::LeftButton);
        return mrOk;
    });
    form->MenuItem("HpVersion")->Click();
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0].toLocalFile().toStdString(), Home() + "velk2000.hlp");
    EXPECT_EQ(opened[1].toLocalFile().toStdString(), Home()) << "the about box's link";
}

// A fixed dialog with a close box only, on a white background.
TEST_F(HelpCommandsTest, TheAboutBoxIsAFixedDialogOnWhite)
{
    dialogs.AnswerForm([](QDialog& Dialog) {
        EXPECT_TRUE(HasDialogFrame(Dialog, true));
        const QImage look = Dialog.grab().toImage();
        EXPECT_EQ(look.pixelColor(1, 1), QColor(Qt::white));
        EXPECT_EQ(look.pixelColor(look.width() - 2, look.height() - 2), QColor(Qt::white));
        return mrOk;
    });
    form->MenuItem("HpVersion")->Click();
}

} // namespace
