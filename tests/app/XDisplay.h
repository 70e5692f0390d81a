// Driving the real program on a virtual X display: keys through xdotool,
// patience for what the program does in its own time.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <thread>

// Runs an xdotool command line; true when it succeeded.
bool XDoTool(const std::string& Arguments);

// Waits, with patience, until Ready: at most Tenths tenths of a second.
template <typename TReady>
bool Eventually(TReady&& Ready, int Tenths = 300)
{
    for (int i = 0; i < Tenths; ++i) {
        if (Ready())
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}

// Inside a virtual X display, runs Body; outside one, runs the current test
// again inside xvfb-run and expects it to pass there.
void RunOnVirtualDisplay(const std::function<void()>& Body);
