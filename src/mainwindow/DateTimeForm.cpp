#include "DateTimeForm.h"

#include "Cp932.h"
#include "DateTimeText.h"
#include "Dialogs.h"
#include "ExceptionHandler.h"
#include "SubIni.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <optional>
#include <utility>

namespace {

struct TPart {
    const char* Code;    // the long code, also the code box's label
    const char* Kigo;    // the text box's label
    const char* NumName; // the boxes' names
    const char* KigoName;
    std::string TSettingsVars::TIME::*NumValue;
    std::string TSettingsVars::TIME::*KigoValue;
};

using T = TSettingsVars::TIME;
const TPart Parts[6] = {
    {"yyyy", "年", "EdYearNum", "EdYearKigo", &T::Year, &T::YearK},
    {"mm", "月", "EdMonthNum", "EdMonthKigo", &T::Month, &T::MonthK},
    {"dd", "日", "EdDayNum", "EdDayKigo", &T::Day, &T::DayK},
    {"hh", "時", "EdHourNum", "EdHourKigo", &T::Hour, &T::HourK},
    {"nn", "分", "EdMinNum", "EdMinKigo", &T::Min, &T::MinK},
    {"ss", "秒", "EdSecNum", "EdSecKigo", &T::Sec, &T::SecK},
};

bool IsEnterPress(const QEvent& Event)
{
    if (Event.type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent&>(Event).key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

QString Text(const std::string& Sjis) { return QString::fromStdString(SjisToUtf8(Sjis)); }

} // namespace

TDateTimeForm::TDateTimeForm(QWidget* Parent) : QDialog(Parent)
{
    setWindowTitle(QStringLiteral("日付・時刻の設定"));
    auto* layout = new QGridLayout(this);
    const TSettingsVars::TIME& ime = SettingsVars.IME;
    for (size_t i = 0; i < std::size(Parts); ++i) {
        const TPart& part = Parts[i];
        const int row = static_cast<int>(i);
        const auto edit = [&](const char* Name, const std::string& Value, const char* Label, int Column) {
            auto* box = new QLineEdit(Text(Value), this);
            box->setObjectName(QString::fromLatin1(Name));
            box->installEventFilter(this);
            layout->addWidget(box, row, Column);
            layout->addWidget(new QLabel(QString::fromUtf8(Label), this), row, Column + 1);
            return box;
        };
        NumEdits[i] = edit(part.NumName, ime.*part.NumValue, part.Code, 0);
        KigoEdits[i] = edit(part.KigoName, ime.*part.KigoValue, part.Kigo, 2);
    }
    const auto check = [&](const char* Caption, bool Value, int Row) {
        auto* box = new QCheckBox(QString::fromUtf8(Caption), this);
        box->setChecked(Value);
        layout->addWidget(box, 6 + Row / 2, (Row % 2) * 2, 1, 2);
        return box;
    };
    CkBoxZen = check("全角日付", ime.ZenDate, 0);
    CkBoxZenTime = check("全角時刻", ime.ZenTime, 1);
    CkBoxYoubi = check("曜日", ime.Youbi, 2);
    CkBoxEnter = check("改行", ime.Enter, 3);
    OkButton = new QPushButton(QStringLiteral("OK!"), this);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    // Enter moves between the boxes and presses the button that has the
    // focus; it is never OK by default.
    for (QPushButton* button : {OkButton, CancelButton}) {
        button->setAutoDefault(false);
        button->installEventFilter(this);
    }
    layout->addWidget(OkButton, 8, 0, 1, 2);
    layout->addWidget(CancelButton, 8, 2, 1, 2);
    connect(OkButton, &QPushButton::clicked, this, [this] { CatchExceptions([this] { OkButtonClick(); }); });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

bool TDateTimeForm::eventFilter(QObject* Watched, QEvent* Event)
{
    if (auto* button = qobject_cast<QPushButton*>(Watched); button && IsEnterPress(*Event)) {
        button->click();
        return true;
    }
    bool handled = false;
    CatchExceptions([&] {
        for (size_t i = 0; i < std::size(Parts); ++i) {
            const bool code = Watched == NumEdits[i];
            if (!code && Watched != KigoEdits[i])
                continue;
            if (IsEnterPress(*Event)) {
                handled = EnterIn(i, code);
            } else if (Event->type() == QEvent::FocusOut && code) {
                CodeBoxLeft(i);
            }
        }
    });
    return handled || QDialog::eventFilter(Watched, Event);
}

bool TDateTimeForm::EnterIn(size_t Index, bool Code)
{
    if (Code) {
        // A wrong code keeps the focus where it is.
        if (DateCodeAllowed(Parts[Index].Code, NumEdits[Index]->text().toStdString()))
            KigoEdits[Index]->setFocus();
    } else if (Index + 1 < std::size(Parts)) {
        NumEdits[Index + 1]->setFocus();
    } else {
        OkButton->setFocus();
    }
    return true;
}

// A code box left with a code it does not take gets its long code back and
// the focus again. The box is shown after the focus change is complete, so
// that it does not start another one from inside it.
void TDateTimeForm::CodeBoxLeft(size_t Index)
{
    QLineEdit* box = NumEdits[Index];
    if (Checking_ || DateCodeAllowed(Parts[Index].Code, box->text().toStdString()))
        return;
    Checking_ = true;
    QTimer::singleShot(0, this, [this, box, Index] {
        CatchExceptions([&] {
            MessageDlg("入力に間違いがあります！", TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
            box->setText(QString::fromLatin1(Parts[Index].Code));
            box->setFocus();
        });
        Checking_ = false;
    });
}

// Only what every box holds as typed is stored: a wrong code being told
// (the box just left for this button) or a character Shift-JIS cannot hold
// keeps the dialog open.
void TDateTimeForm::OkButtonClick()
{
    if (Checking_)
        return;
    TSettingsVars::TIME ime = SettingsVars.IME;
    for (size_t i = 0; i < std::size(Parts); ++i)
        for (const auto& [box, value] :
             {std::pair(NumEdits[i], Parts[i].NumValue), std::pair(KigoEdits[i], Parts[i].KigoValue)}) {
            const std::optional<std::string> typed = TypedText(box->text().toStdString());
            if (!typed) {
                box->setFocus();
                box->selectAll();
                return;
            }
            ime.*value = *typed;
        }
    ime.ZenDate = CkBoxZen->isChecked();
    ime.ZenTime = CkBoxZenTime->isChecked();
    ime.Youbi = CkBoxYoubi->isChecked();
    ime.Enter = CkBoxEnter->isChecked();
    SettingsVars.IME = ime;
    done(mrOk);
}
