// Named clipboard formats: stable numbers, MIME types from the name alone,
// and bytes through the (offscreen) system clipboard.
#include "Clipboard.h"
#include "SysUtils.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <gtest/gtest.h>

namespace {

TEST(RegisterClipboardFormat, GivesOneStableNumberPerNameWithoutCaseAndAMimeTypeFromTheName)
{
    const int box = RegisterClipboardFormat("TEditor Box Type");
    EXPECT_GE(box, 0xC000);
    EXPECT_EQ(RegisterClipboardFormat("TEDITOR BOX TYPE"), box);
    EXPECT_NE(RegisterClipboardFormat("velk treenode data collection format"), box);
    EXPECT_EQ(ClipboardFormatMimeType(box), QStringLiteral("application/x-velk-teditor-box-type"));
    // Names that differ by more than case never share a type.
    const QString dashed = ClipboardFormatMimeType(RegisterClipboardFormat("A-B"));
    EXPECT_EQ(ClipboardFormatMimeType(RegisterClipboardFormat("A B")), QStringLiteral("application/x-velk-a-b"));
    EXPECT_EQ(dashed, QStringLiteral("application/x-velk-a_2db"));
    EXPECT_NE(dashed, ClipboardFormatMimeType(RegisterClipboardFormat("A_2dB")));
    EXPECT_EQ(ClipboardFormatMimeType(RegisterClipboardFormat("x/y\x82")),
              QStringLiteral("application/x-velk-x_2fy_82"));

    // What it cannot name is refused.
    EXPECT_THROW(RegisterClipboardFormat(""), EInvalidOperation);
    for (const int unknown : {0, 0xBFFF, 0xFFFF})
        EXPECT_THROW(ClipboardFormatMimeType(unknown), EInvalidOperation) << unknown;
}

TEST(ClipboardData, BytesRoundTripUnchangedAndPuttingOneFormatEmptiesTheClipboard)
{
    const int format = RegisterClipboardFormat("velk test bytes");
    const int other = RegisterClipboardFormat("velk test other");
    QGuiApplication::clipboard()->setText(QStringLiteral("text"));
    const std::string bytes("\x88\x9f\x83\x81\r\n\0tail\xff", 12);
    SetClipboardData(format, bytes);
    EXPECT_EQ(GetClipboardData(format), bytes);
    EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasText());
    EXPECT_FALSE(ClipboardHasFormat(other));
    EXPECT_EQ(GetClipboardData(other), std::nullopt);
    SetClipboardData(format, "");
    EXPECT_TRUE(ClipboardHasFormat(format));
    EXPECT_EQ(GetClipboardData(format), std::string());
}

} // namespace
