// A command that holds the program in events of its own before it returns:
// a question or dialog it asks (everything the dialog hook asks), or a walk
// over pages that lets the windows handle their events as it goes. Timers
// keep firing meanwhile. Work a timer does on the document (the auto-save)
// must not run in the middle of one: the user's answer, or the rest of the
// walk, decides what there is to save. Such work waits for the end instead.
//
//   TModalActivity asking;              // while the question is open
//   ...
//   TAfterModalActivity tick([] { ... });
//   if (TModalActivity::Running())
//       tick.Wait();                    // runs once every activity is over
#pragma once

#include <functional>

class TModalActivity {
public:
    TModalActivity();
    ~TModalActivity();
    TModalActivity(const TModalActivity&) = delete;
    TModalActivity& operator=(const TModalActivity&) = delete;

    // True while any activity runs.
    static bool Running();

private:
    // Runs the waiting work while no activity runs.
    static void RunWaiting();
};

// Work held back until no modal activity runs. It runs from the event loop,
// so the command whose activity ended has dealt with the answer first; an
// activity that starts again before then (the next dialog of the same
// command) is waited for too. It never runs once this object is gone.
class TAfterModalActivity {
public:
    explicit TAfterModalActivity(std::function<void()> Work);
    ~TAfterModalActivity();
    TAfterModalActivity(const TAfterModalActivity&) = delete;
    TAfterModalActivity& operator=(const TAfterModalActivity&) = delete;

    // Runs the work once after the activities now running; a second call
    // before then changes nothing.
    void Wait();
    bool Waiting() const;

private:
    friend class TModalActivity;
    std::function<void()> Work_;
};
