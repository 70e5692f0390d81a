// Number fields as Japanese users type into them. With the input method's
// Japanese mode on (its usual state) a digit comes as a full-width "４" and
// a minus as the long-vowel mark "ー". A number field takes the full-width
// digits and minus signs as their ASCII forms, whichever way the text
// arrives: typed keys, an input method's commit, paste or drop.
//
// A field takes only the whole numbers of its range (where it has a step,
// every step-th from the lowest):
// - A change after which the text can no longer become one (a letter, a
//   minus where the range has no negative numbers, a number past a limit
//   or between two steps) is refused with a beep and a hint that names the
//   range (or the numbers of the steps). An input
//   method's refused commit leaves the field as it was before the
//   composition began.
// - A field left holding no number of its range (emptied, or a number typed
//   on the way to another) shows the value in effect again, with the same
//   beep and hint. The value in effect is the last number of the range the
//   field held; a number past a limit set from code counts as that limit,
//   one between two steps as the lower.
// - A field confirmed (its dialog's OK) holding no number of its range is
//   refused with the beep and the hint, and what was typed stays, selected,
//   to be corrected.
// So the field never shows a number other than the one in effect once it is
// left, what is read from it is always that number, and it is never left
// empty to be read as 0.
#pragma once

#include <QString>
#include <QValidator>
#include <cstdint>
#include <optional>
#include <string_view>

class QInputMethodEvent;
class QLabel;
class QLineEdit;
class QTimer;

// Text with the full-width digits "０" to "９" as ASCII digits, "＋" as
// "+", and "－", the minus sign "−" and the long-vowel mark "ー" as "-";
// every other character as it is.
QString AsciiDigitsAndSigns(QString Text);

// A sign and digits, or digits alone, of any length.
bool IsWholeNumber(const QString& Text);

// The number an input box's Shift-JIS text holds as a person types it:
// full-width digits and signs count, blanks around it are left out. 0 when
// it holds no number of 32 bits.
int32_t TypedNumberOr0(std::string_view Sjis);

class TNumberField : public QValidator {
    Q_OBJECT

public:
    // Makes Edit a number field of Min..Max; the field goes with Edit. A
    // text set from code is kept as it is, apart from the full-width forms.
    TNumberField(QLineEdit& Edit, int32_t Min, int32_t Max);
    // The number field Edit was made, or null.
    static TNumberField* Of(const QLineEdit& Edit);

    int32_t Min() const { return Min_; }
    int32_t Max() const { return Max_; }
    void SetRange(int32_t Min, int32_t Max);
    // Only Min, Min + Step, Min + 2 * Step ... count; the hint names each,
    // so a field of a few numbers only.
    void SetStep(int32_t Step);
    // Whether an empty field is a value of its own, never filled in.
    void SetEmptyAllowed(bool EmptyAllowed);

    // The value in effect: the last number of the range the text held (an
    // empty text where empty is a value leaves it as it was).
    int32_t Value() const { return Value_; }
    // Whether the text is a number of the range (or empty where allowed).
    bool HoldsValue() const;
    // What leaving the field does: a text that is no value of the range
    // gives way to the value in effect, with the beep and the hint. Whether
    // the text was a value.
    bool Settle();
    // What confirming the field's dialog does: a text that is no value of
    // the range is refused with the beep and the hint, and stays, focused
    // and selected. Whether the text was a value.
    bool Confirm();
    // The hint a refusal shows: "1 から 30 までの数を入力してください。",
    // with a step "2、4、6、8 のいずれかを入力してください。"
    QString Hint() const;

    State validate(QString& Input, int& Pos) const override;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    struct TEditState {
        QString Text;
        int Cursor = 0;
        int SelectionStart = -1;
        int SelectionLength = 0;
    };

    QLineEdit& Edit() const;
    std::optional<int32_t> ValueOf(const QString& Text) const;
    // The text shown for the value in effect.
    QString TextInEffect() const;
    bool IsValue(int64_t Number) const;
    // Follows a new text: a number of the range, an empty text where empty
    // is a value, or a number past a limit that no typing could have given.
    void TakeValueOf(const QString& Text);
    // Number within the range, on the step at or below it.
    int32_t Clamped(int64_t Number) const;
    void Refuse();
    void ShowHint();
    // Lets the edit take an input method's event; a commit that put
    // nothing in, or a composition given up, restores the field as it was
    // before the composition began.
    void TakeInputMethodEvent(QInputMethodEvent& Event);

    int32_t Min_;
    int32_t Max_;
    int32_t Step_ = 1;
    int32_t Value_ = 0;
    bool EmptyAllowed_ = false;
    // The empty text is the value in effect (only where empty is a value).
    bool EmptyInEffect_ = false;
    bool Composing_ = false;
    TEditState BeforeComposing_;
    QLabel* Hint_ = nullptr;
    QTimer* HintTimer_ = nullptr;
};
