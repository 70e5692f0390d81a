// The question asked for a dropped document: a small dialog with a close
// box only.
#include "DialogFrameCheck.h"
#include "LinkForm.h"

namespace {

TEST(LinkForm, HasADialogBorderWithACloseBoxOnly)
{
    TLinkForm form;
    EXPECT_EQ(form.windowTitle().toStdString(), "vk2file");
    EXPECT_TRUE(HasDialogFrame(form, true));
}

} // namespace
