#include "edClasses.h"

#include "SjisLiteral.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Counts the notifications an object sends and who sent them.
struct Recorder {
    std::vector<TObject*> Senders;
    TNotifyEvent Handler()
    {
        return [this](TObject* Sender) { Senders.push_back(Sender); };
    }
    int Count() const { return static_cast<int>(Senders.size()); }
};

// ---- TNotifyPersistent -----------------------------------------------------

TEST(NotifyPersistent, ChangesInsideAnUpdateFireOnceAtTheOutermostEnd)
{
    TNotifyPersistent object;
    Recorder changes;
    object.OnChange = changes.Handler();
    object.Changed();
    ASSERT_EQ(changes.Count(), 1);
    EXPECT_EQ(changes.Senders[0], &object);

    object.BeginUpdate();
    object.BeginUpdate();
    object.Changed();
    object.Changed();
    object.EndUpdate();
    EXPECT_EQ(changes.Count(), 1);
    object.EndUpdate();
    EXPECT_EQ(changes.Count(), 2);
}

TEST(NotifyPersistent, UnmatchedEndUpdateNeitherFiresNorSilencesTheObject)
{
    TNotifyPersistent object;
    Recorder changes;
    object.OnChange = changes.Handler();

    object.EndUpdate();
    EXPECT_EQ(object.UpdateCount(), 0);
    EXPECT_EQ(changes.Count(), 0);
    object.Changed();
    EXPECT_EQ(changes.Count(), 1);

    object.BeginUpdate();
    object.EndUpdate();
    object.EndUpdate();
    object.Changed();
    EXPECT_EQ(changes.Count(), 3);
}

TEST(NotifyPersistent, ChangedProcTurnsAnOwnedObjectsChangeIntoItsOwn)
{
    TNotifyPersistent owner, part;
    Recorder changes;
    owner.OnChange = changes.Handler();
    part.OnChange = [&owner](TObject* Sender) { owner.ChangedProc(Sender); };

    owner.ChangedProc(&owner);
    EXPECT_EQ(changes.Count(), 0);

    part.Changed();
    ASSERT_EQ(changes.Count(), 1);
    EXPECT_EQ(changes.Senders[0], &owner);

    owner.BeginUpdate();
    part.Changed();
    part.Changed();
    owner.EndUpdate();
    EXPECT_EQ(changes.Count(), 2);
}

// ---- TNotifyCollection -----------------------------------------------------

class TValueItem : public TCollectionItem {
public:
    using TCollectionItem::TCollectionItem;
    void SetValue(int Value)
    {
        Value_ = Value;
        Changed(false);
    }

private:
    int Value_ = 0;
};

TEST(NotifyCollection, ItemChangeFiresOnceWithTheCollectionAsSender)
{
    TNotifyCollection collection(nullptr, TCollection::ItemClassOf<TValueItem>());
    auto* item = static_cast<TValueItem*>(collection.Add());
    Recorder changes;
    collection.OnChange = changes.Handler();

    item->SetValue(1);
    ASSERT_EQ(changes.Count(), 1);
    EXPECT_EQ(changes.Senders[0], &collection);

    collection.BeginUpdate();
    item->SetValue(2);
    collection.Add();
    EXPECT_EQ(changes.Count(), 1);
    collection.EndUpdate();
    EXPECT_EQ(changes.Count(), 2);

    // A part's change forwarded by ChangedProc counts; the collection's own does not.
    TNotifyPersistent colour;
    colour.OnChange = [&collection](TObject* Sender) { collection.ChangedProc(Sender); };
    collection.ChangedProc(&collection);
    EXPECT_EQ(changes.Count(), 2);
    colour.Changed();
    EXPECT_EQ(changes.Count(), 3);
}

// ---- TMethodList and TNotifyEventList ---------------------------------------

// An editor-like listener: it records the calls it gets in a shared log.
struct Listener : TObject {
    Listener(std::vector<std::string>& Log, std::string Name) : Log_(Log), Name_(std::move(Name)) {}
    void Heard(TObject* Sender)
    {
        Log_.push_back(Name_);
        LastSender = Sender;
    }
    void Other(TObject*) { Log_.push_back(Name_ + "-other"); }
    TMethod Method() { return MakeMethod<&Listener::Heard>(this); }

    TObject* LastSender = nullptr;

private:
    std::vector<std::string>& Log_;
    std::string Name_;
};

TEST(MethodList, RemoveDropsTheLastRegistrationOnly)
{
    std::vector<std::string> log;
    Listener a(log, "a"), b(log, "b");
    TMethodList list;
    list.Add(a.Method());
    list.Add(b.Method());
    list.Add(a.Method());

    list.Remove(a.Method());
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Items(0), a.Method());
    EXPECT_EQ(list.Items(1), b.Method());

    list.Remove(a.Method());
    // A method matches only when both its object and its member match.
    list.Remove(MakeMethod<&Listener::Other>(&b));
    list.Remove(a.Method());
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Items(0), b.Method());
    EXPECT_THROW(list.Items(1), EListError);
}

