// The tree commands and the page clipboard reached through the window's
// menus, popup twins and toolbar buttons.
#include "FormFixture.h"

#include "DockButton.h"
#include "EditorEx.h"
#include "TreeView.h"

#include <QTest>

namespace {

class TreeCommands : public FormTest {
protected:
    void SetUp() override
    {
        ASSERT_EQ(form->FormCreate({}), TStartOutcome::Run);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        form->DataMemo()->setFocus();
        QApplication::processEvents();
    }
    std::string Outline() const
    {
        std::string outline;
        for (TTreeNode* node = form->DataTree()->Items().GetFirstNode(); node; node = node->GetNext())
            outline += std::string(static_cast<size_t>(node->Level()), '.') + node->Text() + " ";
        return outline;
    }
};

TEST_F(TreeCommands, MenusAndButtonsReshapeTheOutline)
{
    Type(QStringLiteral("first"));
    Click("sbAddChild");
    Type(QStringLiteral("child"));
    form->DataTree()->SetSelected(form->DataTree()->Items().Item(0));
    form->MenuItem("TreeNodeCopy")->Click();
    form->MenuItem("pTreeNodePaste")->Click();
    EXPECT_EQ(Outline(), "first .child first .child ");
    EXPECT_TRUE(form->ToolButton("sbSave")->Enabled());
    Click("sbPageDown");
    EXPECT_EQ(Outline(), "first .child .first ..child ");
    Click("sbPageUp");
    Click("sbMoveUp");
    EXPECT_EQ(form->DataTree()->Selected(), form->DataTree()->Items().Item(0));
    form->MenuItem("pTreeToChild")->Click();
    EXPECT_EQ(Outline(), "first .child .first ..child ");
}

} // namespace
