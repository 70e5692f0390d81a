// Toolbar buttons: groups, drop-down parts, repeating while held, the one
// button with a border under the mouse, and the pictures they draw.
#include "ButtonGlyph.h"
#include "ButtonLayout.h"
#include "DockDraw.h"
#include "SpinRepeatTimer.h"
#include "ToolImageList.h"
#include "ToolbarForm.h"

#include <QCursor>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// A timer the test fires by hand, keeping the time it stands at.
class TFakeTimer : public TRepeatTimer {
public:
    explicit TFakeTimer(TFakeTimer*& Last) { Last = this; }
    void Start(int IntervalMs) override { Interval_ = IntervalMs, Active_ = true; }
    void Stop() override { Active_ = false; }
    bool Active() const override { return Active_; }
    int Interval() const override { return Interval_; }

private:
    int Interval_ = 0;
    bool Active_ = false;
};

struct DockButtonTest : testing::Test {
    DockButtonTest()
    {
        SetRepeatTimerFactory([this] { return std::make_unique<TFakeTimer>(Timer); });
        SavedPopup = TDockButton::SetPopup([this](QMenu&, QPoint At, bool Right) { Popups.push_back({At, Right}); });
        f.Form.show();
        QApplication::sendPostedEvents();
    }
    ~DockButtonTest() override
    {
        SetRepeatTimerFactory({});
        TDockButton::SetPopup(SavedPopup);
    }

