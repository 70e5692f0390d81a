#include "ShellDrop.h"
#include "SysUtils.h"

#include <QMimeData>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

TEST(ShellDrop, ADragObjectNeedsDataAndHoldsItsFilesAndTheKeysHeld)
{
    try {
        TShellDragObject none(nullptr, {}, {});
        FAIL() << "made without data";
    } catch (const EInvalidOperation& Error) {
        EXPECT_EQ(Error.Message(), "パラメータが不正です。");
    }
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile("/tmp/a b.txt"), QUrl("https://example.org/x")});
    const TShellDragObject drag(&data, KeyStateToShiftState(Qt::ShiftModifier, Qt::LeftButton), {3, 4});
    EXPECT_EQ(drag.Files, std::vector<std::string>{"/tmp/a b.txt"});

    using enum TShiftStateItem;
    const struct {
        Qt::KeyboardModifiers Keys;
        Qt::MouseButtons Buttons;
        TShiftState Shift;
    } cases[] = {
        {{}, {}, {}},
        {Qt::ShiftModifier | Qt::ControlModifier, Qt::LeftButton, {ssShift, ssCtrl, ssLeft}},
        {Qt::AltModifier, Qt::RightButton | Qt::MiddleButton, {ssAlt, ssRight, ssMiddle}},
        {Qt::MetaModifier, Qt::BackButton, {}},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(KeyStateToShiftState(c.Keys, c.Buttons) == c.Shift) << c.Keys.toInt() << " " << c.Buttons.toInt();
}

} // namespace
