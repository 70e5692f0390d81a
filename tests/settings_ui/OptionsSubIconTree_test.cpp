// The tree page: the sub-icon captions edited in the dialog's own tree and
// the page tree's look.
#include "OptionsFormFixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

std::vector<std::string> Captions(TPopupMenu& Menu)
{
    std::vector<std::string> captions;
    for (int i = 0; i < Menu.Items().Count(); ++i)
        captions.push_back(Menu.Items().Items(i)->Caption().toStdString() + "/"
                           + std::to_string(Menu.Items().Items(i)->Tag()));
    return captions;
}

} // namespace

TEST_F(OptionsFormTest, SubIconCaptionsAreEditedInTheTree)
{
    TOpForm& f = Open();
    TTreeNodes& nodes = f.ImageTree->Items();
    ASSERT_EQ(nodes.Count(), 3);
    EXPECT_EQ(nodes.Item(0)->Text(), Sjis("設定"));
    EXPECT_EQ(nodes.Selected(), nodes.Item(1)); // the first caption is selected
    EXPECT_TRUE(f.ImageEdit->isEnabled());

    f.ImageEdit->setText(QString::fromUtf8(" .\t至急"));
    nodes.SetSelected(nodes.Item(2));
    EXPECT_EQ(nodes.Item(1)->Text(), Sjis("至急")); // kept, leading blanks and dots trimmed
    // A caption trimmed to nothing keeps the old one, so no later caption
    // moves onto another icon.
    f.ImageEdit->setText(" . ");
    nodes.SetSelected(nodes.Item(0));
    EXPECT_EQ(nodes.Item(2)->Text(), Sjis("未完"));
    EXPECT_FALSE(f.ImageEdit->isEnabled()); // "設定" cannot be renamed
    f.OKButtonClick();

    EXPECT_EQ(Captions(*images), (std::vector<std::string>{"なし(&N)/0", "至急/101", "未完/102"}));
}

// A caption is also edited in the tree itself (F2, or a click on the
// selected caption), trimmed the same way; "設定" is not, and shows the
// tree's picture.
TEST_F(OptionsFormTest, SubIconCaptionsAreEditedInPlace)
{
    TOpForm& f = Open();
    f.show();
    TTreeNodes& nodes = f.ImageTree->Items();
    f.ImageTree->setFocus();
    QTest::keyClick(f.ImageTree, Qt::Key_F2);
    auto* editor = f.ImageTree->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr) << "an editor over the caption";
    editor->setText(QString::fromUtf8(" .急ぎ"));
    QTest::keyClick(editor, Qt::Key_Return);
    QApplication::processEvents(); // the edit is committed from the event loop
    EXPECT_EQ(nodes.Item(1)->Text(), Sjis("急ぎ"));
    EXPECT_EQ(f.ImageEdit->text(), QString::fromUtf8("急ぎ")) << "the box follows";
    nodes.SetSelected(nodes.Item(2));
    EXPECT_EQ(nodes.Item(1)->Text(), Sjis("急ぎ")) << "leaving keeps it";

    nodes.SetSelected(nodes.Item(0));
    EXPECT_TRUE(f.ImageTree->ReadOnly());
    EXPECT_EQ(std::pair(nodes.Item(0)->ImageIndex(), nodes.Item(1)->ImageIndex()), std::pair(0, -1));
}

TEST_F(OptionsFormTest, TreeLookReachesThePageTree)
{
    TOpForm& f = Open();
    EXPECT_EQ(f.trFontComboBox->currentText(), "IPAGothic");
    // Japanese faces are offered whatever pitch they report.
    EXPECT_GE(f.trFontComboBox->findText("IPAPGothic"), 0);
    f.trCheckBold->setChecked(true);
    dialogs.AnswerColor(0x00FF00);
    f.trColorBtn->click();
    f.OKButtonClick();
    EXPECT_EQ(std::tuple(SettingsVars.TreeFontBold, tree->Font().Style().Contains(TFontStyle::fsBold), tree->Color()),
              std::tuple(true, true, 0x00FF00u));
}
