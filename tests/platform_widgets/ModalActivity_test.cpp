// Work held back while a question, a dialog or a walk runs.
#include "Dialogs.h"
#include "ModalActivity.h"
#include "ScriptedDialogs.h"

#include <QApplication>
#include <QDialog>
#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(ModalActivity, EveryQuestionIsOne)
{
    TScriptedDialogs dialogs;
    bool runningWhileAsked = false;
    dialogs.AnswerForm([&](QDialog&) {
        runningWhileAsked = TModalActivity::Running();
        return mrOk;
    });
    QDialog form;
    ShowModal(form);
    EXPECT_TRUE(runningWhileAsked);
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
