// A tick of the auto-save timer that falls while a question, a modal dialog
// or a walk over pages runs: it waits until that is over, and then saves
// only what the user has not decided against.
#include "OutlineFixture.h"

#include "EscapePoll.h"

#include <functional>

namespace {

// Fires the auto-save timer while each question is open, then lets the
// script answer it.
class TTickWhileAsked : public TDialogHook {
public:
    TTickWhileAsked(TDialogHook& Script, TFakeTimer& Timer)
        : Script_(Script), Timer_(Timer), Previous_(SetDialogHook(this))
    {}
    ~TTickWhileAsked() override { SetDialogHook(Previous_); }
    TTickWhileAsked(const TTickWhileAsked&) = delete;
    TTickWhileAsked& operator=(const TTickWhileAsked&) = delete;

    // Runs after each tick, with the question still open.
    std::function<void()> AfterTick;

    TDialogAnswer Ask(const TDialogQuestion& Question) override
    {
        Timer_.Fire();
        if (AfterTick)
            AfterTick();
        return Script_.Ask(Question);
    }

private:
    TDialogHook& Script_;
    TFakeTimer& Timer_;
    TDialogHook* Previous_;
};

class AutoSave : public OutlineTest {
protected:
    void SetUp() override {}
    // A named document with an edit, in a window of its own.
    void StartEdited()
    {
        form.reset();
        auto fakeTimer = std::make_unique<TFakeTimer>();
        timer = fakeTimer.get();
        form = std::make_unique<TTestForm>(*instances, std::move(fakeTimer));
        Start();
        SettingsVars.AutoSave = true;
        form->DocumentFiles().NameDocument(Home() + "doc");
        Type(QStringLiteral("x"));
        ASSERT_TRUE(form->DataMemo()->Modified());
    }
};

struct TAskedCase {
    const char* Command;
    std::function<void(TVelkForm&)> Run;
    TModalResult Answer;
    // Saves once every question is answered.
    int Saves;
};

TEST_F(AutoSave, ATickDuringAQuestionWaitsAndIsDroppedWhenTheUserAnsweredTheSaveQuestion)
{
    const auto close = [](TVelkForm& Form) { Form.close(); };
    const auto newDocument = [](TVelkForm& Form) { Form.DocumentFiles().FlNewClick(); };
    // After No, the open dialog that follows is cancelled.
    const auto open = [](TVelkForm& Form) { Form.DocumentFiles().FlOpenClick(); };
    const auto find = [](TVelkForm& Form) { Form.MenuItem("FdGoFind")->Click(); };
    // clang-format off
    const TAskedCase cases[] = {
        {"close", close, mrNo, 0},
        {"close", close, mrCancel, 1},
        {"new", newDocument, mrNo, 0},
        {"new", newDocument, mrCancel, 1},
        {"open", open, mrNo, 0},
        {"open", open, mrCancel, 1},
        {"open", open, mrYes, 1}, // the question's own save, and no other
        {"find dialog", find, mrCancel, 1},
    };
    // clang-format on
    for (const TAskedCase& test : cases) {
        SCOPED_TRACE(std::string(test.Command) + ", answer " + std::to_string(test.Answer));
        StartEdited();
        TTickWhileAsked ticks(dialogs, *timer);
        int savesWhileAsked = -1;
        ticks.AfterTick = [&] {
            if (savesWhileAsked < 0)
                savesWhileAsked = form->Saves;
        };
        dialogs.Answer(test.Answer);
        test.Run(*form);
        QApplication::processEvents();
        EXPECT_EQ(savesWhileAsked, 0) << "nothing is saved behind the question";
        EXPECT_EQ(form->Saves, test.Saves);
        EXPECT_EQ(dialogs.PendingAnswers(), 0u);
    }
}

TEST_F(AutoSave, ATickDuringAWalkWaitsForItsEndAndSavesEveryPageItChanged)
{
    StartEdited();
    std::string saved;
    form->OnSave = [&] { saved = Outline(); };
    int savesDuringWalk = -1;
    TEscapePoll::OnPoll() = [&] {
        if (savesDuringWalk < 0) {
            timer->Fire();
            savesDuringWalk = form->Saves;
        }
    };
    Fill({"foo", "bar", {"現在以降の全てのページ", "btnOK"}});
    Run("FdFastReplace");
    TEscapePoll::OnPoll() = nullptr;

    EXPECT_EQ(savesDuringWalk, 0);
    EXPECT_EQ(form->Saves, 1);
    EXPECT_EQ(saved, Outline());
    EXPECT_EQ(saved.find("foo"), std::string::npos) << saved;
}

} // namespace
