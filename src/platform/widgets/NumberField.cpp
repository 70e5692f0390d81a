#include "NumberField.h"

#include "Beep.h"
#include "Cp932.h"
#include "ExceptionHandler.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTimer>
#include <QToolTip>
#include <algorithm>

namespace {

// Past any 32-bit number; longer runs of digits are held here.
constexpr int64_t Beyond32Bits = int64_t{1} << 32;

// A sign and digits read as a number; its magnitude stops at Beyond32Bits.
struct TWholeNumber {
    bool Negative = false;
    int64_t Magnitude = 0;
    int64_t Signed() const { return Negative ? -Magnitude : Magnitude; }
};

std::optional<TWholeNumber> ReadWholeNumber(const QString& Text)
{
    if (!IsWholeNumber(Text))
        return std::nullopt;
    TWholeNumber number{.Negative = Text.front() == u'-'};
    const bool sign = number.Negative || Text.front() == u'+';
    for (qsizetype i = sign ? 1 : 0; i < Text.size(); ++i)
        number.Magnitude = std::min(number.Magnitude * 10 + (Text[i].unicode() - u'0'), Beyond32Bits);
    return number;
}

// Whether From..To holds one of the numbers Min, Min + Step, ... up to Max.
bool HoldsANumberOf(int64_t From, int64_t To, int32_t Min, int32_t Max, int32_t Step)
{
    From = std::max<int64_t>(From, Min);
    To = std::min<int64_t>(To, Max);
    return From <= To && Min + (From - Min + Step - 1) / Step * Step <= To;
}

// Whether digits typed after Number can still give one of the numbers of
// Min..Max by Step: each further digit makes the magnitude ten times
// larger, plus 0 to 9.
bool MayGrowInto(const TWholeNumber& Number, int32_t Min, int32_t Max, int32_t Step)
{
    for (int64_t unit = 10; Number.Magnitude * unit < Beyond32Bits && unit < Beyond32Bits; unit *= 10) {
        const int64_t low = Number.Magnitude * unit;
        const int64_t high = low + unit - 1;
        if (Number.Negative ? HoldsANumberOf(-high, -low, Min, Max, Step) : HoldsANumberOf(low, high, Min, Max, Step))
            return true;
    }
    return false;
}

// How long a hint stays when nothing else takes it away.
constexpr int HintMilliseconds = 5000;

} // namespace

QString AsciiDigitsAndSigns(QString Text)
{
    for (QChar& c : Text) {
        const char16_t code = c.unicode();
        if (code >= u'０' && code <= u'９')
            c = QChar(u'0' + (code - u'０'));
        else if (code == u'＋')
            c = QLatin1Char('+');
        else if (code == u'－' || code == u'−' || code == u'ー')
            c = QLatin1Char('-');
    }
    return Text;
}

bool IsWholeNumber(const QString& Text)
{
    const qsizetype first = !Text.isEmpty() && (Text.front() == u'-' || Text.front() == u'+') ? 1 : 0;
    if (first == Text.size())
        return false;
    for (qsizetype i = first; i < Text.size(); ++i)
        if (Text[i] < u'0' || Text[i] > u'9')
            return false;
    return true;
}

int32_t TypedNumberOr0(std::string_view Sjis)
{
    bool number = false;
    const int value = AsciiDigitsAndSigns(QString::fromStdString(SjisToUtf8(Sjis)).trimmed()).toInt(&number);
    return number ? value : 0;
}

TNumberField::TNumberField(QLineEdit& Edit, int32_t Min, int32_t Max) : QValidator(&Edit), Min_(Min), Max_(Max)
{
    Value_ = Clamped(0);
    TakeValueOf(Edit.text());
    // Every change of the field's text passes its validator, whatever
    // brought it (QLineEdit undoes a change made by the user that the
    // validator refuses), so this is the one place that sees them all.
    Edit.setValidator(this);
    Edit.installEventFilter(this);
    // Also told of refused text set from code, which is kept; only the
    // user, typing into the field, is told.
    connect(&Edit, &QLineEdit::inputRejected, this, [this] {
        if (this->Edit().hasFocus())
            Refuse();
    });
    connect(&Edit, &QLineEdit::textChanged, this, [this](const QString& Text) { TakeValueOf(Text); });
}

TNumberField* TNumberField::Of(const QLineEdit& Edit)
{
    return qobject_cast<TNumberField*>(const_cast<QValidator*>(Edit.validator()));
}

QLineEdit& TNumberField::Edit() const { return *static_cast<QLineEdit*>(parent()); }

void TNumberField::SetRange(int32_t Min, int32_t Max)
{
    Min_ = Min;
    Max_ = Max;
    Value_ = Clamped(Value_);
    TakeValueOf(Edit().text());
}

void TNumberField::SetStep(int32_t Step)
{
    Step_ = std::max(Step, 1);
    Value_ = Clamped(Value_);
    TakeValueOf(Edit().text());
}

void TNumberField::SetEmptyAllowed(bool EmptyAllowed)
{
    EmptyAllowed_ = EmptyAllowed;
    EmptyInEffect_ = false;
    TakeValueOf(Edit().text());
}

void TNumberField::TakeValueOf(const QString& Text)
{
    const QString ascii = AsciiDigitsAndSigns(Text);
    if (ascii.isEmpty()) {
        EmptyInEffect_ = EmptyAllowed_;
        return;
    }
    const std::optional<TWholeNumber> number = ReadWholeNumber(ascii);
    if (!number)
        return;
    // A number on its way to one of the field's is not yet a value.
    if (!IsValue(number->Signed()) && MayGrowInto(*number, Min_, Max_, Step_))
        return;
    Value_ = Clamped(number->Signed());
    EmptyInEffect_ = false;
}

