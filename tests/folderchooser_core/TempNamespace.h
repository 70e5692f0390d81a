// A namespace that lives inside a temporary folder: a home with a desktop
// folder and a trash, a mount table of its own (the root and whatever the
// test mounts below <temp>/media) and a by-label folder.
#pragma once

#include "QuietPeriod.h"
#include "ShellNamespace.h"
#include "TempDir.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

struct TTempNamespace {
    TempDir Dir;
    std::string Root = Dir.Path().substr(0, Dir.Path().size() - 1);
    TNamespaceConfig Config{Root + "/home",      Root + "/home/Desktop", Root + "/home/.local/share/Trash",
                            Root + "/mountinfo", Root + "/by-label",     {Root + "/media"}};

    TTempNamespace()
    {
        for (const char* folder : {"/home/Desktop", "/home/.local/share/Trash", "/media", "/by-label"})
            std::filesystem::create_directories(Root + folder);
        Mount({});
    }

    // Writes the mount table: the root, then (mount point below media,
    // source, file-system type) for each entry.
    void Mount(const std::vector<std::vector<std::string>>& Mounts)
    {
        std::string table = "21 1 8:1 / / rw,relatime shared:1 - ext4 /dev/vda rw\n";
        int id = 40;
        for (const auto& mount : Mounts) {
            std::filesystem::create_directories(Root + "/media/" + mount[0]);
            table += std::to_string(id++) + " 21 8:17 / " + Root + "/media/" + mount[0] + " rw,nosuid - " + mount[2]
                     + " " + mount[1] + " rw\n";
        }
        WriteRaw(Config.MountTable, table);
    }
    void Label(const std::string& Name, const std::string& Device)
    {
        std::filesystem::create_symlink(Device, Config.ByLabel + "/" + Name);
    }
    std::string MakeDirs(const std::string& Relative)
    {
        std::filesystem::create_directories(Root + "/" + Relative);
        return Root + "/" + Relative;
    }
    std::unique_ptr<TShellNamespace> Make() const { return std::make_unique<TShellNamespace>(Config); }
};

// A clock that moves only when the test moves it.
struct TFakeClock {
    TSteadyTime Now{};
    TClock Clock()
    {
        return [this] { return Now; };
    }
    void Advance(int Milliseconds) { Now += std::chrono::milliseconds(Milliseconds); }
};

// Runs the event loop until Done holds (giving up after a few seconds, so
// that a failing test ends; the test then asserts on Done itself).
inline bool SpinUntil(const std::function<bool()>& Done)
{
    QElapsedTimer timer;
    timer.start();
    while (!Done() && timer.elapsed() < 5000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        usleep(1000);
    }
    return Done();
}