    static void Mouse(QWidget* W, QEvent::Type Type, QPoint At, Qt::MouseButton Button = Qt::LeftButton)
    {
        QMouseEvent event(Type, QPointF(At), W->mapToGlobal(QPointF(At)), Button,
                          Type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(W, &event);
    }

    TFakeTimer* Timer = nullptr;
    TButtonPopup SavedPopup;
    std::vector<std::pair<QPoint, bool>> Popups;
    TToolbarForm f;
    QMenu Menu;
};

TEST_F(DockButtonTest, AComboArrowDropsTheMenuAndTheRestClicks)
{
    auto* b = new TDockButton(f.Edit);
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    b->SetGroupIndex(4);
    b->SetAllowAllUp(true);
    b->SetDropdownMenu(&Menu);
    b->SetDropdownArrowWidth(3);
    EXPECT_EQ(b->DropdownArrowWidth(), 7);
    const int plain = b->width();
    b->SetDropdownCombo(true);
    EXPECT_EQ(b->width(), plain + 9);

    const QPoint arrow(b->width() - 9, 5);
    Mouse(b, QEvent::MouseButtonPress, arrow);
    Mouse(b, QEvent::MouseButtonRelease, arrow);
    ASSERT_EQ(Popups.size(), 1u);
    EXPECT_EQ(Popups[0].first, b->mapToGlobal(QPoint(0, b->height()))) << "below, on a top dock";
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(b->Down());

    // The press waiting as the menu closed is dropped; once the queue has
    // turned, presses click again.
    Mouse(b, QEvent::MouseButtonPress, {2, 5});
    Mouse(b, QEvent::MouseButtonRelease, {2, 5});
    EXPECT_EQ(clicks, 0);
    QApplication::sendPostedEvents();
    QTest::qWait(0);
    Mouse(b, QEvent::MouseButtonPress, {2, 5});
    Mouse(b, QEvent::MouseButtonRelease, {2, 5});
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(b->Down());
}

TEST_F(DockButtonTest, APlainDropDownClicksThenDropsItsMenuBesideItsDock)
{
    f.Edit->SetDockedTo(f.Left);
    auto* b = new TDockButton(f.Edit);
    QApplication::sendPostedEvents();
    std::vector<std::string> order;
    b->OnClick = [&](TObject*) { order.push_back("click"); };
    b->OnDropdown = [&](TObject*, bool& Show, bool& RemoveClicks) {
        order.push_back(Show ? "dropdown" : "none");
        RemoveClicks = false;
    };
    b->SetDropdownMenu(&Menu);
    Mouse(b, QEvent::MouseButtonPress, {2, 2});
    EXPECT_EQ(order, (std::vector<std::string>{"click", "dropdown"}));
    ASSERT_EQ(Popups.size(), 1u);
    EXPECT_EQ(Popups[0].first, b->mapToGlobal(QPoint(b->width(), 0))) << "right of a left dock";
    Mouse(b, QEvent::MouseButtonPress, {2, 2});
    EXPECT_EQ(order.size(), 4u) << "not swallowed when OnDropdown says so";
}

TEST_F(DockButtonTest, ARepeatingButtonClicksEveryTenthOfASecondAfterFourWhileOnIt)
{
    auto* b = new TDockButton(f.Edit);
    b->SetRepeating(true);
    std::vector<int> clicks;
    int now = 0;
    b->OnClick = [&](TObject*) { clicks.push_back(now); };
    Mouse(b, QEvent::MouseButtonPress, {5, 5});
    ASSERT_NE(Timer, nullptr);
    while (now < 1000) {
        now += Timer->Interval();
        Timer->OnTimer();
    }
    EXPECT_EQ(clicks, (std::vector<int>{0, 400, 500, 600, 700, 800, 900, 1000}));

    Mouse(b, QEvent::MouseMove, {-30, 5});
    Timer->OnTimer();
    EXPECT_FALSE(Timer->Active()) << "off the button the repeats pause";
    EXPECT_EQ(clicks.size(), 8u);
    Mouse(b, QEvent::MouseMove, {5, 5});
    EXPECT_TRUE(Timer->Active());
    Timer->OnTimer();
    EXPECT_EQ(clicks.size(), 9u);
    Mouse(b, QEvent::MouseButtonRelease, {5, 5});
    EXPECT_EQ(clicks.size(), 9u) << "the release of a repeating button does not click";
}

TEST_F(DockButtonTest, OneButtonAtATimeIsHotAndNotWhileDisabled)
{
    auto* a = new TDockButton(f.Edit);
    auto* b = new TDockButton(f.Edit);
    a->SetShowBorderWhenInactive(true);
    b->SetShowBorderWhenInactive(true);
    Mouse(a, QEvent::MouseMove, {3, 3});
    EXPECT_EQ(TDockButton::HotButton(), a);
    Mouse(b, QEvent::MouseMove, {3, 3});
    EXPECT_EQ(TDockButton::HotButton(), b);
    b->SetEnabled(false);
    EXPECT_EQ(TDockButton::HotButton(), nullptr);
}

// Takes every mouse move, enter and leave before the program sees it, as
// when the pointer goes over another application's window.
struct TMouseBlind : QObject {
    bool eventFilter(QObject*, QEvent* Event) override
    {
        const QEvent::Type type = Event->type();
        return type == QEvent::MouseMove || type == QEvent::Enter || type == QEvent::Leave;
    }
};

TEST_F(DockButtonTest, TheBorderGoesWhenTheMouseLeftTheButtonUnnoticed)
{
    TDockButton* a = f.File->ClientArea()->findChildren<TDockButton*>().front();
    a->SetShowBorderWhenInactive(true);
    const QPoint centre = a->rect().center();
    Mouse(a, QEvent::MouseMove, centre);
    ASSERT_EQ(TDockButton::HotButton(), a);
    Mouse(&f.Form, QEvent::MouseMove, {f.Form.width() - 2, f.Form.height() - 2});
    EXPECT_EQ(TDockButton::HotButton(), nullptr) << "a move elsewhere, though the button saw no leave";

    Mouse(a, QEvent::MouseMove, centre);
    ASSERT_EQ(TDockButton::HotButton(), a);
    TMouseBlind blind;
    qApp->installEventFilter(&blind);
    QCursor::setPos(f.Form.mapToGlobal(QPoint(f.Form.width() + 200, 0)));
    EXPECT_TRUE(QTest::qWaitFor([] { return TDockButton::HotButton() == nullptr; }))
        << "the regular check finds the pointer gone";
    qApp->removeEventFilter(&blind);
}

TEST(DockButton, DownInAGroupReleasesTheOthersOfItsToolbar)
{
    TToolbarForm f;
    auto* a = new TDockButton(f.Edit);
    auto* b = new TDockButton(f.Edit);
    auto* plain = new TDockButton(f.Edit);
    auto* elsewhere = new TDockButton(f.File);
    for (TDockButton* button : {a, b, elsewhere})
        button->SetGroupIndex(2);
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };

