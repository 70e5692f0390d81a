// The editor's option objects: clamps, when they announce a change, copies,
// the wrap option's character sets, and a view that makes its own scheme.
#include "edOptions.h"
#include "edViewInfo.h"
#include "edWrapOption.h"

#include "edFountainTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using fountaintest::Sjis;

// Counts the notifications of an option object.
struct TCounter {
    explicit TCounter(TNotifyPersistent& Object)
    {
        Object.OnChange = [this, &Object](TObject* Sender) {
            EXPECT_EQ(Sender, &Object);
            ++Count;
        };
    }
    int Count = 0;
};

// Writing Changed fires once; writing it again, or writing Same, fires nothing.
void ExpectNotifiesOnlyOnChange(TNotifyPersistent& Object, const std::function<void()>& Same,
                                const std::function<void()>& Changed, const char* What)
{
    TCounter counter(Object);
    Same();
    EXPECT_EQ(counter.Count, 0) << What;
    Changed();
    Changed();
    EXPECT_EQ(counter.Count, 1) << What;
    Object.OnChange = nullptr;
}

// Assign copies the source as one change.
template <class T>
void ExpectAssignIsOneChange(T& Copy, const T& Source)
{
    TCounter counter(Copy);
    Copy.Assign(&Source);
    EXPECT_EQ(counter.Count, 1);
    Copy.OnChange = nullptr;
}

TEST(EditorOptions, ValuesAreClamped)
{
    TEditorCaret c;
    TEditorMargin m;
    TEditorLeftbar l;
    TEditorImagebar i;
    TEditorSpeed s;
    TEditorWrapOption w;
    struct TCase {
        const char* What;
        std::function<void(int)> Set;
        std::function<int()> Get;
        std::vector<std::pair<int, int>> WrittenStored;
    };
    // clang-format off
    const TCase cases[] = {
        {"TabSpaceCount (even)", [&](int v) { c.SetTabSpaceCount(v); }, [&] { return c.TabSpaceCount(); },
         {{9, 8}, {1, 2}, {5, 4}, {3, 2}, {7, 6}, {-100, 2}, {1000, 8}, {6, 6}}},
        {"Margin.Left", [&](int v) { m.SetLeft(v); }, [&] { return m.Left(); }, {{-5, 0}, {250, 100}}},
        {"Margin.Character", [&](int v) { m.SetCharacter(v); }, [&] { return m.Character(); }, {{101, 100}}},
        {"Margin.Line", [&](int v) { m.SetLine(v); }, [&] { return m.Line(); }, {{-1, 0}}},
        {"Margin.Top", [&](int v) { m.SetTop(v); }, [&] { return m.Top(); }, {{1000, 100}}},
        {"Leftbar.Column", [&](int v) { l.SetColumn(v); }, [&] { return l.Column(); }, {{0, 1}, {9, 8}}},
        {"Leftbar.LeftMargin", [&](int v) { l.SetLeftMargin(v); }, [&] { return l.LeftMargin(); }, {{-1, 0}}},
        {"Leftbar.RightMargin", [&](int v) { l.SetRightMargin(v); }, [&] { return l.RightMargin(); }, {{101, 100}}},
        {"Imagebar.DigitWidth", [&](int v) { i.SetDigitWidth(v); }, [&] { return i.DigitWidth(); }, {{-3, 0}}},
        {"Imagebar.LeftMargin", [&](int v) { i.SetLeftMargin(v); }, [&] { return i.LeftMargin(); }, {{300, 100}}},
        {"Imagebar.MarkWidth", [&](int v) { i.SetMarkWidth(v); }, [&] { return i.MarkWidth(); }, {{101, 100}}},
        {"Speed.CaretVerticalAc", [&](int v) { s.SetCaretVerticalAc(v); }, [&] { return s.CaretVerticalAc(); },
         {{0, 1}}},
        {"Speed.PageVerticalRange", [&](int v) { s.SetPageVerticalRange(v); }, [&] { return s.PageVerticalRange(); },
         {{5, 4}}},
        {"WrapByte", [&](int v) { w.SetWrapByte(v); }, [&] { return w.WrapByte(); }, {{10, 20}, {300, 250}, {37, 37}}},
    };
    // clang-format on
    for (const TCase& row : cases) {
        SCOPED_TRACE(row.What);
        for (auto [written, stored] : row.WrittenStored) {
            row.Set(written);
            EXPECT_EQ(row.Get(), stored) << written;
        }
    }
}

