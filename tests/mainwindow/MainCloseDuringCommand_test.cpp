// A request to close the window while a command runs: from the window
// manager, or the program's own close when a termination signal comes.
// The command finishes or stops first (a question it is asking ends as its
// Cancel), and the window then closes with its question about the document,
// which saves everything the command did.
#include "OutlineFixture.h"

#include "EscapePoll.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTimer>
#include <QWindow>
#include <cctype>
#include <functional>

namespace {

// The two ways a close request reaches the window.
struct TCloseWay {
    const char* Name;
    std::function<void(QWidget&)> Request;
};

const TCloseWay kCloseWays[] = {
    {"window manager", [](QWidget& Window) { Window.windowHandle()->close(); }},
    // What the termination signal's handler runs.
    {"termination signal", [](QWidget& Window) { Window.close(); }},
};

// The number a replace command's closing message reports.
int ReportedCount(const std::string& Message)
{
    size_t end = Message.find("個置換しました。");
    if (end != std::string::npos && end > 0 && Message[end - 1] == ' ')
        --end;
    size_t begin = end;
    while (begin != std::string::npos && begin > 0 && std::isdigit(static_cast<unsigned char>(Message[begin - 1])))
        --begin;
    if (begin == std::string::npos || begin == end) {
        ADD_FAILURE() << "no count in " << Message;
        return -1;
    }
    return std::stoi(Message.substr(begin, end - begin));
}

class CloseDuringCommand : public OutlineTest {
protected:
    // Each case starts its own window.
    void SetUp() override {}
    // Count pages, each with two "1"s.
    void MakePages(int Count)
    {
        TTreeNodes& items = form->DataTree()->Items();
        for (int i = 0; i < Count; ++i) {
            TTreeNode* node = i == 0 ? items.Item(0) : items.AddChild(nullptr, "");
            auto data = std::make_unique<TNodeData>();
            data->SetItemStr("page\r\na1 b1");
            node->SetData(std::move(data));
            node->SetText("page");
        }
        form->Binding().ShowPage(static_cast<TNodeData*>(items.Item(0)->Data()));
        QApplication::processEvents();
    }
    // The "1"s replaced by "Q" in the whole document.
    int Replaced() const
    {
        int count = 0;
        for (int i = 0; i < form->DataTree()->Items().Count(); ++i) {
            const std::string text = PageText(i);
            count += static_cast<int>(std::count(text.begin(), text.end(), 'Q'));
        }
        return count;
    }
    std::string QuestionBeforeLast() const
    {
        const auto& questions = dialogs.Questions();
        return questions.size() < 2 ? "" : questions[questions.size() - 2].Text;
    }
};

struct TLongCommand {
    const char* Item;
    TDialogInput Input;
};

TEST_F(CloseDuringCommand, AReplaceOverManyPagesStopsAndEverythingItReplacedIsSaved)
{
    const int pages = 200;
    const TLongCommand commands[] = {
        {"FdReplace", {"1", "Q", {"ChkWholeFile", "-chkReplaceConfirm", "btnAll"}}},
        {"FdFastReplace", {"1", "Q", {"現在以降の全てのページ", "btnOK"}}},
    };
    for (const TLongCommand& command : commands)
        for (const TCloseWay& way : kCloseWays) {
            SCOPED_TRACE(std::string(command.Item) + ", " + way.Name);
            form.reset();
            form = std::make_unique<TTestForm>(*instances);
            StartShown();
            MakePages(pages);
            int savedReplacements = -1;
            form->OnSave = [&] { savedReplacements = Replaced(); };
            int polls = 0;
            TEscapePoll::OnPoll() = [&] {
                if (++polls == 5)
                    way.Request(*form);
            };
            Fill(command.Input);
            dialogs.Answer(mrYes); // the question about the document
            Run(command.Item);
            TEscapePoll::OnPoll() = nullptr;
            QApplication::processEvents();

            EXPECT_EQ(LastQuestion(), SaveQuestion) << "asked once the command is done";
            const int reported = ReportedCount(QuestionBeforeLast());
            EXPECT_GT(reported, 0);
            EXPECT_LT(reported, 2 * pages) << "the walk stops as Esc stops it";
            EXPECT_EQ(Replaced(), reported);
            EXPECT_EQ(form->Saves, 1);
            EXPECT_EQ(savedReplacements, reported) << "the save holds every replacement made";
            EXPECT_FALSE(form->isVisible()) << "the window closed after its question";
        }
}

// Runs the program's forms modally, in an event loop of their own, as the
// program does; every other question goes to the script.
class TModalForms : public TDialogHook {
public:
    explicit TModalForms(TDialogHook& Script) : Script_(Script), Previous_(SetDialogHook(this)) {}
    ~TModalForms() override { SetDialogHook(Previous_); }
    TModalForms(const TModalForms&) = delete;
    TModalForms& operator=(const TModalForms&) = delete;

