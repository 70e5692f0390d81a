// The editor library's start-up: made once, with the box format and the
// two cursors in place.
#include "Clipboard.h"
#include "edCursors.h"
#include "edDotLine.h"
#include "edLibrary.h"

#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

namespace {

TEST(StartEditorLibrary, RunsOnceAndKeepsWhatItMade)
{
    StartEditorLibrary();
    TDotLineCollection& cache = DotLineCollection();
    cache.DotLine(clRed, clWhite);
    const int cached = cache.Count();
    const QPixmap* firstDigit = &DefaultImageDigits().front();
    const int format = BoxClipboardFormat();

    StartEditorLibrary();
    EXPECT_EQ(&DotLineCollection(), &cache);
    EXPECT_EQ(DotLineCollection().Count(), cached);
    EXPECT_EQ(&DefaultImageDigits().front(), firstDigit);
    EXPECT_EQ(BoxClipboardFormat(), format);
}

TEST(StartEditorLibrary, RegistersTheBoxSelectionFormat)
{
    EXPECT_EQ(BoxClipboardFormat(), RegisterClipboardFormat("TEditor Box Type"));
    EXPECT_EQ(ClipboardFormatMimeType(BoxClipboardFormat()), QStringLiteral("application/x-velk-teditor-box-type"));
}

TEST(StartEditorLibrary, InstallsTheDragCopyCursor)
{
    StartEditorLibrary();
    EXPECT_EQ(Screen().Cursors(crDragSelCopy).shape(), Qt::DragCopyCursor);
}

TEST(StartEditorLibrary, InstallsARightPointingArrow)
{
    StartEditorLibrary();
    const QCursor cursor = Screen().Cursors(crRightArrow);
    ASSERT_EQ(cursor.shape(), Qt::BitmapCursor);
    const QImage image = cursor.pixmap().toImage();
    ASSERT_FALSE(image.isNull());
    const QPoint hotSpot = cursor.hotSpot();
    ASSERT_TRUE(image.rect().contains(hotSpot));
    EXPECT_GT(qAlpha(image.pixel(hotSpot)), 0) << "the hot spot is the arrow's tip";
    // The arrow lies below and to the left of its tip.
    int left = image.width();
    int right = -1;
    int top = image.height();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 0) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
            }
    EXPECT_LE(right, hotSpot.x() + 1);
    EXPECT_LT(left, hotSpot.x() - 5);
    EXPECT_GE(top, hotSpot.y() - 1);
}

} // namespace
