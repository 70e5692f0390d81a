// A request to close the window while a command runs: from the window
// manager, or the program's own close when a termination signal comes.
// The command finishes or stops first, and the window then closes with its
// question about the document, which saves everything the command did.
#include "OutlineFixture.h"

#include "EscapePoll.h"

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

} // namespace
