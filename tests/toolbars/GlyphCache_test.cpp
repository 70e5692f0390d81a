// The pictures buttons prepare for their states: one shared list per
// picture size, slots taken again once freed, the disabled picture's
// styles and masks, and pictures made again in new colours.
#include "ButtonGlyph.h"
#include "GlyphCache.h"
#include "SysUtils.h"
#include "ToolImageList.h"
#include "ToolbarForm.h"

#include <QApplication>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

QImage Filled(QSize Size, QRgb Colour)
{
    QImage image(Size, QImage::Format_ARGB32);
    image.fill(Colour);
    return image;
}

TEST(GlyphList, TakesTheLowestFreeSlotAndRefusesBadSlotsAndSmallPictures)
{
    TGlyphList list({16, 16});
    EXPECT_EQ(list.Add(Filled({16, 16}, 0xFFFF0000)), 0);
    EXPECT_EQ(list.Add(Filled({16, 16}, 0xFF00FF00)), 1);
    EXPECT_EQ(list.Add(Filled({16, 16}, 0xFF0000FF)), 2);
    list.Delete(0);
    list.Delete(1);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_TRUE(list.Image(0).isNull());
    EXPECT_EQ(list.Add(Filled({16, 16}, 0xFFFFFF00)), 0) << "the lowest free slot";
    EXPECT_EQ(list.Image(2).pixel(0, 0), 0xFF0000FFu) << "the others keep theirs";

    EXPECT_THAT(
        [&] {
            list.Replace(7, Filled({16, 16}, 0));
        },
        testing::ThrowsMessage<EInvalidOperation>("イメージの置き換えができません"));
    EXPECT_THAT(
        [&] {
            list.Add(Filled({16, 15}, 0));
        },
        testing::ThrowsMessage<EInvalidOperation>("イメージサイズが正しくありません"));
    EXPECT_EQ(list.Count(), 2) << "nothing taken by the refused pictures";
    EXPECT_EQ(list.Add(Filled({16, 16}, 0xFF000000)), 1);
}

TEST(GlyphCache, ButtonsOfOnePictureSizeShareOneListThatGoesWithTheirPictures)
{
    QWidget toolbar;
    TToolImageList images;
    images.Add(QPixmap::fromImage(Filled({16, 16}, 0xFF000080)));
    images.Add(QPixmap::fromImage(Filled({16, 16}, 0xFF008000)));
    std::vector<std::unique_ptr<TDockButton>> buttons;
    for (int i = 0; i < 3; ++i) {
        auto& button = *buttons.emplace_back(std::make_unique<TDockButton>(&toolbar));
        button.SetImages(&images);
        button.SetImageIndex(i % 2);
        Rendered(button);
    }
    auto* big = new TDockButton(&toolbar);
    big->SetGlyph(QPixmap::fromImage(Filled({24, 24}, 0xFF800000)));
    Rendered(*big);
    ASSERT_NE(TGlyphCache::Shared(), nullptr);
    EXPECT_EQ(TGlyphCache::Shared()->ListCount(), 2) << "one per size";
    buttons[0]->SetEnabled(false);
    Rendered(*buttons[0]);
    EXPECT_EQ(TGlyphCache::Shared()->ListCount(), 3) << "disabled pictures are a pixel larger";

    delete big;
    EXPECT_EQ(TGlyphCache::Shared()->ListCount(), 2) << "its list held nothing else";
    buttons.clear();
    EXPECT_EQ(TGlyphCache::Shared(), nullptr) << "the last button's pictures went";
}

TEST(GlyphCache, ImagesMakeOneGlyphAndTheDisabledPictureFollowsStyleMaskAndColours)
{
    QWidget toolbar;
    TDockButton button(&toolbar);
    QImage strip = Filled({64, 16}, 0xFFFF00FF);
    button.SetGlyph(QPixmap::fromImage(strip));
    EXPECT_EQ(button.NumGlyphs(), 4);
    TToolImageList images;
    button.SetImages(&images);
    EXPECT_EQ(button.NumGlyphs(), 1) << "an image list holds one picture per index";
    button.SetImages(nullptr);

    // Black and navy on magenta (the transparent colour), one picture.
    QImage glyph = Filled({4, 4}, 0xFFFF00FF);
    glyph.setPixel(0, 0, 0xFF000000);
    glyph.setPixel(2, 0, 0xFF000080);
    glyph.setPixel(2, 2, 0xFF000000);
    TButtonGlyph pictures;
    pictures.SetGlyph(QPixmap::fromImage(glyph));
    const QColor highlight(Qt::yellow), shadow(Qt::blue);
    const auto disabled = [&] { return pictures.Picture(1, highlight, shadow); };
    EXPECT_EQ(disabled().size(), QSize(5, 5));
    EXPECT_EQ(disabled().pixelColor(2, 0), shadow) << "navy is in the shape";
    pictures.SetOldDisabledStyle(true);
    EXPECT_EQ(disabled().pixelColor(2, 0).alpha(), 0) << "only black is";
    EXPECT_EQ(disabled().pixelColor(0, 0), shadow);
    pictures.SetOldDisabledStyle(false);

    // The mask, not the colour, says what is transparent: white hides.
    QImage mask = Filled({4, 4}, 0xFF000000);
    mask.setPixel(2, 0, 0xFFFFFFFF);
    pictures.SetGlyphMask(QPixmap::fromImage(mask));
    EXPECT_EQ(pictures.Picture(0, highlight, shadow).pixelColor(2, 0).alpha(), 0);
    EXPECT_EQ(pictures.Picture(0, highlight, shadow).pixelColor(1, 1), QColor(Qt::magenta)) << "kept by the mask";

    EXPECT_EQ(disabled().pixelColor(0, 0), shadow);
    EXPECT_EQ(pictures.Picture(1, Qt::green, Qt::red).pixelColor(0, 0), shadow) << "made once";
    pictures.Invalidate();
    EXPECT_EQ(pictures.Picture(1, Qt::green, Qt::red).pixelColor(0, 0), QColor(Qt::red)) << "made again";
}

TEST(GlyphCache, ADisabledPictureKeepsItsBlackWhenItsCornerIsAlreadyTransparent)
{
    QImage glyph = Filled({3, 3}, 0);
    glyph.setPixel(1, 1, 0xFF000000);
    const QImage disabled = DisabledGlyph(glyph, Qt::white, Qt::darkGray, false);
    EXPECT_EQ(disabled.pixelColor(1, 1), QColor(Qt::darkGray));
    EXPECT_EQ(disabled.pixelColor(2, 2), QColor(Qt::white));
}

TEST(GlyphCache, ADisabledButtonIsDrawnAgainInTheNewColours)
{
    QWidget toolbar;
    TDockButton button(&toolbar);
    QImage glyph = Filled({16, 16}, 0xFFFF00FF);
    glyph.setPixel(8, 8, 0xFF000000);
    button.SetGlyph(QPixmap::fromImage(glyph));
    button.SetEnabled(false);
    const QPoint shadowAt(3 + 8, 3 + 8); // the 17 x 17 picture centred in the 21 x 20 content
    const QRgb before = Rendered(button).pixel(shadowAt);
    QPalette palette = button.palette();
    palette.setColor(QPalette::Dark, Qt::red);
    button.setPalette(palette);
    const QRgb after = Rendered(button).pixel(shadowAt);
    EXPECT_NE(before, after);
    EXPECT_EQ(after, QColor(Qt::red).rgb());
}

} // namespace
