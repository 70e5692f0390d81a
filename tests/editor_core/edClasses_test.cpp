#include "edClasses.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// ---- TNotifyPersistent -----------------------------------------------------

TEST(NotifyPersistent, UnmatchedEndUpdateNeitherFiresNorSilencesTheObject)
{
    TNotifyPersistent object;
    int changes = 0;
    object.OnChange = [&changes](TObject*) { ++changes; };

    object.EndUpdate();
    EXPECT_EQ(object.UpdateCount(), 0);
    EXPECT_EQ(changes, 0);
    object.Changed();
    EXPECT_EQ(changes, 1);

    object.BeginUpdate();
    object.EndUpdate();
    object.EndUpdate();
    object.Changed();
    EXPECT_EQ(changes, 3);
}

// ---- TMethodList and TNotifyEventList ---------------------------------------

// An editor-like listener: it records the calls it gets in a shared log.
struct Listener : TObject {
    Listener(std::vector<std::string>& Log, std::string Name) : Log_(Log), Name_(std::move(Name)) {}
    void Heard(TObject*) { Log_.push_back(Name_); }
    TMethod Method() { return MakeMethod<&Listener::Heard>(this); }

private:
    std::vector<std::string>& Log_;
    std::string Name_;
};

// An editor that unregisters while the scheme notifies, as one being
// destroyed does; run under AddressSanitizer this catches a use after free.
struct LeavingEditor : TObject {
    LeavingEditor(TNotifyEventList& Events, int& Calls) : Events_(Events), Calls_(Calls) { Events_.Add(Method()); }
    TMethod Method() { return MakeMethod<&LeavingEditor::Heard>(this); }
    void Heard(TObject*)
    {
        ++Calls_;
        Events_.Remove(Method());
        delete this;
    }

private:
    TNotifyEventList& Events_;
    int& Calls_;
};

TEST(NotifyEventList, HandlersMayRemoveOthersOrThemselvesDuringTheNotification)
{
    TNotifyPersistent owner;
    TNotifyEventList events(&owner);
    std::vector<std::string> log;
    Listener before(log, "before"), after(log, "after"), removed(log, "removed");
    struct Remover : TObject {
        TNotifyEventList* Events;
        TMethod Victim;
        void Heard(TObject*) { Events->Remove(Victim); }
    } remover;
    remover.Events = &events;
    remover.Victim = removed.Method();
    int calls = 0;
    events.Add(before.Method());
    new LeavingEditor(events, calls);
    events.Add(MakeMethod<&Remover::Heard>(&remover));
    new LeavingEditor(events, calls);
    events.Add(removed.Method()); // removed by an earlier handler: not called
    events.Add(after.Method());

    events.Changed();
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(log, (std::vector<std::string>{"before", "after"}));
    EXPECT_EQ(events.Count(), 3);

    events.Changed();
    EXPECT_EQ(calls, 2);
}

} // namespace