    // Runs once the form shows.
    std::function<void(QDialog&)> OnShown;

    TDialogAnswer Ask(const TDialogQuestion& Question) override
    {
        if (Question.Kind != TDialogKind::Form)
            return Script_.Ask(Question);
        QDialog& form = *Question.Form;
        QTimer::singleShot(0, &form, [this, &form] { OnShown(form); });
        const int result = form.exec();
        return {.Result = result == QDialog::Rejected ? mrCancel : result};
    }

private:
    TDialogHook& Script_;
    TDialogHook* Previous_;
};

TEST_F(CloseDuringCommand, AFindOrReplaceDialogEndsFirstAndTheDocumentQuestionFollows)
{
    const std::pair<const char*, const char*> commands[] = {
        {"FdGoFind", "btnOK"}, {"FdReplace", "btnAll"}, {"FdFastReplace", "btnOK"}};
    for (const auto& [item, confirm] : commands) {
        SCOPED_TRACE(item);
        form.reset();
        form = std::make_unique<TTestForm>(*instances);
        Start();
        Type(QStringLiteral("x"));
        const std::string before = Outline();
        std::string saved;
        form->OnSave = [&] { saved = Outline(); };
        const size_t asked = dialogs.Questions().size();
        TModalForms modal(dialogs);
        QWidget* parent = nullptr;
        modal.OnShown = [&, confirm = confirm](QDialog& Dialog) {
            parent = Dialog.parentWidget();
            for (const char* name : {"ComboBox1", "ComboBox2"})
                if (auto* box = Dialog.findChild<QComboBox*>(name))
                    box->setEditText(QString::fromUtf8(std::string(name) == "ComboBox1" ? "foo" : "bar"));
            form->close(); // the termination signal's close
            // A dialog left open is used on, as a person would.
            if (Dialog.isVisible())
                ButtonOf(Dialog, confirm)->click();
        };
        dialogs.Answer(mrYes);
        Run(item);
        QApplication::processEvents();

        EXPECT_EQ(parent, form.get()) << "the dialog is the window's";
        ASSERT_EQ(dialogs.Questions().size(), asked + 1) << "nothing but the question about the document";
        EXPECT_EQ(LastQuestion(), SaveQuestion);
        EXPECT_EQ(saved, before) << "saved as it was when the close was asked";
        EXPECT_EQ(Outline(), before);
        EXPECT_FALSE(form->isVisible());
    }
}

// Shows the replace command's question as a real box, over which the close
// request comes; every other question goes to the script.
class TReplaceQuestionShown : public TDialogHook {
public:
    TReplaceQuestionShown(TDialogHook& Script, QWidget& Window)
        : Script_(Script), Window_(Window), Previous_(SetDialogHook(this))
    {}
    ~TReplaceQuestionShown() override { SetDialogHook(Previous_); }
    TReplaceQuestionShown(const TReplaceQuestionShown&) = delete;
    TReplaceQuestionShown& operator=(const TReplaceQuestionShown&) = delete;

    int Asked = 0;
    TModalResult FirstAnswer = mrNone;

    TDialogAnswer Ask(const TDialogQuestion& Question) override
    {
        if (!Question.Buttons.Contains(TMsgDlgBtn::mbAll))
            return Script_.Ask(Question);
        if (++Asked > 1)
            return {.Result = mrCancel};
        QTimer::singleShot(0, &Window_, [this] {
            Window_.close(); // the termination signal's close
            // A box left open is answered, as a person would.
            QTimer::singleShot(0, [] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                    for (QAbstractButton* button : box->buttons())
                        if (button->text() == QStringLiteral("はい"))
                            button->click();
            });
        });
        SetDialogHook(nullptr);
        const TDialogAnswer answer = DialogHook().Ask(Question);
        SetDialogHook(this);
        FirstAnswer = answer.Result;
        return answer;
    }

private:
    TDialogHook& Script_;
    QWidget& Window_;
    TDialogHook* Previous_;
};

TEST_F(CloseDuringCommand, TheReplaceQuestionEndsAsCancelAndTheDocumentQuestionFollows)
{
    StartShown();
    MakePages(3);
    Type(QStringLiteral("x"));
    const std::string before = Outline();
    std::string saved;
    form->OnSave = [&] { saved = Outline(); };
    TReplaceQuestionShown question(dialogs, *form);
    Fill({"1", "Q", {"ChkWholeFile", "chkReplaceConfirm", "btnAll"}});
    dialogs.Answer(mrYes); // the question about the document
    Run("FdReplace");
    QApplication::processEvents();

    EXPECT_EQ(question.Asked, 1);
    EXPECT_EQ(question.FirstAnswer, mrCancel);
    EXPECT_EQ(Replaced(), 0);
    EXPECT_EQ(LastQuestion(), SaveQuestion);
    EXPECT_EQ(saved, before);
    EXPECT_FALSE(form->isVisible()) << "the window closed after its question";
}

} // namespace
