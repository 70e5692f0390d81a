#include "SpinEx.h"

#include "Beep.h"
#include "ExceptionHandler.h"
#include "NumberField.h"
#include "SpinValue.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QScopeGuard>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>
#include <limits>

// ---------------------------------------------------------------- TTimerMySpeedButton

TTimerMySpeedButton::TTimerMySpeedButton(QWidget* Parent) : QToolButton(Parent)
{
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QAbstractButton::clicked, [this] {
        if (OnClick)
            CatchExceptions(OnClick);
    });
}

TTimerMySpeedButton::~TTimerMySpeedButton() = default;

void TTimerMySpeedButton::SetFocusRect(bool FocusRect)
{
    FocusRect_ = FocusRect;
    update();
}

void TTimerMySpeedButton::mousePressEvent(QMouseEvent* Event)
{
    QToolButton::mousePressEvent(Event);
    CatchExceptions([&] {
        if (!AllowTimer_ || Event->button() != Qt::LeftButton)
            return;
        if (!Timer_) {
            Timer_ = MakeRepeatTimer();
            Timer_->OnTimer = [this] { TimerTick(); };
        }
        Timer_->Start(400);
    });
}

void TTimerMySpeedButton::TimerTick()
{
    Timer_->Start(100);
    // Only while the press stays on the button; moving off pauses the
    // repeat, moving back resumes it.
    if (!isDown() || !OnClick)
        return;
    try {
        OnClick();
    } catch (...) {
        Timer_->Stop();
        throw;
    }
}

void TTimerMySpeedButton::mouseReleaseEvent(QMouseEvent* Event)
{
    QToolButton::mouseReleaseEvent(Event);
    CatchExceptions([this] {
        if (Timer_)
            Timer_->Stop();
    });
}

