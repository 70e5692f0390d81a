// TStrings and TStringList: text and comma text, sorting and duplicates,
// objects on lines, change events and update batching, files.
#include "SjisLiteral.h"
#include "Strings.h"
#include "TempDir.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::string> Lines(const TStrings& List)
{
    std::vector<std::string> lines;
    for (int i = 0; i < List.Count(); ++i)
        lines.push_back(List.Strings(i));
    return lines;
}

using V = std::vector<std::string>;

TEST(StringList, SetTextCutsAtEveryKindOfLineBreak)
{
    TStringList list;
    list.SetText("a\r\nb\rc\nd");
    EXPECT_EQ(Lines(list), (V{"a", "b", "c", "d"}));
    list.SetText("a\r\n");
    EXPECT_EQ(Lines(list), (V{"a"}));
    list.SetText("a\n\nb\r\n\r\n");
    EXPECT_EQ(Lines(list), (V{"a", "", "b", ""}));
    list.SetText("\r\n");
    EXPECT_EQ(Lines(list), (V{""}));
    list.SetText("");
    EXPECT_EQ(list.Count(), 0);
    list.SetText(Sjis("表\r\nソ")); // trail bytes 0x5C are no business of line breaks
    EXPECT_EQ(Lines(list), (V{Sjis("表"), Sjis("ソ")}));
    EXPECT_EQ(list.Text(), Sjis("表") + "\r\n" + Sjis("ソ") + "\r\n");
}

TEST(StringList, CommaTextQuotesWhatWouldNotSurvive)
{
    TStringList list;
    for (const char* line : {"a b", "c,d", "e\"f", "", "g", "\t"})
        list.Add(line);
    EXPECT_EQ(list.CommaText(), "\"a b\",\"c,d\",\"e\"\"f\",\"\",g,\"\t\"");
    TStringList back;
    back.SetCommaText(list.CommaText());
    EXPECT_EQ(Lines(back), Lines(list));
    // An empty last line survives the round trip too.
    list.SetText("a\r\n\r\n");
    EXPECT_EQ(list.CommaText(), "a,\"\"");
    back.SetCommaText(list.CommaText());
    EXPECT_EQ(Lines(back), (V{"a", ""}));
    list.Clear();
    EXPECT_EQ(list.CommaText(), "");
}

TEST(StringList, CommaTextReading)
{
    TStringList list;
    list.SetCommaText("a b,c");
    EXPECT_EQ(Lines(list), (V{"a", "b", "c"})); // blanks separate too
    list.SetCommaText("  a  ,  b  ");
    EXPECT_EQ(Lines(list), (V{"a", "b"}));
    list.SetCommaText("a,");
    EXPECT_EQ(Lines(list), (V{"a"})); // a trailing comma adds nothing
    list.SetCommaText("a,,b");
    EXPECT_EQ(Lines(list), (V{"a", "", "b"}));
    list.SetCommaText("\"x\"\"y\",\"p q\"");
    EXPECT_EQ(Lines(list), (V{"x\"y", "p q"}));
    list.SetCommaText("\"open");
    EXPECT_EQ(Lines(list), (V{"open"}));
    list.SetCommaText("");
    EXPECT_EQ(list.Count(), 0);
    list.SetCommaText(Sjis("表,ソ"));
    EXPECT_EQ(Lines(list), (V{Sjis("表"), Sjis("ソ")}));
}

TEST(StringList, SortedCaseInsensitiveWithDuplicateRules)
{
    TStringList list;
    list.SetSorted(true);
    for (const char* s : {"beta", "Alpha", "gamma", "ALPHA"})
        list.Add(s);
    EXPECT_EQ(Lines(list), (V{"Alpha", "beta", "gamma"})); // dupIgnore by default
    int index = -1;
    EXPECT_TRUE(list.Find("BETA", index));
    EXPECT_EQ(index, 1);
    EXPECT_FALSE(list.Find("delta", index));
    EXPECT_EQ(index, 2);
    EXPECT_EQ(list.IndexOf("GAMMA"), 2);
    EXPECT_EQ(list.IndexOf("delta"), -1);
    EXPECT_THROW(list.Insert(0, "x"), EStringListError);
    EXPECT_THROW(list.SetStrings(0, "x"), EStringListError);

    list.SetDuplicates(TDuplicates::dupError);
    EXPECT_THROW(list.Add("alpha"), EStringListError);
    EXPECT_EQ(list.Count(), 3);
    list.SetDuplicates(TDuplicates::dupAccept);
    list.Add("alpha");
    EXPECT_EQ(Lines(list), (V{"alpha", "Alpha", "beta", "gamma"}));

    list.SetCaseSensitive(true);
    EXPECT_EQ(list.IndexOf("BETA"), -1);
    EXPECT_EQ(list.IndexOf("beta"), 2);
}

TEST(StringList, CaseInsensitiveMatchingNeverFoldsTrailBytes)
{
    TStringList list;
    list.SetSorted(true);
    list.Add(Sjis("ア"));
    list.Add(Sjis("ヂ"));
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.IndexOf(Sjis("ヂ")), list.IndexOf(Sjis("ア")) + 1);
}