    a->SetDown(true);
    elsewhere->SetDown(true);
    b->SetDown(true);
    EXPECT_FALSE(a->Down());
    EXPECT_TRUE(b->Down());
    EXPECT_TRUE(elsewhere->Down()) << "another toolbar";
    b->SetDown(false);
    EXPECT_TRUE(b->Down()) << "without AllowAllUp a group keeps one down";
    plain->SetDown(true);
    EXPECT_FALSE(plain->Down()) << "group 0 never stays down";

    // With AllowAllUp (spread to the group) a click toggles.
    a->SetAllowAllUp(true);
    f.Form.show();
    QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_FALSE(b->Down());
    QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_TRUE(b->Down());
    EXPECT_EQ(clicks, 2);
    b->SetEnabled(false);
    QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_EQ(clicks, 2);
}

TEST(DockButton, BordersFollowFlatNoBorderAndHighlightWhenDown)
{
    QWidget parent;
    const QPalette& pal = parent.palette();
    const auto colour = [&](TColor C) { return SysColor(C, pal).rgb(); };
    struct TCase {
        const char* Name;
        std::function<void(TDockButton&)> Set;
        QRgb TopLeft, BottomRight, Inside;
    };
    const TCase cases[] = {
        {"flat and away from the mouse", [](TDockButton&) {}, colour(clBtnFace), colour(clBtnFace), colour(clBtnFace)},
        {"raised", [](TDockButton& B) { B.SetFlat(false); }, colour(cl3DLight), colour(cl3DDkShadow),
         colour(clBtnFace)},
        {"down in a group",
         [](TDockButton& B) {
             B.SetGroupIndex(1);
             B.SetDown(true);
         },
         colour(clBtnShadow), colour(clBtnHighlight), colour(clBtnHighlight)},
        {"down without the dither",
         [](TDockButton& B) {
             B.SetGroupIndex(1);
             B.SetDown(true);
             B.SetHighlightWhenDown(false);
         },
         colour(clBtnShadow), colour(clBtnHighlight), colour(clBtnFace)},
        {"down, never a border",
         [](TDockButton& B) {
             B.SetGroupIndex(1);
             B.SetDown(true);
             B.SetNoBorder(true);
         },
         colour(clBtnHighlight), colour(clBtnFace), colour(clBtnHighlight)},
    };
    for (const TCase& c : cases) {
        TDockButton button(&parent);
        c.Set(button);
        QImage image(button.size(), QImage::Format_RGB32);
        button.render(&image);
        EXPECT_EQ(image.pixel(0, 0), c.TopLeft) << c.Name;
        EXPECT_EQ(image.pixel(button.width() - 1, button.height() - 1), c.BottomRight) << c.Name;
        // (3, 3) is a highlight pixel of the dither pattern.
        EXPECT_EQ(image.pixel(3, 3), c.Inside) << c.Name;
    }
}

TEST(DockButton, AComboArrowPartEndsTwoPixelsShortOfTheRightEdge)
{
    QWidget parent;
    QMenu menu;
    TDockButton button(&parent);
    button.SetFlat(false);
    button.SetDropdownMenu(&menu);
    button.SetDropdownCombo(true);
    QImage image(button.size(), QImage::Format_RGB32);
    button.render(&image);
    const QPalette& pal = parent.palette();
    const int w = button.width(), bottom = button.height() - 1;
    // The arrow part spans [w - 2 - 9, w - 2): its raised edge's dark
    // bottom-right corner is at w - 3, and the last two columns are bare.
    EXPECT_EQ(image.pixel(w - 3, bottom), SysColor(cl3DDkShadow, pal).rgb());
    EXPECT_EQ(image.pixel(w - 2, bottom), SysColor(clBtnFace, pal).rgb());
    EXPECT_EQ(image.pixel(w - 1, bottom), SysColor(clBtnFace, pal).rgb());
    EXPECT_EQ(image.pixel(w - 2 - 9, 0), SysColor(cl3DLight, pal).rgb()) << "the arrow part's left edge";
}

