// Named clipboard formats: stable numbers, MIME types from the name alone,
// and bytes through the (offscreen) system clipboard.
#include "Clipboard.h"
#include "SysUtils.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <gtest/gtest.h>

namespace {

TEST(RegisterClipboardFormat, GivesOneStableNumberPerName)
{
    const int box = RegisterClipboardFormat("TEditor Box Type");
    EXPECT_GE(box, 0xC000);
    EXPECT_EQ(RegisterClipboardFormat("TEditor Box Type"), box);
    // Names are compared without case, as the system does.
    EXPECT_EQ(RegisterClipboardFormat("TEDITOR BOX TYPE"), box);
    const int node = RegisterClipboardFormat("velk treenode data collection format");
    EXPECT_NE(node, box);
    EXPECT_EQ(RegisterClipboardFormat("velk treenode data collection format"), node);
}

TEST(RegisterClipboardFormat, MimeTypeIsMadeFromTheNameAlone)
{
    EXPECT_EQ(ClipboardFormatMimeType(RegisterClipboardFormat("TEditor Box Type")),
              QStringLiteral("application/x-velk-teditor-box-type"));
    EXPECT_EQ(ClipboardFormatMimeType(RegisterClipboardFormat("velk treenode data collection format")),
              QStringLiteral("application/x-velk-velk-treenode-data-collection-format"));
    // Names that differ by more than case never share a type.
    const QString spaced = ClipboardFormatMimeType(RegisterClipboardFormat("A B"));
    const QString dashed = ClipboardFormatMimeType(RegisterClipboardFormat("A-B"));
    const QString escaped = ClipboardFormatMimeType(RegisterClipboardFormat("A_2dB"));
    EXPECT_EQ(spaced, QStringLiteral("application/x-velk-a-b"));
    EXPECT_EQ(dashed, QStringLiteral("application/x-velk-a_2db"));
    EXPECT_NE(dashed, escaped);
    EXPECT_EQ(ClipboardFormatMimeType(RegisterClipboardFormat("x/y\x82")), QStringLiteral("application/x-velk-x_2fy_82"));
}

TEST(RegisterClipboardFormat, RefusesWhatItCannotName)
{
    EXPECT_THROW(RegisterClipboardFormat(""), EInvalidOperation);
    EXPECT_THROW(ClipboardFormatMimeType(0), EInvalidOperation);
    EXPECT_THROW(ClipboardFormatMimeType(0xBFFF), EInvalidOperation);
    EXPECT_THROW(ClipboardFormatMimeType(0xFFFF), EInvalidOperation);
}

TEST(ClipboardData, BytesRoundTripUnchanged)
{
    const int format = RegisterClipboardFormat("velk test bytes");
    const std::string bytes("\x88\x9f\x83\x81\r\n\0tail\xff", 12);
    SetClipboardData(format, bytes);
    EXPECT_TRUE(ClipboardHasFormat(format));
    EXPECT_EQ(GetClipboardData(format), bytes);
    SetClipboardData(format, "");
    EXPECT_TRUE(ClipboardHasFormat(format));
    EXPECT_EQ(GetClipboardData(format), std::string());
}

TEST(ClipboardData, PuttingOneFormatEmptiesTheClipboardFirst)
{
    const int format = RegisterClipboardFormat("velk test alone");
    const int other = RegisterClipboardFormat("velk test other");
    QGuiApplication::clipboard()->setText(QStringLiteral("text"));
    SetClipboardData(format, "data");
    EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasText());
    EXPECT_FALSE(ClipboardHasFormat(other));
    EXPECT_EQ(GetClipboardData(other), std::nullopt);
}

TEST(ClipboardData, SeveralFormatsTravelTogether)
{
    const int format = RegisterClipboardFormat("velk test together");
    auto data = new QMimeData;
    data->setText(QStringLiteral("row 1\r\nrow 2\r\n"));
    SetFormatData(*data, format, std::string("\0", 1));
    QGuiApplication::clipboard()->setMimeData(data);
    EXPECT_TRUE(ClipboardHasFormat(format));
    EXPECT_EQ(GetClipboardData(format), std::string("\0", 1));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("row 1\r\nrow 2\r\n"));
    QGuiApplication::clipboard()->setText(QStringLiteral("other program"));
    EXPECT_FALSE(ClipboardHasFormat(format));
}

TEST(ClipboardData, MimeDataHelpersAcceptNoData)
{
    const int format = RegisterClipboardFormat("velk test mime");
    EXPECT_EQ(GetFormatData(nullptr, format), std::nullopt);
    QMimeData data;
    EXPECT_EQ(GetFormatData(&data, format), std::nullopt);
    SetFormatData(data, format, "one");
    SetFormatData(data, format, "two");
    EXPECT_EQ(GetFormatData(&data, format), "two");
    EXPECT_THROW(SetFormatData(data, 0x1234, "x"), EInvalidOperation);
}

} // namespace
