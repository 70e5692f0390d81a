// Notices asked while the program starts wait for its window; questions
// whose answer the start needs do not.
#include "DeferredNotices.h"
#include "Dialogs.h"
#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace {

const TMsgDlgButtons kAskYesNo{TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo};

TEST(DeferredNotices, HoldsNoticesUntilReleasedAndPassesQuestionsAtOnce)
{
    TScriptedDialogs dialogs;
    dialogs.Answer(mrYes);
    {
        TDeferredNotices notices;
        EXPECT_EQ(MessageDlg("壊れています", TMsgDlgType::mtError, {TMsgDlgBtn::mbOK}), mrOk);
        ShowMessage("お知らせ");
        EXPECT_EQ(MessageDlg("強制的に開きますか", TMsgDlgType::mtConfirmation, kAskYesNo), mrYes);
        EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{"強制的に開きますか"});

        notices.Release();
        EXPECT_EQ(dialogs.MessageTexts(), (std::vector<std::string>{"強制的に開きますか", "壊れています", "お知らせ"}));
        notices.Release();
        EXPECT_EQ(dialogs.Questions().size(), 3u);
        // Released, it is no longer the hook.
        ShowMessage("後で");
        EXPECT_EQ(dialogs.Questions().size(), 4u);
    }
    EXPECT_EQ(&DialogHook(), &dialogs);
}

TEST(DeferredNotices, GoneUnreleasedPutsBackTheHookItReplaced)
{
    TScriptedDialogs dialogs;
    {
        TDeferredNotices notices;
        ShowMessage("捨てられる");
    }
    EXPECT_EQ(&DialogHook(), &dialogs);
    EXPECT_TRUE(dialogs.Questions().empty());
}

} // namespace