TEST_F(DockButtonTest, TellsOfTheMouseComingGoingAndDoubleClickingWhileDown)
{
    TDockButton* a = f.File->ClientArea()->findChildren<TDockButton*>().front();
    a->SetShowBorderWhenInactive(true);
    std::vector<std::string> crossings;
    int doubles = 0;
    a->OnMouseEnter = [&](TObject*) { crossings.emplace_back("enter"); };
    a->OnMouseExit = [&](TObject*) { crossings.emplace_back("exit"); };
    a->OnDblClick = [&](TObject*) { ++doubles; };
    Mouse(a, QEvent::MouseMove, {3, 3});
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(a, &leave);
    EXPECT_EQ(crossings, (std::vector<std::string>{"enter", "exit"}));

    const auto doubleClick = [&] {
        Mouse(a, QEvent::MouseButtonDblClick, {3, 3});
        Mouse(a, QEvent::MouseButtonRelease, {3, 3});
    };
    doubleClick();
    EXPECT_EQ(doubles, 0) << "only while down";
    a->SetGroupIndex(1);
    a->SetDown(true);
    doubleClick();
    EXPECT_EQ(doubles, 1);
}

TEST(ButtonPictures, GlyphPlaceDitherAndDisabledGlyph)
{
    // A flat 23 x 22 button leaves 21 x 20 inside its border.
    const TButtonPlaces places = LayoutButtonContent({.Width = 21, .Height = 20, .GlyphWidth = 16, .GlyphHeight = 16});
    EXPECT_EQ(QPoint(places.GlyphX + 1, places.GlyphY + 1), QPoint(4, 3));
    const TButtonPlaces spread = LayoutButtonContent({.Width = 60,
                                                      .Height = 20,
                                                      .GlyphWidth = 16,
                                                      .GlyphHeight = 16,
                                                      .TextWidth = 20,
                                                      .TextHeight = 10,
                                                      .Spacing = -1});
    EXPECT_EQ(spread.GlyphX, 8);
    EXPECT_EQ(spread.TextX, 8 + 16 + 8);

    const QImage dither = DitherPattern(Qt::gray, Qt::white).toImage();
    EXPECT_EQ(dither.pixelColor(2, 4), QColor(Qt::white));
    EXPECT_EQ(dither.pixelColor(3, 4), QColor(Qt::gray));

    // Bottom-left is the transparent colour; white and silver stay out of
    // the shape.
    QImage glyph(2, 2, QImage::Format_RGB32);
    glyph.setPixel(0, 0, qRgb(0, 0, 128));
    glyph.setPixel(1, 0, qRgb(255, 255, 255));
    glyph.setPixel(0, 1, qRgb(255, 0, 255));
    glyph.setPixel(1, 1, qRgb(192, 192, 192));
    const QImage disabled = DisabledGlyph(glyph, Qt::white, Qt::darkGray, false);
    EXPECT_EQ(disabled.size(), QSize(3, 3));
    EXPECT_EQ(disabled.pixelColor(0, 0), QColor(Qt::darkGray));
    EXPECT_EQ(disabled.pixelColor(1, 1), QColor(Qt::white));
    EXPECT_EQ(disabled.pixelColor(1, 0).alpha(), 0);
    EXPECT_EQ(disabled.pixelColor(2, 2).alpha(), 0);
}

TEST(ButtonPictures, AGlyphStripHoldsUpToFivePicturesAndDisablesFromItsSecond)
{
    EXPECT_EQ(GlyphCountOfStrip({96, 16}), 1) << "six are too many";
    EXPECT_EQ(GlyphCountOfStrip({64, 16}), 4);
    EXPECT_EQ(GlyphCountOfStrip({50, 16}), 1);

    QImage strip(4, 2, QImage::Format_RGB32);
    strip.fill(qRgb(255, 0, 255));
    strip.setPixel(2, 0, qRgb(255, 255, 255));
    strip.setPixel(3, 0, qRgb(128, 128, 128));
    const QImage second = GlyphOfStrip(strip, 2, 1);
    EXPECT_EQ(second.size(), QSize(2, 2));
    EXPECT_EQ(second.pixelColor(0, 1).alpha(), 0) << "the strip's transparent colour";
    EXPECT_EQ(GlyphOfStrip(strip, 2, 4).pixelColor(0, 0).alpha(), 0) << "a state past the strip takes the first";
    const QImage disabled = RecolouredDisabledGlyph(second, Qt::yellow, Qt::blue);
    EXPECT_EQ(disabled.pixelColor(0, 0), QColor(Qt::yellow));
    EXPECT_EQ(disabled.pixelColor(1, 0), QColor(Qt::blue));
}

} // namespace