TEST(EditorOptions, ChangesAreAnnouncedOnceAndAssignCopiesAsOne)
{
    // Each "same" value is one the setter clamps to the value already held.
    TEditorMargin m;
    m.SetLeft(100);
    m.SetTop(100);
    ExpectNotifiesOnlyOnChange(
        m, [&] { m.SetTop(500); }, [&] { m.SetTop(3); }, "Top");
    {
        TCounter counter(m);
        m.SetUnderline(1); // the underline row is no change of the margins
        EXPECT_EQ(counter.Count, 0);
        m.OnChange = nullptr;
    }
    TEditorMargin margin;
    ExpectAssignIsOneChange(margin, m);
    EXPECT_EQ(std::tuple(margin.Left(), margin.Top(), margin.Underline()), std::tuple(100, 3, 1));

    TEditorLeftbar b;
    b.SetColumn(8);
    ExpectNotifiesOnlyOnChange(
        b, [&] { b.SetColumn(20); }, [&] { b.SetColumn(2); }, "Column");
    ExpectNotifiesOnlyOnChange(
        b, [&] { b.SetShowNumberMode(TEditorShowNumberMode::nmRow); },
        [&] { b.SetShowNumberMode(TEditorShowNumberMode::nmLine); }, "ShowNumberMode");
    ExpectNotifiesOnlyOnChange(
        b, [&] { b.SetZeroLead(false); }, [&] { b.SetZeroLead(true); }, "ZeroLead");
    TEditorLeftbar leftbar;
    ExpectAssignIsOneChange(leftbar, b);
    EXPECT_EQ(std::tuple(leftbar.Column(), leftbar.ShowNumberMode(), leftbar.ZeroLead()),
              std::tuple(2, TEditorShowNumberMode::nmLine, true));

    TEditorImagebar i;
    i.SetMarkWidth(100);
    ExpectNotifiesOnlyOnChange(
        i, [&] { i.SetMarkWidth(200); }, [&] { i.SetMarkWidth(11); }, "MarkWidth");
    ExpectNotifiesOnlyOnChange(
        i, [&] { i.SetVisible(true); }, [&] { i.SetVisible(false); }, "Visible");
    TEditorImagebar imagebar;
    ExpectAssignIsOneChange(imagebar, i);
    EXPECT_EQ(imagebar.MarkWidth(), 11);
    EXPECT_FALSE(imagebar.Visible());
}

TEST(EditorWrapOption, TheBuiltInSetsMatchWholeCharacters)
{
    TEditorWrapOption option;
    EXPECT_TRUE(option.IsFollowChar(Sjis("、")));
    EXPECT_TRUE(option.IsLeadChar(Sjis("｢")));
    EXPECT_FALSE(option.IsFollowChar(""));
    // The trail byte of "い" (82 A2) has the value of "｢", a single-byte
    // member: only a whole character matches.
    EXPECT_FALSE(option.IsLeadChar(Sjis("い")));
    option.SetLeadStr(Sjis("い"));
    EXPECT_FALSE(option.IsLeadChar("\xA2"));
    EXPECT_FALSE(option.IsLeadChar("\x82")); // a lone lead byte is no half pair
    EXPECT_TRUE(option.IsLeadChar(Sjis("い")));
}

TEST(EditorViewInfo, ADescendantMakesItsOwnScheme)
{
    class TCommentedView : public TEditorViewInfo {
    protected:
        std::unique_ptr<TEditorFountain> CreateViewFountain() override
        {
            std::unique_ptr<TEditorFountain> fountain = TEditorViewInfo::CreateViewFountain();
            fountain->SetCommenter("#");
            return fountain;
        }
    };
    EXPECT_EQ(TEditorViewInfo::Create<TCommentedView>()->Commenter(), "#");
}

} // namespace
