// A dialog's frame: a title and a close box only; a fixed dialog keeps the
// size it was given, or its layout's, and no other.
#include "DialogFrame.h"
#include "DialogFrameCheck.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

namespace {

TEST(DialogFrame, AWindowBecomesADialogWithACloseBoxOnly)
{
    QWidget owner;
    QWidget window(&owner, Qt::Window);
    ASSERT_TRUE(window.windowFlags() & Qt::WindowMaximizeButtonHint) << "a plain window offers it";
    SetDialogFrame(window, TDialogBorder::Sizable);
    EXPECT_TRUE(HasDialogFrame(window, false));
    EXPECT_EQ(window.parentWidget(), &owner) << "it keeps its owner";
    EXPECT_NE(window.minimumSize(), window.maximumSize()) << "a sizable one can be resized";
}

TEST(DialogFrame, AFixedDialogKeepsItsSizeButNeverLessThanItsLayoutNeeds)
{
    const auto laidOut = [](QWidget& Window) {
        auto* layout = new QVBoxLayout(&Window);
        layout->addWidget(new QLabel(QStringLiteral("ファイルを読み込む"), &Window));
    };
    QWidget unsized;
    laidOut(unsized);
    SetDialogFrame(unsized, TDialogBorder::Fixed);
    EXPECT_TRUE(HasDialogFrame(unsized, true));
    EXPECT_EQ(unsized.size(), unsized.sizeHint()) << "never sized: its layout's size";

    QWidget sized;
    laidOut(sized);
    const QSize large = sized.sizeHint() * 2;
    sized.resize(large);
    SetDialogFrame(sized, TDialogBorder::Fixed);
    EXPECT_EQ(sized.size(), large);

    QWidget small;
    laidOut(small);
    small.resize(1, 1);
    SetDialogFrame(small, TDialogBorder::Fixed);
    EXPECT_EQ(small.size(), small.minimumSizeHint());
}

} // namespace
