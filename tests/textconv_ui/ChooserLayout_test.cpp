// The conversion chooser fits a small screen: it stands in two columns, as
// the formatting chooser does, each colour group whole in one column.
#include "StrHenkanForm.h"
#include "StrSeikeiForm.h"

#include <QApplication>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

TEST(ConversionDialogs, TheConversionChooserStandsInTwoColumns)
{
    TStrHenkanForm henkan;
    TStrSeikeiForm seikei;
    henkan.show();
    QApplication::processEvents();
    EXPECT_LE(henkan.sizeHint().height(), seikei.sizeHint().height()) << "22 items are no taller than 24";
    const auto column = [&henkan](int Index) { return henkan.Radio(Index)->x(); };
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(column(i), column(0)) << i;
    for (int i = 12; i <= 21; ++i)
        EXPECT_EQ(column(i), column(11)) << i;
    EXPECT_GT(column(11), column(0));
    EXPECT_EQ(henkan.Radio(11)->y(), henkan.Radio(0)->y());
}

} // namespace
