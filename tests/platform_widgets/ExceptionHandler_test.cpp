// Exceptions that leave a Qt event handler end in the one handler, which
// shows their message through the dialog hook, and the program goes on.
#include "Application.h"
#include "ExceptionHandler.h"
#include "ScriptedDialogs.h"
#include "SysUtils.h"

#include <QCoreApplication>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

TEST(HandleException, ShowsTheMessageInAnErrorBoxAndNothingOutsideACatchBlock)
{
    TScriptedDialogs dialogs;
    HandleException();
    EXPECT_TRUE(dialogs.Questions().empty());
    EXPECT_TRUE(CatchExceptions([] {})) << "a handler that finishes";
    const std::function<void()> throwers[] = {[] { throw Exception("ファイルを開けません。"); },
                                              [] { throw std::out_of_range("index"); }, [] { throw 1.5; }};
    for (const auto& thrower : throwers)
        EXPECT_FALSE(CatchExceptions(thrower));
    ASSERT_EQ(dialogs.Questions().size(), 3u);
    for (const TDialogQuestion& question : dialogs.Questions()) {
        EXPECT_EQ(question.Type, TMsgDlgType::mtError);
        EXPECT_EQ(question.Buttons, TMsgDlgButtons{TMsgDlgBtn::mbOK});
    }
    EXPECT_EQ(dialogs.Questions()[0].Text, "ファイルを開けません。");
    EXPECT_EQ(dialogs.Questions()[1].Text, "index");
    EXPECT_FALSE(dialogs.Questions()[2].Text.empty());
}

// A hook whose answering runs into another exception, as a repaint behind
// an open error box would.
class TFailingAgain : public TDialogHook {
public:
    int Asked = 0;
    TDialogAnswer Ask(const TDialogQuestion&) override
    {
        ++Asked;
        CatchExceptions([] { throw Exception("again"); });
        return {.Result = mrOk};
    }
};

TEST(HandleException, AnotherExceptionWhileTheBoxIsOpenOpensNoSecondBox)
{
    TFailingAgain hook;
    TDialogHook* previous = SetDialogHook(&hook);
    CatchExceptions([] { throw Exception("first"); });
    SetDialogHook(previous);
    EXPECT_EQ(hook.Asked, 1);
}

// Paints a red square, or fails half-way through painting it; its wheel
// handler throws what is no exception class at all. Neither catches: they
// are left to the application's net.
class TFailingWidget : public QWidget {
public:
    bool Fail = true;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        if (Fail)
            throw Exception("描画に失敗しました。");
        painter.fillRect(rect(), Qt::red);
    }
    void wheelEvent(QWheelEvent*) override { throw 42; }
};

TEST(TApplication, NoExceptionLeavesAnEventHandlerAndPaintingAndTheEventLoopGoOn)
{
    ASSERT_NE(dynamic_cast<TApplication*>(QCoreApplication::instance()), nullptr);
    TScriptedDialogs dialogs;
    TFailingWidget widget;
    widget.resize(20, 20);
    widget.grab();
    QWheelEvent wheel(QPointF(1, 1), QPointF(1, 1), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&widget, &wheel);
    ASSERT_EQ(dialogs.Questions().size(), 2u);
    EXPECT_EQ(dialogs.Questions()[0].Text, "描画に失敗しました。");
    widget.Fail = false;
    EXPECT_EQ(widget.grab().toImage().pixelColor(10, 10), QColor(Qt::red));

    // The event loop goes on after a timer throws.
    bool later = false;
    QTimer::singleShot(0, [] { throw Exception("タイマー"); });
    QTimer::singleShot(0, [&later] { later = true; });
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_TRUE(later);
    ASSERT_EQ(dialogs.Questions().size(), 3u);
    EXPECT_EQ(dialogs.Questions()[2].Text, "タイマー");
}

} // namespace
