// Toolbars: their controls in one line on a dock and wrapped when floating,
// separators, the order of controls, and a form like the main window drawn
// offscreen.
#include "DockDraw.h"
#include "ToolbarForm.h"

#include <QImage>
#include <QLabel>
#include <gtest/gtest.h>

namespace {

QSize ClientSize(const TCustomToolWindow& Bar) { return {Bar.ClientWidth(), Bar.ClientHeight()}; }

TEST(DockToolbar, LaysItsControlsOutDockedAndFloating)
{
    TToolbarForm f;
    TDockToolbar* e = f.File; // three buttons, a separator, two buttons
    EXPECT_EQ(ClientSize(*e), QSize(121, 22));
    e->SetDockedTo(f.Left);
    EXPECT_EQ(ClientSize(*e), QSize(23, 116));
    e->SetFloatRightX(80);
    e->SetDockedTo(nullptr);
    EXPECT_EQ(ClientSize(*e), QSize(77, 53));
    EXPECT_EQ(e->LineSeparatorList(), (std::vector<TLineSeparator>{{30, false}}));
    EXPECT_EQ(e->findChild<TDockSeparator*>()->width(), 0);

    // A control added later comes last; a hidden one leaves no gap.
    e->SetFloatRightX(0);
    auto* label = new QLabel(QStringLiteral("later"), e);
    label->setFixedSize(40, 22);
    QApplication::sendPostedEvents();
    EXPECT_EQ(label->geometry().topLeft(), QPoint(125, 2));
    label->hide();
    QApplication::sendPostedEvents();
    EXPECT_EQ(ClientSize(*e), QSize(129, 25));
}

TEST(DockToolbar, ControlsOfAFormThatWasLoadingTakeTheOrderOfTheirPlaces)
{
    for (const TDockPosition side : {TDockPosition::dpTop, TDockPosition::dpLeft}) {
        const bool vertical = side == TDockPosition::dpLeft;
        QWidget form;
        BeginFormLoading(form);
        auto* bar = new TDockToolbar(new TToolDock(&form, "ToolDock1", side), "Bar");
        std::vector<QWidget*> made;
        for (const int place : {40, 10, 70, 10}) {
            QWidget* control = made.emplace_back(new TDockButton(bar));
            control->move(vertical ? QPoint(0, place) : QPoint(place, 0));
        }
        EndFormLoading(form);
        const auto along = [&](int I) { return vertical ? made[size_t(I)]->y() : made[size_t(I)]->x(); };
        EXPECT_LT(along(1), along(3)) << "one place: the order they were made";
        EXPECT_LT(along(3), along(0));
        EXPECT_LT(along(0), along(2));
    }
}

TEST(DockSeparator, LivesOnlyOnAToolbar)
{
    TToolbarForm f;
    for (QWidget* parent : std::initializer_list<QWidget*>{&f.Form, f.Top})
        EXPECT_THAT([&] { new TDockSeparator(parent); },
                    testing::ThrowsMessage<EInvalidOperation>("TDockSeparator can only be placed on a TDockToolbar"));
}

TEST(DockToolbar, AFormLikeTheMainWindowDrawsDocksGripsFramesAndWrapLines)
{
    TToolbarForm f;
    MakeToolbar(f.Top, "ToolbarFont", {2});
    MakeToolbar(f.Left, "ToolbarString", {4, 3});
    QApplication::sendPostedEvents();
    const QPalette& pal = f.Form.palette();
    const QRgb shadow = SysColor(clBtnShadow, pal).rgb();
    const QRgb highlight = SysColor(clBtnHighlight, pal).rgb();

    QImage form(f.Form.size(), QImage::Format_RGB32);
    f.Form.render(&form);
    EXPECT_EQ(f.Top->height(), 27) << "one row";
    EXPECT_EQ(form.pixel(100, 0), shadow) << "the top bound line";
    EXPECT_EQ(form.pixel(0, 10), shadow) << "the left bound line";
    // Each docked bar: a raised 1-px frame, a 9-px handle with two grip
    // strips whose far ends are lit, and its client area 2 px inside.
    for (TDockToolbar* bar : {f.File, f.Tree, f.Edit}) {
        const QPoint at = bar->mapTo(&f.Form, QPoint(0, 0));
        const int length = bar->ClientHeight() + 2;
        EXPECT_EQ(form.pixel(at), highlight);
        EXPECT_EQ(form.pixel(at + QPoint(bar->width() - 1, bar->height() - 1)), shadow);
        for (int s : {4, 7}) {
            EXPECT_EQ(form.pixel(at + QPoint(s, 2)), highlight);
            EXPECT_EQ(form.pixel(at + QPoint(s + 2, 3)), shadow);
            EXPECT_EQ(form.pixel(at + QPoint(s, length - 1)), highlight);
        }
        EXPECT_EQ(bar->ClientArea()->geometry(), QRect(11, 2, bar->width() - 13, 22));
    }

    f.Edit->SetFloatRightX(80);
    f.File->SetFloatRightX(80);
    f.File->SetDockedTo(nullptr);
    QImage floating(f.File->size(), QImage::Format_RGB32);
    f.File->render(&floating);
    const QPoint client = f.File->ClientArea()->pos();
    EXPECT_EQ(client, QPoint(4, 20));
    for (int x : {1, 40, f.File->ClientWidth() - 2}) {
        EXPECT_EQ(floating.pixel(client + QPoint(x, 26)), shadow) << x;
        EXPECT_EQ(floating.pixel(client + QPoint(x, 27)), highlight) << x;
    }
    EXPECT_NE(floating.pixel(client + QPoint(f.File->ClientWidth() - 1, 26)), shadow) << "end point excluded";
    const QRgb caption = SysColor(SystemColor(TSystemColor::ActiveCaption), pal).rgb();
    EXPECT_EQ(floating.pixel(client + QPoint(0, -16)), caption) << "the caption";
    // The caption band and the close button's frame are 15 px high, over a
    // line of button face.
    for (const int x : {0, f.File->ClientWidth() - 1}) {
        EXPECT_EQ(floating.pixel(client + QPoint(x, -2)), caption) << x;
        EXPECT_EQ(floating.pixel(client + QPoint(x, -1)), SysColor(clBtnFace, pal).rgb()) << x;
    }
}

TEST(DockToolbar, TheDocksBackgroundRunsOnIntoItsBarsFromTheFormsOrigin)
{
    TToolbarForm f;
    QImage tile(7, 5, QImage::Format_RGB32);
    for (int y = 0; y < tile.height(); ++y)
        for (int x = 0; x < tile.width(); ++x)
            tile.setPixel(x, y, qRgb(x * 30, y * 40, 200));
    f.Top->move(3, 2);
    f.Top->SetBackground(QPixmap::fromImage(tile));
    const QImage form = Rendered(f.Form);
    const auto tileAt = [&](QPoint P) { return tile.pixel(P.x() % tile.width(), P.y() % tile.height()); };
    const QPoint inDock(f.Top->width() - 5, 10);
    const QPoint inBar = f.Edit->mapTo(&f.Form, QPoint(f.Edit->width() - 3, 1));
    for (QPoint p : {f.Top->mapTo(&f.Form, inDock), inBar})
        EXPECT_EQ(form.pixel(p), tileAt(p)) << p.x() << "," << p.y();
}

TEST(DockToolbar, AHandleOfOnlyACloseButtonAndADockWithNothingShownDrawNoGripsOrLines)
{
    TToolbarForm f;
    const QRgb face = SysColor(clBtnFace, f.Form.palette()).rgb();
    f.File->SetDragHandleStyle(TDragHandleStyle::dhNone);
    f.File->SetCloseButtonWhenDocked(true);
    EXPECT_EQ(f.File->FrameSize(), QSize(18, 4));
    const QImage bar = Rendered(*f.File);
    EXPECT_EQ(bar.pixel(3, 2), SysColor(cl3DLight, f.Form.palette()).rgb()) << "the close button's edge";
    EXPECT_EQ(bar.pixel(8, 20), face) << "no grip below it";

    for (TDockToolbar* b : {f.File, f.Tree, f.Edit})
        b->SetVisible(false);
    const QImage dock = Rendered(*f.Top);
    EXPECT_EQ(dock.size(), QSize(640, 1));
    EXPECT_EQ(dock.pixel(100, 0), face) << "no bound line, the dock's colour";
}

TEST(DockDraw, ACaptionTooWideIsCutBeforeThreeDots)
{
    const QFontMetrics metrics(QApplication::font());
    const QString text = QStringLiteral("ToolbarString");
    EXPECT_EQ(ElideCaptionText(text, metrics, 1000), text);
    const QString cut = ElideCaptionText(text, metrics, metrics.horizontalAdvance(QStringLiteral("Toolbar...")));
    EXPECT_EQ(cut, QStringLiteral("Toolbar..."));
    EXPECT_EQ(ElideCaptionText(text, metrics, 1), QStringLiteral("Tool..."));
}

} // namespace