void TTimerMySpeedButton::paintEvent(QPaintEvent* Event)
{
    QToolButton::paintEvent(Event);
    if (!FocusRect_)
        return;
    CatchExceptions([this] {
        QPainter painter(this);
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(3, 3, -3, -3);
        if (isDown())
            option.rect.translate(1, 1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    });
}

// ---------------------------------------------------------------- TMySpinButton

TMySpinButton::TMySpinButton(QWidget* Parent)
    : QWidget(Parent), Up_(new TTimerMySpeedButton(this)), Down_(new TTimerMySpeedButton(this)), Focused_(Up_)
{
    setFocusPolicy(Qt::NoFocus);
    for (TTimerMySpeedButton* button : {Up_, Down_}) {
        button->SetAllowTimer(true);
        button->setArrowType(button == Up_ ? Qt::UpArrow : Qt::DownArrow);
        button->setAutoRaise(false);
        button->installEventFilter(this);
    }
    Up_->OnClick = [this] {
        if (OnUpClick)
            OnUpClick(this);
    };
    Down_->OnClick = [this] {
        if (OnDownClick)
            OnDownClick(this);
    };
    resize(20, 25);
}

void TMySpinButton::SetFocusedButton(TTimerMySpeedButton* Button)
{
    if (Button == Focused_)
        return;
    Focused_->SetFocusRect(false);
    Focused_ = Button;
    if (focusPolicy() & Qt::TabFocus)
        Focused_->SetFocusRect(hasFocus());
}

void TMySpinButton::LayoutButtons()
{
    if (width() < 15) {
        resize(15, height());
        return; // the resize lays the buttons out
    }
    const int upHeight = height() / 2;
    Up_->setGeometry(0, 0, width(), upHeight);
    // The down button overlaps the up button's bottom edge by one pixel.
    Down_->setGeometry(0, upHeight - 1, width(), height() - upHeight + 1);
}

void TMySpinButton::resizeEvent(QResizeEvent*)
{
    CatchExceptions([&] { LayoutButtons(); });
}

void TMySpinButton::keyPressEvent(QKeyEvent* Event)
{
    CatchExceptions([&] {
        switch (Event->key()) {
        case Qt::Key_Space: Focused_->click(); break;
        case Qt::Key_Up:
        case Qt::Key_Down:
            SetFocusedButton(Event->key() == Qt::Key_Up ? Up_ : Down_);
            Focused_->click();
            break;
        default: QWidget::keyPressEvent(Event);
        }
    });
}

void TMySpinButton::focusInEvent(QFocusEvent* Event)
{
    QWidget::focusInEvent(Event);
    CatchExceptions([this] { Focused_->SetFocusRect(true); });
}

void TMySpinButton::focusOutEvent(QFocusEvent* Event)
{
    QWidget::focusOutEvent(Event);
    CatchExceptions([this] { Focused_->SetFocusRect(false); });
}

void TMySpinButton::ButtonPressed(TTimerMySpeedButton* Button)
{
    SetFocusedButton(Button);
    const auto wantsFocus = [](QWidget* Widget) {
        return Widget && Widget->isEnabled() && (Widget->focusPolicy() & Qt::TabFocus) && !Widget->hasFocus();
    };
    if (FocusControl_)
        if (wantsFocus(FocusControl_))
            FocusControl_->setFocus(Qt::MouseFocusReason);
    if (!FocusControl_ && wantsFocus(this))
        setFocus(Qt::MouseFocusReason);
}

bool TMySpinButton::eventFilter(QObject* Watched, QEvent* Event)
{
    // Only the two buttons are watched.
    if (Event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(Event)->button() == Qt::LeftButton)
        CatchExceptions([&] { ButtonPressed(static_cast<TTimerMySpeedButton*>(Watched)); });
    return false;
}

// ---------------------------------------------------------------- TMySpinEdit

namespace {

constexpr int BorderHeight = 1;

// Whether Event carries a character, a control character such as Return or
// Backspace included, with no Ctrl, Alt or Meta held: what a key pressed with
// those reports as its text is no character typed (Ctrl+V may report "v").
bool CarriesUnmodifiedCharacter(const QKeyEvent& Event)
{
    return !Event.text().isEmpty() && Event.key() != Qt::Key_Delete
           && !(Event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

char32_t DecimalSeparator()
{
    const QString separator = QLocale().decimalPoint();
    return separator.isEmpty() ? U'.' : separator.at(0).unicode();
}

} // namespace

TMySpinEdit::TMySpinEdit(QWidget* Parent)
    : QLineEdit(Parent), Button_(new TMySpinButton(this)),
      Field_(new TNumberField(*this, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()))
{
    Button_->resize(15, 17);
    Button_->SetFocusControl(this);
    Button_->OnUpClick = [this](TObject*) { UpClick(); };
    Button_->OnDownClick = [this](TObject*) { DownClick(); };
    setText(QStringLiteral("0"));
    connect(this, &QLineEdit::textChanged, [this] {
        if (OnChange)
            CatchExceptions([this] { OnChange(this); });
    });
    resize(40, 22);
}

TMySpinEdit::~TMySpinEdit() = default;

void TMySpinEdit::SetMinValue(int32_t MinValue)
{
    MinValue_ = MinValue;
    ApplyLimits();
}

void TMySpinEdit::SetMaxValue(int32_t MaxValue)
{
    MaxValue_ = MaxValue;
    ApplyLimits();
}

void TMySpinEdit::ApplyLimits()
{
    if (MinValue_ == MaxValue_)
        Field_->SetRange(std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max());
    else
        Field_->SetRange(MinValue_, MaxValue_);
}

int32_t TMySpinEdit::Value() const { return Field_->Value(); }

void TMySpinEdit::SetValue(int32_t Value) { setText(QString::number(CheckValue(Value))); }

int32_t TMySpinEdit::CheckValue(int32_t Value) const { return CheckSpinValue(Value, MinValue_, MaxValue_); }

int TMySpinEdit::MinHeight() const
{
    const int fontHeight = fontMetrics().height();
    const int screenFontHeight = QFontMetrics(QApplication::font()).height();
    return std::min(fontHeight, screenFontHeight) / 4 + fontHeight + 4 * BorderHeight + 2;
}

bool TMySpinEdit::ShiftHeld() const
{
    if (KeyShift_)
        return *KeyShift_;
    return QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier;
}

void TMySpinEdit::Step(int32_t Direction)
{
    if (isReadOnly()) {
        Beep();
        return;
    }
    SetValue(SpinStep(Value(), Increment_, ShiftHeld() ? 10 * Direction : Direction));
}

void TMySpinEdit::UpClick() { Step(1); }

void TMySpinEdit::DownClick() { Step(-1); }

bool TMySpinEdit::IsValidChar(char32_t Key) const { return IsValidSpinChar(Key, EditorEnabled_, DecimalSeparator()); }

void TMySpinEdit::keyPressEvent(QKeyEvent* Event)
{
    CatchExceptions([&] {
        const int key = Event->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            KeyShift_ = (Event->modifiers() & Qt::ShiftModifier) != 0;
            const auto clearShift = qScopeGuard([this] { KeyShift_.reset(); });
            key == Qt::Key_Up ? UpClick() : DownClick();
        } else if ((Event->matches(QKeySequence::Cut) || Event->matches(QKeySequence::Paste)) && !MayChangeText()) {
            return;
        } else if (CarriesUnmodifiedCharacter(*Event)
                   && !IsValidChar(AsciiDigitsAndSigns(Event->text()).at(0).unicode())) {
            // Enter belongs to a dialog's default button; elsewhere it is
            // done with typing, as leaving the field is.
            const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
            if (enter && qobject_cast<QDialog*>(window()))
                Event->ignore();
            else if (enter)
                Field_->Settle();
            else
                Beep();
            return;
        }
        QLineEdit::keyPressEvent(Event);
    });
}

void TMySpinEdit::inputMethodEvent(QInputMethodEvent* Event)
{
    // The input method may compose here; it commits only where keys may type.
    if (!Event->commitString().isEmpty() && !EditorEnabled_) {
        Beep();
        Event->setCommitString({});
    }
    QLineEdit::inputMethodEvent(Event);
}

void TMySpinEdit::resizeEvent(QResizeEvent* Event)
{
    QLineEdit::resizeEvent(Event);
    CatchExceptions([&] {
        if (height() < MinHeight()) {
            resize(width(), MinHeight());
            return; // the resize places the buttons
        }
        const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
        Button_->setGeometry(width() - Button_->width() - frame, frame, Button_->width(), height() - 2 * frame);
        // The text never runs under the buttons.
        setTextMargins(0, 0, Button_->width() + 2, 0);
    });
}

void TMySpinEdit::focusInEvent(QFocusEvent* Event)
{
    QLineEdit::focusInEvent(Event);
    CatchExceptions([this] {
        if (AutoSelect_ && !(QGuiApplication::mouseButtons() & Qt::LeftButton))
            selectAll();
    });
}

void TMySpinEdit::contextMenuEvent(QContextMenuEvent* Event)
{
    CatchExceptions([&] {
        const std::unique_ptr<QMenu> menu(createStandardContextMenu());
        if (!MayChangeText())
            for (QAction* action : menu->actions())
                if (action->objectName() == QLatin1String("edit-cut")
                    || action->objectName() == QLatin1String("edit-paste"))
                    action->setEnabled(false);
        menu->exec(Event->globalPos());
    });
}

void TMySpinEdit::mouseReleaseEvent(QMouseEvent* Event)
{
    // A middle click pastes the selection on X11.
    if (Event->button() == Qt::MiddleButton && !MayChangeText())
        return;
    QLineEdit::mouseReleaseEvent(Event);
}

void TMySpinEdit::dragEnterEvent(QDragEnterEvent* Event)
{
    if (!MayChangeText()) {
        Event->ignore();
        return;
    }
    QLineEdit::dragEnterEvent(Event);
}

void TMySpinEdit::dropEvent(QDropEvent* Event)
{
    if (!MayChangeText()) {
        Event->ignore();
        return;
    }
    QLineEdit::dropEvent(Event);
}