TEST(StringList, ExchangeAndMoveCarryTheObjects)
{
    TObject one, two, three;
    TStringList list;
    list.AddObject("1", &one);
    list.AddObject("2", &two);
    list.AddObject("3", &three);
    list.Exchange(0, 2);
    EXPECT_EQ(Lines(list), (V{"3", "2", "1"}));
    EXPECT_EQ(list.Objects(0), &three);
    list.Move(0, 2);
    EXPECT_EQ(Lines(list), (V{"2", "1", "3"}));
    EXPECT_EQ(list.Objects(2), &three);
    list.Move(2, 0);
    EXPECT_EQ(Lines(list), (V{"3", "2", "1"}));
    EXPECT_EQ(list.IndexOfObject(&one), 2);
    // A bad index raises before anything moves.
    EXPECT_THROW(list.Move(0, 3), EListError);
    EXPECT_THROW(list.Move(-1, 0), EListError);
    EXPECT_THROW(list.Exchange(0, 5), EListError);
    EXPECT_EQ(Lines(list), (V{"3", "2", "1"}));
    list.SetSorted(true);
    EXPECT_THROW(list.Move(0, 1), EStringListError);
    EXPECT_EQ(Lines(list), (V{"1", "2", "3"}));
}

class Counted : public TObject {
public:
    explicit Counted(int& Destroyed) : Destroyed_(Destroyed) {}
    ~Counted() override { ++Destroyed_; }

private:
    int& Destroyed_;
};

TEST(StringList, ObjectsAreNeverOwned)
{
    int destroyed = 0;
    Counted object(destroyed);
    {
        TStringList list;
        list.AddObject("x", &object);
        list.AddObject("y", &object);
        list.Delete(0);
        list.Clear();
        list.AddObject("z", &object);
    }
    EXPECT_EQ(destroyed, 0);
}

struct EventCounts {
    int Changing = 0, Changed = 0;
};

void Watch(TStringList& List, EventCounts& Counts)
{
    List.OnChanging = [&Counts](TObject*) { ++Counts.Changing; };
    List.OnChange = [&Counts](TObject*) { ++Counts.Changed; };
}

TEST(StringList, ChangeEventsAndBatching)
{
    TStringList list;
    EventCounts counts;
    Watch(list, counts);
    list.Add("a");
    list.Add("b");
    list.Delete(0);
    EXPECT_EQ(counts.Changing, 3);
    EXPECT_EQ(counts.Changed, 3);

    counts = {};
    list.BeginUpdate();
    list.BeginUpdate();
    list.Add("c");
    list.Add("d");
    list.EndUpdate();
    EXPECT_EQ(counts.Changed, 0);
    list.EndUpdate();
    EXPECT_EQ(counts.Changing, 1);
    EXPECT_EQ(counts.Changed, 1);

    counts = {};
    list.SetText("x\r\ny\r\nz\r\n");
    list.SetCommaText("p,q");
    EXPECT_EQ(counts.Changing, 2);
    EXPECT_EQ(counts.Changed, 2);
}

TEST(StringList, AnUnmatchedEndUpdateIsHarmless)
{
    TStringList list;
    EventCounts counts;
    Watch(list, counts);
    list.EndUpdate();
    list.EndUpdate();
    EXPECT_EQ(list.UpdateCount(), 0);
    list.Add("a");
    EXPECT_EQ(counts.Changed, 1);
    list.BeginUpdate();
    list.Add("b");
    list.EndUpdate();
    EXPECT_EQ(counts.Changed, 2);
}

TEST(StringList, AnUpdateEndsEvenWhenItsWorkFails)
{
    TStringList source;
    source.SetText("a\r\nb\r\na\r\n");
    TStringList list;
    list.SetSorted(true);
    list.SetDuplicates(TDuplicates::dupError);
    EventCounts counts;
    Watch(list, counts);
    EXPECT_THROW(list.AddStrings(source), EStringListError);
    EXPECT_EQ(list.UpdateCount(), 0);
    EXPECT_EQ(Lines(list), (V{"a", "b"}));
    counts = {};
    list.Add("c"); // the list is not silenced
    EXPECT_EQ(counts.Changed, 1);
}

TEST(StringList, CapacityBelowCountKeepsTheLines)
{
    TStringList list;
    list.SetText("a\r\nb\r\nc\r\n");
    list.SetCapacity(1);
    EXPECT_EQ(Lines(list), (V{"a", "b", "c"}));
    EXPECT_GE(list.Capacity(), 3);
    list.SetCapacity(100);
    EXPECT_GE(list.Capacity(), 100);
    list.Add("d");
    EXPECT_EQ(list.Count(), 4);
}

TEST(StringList, AssignAndCustomSort)
{
    TObject tag;
    TStringList source, copy;
    source.AddObject("b", &tag);
    source.Add("a");
    source.Add("c");
    copy.Add("old");
    copy.Assign(&source);
    EXPECT_EQ(Lines(copy), (V{"b", "a", "c"}));
    EXPECT_EQ(copy.Objects(0), &tag);
    copy.CustomSort([](TStringList* List, int A, int B) { return List->Strings(B).compare(List->Strings(A)); });
    EXPECT_EQ(Lines(copy), (V{"c", "b", "a"}));
    copy.Sort();
    EXPECT_EQ(Lines(copy), (V{"a", "b", "c"}));
}

TEST(StringList, FilesAreSavedWithCrLfAndLoadedWithAnyBreak)
{
    TempDir dir;
    TStringList list;
    list.SetText(Sjis("一行目\nb"));
    list.SaveToFile(dir.File("out.txt"));
    EXPECT_EQ(ReadRaw(dir.File("out.txt")), Sjis("一行目") + "\r\nb\r\n");
    WriteRaw(dir.File("in.txt"), "x\ny\rz");
    list.LoadFromFile(dir.File("in.txt"));
    EXPECT_EQ(Lines(list), (V{"x", "y", "z"}));
    EXPECT_THROW(list.LoadFromFile(dir.File("absent.txt")), EFOpenError);
    EXPECT_EQ(Lines(list), (V{"x", "y", "z"}));
}

} // namespace
