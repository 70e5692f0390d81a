// Work held back while a question, a dialog or a walk runs.
#include "DeferredNotices.h"
#include "Dialogs.h"
#include "ModalActivity.h"

#include <QApplication>
#include <QDialog>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

// Notes, for each question, whether a modal activity ran while it was asked.
class TRunningWhileAsked : public TDialogHook {
public:
    TRunningWhileAsked() : Previous_(SetDialogHook(this)) {}
    ~TRunningWhileAsked() override { SetDialogHook(Previous_); }
    TRunningWhileAsked(const TRunningWhileAsked&) = delete;
    TRunningWhileAsked& operator=(const TRunningWhileAsked&) = delete;

    std::vector<bool> Seen;

    TDialogAnswer Ask(const TDialogQuestion&) override
    {
        Seen.push_back(TModalActivity::Running());
        return {.Result = mrOk};
    }

private:
    TDialogHook* Previous_;
};

TEST(ModalActivity, EveryQuestionIsOneAndANoticeHeldAtStartToo)
{
    TRunningWhileAsked hook;
    QDialog form;
    ShowModal(form);
    MessageDlg("?", TMsgDlgType::mtConfirmation, {TMsgDlgBtn::mbYes, TMsgDlgBtn::mbNo});
    {
        TDeferredNotices notices;
        Tell("!", TMsgDlgType::mtError);
        notices.Release();
    }
    EXPECT_EQ(hook.Seen, (std::vector<bool>{true, true, true}));
    EXPECT_FALSE(TModalActivity::Running());
}

TEST(ModalActivity, HeldWorkRunsFromTheEventLoopOnceTheLastActivityEnded)
{
    int runs = 0;
    TAfterModalActivity work([&] { ++runs; });
    {
        const TModalActivity outer;
        work.Wait();
        work.Wait();
        {
            const TModalActivity inner;
        }
        QApplication::processEvents();
        EXPECT_EQ(runs, 0) << "the outer activity still runs";
    }
    EXPECT_EQ(runs, 0) << "the caller deals with its answer first";
    {
        // The next dialog of the same command, before the event loop ran.
        const TModalActivity next;
        QApplication::processEvents();
        EXPECT_EQ(runs, 0);
    }
    QApplication::processEvents();
    EXPECT_EQ(runs, 1) << "once, however often it was asked to wait";
    EXPECT_FALSE(work.Waiting());
}

TEST(ModalActivity, HeldWorkGoneBeforeItsTurnNeverRuns)
{
    int runs = 0;
    auto work = std::make_unique<TAfterModalActivity>([&] { ++runs; });
    {
        const TModalActivity asking;
        work->Wait();
    }
    work.reset();
    QApplication::processEvents();
    EXPECT_EQ(runs, 0);
}

} // namespace
