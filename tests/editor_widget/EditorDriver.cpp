#include "EditorDriver.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QStyleHints>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace edtest {

TEditorDriver::TEditorDriver(QSize Size) : TEditorDriver(TEditor::Create<TEditor>(), Size) {}

TEditorDriver::TEditorDriver(TEditor* Editor, QSize Size) : Editor_(Editor)
{
    QGuiApplication::styleHints()->setCursorFlashTime(0);
    TFont font;
    font.SetName("IPAGothic");
    font.SetHeight(-16);
    font.SetColor(clBlack);
    Editor_->SetFont(&font);
    Editor_->resize(Size);
    Editor_->show();
    Editor_->setFocus();
    QApplication::setActiveWindow(Editor_.get());
    Process();
}

TEditorDriver::~TEditorDriver() = default;

void TEditorDriver::SetText(std::string_view Text)
{
    Editor_->Lines()->SetTextStr(Text);
    Process();
}

void TEditorDriver::Wrap(int WrapByte)
{
    Editor_->WrapOption()->SetWrapByte(WrapByte);
    Editor_->SetWordWrap(true);
}

void TEditorDriver::ReplaceRows(int Row, int Count, std::string_view Text)
{
    Editor_->ScreenStrings().ReplaceRows(Row, Count, Text);
    Process();
}

void TEditorDriver::Process() { QApplication::processEvents(); }

QImage TEditorDriver::Grab() const
{
    Process();
    return Editor_->viewport()->grab().toImage();
}

QImage TEditorDriver::Shown() const
{
    Process();
    const QWidget& viewport = *Editor_->viewport();
    const QPoint origin = viewport.mapTo(viewport.window(), QPoint(0, 0));
    return QGuiApplication::primaryScreen()
        ->grabWindow(viewport.window()->winId(), origin.x(), origin.y(), viewport.width(), viewport.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

QPoint TEditorDriver::CellPoint(int Row, int Col) const
{
    const TEditor& ed = *Editor_;
    return {ed.TextLeft() + (Col - ed.TopCol()) * ed.ColWidth(), ed.TextTop() + (Row - ed.TopRow()) * ed.RowHeight()};
}

QColor TEditorDriver::CellColor(const QImage& Image, int Row, int Col) const
{
    const QPoint p = CellPoint(Row, Col) + QPoint(1, 1);
    return Image.pixelColor(p * Image.devicePixelRatio());
}

// ---- Keys ----------------------------------------------------------------------------------

void TEditorDriver::Type(const char* Utf8)
{
    for (const QChar c : QString::fromUtf8(Utf8)) {
        const char16_t u = c.unicode();
        if (u == '\r') {
            Key(Qt::Key_Return);
            continue;
        }
        // ASCII characters name their keys (a letter by its capital).
        Qt::Key key = Qt::Key_unknown;
        if (u >= 0x20 && u < 0x7F)
            key = static_cast<Qt::Key>(u >= 'a' && u <= 'z' ? u - 'a' + 'A' : u);
        QTest::sendKeyEvent(QTest::Click, Editor_.get(), key, QString(c), Qt::NoModifier);
    }
    Process();
}

void TEditorDriver::Key(Qt::Key Key, Qt::KeyboardModifiers Modifiers)
{
    QTest::keyClick(Editor_.get(), Key, Modifiers);
    Process();
}

void TEditorDriver::Key(Qt::Key Key, Qt::KeyboardModifiers Modifiers, const QString& Text, bool AutoRepeat)
{
    QKeyEvent press(QEvent::KeyPress, Key, Modifiers, Text, AutoRepeat);
    QApplication::sendEvent(Editor_.get(), &press);
    QKeyEvent release(QEvent::KeyRelease, Key, Modifiers, Text, AutoRepeat);
    QApplication::sendEvent(Editor_.get(), &release);
    Process();
}

void TEditorDriver::KeyDown(Qt::Key Key, Qt::KeyboardModifiers Modifiers)
{
    QTest::keyPress(Editor_.get(), Key, Modifiers);
    Process();
}

void TEditorDriver::KeyUp(Qt::Key Key, Qt::KeyboardModifiers Modifiers)
{
    QTest::keyRelease(Editor_.get(), Key, Modifiers);
    Process();
}

// ---- The input method ------------------------------------------------------------------------

void TEditorDriver::Commit(const char* Utf8, int ReplaceStart, int ReplaceLength)
{
    QInputMethodEvent event;
    event.setCommitString(QString::fromUtf8(Utf8), ReplaceStart, ReplaceLength);
    QApplication::sendEvent(Editor_.get(), &event);
    Process();
}

void TEditorDriver::Preedit(const char* Utf8)
{
    const QString text = QString::fromUtf8(Utf8);
    QInputMethodEvent event(text, {{QInputMethodEvent::Cursor, static_cast<int>(text.size()), 1, {}}});
    QApplication::sendEvent(Editor_.get(), &event);
    Process();
}

// ---- The mouse -------------------------------------------------------------------------------

namespace {

void SendMouse(QWidget* Viewport, QEvent::Type Type, QPoint P, Qt::MouseButton Button, Qt::MouseButtons Buttons,
               Qt::KeyboardModifiers Modifiers)
{
    QMouseEvent event(Type, QPointF(P), QPointF(Viewport->mapToGlobal(P)), Button, Buttons, Modifiers);
    QApplication::sendEvent(Viewport, &event);
}

} // namespace

QPoint TEditorDriver::At(int Row, int Col) const { return CellPoint(Row, Col) + QPoint(0, Editor_->RowHeight() / 2); }

void TEditorDriver::Press(QPoint P, Qt::KeyboardModifiers Modifiers)
{
    SendMouse(Editor_->viewport(), QEvent::MouseButtonPress, P, Qt::LeftButton, Qt::LeftButton, Modifiers);
    Process();
}

void TEditorDriver::Move(QPoint P, Qt::KeyboardModifiers Modifiers, bool ButtonHeld)
{
    SendMouse(Editor_->viewport(), QEvent::MouseMove, P, Qt::NoButton, ButtonHeld ? Qt::LeftButton : Qt::NoButton,
              Modifiers);
    Process();
}

void TEditorDriver::Release(QPoint P, Qt::KeyboardModifiers Modifiers)
{
    SendMouse(Editor_->viewport(), QEvent::MouseButtonRelease, P, Qt::LeftButton, Qt::NoButton, Modifiers);
    Process();
}

void TEditorDriver::Click(QPoint P, Qt::KeyboardModifiers Modifiers)
{
    Press(P, Modifiers);
    Release(P, Modifiers);
}

void TEditorDriver::DoubleClick(QPoint P)
{
    Press(P);
    Release(P);
    SendMouse(Editor_->viewport(), QEvent::MouseButtonDblClick, P, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    Release(P);
}

void TEditorDriver::Drag(QPoint From, QPoint To, Qt::KeyboardModifiers Modifiers)
{
    Press(From, Modifiers);
    Move((From + To) / 2, Modifiers);
    Move(To, Modifiers);
    Release(To, Modifiers);
}

void TEditorDriver::Select(TCaretPos From, TCaretPos To) { Drag(At(From.Row, From.Col), At(To.Row, To.Col)); }

void TEditorDriver::Wheel(int Delta)
{
    QWidget* viewport = Editor_->viewport();
    const QPoint p(viewport->width() / 2, viewport->height() / 2);
    QWheelEvent event(QPointF(p), QPointF(viewport->mapToGlobal(p)), QPoint(), QPoint(0, Delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &event);
    Process();
}

} // namespace edtest
