#include "HookService.h"

#include "ExceptionHandler.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace {

// The watchers a kind needs, each counted by the clients using it: the
// application's state with window moves, window destruction, mouse moves.
enum TWatcher { wWindowProc, wDestroy, wMouse, WatcherCount };

constexpr unsigned WatchersOf(THookKinds Kinds)
{
    unsigned watchers = 0;
    if (Kinds & (ActivateAppEvent | WindowPosEvent))
        watchers |= 1u << wWindowProc;
    if (Kinds & DestroyEvent)
        watchers |= 1u << wDestroy;
    if (Kinds & MouseMoveEvent)
        watchers |= 1u << wMouse;
    return watchers;
}

struct THookClient {
    THookProc Proc;
    int RefCount;
    THookKinds Kinds;
};

class THookFilter : public QObject {
public:
    std::vector<THookClient> Clients;
    std::array<int, WatcherCount> Usage{};
    bool Installed = false;

    bool Watching(TWatcher Watcher) const { return Usage[Watcher] > 0; }

    void Dispatch(THookKind Kind, QObject* Window, QEvent* Event)
    {
        // A procedure may register or unregister clients while it runs, so
        // the list is walked by index and each record copied before the call.
        for (size_t i = 0; i < Clients.size(); ++i)
            if (const THookClient client = Clients[i]; client.Kinds & Kind)
                CatchExceptions([&] { client.Proc(Kind, Window, Event); });
    }

    void WatchDestruction(QWidget* Window)
    {
        if (std::find(Destroyable.begin(), Destroyable.end(), Window) != Destroyable.end())
            return;
        Destroyable.push_back(Window);
        connect(Window, &QObject::destroyed, this, [this](QObject* Gone) {
            std::erase(Destroyable, Gone);
            if (Watching(wDestroy))
                Dispatch(DestroyEvent, Gone, nullptr);
        });
    }

    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        // Every event of the program passes here: decide on the type first.
        switch (Event->type()) {
        case QEvent::MouseMove:
            if (Watching(wMouse))
                Dispatch(MouseMoveEvent, Watched, Event);
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::WindowStateChange:
            if (auto* window = qobject_cast<QWidget*>(Watched); window && window->isWindow()) {
                if (Watching(wDestroy))
                    WatchDestruction(window);
                if (Watching(wWindowProc))
                    Dispatch(WindowPosEvent, window, Event);
            }
            break;
        default: break;
        }
        return false;
    }

private:
    std::vector<QObject*> Destroyable;
};

std::unique_ptr<THookFilter>& Filter()
{
    static std::unique_ptr<THookFilter> filter;
    return filter;
}

// Installs the filter while any watcher is in use, removes it with the
// last, and drops the client list when it is empty.
void UpdateInstallation()
{
    std::unique_ptr<THookFilter>& filter = Filter();
    const bool used = std::any_of(filter->Usage.begin(), filter->Usage.end(), [](int n) { return n > 0; });
    if (used && !filter->Installed && qApp) {
        qApp->installEventFilter(filter.get());
        QObject::connect(qApp, &QGuiApplication::applicationStateChanged, filter.get(), [f = filter.get()] {
            if (f->Watching(wWindowProc))
                f->Dispatch(ActivateAppEvent, nullptr, nullptr);
        });
        filter->Installed = true;
    }
    if (!used && filter->Installed) {
        if (qApp) {
            qApp->removeEventFilter(filter.get());
            QObject::disconnect(qApp, &QGuiApplication::applicationStateChanged, filter.get(), nullptr);
        }
        filter->Installed = false;
    }
    if (filter->Clients.empty() && !used)
        filter.reset();
}

} // namespace

void AddHookClient(THookProc Proc, THookKinds Kinds)
{
    std::unique_ptr<THookFilter>& filter = Filter();
    if (!filter)
        filter = std::make_unique<THookFilter>();
    auto client = std::find_if(filter->Clients.begin(), filter->Clients.end(),
                               [&](const THookClient& c) { return c.Proc == Proc; });
    if (client != filter->Clients.end())
        ++client->RefCount;
    else
        filter->Clients.push_back({Proc, 1, Kinds});
    for (int w = 0; w < WatcherCount; ++w)
        if (WatchersOf(Kinds) & 1u << w)
            ++filter->Usage[static_cast<size_t>(w)];
    UpdateInstallation();
}

void RemoveHookClient(THookProc Proc)
{
    std::unique_ptr<THookFilter>& filter = Filter();
    if (!filter)
        return;
    auto client = std::find_if(filter->Clients.begin(), filter->Clients.end(),
                               [&](const THookClient& c) { return c.Proc == Proc; });
    if (client == filter->Clients.end())
        return;
    const unsigned watchers = WatchersOf(client->Kinds);
    if (--client->RefCount == 0)
        filter->Clients.erase(client);
    for (int w = 0; w < WatcherCount; ++w)
        if (watchers & 1u << w)
            filter->Usage[static_cast<size_t>(w)] = std::max(0, filter->Usage[static_cast<size_t>(w)] - 1);
    UpdateInstallation();
}