TEST(NotifyEventList, CallsEveryHandlerInOrderWithTheOwnerAsSender)
{
    TNotifyPersistent owner;
    TNotifyEventList events(&owner);
    std::vector<std::string> log;
    Listener a(log, "a"), b(log, "b");
    events.Add(a.Method());
    events.Add(b.Method());
    events.Add(a.Method());

    events.Changed();
    EXPECT_EQ(log, (std::vector<std::string>{"a", "b", "a"}));
    EXPECT_EQ(a.LastSender, &owner);

    log.clear();
    events.Remove(a.Method());
    events.Changed();
    EXPECT_EQ(log, (std::vector<std::string>{"a", "b"}));
}

TEST(NotifyEventList, BatchesAndForwardsChangesOfTheObjectsItWatches)
{
    TNotifyPersistent owner, colour;
    TNotifyEventList events(&owner);
    std::vector<std::string> log;
    Listener a(log, "a");
    events.Add(a.Method());
    colour.OnChange = [&events](TObject* Sender) { events.ChangedProc(Sender); };
    colour.Changed();
    EXPECT_EQ(a.LastSender, &owner);
    events.BeginUpdate();
    colour.Changed();
    colour.Changed();
    EXPECT_EQ(log.size(), 1u);
    events.EndUpdate();
    events.ChangedProc(&events); // its own change is not forwarded again
    EXPECT_EQ(log.size(), 2u);
}

// An editor that unregisters while the scheme notifies, as one being
// destroyed does; run under AddressSanitizer this catches a use after free.
struct LeavingEditor : TObject {
    LeavingEditor(TNotifyEventList& Events, int& Calls) : Events_(Events), Calls_(Calls)
    {
        Events_.Add(Method());
    }
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

TEST(NotifyEventList, HandlerMayRemoveAndDestroyItselfDuringTheNotification)
{
    TNotifyPersistent owner;
    TNotifyEventList events(&owner);
    std::vector<std::string> log;
    Listener before(log, "before"), after(log, "after");
    int calls = 0;
    events.Add(before.Method());
    new LeavingEditor(events, calls);
    new LeavingEditor(events, calls);
    events.Add(after.Method());

    events.Changed();
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(log, (std::vector<std::string>{"before", "after"}));
    EXPECT_EQ(events.Count(), 2);

    events.Changed();
    EXPECT_EQ(calls, 2);
}

TEST(NotifyEventList, HandlerRemovedByAnEarlierOneIsNotCalled)
{
    TNotifyPersistent owner;
    TNotifyEventList events(&owner);
    std::vector<std::string> log;
    Listener second(log, "second");
    struct Remover : TObject {
        TNotifyEventList* Events;
        TMethod Victim;
        void Heard(TObject*) { Events->Remove(Victim); }
    } remover;
    remover.Events = &events;
    remover.Victim = second.Method();
    events.Add(MakeMethod<&Remover::Heard>(&remover));
    events.Add(second.Method());

    events.Changed();
    EXPECT_TRUE(log.empty());
}

// ---- TFileExtComponent -----------------------------------------------------

class TPascalScheme : public TFileExtComponent {
public:
    using TFileExtComponent::TFileExtComponent;

protected:
    void InitFileExtList() override
    {
        FileExtList()->Add(".pas");
        FileExtList()->Add(".DPR");
        FileExtList()->Add(".PAS");
        FileExtList()->Add(Sjis("．ア"));
    }
};

TEST(FileExtComponent, ExtensionsAreSortedCaseInsensitiveWithoutDuplicates)
{
    TComponent owner(nullptr);
    auto* scheme = TFileExtComponent::Create<TPascalScheme>(&owner);
    EXPECT_EQ(scheme->Owner(), &owner);
    const TStringList& list = *scheme->FileExtList();
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Strings(0), ".DPR");
    EXPECT_EQ(list.Strings(1), ".pas");

    EXPECT_TRUE(scheme->HasFileExt(".Pas"));
    EXPECT_TRUE(scheme->HasFileExt(".dpr"));
    EXPECT_FALSE(scheme->HasFileExt(".pa"));
    EXPECT_TRUE(scheme->HasFileExt(Sjis("．ア")));
    // The trail byte of ア (83 41) is an ASCII "A"; it must not fold to ヂ (83 61).
    EXPECT_FALSE(scheme->HasFileExt(Sjis("．ヂ")));
}

TEST(FileExtComponent, SetFileExtListCopiesTheLinesIntoItsOwnList)
{
    std::unique_ptr<TPascalScheme> scheme(TFileExtComponent::Create<TPascalScheme>(nullptr));
    TStringList source;
    source.Add(".txt");
    source.Add(".TXT");
    source.Add(".htm");

    scheme->SetFileExtList(&source);
    EXPECT_NE(scheme->FileExtList(), &source);
    EXPECT_EQ(scheme->FileExtList()->CommaText(), ".htm,.txt");
    EXPECT_FALSE(scheme->HasFileExt(".pas"));

    source.Clear();
    EXPECT_TRUE(scheme->HasFileExt(".HTM"));
}

} // namespace
