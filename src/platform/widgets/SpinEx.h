// The spin edit: a one-line integer field with small up and down buttons
// at its right edge. Holding a button repeats its step (first after
// 400 ms, then every 100 ms); Up and Down arrow keys step too, with Shift
// by ten steps. The limits clamp the value written or stepped. What is
// typed, committed by an input method or pasted is a number field's
// (NumberField.h): full-width digits count, a number past a limit is
// refused as it is typed, and the field left, or given Return outside a
// dialog, without a number of its range shows its value again.
#pragma once

#include "Classes.h"
#include "SpinRepeatTimer.h"

#include <QLineEdit>
#include <QPointer>
#include <QToolButton>
#include <cstdint>
#include <memory>
#include <optional>

class TMySpinButton;
class TNumberField;

// A button that clicks again and again while it is held down.
class TTimerMySpeedButton : public QToolButton {
    Q_OBJECT

public:
    explicit TTimerMySpeedButton(QWidget* Parent = nullptr);
    ~TTimerMySpeedButton() override;

    // Repeat while held (on for the spin buttons).
    bool AllowTimer() const { return AllowTimer_; }
    void SetAllowTimer(bool AllowTimer) { AllowTimer_ = AllowTimer; }
    // Draws a focus mark inside the button.
    bool FocusRect() const { return FocusRect_; }
    void SetFocusRect(bool FocusRect);

    // Runs on the release's normal click and on every repeat.
    std::function<void()> OnClick;
    // The repeat timer, null before the first press.
    TRepeatTimer* RepeatTimer() const { return Timer_.get(); }

protected:
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void paintEvent(QPaintEvent* Event) override;

private:
    void TimerTick();

    bool AllowTimer_ = false;
    bool FocusRect_ = false;
    std::unique_ptr<TRepeatTimer> Timer_;
};

// The pair of up and down buttons.
class TMySpinButton : public QWidget, public TObject {
    Q_OBJECT

public:
    explicit TMySpinButton(QWidget* Parent = nullptr);

    TTimerMySpeedButton* UpButton() const { return Up_; }
    TTimerMySpeedButton* DownButton() const { return Down_; }
    // The button Space clicks; the up button at first.
    TTimerMySpeedButton* FocusedButton() const { return Focused_; }
    void SetFocusedButton(TTimerMySpeedButton* Button);

    // The control that takes the focus when a button is pressed.
    QWidget* FocusControl() const { return FocusControl_; }
    void SetFocusControl(QWidget* Control) { FocusControl_ = Control; }

    TNotifyEvent OnUpClick;
    TNotifyEvent OnDownClick;

protected:
    void resizeEvent(QResizeEvent* Event) override;
    void keyPressEvent(QKeyEvent* Event) override;
    void focusInEvent(QFocusEvent* Event) override;
    void focusOutEvent(QFocusEvent* Event) override;
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    void LayoutButtons();
    void ButtonPressed(TTimerMySpeedButton* Button);

    TTimerMySpeedButton* Up_;
    TTimerMySpeedButton* Down_;
    TTimerMySpeedButton* Focused_;
    QPointer<QWidget> FocusControl_;
};

class TMySpinEdit : public QLineEdit, public TObject {
    Q_OBJECT

public:
    explicit TMySpinEdit(QWidget* Parent = nullptr);
    ~TMySpinEdit() override;

    int32_t MinValue() const { return MinValue_; }
    void SetMinValue(int32_t MinValue);
    int32_t MaxValue() const { return MaxValue_; }
    void SetMaxValue(int32_t MaxValue);
    int32_t Increment() const { return Increment_; }
    void SetIncrement(int32_t Increment) { Increment_ = Increment; }
    // Off: the text cannot be typed, cut or pasted, only stepped.
    bool EditorEnabled() const { return EditorEnabled_; }
    void SetEditorEnabled(bool EditorEnabled) { EditorEnabled_ = EditorEnabled; }
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool ReadOnly) { setReadOnly(ReadOnly); }
    // Selects the whole text when the field is entered.
    bool AutoSelect() const { return AutoSelect_; }
    void SetAutoSelect(bool AutoSelect) { AutoSelect_ = AutoSelect; }

    // The value in effect: the last number of the range the text held, so
    // never a number typed on the way to another (NumberField.h).
    int32_t Value() const;
    // The text becomes the clamped value in decimal.
    void SetValue(int32_t Value);
    int32_t CheckValue(int32_t Value) const;

    // Runs whenever the text changed, typed or written.
    TNotifyEvent OnChange;

    TMySpinButton* Button() const { return Button_; }
    // The lowest height at which the text fits.
    int MinHeight() const;

    // The steps of the buttons and arrow keys: with ReadOnly only a beep.
    virtual void UpClick();
    virtual void DownClick();
    virtual bool IsValidChar(char32_t Key) const;

protected:
    void keyPressEvent(QKeyEvent* Event) override;
    void inputMethodEvent(QInputMethodEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;
    void focusInEvent(QFocusEvent* Event) override;
    void contextMenuEvent(QContextMenuEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void dragEnterEvent(QDragEnterEvent* Event) override;
    void dropEvent(QDropEvent* Event) override;

private:
    void Step(int32_t Direction);
    // Shift of the arrow key being handled, else of the keyboard now.
    bool ShiftHeld() const;
    bool MayChangeText() const { return EditorEnabled_ && !isReadOnly(); }
    // The number field takes what the limits take; equal limits, any number.
    void ApplyLimits();

    int32_t MinValue_ = 0;
    int32_t MaxValue_ = 0;
    int32_t Increment_ = 1;
    bool EditorEnabled_ = true;
    bool AutoSelect_ = true;
    std::optional<bool> KeyShift_;
    TMySpinButton* Button_;
    TNumberField* Field_;
};
