// What the application tells the input method of the focus after a dialog
// closes, whatever the order in which the window system and the program
// finish with it.
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>

namespace {

// A window with a text field that has the focus, as the page has it.
struct TPageWindow {
    QWidget Window;
    QLineEdit* Page = new QLineEdit(&Window);

    TPageWindow()
    {
        Window.resize(300, 200);
        Window.show();
        QApplication::setActiveWindow(&Window);
        Page->setFocus();
    }
};

// The object last named to the input method as the one taking its text.
struct TAnnouncedFocus {
    QObject* Object = nullptr;
    QMetaObject::Connection Connection =
        QObject::connect(qApp, &QGuiApplication::focusObjectChanged, [this](QObject* Focus) { Object = Focus; });
    ~TAnnouncedFocus() { QObject::disconnect(Connection); }
};

struct TClosing {
    const char* Name;
    std::function<void(QLineEdit& Field, QPushButton& Cancel)> Close;
    friend void PrintTo(const TClosing& Closing, std::ostream* Out) { *Out << Closing.Name; }
};

class ApplicationFocusAfterDialog : public testing::TestWithParam<TClosing> {};

TEST_P(ApplicationFocusAfterDialog, TheFocusedWidgetTakesInputMethodTextAgain)
{
    TPageWindow page;
    ASSERT_TRUE(QTest::qWaitForWindowActive(&page.Window));
    TAnnouncedFocus announced;

    auto dialog = std::make_unique<QDialog>(&page.Window);
    auto* field = new QLineEdit(dialog.get());
    auto* cancel = new QPushButton("Cancel", dialog.get());
    auto* layout = new QVBoxLayout(dialog.get());
    layout->addWidget(field);
    layout->addWidget(cancel);
    QObject::connect(cancel, &QPushButton::clicked, dialog.get(), &QDialog::reject);
    QTimer::singleShot(0, dialog.get(), [&] {
        EXPECT_TRUE(QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == dialog->windowHandle(); }));
        field->setFocus();
        GetParam().Close(*field, *cancel);
    });
    dialog->exec();

    // The window under the dialog gets the focus back before the dialog
    // is deleted, as when the key that closed it came back late from the
    // input method.
    page.Window.activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == page.Window.windowHandle(); }));
    ASSERT_EQ(announced.Object, page.Page);
    dialog.reset();
    QCoreApplication::processEvents();

    EXPECT_EQ(QGuiApplication::focusObject(), page.Page);
    EXPECT_EQ(announced.Object, page.Page);
}

INSTANTIATE_TEST_SUITE_P(
    Closings, ApplicationFocusAfterDialog,
    testing::Values(TClosing{"Escape", [](QLineEdit& Field, QPushButton&) { QTest::keyClick(&Field, Qt::Key_Escape); }},
                    TClosing{"CancelButton",
                             [](QLineEdit&, QPushButton& Cancel) { QTest::mouseClick(&Cancel, Qt::LeftButton); }}),
    [](const testing::TestParamInfo<TClosing>& Info) { return std::string(Info.param.Name); });

} // namespace
