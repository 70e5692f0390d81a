// The default row-mark pictures: sixteen distinct images with transparent
// surroundings, in the two sizes the painting expects.
#include "edLibrary.h"
#include "edMarkImages.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

std::vector<QImage> AllMarkImages()
{
    std::vector<QImage> images;
    for (const QPixmap& pixmap : DefaultImageDigits())
        images.push_back(pixmap.toImage());
    for (const QPixmap& pixmap : DefaultImageMarks())
        images.push_back(pixmap.toImage());
    return images;
}

TEST(MarkImages, SixteenImagesOfTheTwoSizes)
{
    ASSERT_EQ(DefaultImageDigits().size(), 10u);
    ASSERT_EQ(DefaultImageMarks().size(), 6u);
    for (const QPixmap& digit : DefaultImageDigits())
        EXPECT_EQ(digit.size(), QSize(8, 11));
    for (const QPixmap& mark : DefaultImageMarks())
        EXPECT_EQ(mark.size(), QSize(11, 11));
}

TEST(MarkImages, EveryImageHasTransparentAndOpaquePixels)
{
    const std::vector<QImage> images = AllMarkImages();
    for (size_t mark = 0; mark < images.size(); ++mark) {
        const QImage& image = images[mark];
        ASSERT_TRUE(image.hasAlphaChannel()) << mark;
        int transparent = 0;
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const int alpha = qAlpha(image.pixel(x, y));
                transparent += alpha == 0;
                opaque += alpha == 255;
            }
        EXPECT_GT(transparent, 0) << "mark " << mark;
        EXPECT_GT(opaque, 0) << "mark " << mark;
    }
}

TEST(MarkImages, AllSixteenDiffer)
{
    const std::vector<QImage> images = AllMarkImages();
    for (size_t a = 0; a < images.size(); ++a)
        for (size_t b = a + 1; b < images.size(); ++b)
            EXPECT_NE(images[a], images[b]) << "marks " << a << " and " << b;
}

TEST(MarkImages, DrawingAgainGivesTheSameImages)
{
    const std::vector<QPixmap> digits = DrawDigitMarkImages();
    const std::vector<QPixmap> marks = DrawImageMarkImages();
    ASSERT_EQ(digits.size(), DefaultImageDigits().size());
    ASSERT_EQ(marks.size(), DefaultImageMarks().size());
    for (size_t i = 0; i < digits.size(); ++i)
        EXPECT_EQ(digits[i].toImage(), DefaultImageDigits()[i].toImage()) << i;
    for (size_t i = 0; i < marks.size(); ++i)
        EXPECT_EQ(marks[i].toImage(), DefaultImageMarks()[i].toImage()) << i;
}

} // namespace
