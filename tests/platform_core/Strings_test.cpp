// TStrings and TStringList: text and comma text, sorting and duplicates,
// change events and update batching, files.
#include "SjisLiteral.h"
#include "Strings.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using V = std::vector<std::string>;

V Lines(const TStrings& List)
{
    V lines;
    for (int i = 0; i < List.Count(); ++i)
        lines.push_back(List.Strings(i));
    return lines;
}

// Text cuts at every kind of line break; comma text at commas and blanks.
TEST(StringList, TextAndCommaTextReading)
{
    const auto text = &TStringList::SetText;
    const auto comma = &TStringList::SetCommaText;
    const struct {
        void (TStrings::*Set)(std::string_view);
        std::string Text;
        V Expected;
    } cases[] = {
        {text, "a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {text, "a\r\n", {"a"}},
        {text, "a\n\nb\r\n\r\n", {"a", "", "b", ""}},
        {text, "\r\n", {""}},
        {text, "", {}},
        {text, Sjis("表\r\nソ"), {Sjis("表"), Sjis("ソ")}}, // trail bytes 0x5C are no business of line breaks
        {comma, "a b,c", {"a", "b", "c"}},
        {comma, "  a  ,  b  ", {"a", "b"}},
        {comma, "a,", {"a"}}, // a trailing comma adds nothing
        {comma, "a,,b", {"a", "", "b"}},
        {comma, "\"x\"\"y\",\"p q\"", {"x\"y", "p q"}},
        {comma, "\"open", {"open"}},
        {comma, "", {}},
        {comma, Sjis("表,ソ"), {Sjis("表"), Sjis("ソ")}},
    };
    TStringList list;
    for (const auto& c : cases) {
        (list.*c.Set)(c.Text);
        EXPECT_EQ(Lines(list), c.Expected) << c.Text;
    }
    EXPECT_EQ(list.Text(), Sjis("表") + "\r\n" + Sjis("ソ") + "\r\n");
}

TEST(StringList, CommaTextQuotesWhatWouldNotSurvive)
{
    TStringList list, back;
    for (const char* line : {"a b", "c,d", "e\"f", "", "g", "\t"})
        list.Add(line);
    EXPECT_EQ(list.CommaText(), "\"a b\",\"c,d\",\"e\"\"f\",\"\",g,\"\t\"");
    back.SetCommaText(list.CommaText());
    EXPECT_EQ(Lines(back), Lines(list));
    // An empty last line survives the round trip too.
    list.SetText("a\r\n\r\n");
    EXPECT_EQ(list.CommaText(), "a,\"\"");
    back.SetCommaText(list.CommaText());
    EXPECT_EQ(Lines(back), (V{"a", ""}));
}

TEST(StringList, SortedCaseInsensitiveWithDuplicateRules)
{
    TStringList list;
    list.SetSorted(true);
    for (const char* s : {"beta", "Alpha", "gamma", "ALPHA"})
        list.Add(s);
    EXPECT_EQ(Lines(list), (V{"Alpha", "beta", "gamma"})); // dupIgnore by default
    int found = -1, missing = -1;                          // where it is, or where it would go
    const bool hasBeta = list.Find("BETA", found), hasDelta = list.Find("delta", missing);
    EXPECT_EQ(std::tuple(hasBeta, found, hasDelta, missing, list.IndexOf("delta")), std::tuple(true, 1, false, 2, -1));
    EXPECT_THROW(list.Insert(0, "x"), EStringListError);
    EXPECT_THROW(list.SetStrings(0, "x"), EStringListError);

    list.SetDuplicates(TDuplicates::dupError);
    EXPECT_THROW(list.Add("alpha"), EStringListError);
    list.SetDuplicates(TDuplicates::dupAccept);
    list.Add("alpha");
    EXPECT_EQ(Lines(list), (V{"alpha", "Alpha", "beta", "gamma"}));

    list.SetCaseSensitive(true);
    EXPECT_EQ(list.IndexOf("BETA"), -1);
    EXPECT_EQ(list.IndexOf("beta"), 2);
}

TEST(StringList, ChangeEventsAndBatching)
{
    TStringList list;
    std::string events; // "<" changing, ">" changed
    list.OnChanging = [&events](TObject*) { events += '<'; };
    list.OnChange = [&events](TObject*) { events += '>'; };
    list.EndUpdate(); // unmatched: harmless, does not silence the list
    list.Add("a");
    list.Add("b");
    list.Delete(0);
    EXPECT_EQ(events, "<><><>");

    events.clear();
    list.BeginUpdate();
    list.BeginUpdate();
    list.Add("c");
    list.EndUpdate();
    list.EndUpdate();
    list.SetText("x\r\ny\r\nz\r\n");
    list.SetCommaText("p,q");
    EXPECT_EQ(events, "<><><>");

    // An update ends even when its work fails, so the list is not silenced.
    TStringList source;
    source.SetText("a\r\nb\r\na\r\n");
    list.Clear();
    list.SetSorted(true);
    list.SetDuplicates(TDuplicates::dupError);
    EXPECT_THROW(list.AddStrings(source), EStringListError);
    EXPECT_EQ(list.UpdateCount(), 0);
    EXPECT_EQ(Lines(list), (V{"a", "b"}));
    events.clear();
    list.Add("c");
    EXPECT_EQ(events, "<>");
}

TEST(StringList, AssignSortAndCapacityKeepTheLines)
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
    copy.SetCapacity(1); // below the count: keeps the lines
    EXPECT_EQ(Lines(copy), (V{"a", "b", "c"}));
    EXPECT_GE(copy.Capacity(), 3);
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

TEST(StringList, ExchangeAndMoveCarryTheObjectsAndNeverOwnThem)
{
    TObject one, two, three;
    {
        TStringList list;
        list.AddObject("1", &one);
        list.AddObject("2", &two);
        list.AddObject("3", &three);
        list.Exchange(0, 2);
        EXPECT_EQ(std::pair(Lines(list), list.Objects(0)), std::pair(V{"3", "2", "1"}, &three));
        list.Move(0, 2);
        EXPECT_EQ(std::pair(Lines(list), list.Objects(2)), std::pair(V{"2", "1", "3"}, &three));
        list.Move(2, 0);
        EXPECT_EQ(list.IndexOfObject(&one), 2);
        // A bad index raises before anything moves.
        EXPECT_THROW(list.Move(0, 3), EListError);
        EXPECT_THROW(list.Move(-1, 0), EListError);
        EXPECT_THROW(list.Exchange(0, 5), EListError);
        EXPECT_EQ(Lines(list), (V{"3", "2", "1"}));
        list.SetSorted(true);
        EXPECT_THROW(list.Move(0, 1), EStringListError);
        EXPECT_EQ(Lines(list), (V{"1", "2", "3"}));
        list.Delete(0);
    } // the objects outlive the list (ASan catches a delete of these stack objects)
}

} // namespace