QString TNumberField::TextInEffect() const { return EmptyInEffect_ ? QString() : QString::number(Value_); }

bool TNumberField::IsValue(int64_t Number) const
{
    return Number >= Min_ && Number <= Max_ && (Number - Min_) % Step_ == 0;
}

int32_t TNumberField::Clamped(int64_t Number) const
{
    // Not std::clamp: while a range is being set its limits may cross.
    if (Number < Min_)
        return Min_;
    if (Number > Max_)
        Number = Max_;
    return static_cast<int32_t>(Min_ + (Number - Min_) / Step_ * Step_);
}

std::optional<int32_t> TNumberField::ValueOf(const QString& Text) const
{
    const std::optional<TWholeNumber> number = ReadWholeNumber(AsciiDigitsAndSigns(Text));
    if (!number || !IsValue(number->Signed()))
        return std::nullopt;
    return static_cast<int32_t>(number->Signed());
}

bool TNumberField::HoldsValue() const
{
    const QString text = Edit().text();
    return text.isEmpty() ? EmptyAllowed_ : ValueOf(text).has_value();
}

QValidator::State TNumberField::validate(QString& Input, int&) const
{
    // The forms map one character to one, so the cursor stays where it is.
    Input = AsciiDigitsAndSigns(std::move(Input));
    if (Input.isEmpty())
        return EmptyAllowed_ ? Acceptable : Intermediate;
    // A minus only where the range has negative numbers.
    if (Input.front() == u'-' && Min_ >= 0)
        return Invalid;
    if (Input == u"-" || Input == u"+")
        return Intermediate;
    const std::optional<TWholeNumber> number = ReadWholeNumber(Input);
    if (!number)
        return Invalid;
    if (IsValue(number->Signed()))
        return Acceptable;
    return MayGrowInto(*number, Min_, Max_, Step_) ? Intermediate : Invalid;
}

bool TNumberField::Settle()
{
    if (HoldsValue())
        return true;
    Edit().setText(TextInEffect());
    Refuse();
    return false;
}

bool TNumberField::Confirm()
{
    if (HoldsValue())
        return true;
    Edit().setFocus();
    Edit().selectAll();
    Refuse();
    return false;
}

QString TNumberField::Hint() const
{
    if (Step_ == 1)
        return QStringLiteral("%1 から %2 までの数を入力してください。").arg(Min_).arg(Max_);
    QStringList numbers;
    for (int64_t number = Min_; number <= Max_; number += Step_)
        numbers.append(QString::number(number));
    return numbers.join(QStringLiteral("、")) + QStringLiteral(" のいずれかを入力してください。");
}

void TNumberField::Refuse()
{
    Beep();
    ShowHint();
}

// A label of the field's own rather than a tool tip: the click that left
// the field would take a tool tip away at once.
void TNumberField::ShowHint()
{
    if (!Hint_) {
        Hint_ = new QLabel(&Edit(), Qt::ToolTip);
        Hint_->setPalette(QToolTip::palette());
        Hint_->setForegroundRole(QPalette::ToolTipText);
        Hint_->setBackgroundRole(QPalette::ToolTipBase);
        Hint_->setAutoFillBackground(true);
        Hint_->setFrameStyle(QFrame::Box | QFrame::Plain);
        Hint_->setMargin(2);
        HintTimer_ = new QTimer(this);
        HintTimer_->setSingleShot(true);
        connect(HintTimer_, &QTimer::timeout, Hint_, &QWidget::hide);
    }
    Hint_->setText(Hint());
    Hint_->adjustSize();
    Hint_->move(Edit().mapToGlobal(QPoint(0, Edit().height())));
    Hint_->show();
    HintTimer_->start(HintMilliseconds);
}

bool TNumberField::eventFilter(QObject* Watched, QEvent* Event)
{
    // The edit being destroyed is one no longer (it loses the focus then).
    if (!qobject_cast<QLineEdit*>(Watched))
        return false;
    if (Event->type() == QEvent::InputMethod) {
        CatchExceptions([&] { TakeInputMethodEvent(*static_cast<QInputMethodEvent*>(Event)); });
        return true;
    }
    // Not while the window is in the background or a menu of the field is
    // open: the user has not left the field.
    if (Event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(Event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            CatchExceptions([this] { Settle(); });
    }
    return false;
}

void TNumberField::TakeInputMethodEvent(QInputMethodEvent& Event)
{
    QLineEdit& edit = Edit();
    // Composing removes the selected text the composition is to replace.
    if (!Composing_)
        BeforeComposing_ = {edit.text(), edit.cursorPosition(), edit.selectionStart(),
                            static_cast<int>(edit.selectedText().size())};
    const QString textBefore = edit.text();
    Composing_ = !Event.preeditString().isEmpty();
    edit.event(&Event);
    if (Composing_ || edit.text() != textBefore || edit.text() == BeforeComposing_.Text)
        return;
    const TEditState& before = BeforeComposing_;
    edit.setText(before.Text);
    if (before.SelectionStart >= 0)
        edit.setSelection(before.SelectionStart, before.SelectionLength);
    else
        edit.setCursorPosition(before.Cursor);
}
