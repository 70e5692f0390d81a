#include "ModalActivity.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <vector>

namespace {

int Depth = 0;
// Oldest first.
std::vector<TAfterModalActivity*> WaitingWork;
bool RunAsked = false;

} // namespace

TModalActivity::TModalActivity() { ++Depth; }

TModalActivity::~TModalActivity()
{
    if (--Depth > 0 || WaitingWork.empty() || RunAsked || !QCoreApplication::instance())
        return;
    // From the event loop: the command that asked has its answer by then.
    RunAsked = true;
    QTimer::singleShot(0, QCoreApplication::instance(), [] {
        RunAsked = false;
        RunWaiting();
    });
}

bool TModalActivity::Running() { return Depth > 0; }

void TModalActivity::RunWaiting()
{
    // The work may start an activity of its own (the save's message) and
    // make or end other waits; work that waits anew meanwhile is left for
    // the next end.
    for (size_t due = WaitingWork.size(); due > 0 && Depth == 0 && !WaitingWork.empty(); --due) {
        TAfterModalActivity* next = WaitingWork.front();
        WaitingWork.erase(WaitingWork.begin());
        next->Work_();
    }
}

TAfterModalActivity::TAfterModalActivity(std::function<void()> Work) : Work_(std::move(Work)) {}

TAfterModalActivity::~TAfterModalActivity() { std::erase(WaitingWork, this); }

void TAfterModalActivity::Wait()
{
    if (!Waiting())
        WaitingWork.push_back(this);
}

bool TAfterModalActivity::Waiting() const
{
    return std::find(WaitingWork.begin(), WaitingWork.end(), this) != WaitingWork.end();
}
