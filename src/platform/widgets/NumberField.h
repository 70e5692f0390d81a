// Number fields as Japanese users type into them. With the input method's
// Japanese mode on (its usual state) a digit comes as a full-width "４".
// A number field takes full-width digits and signs as their ASCII forms,
// whichever way the text arrives: typed keys, an input method's commit,
// paste or drop. A change that would leave a text the field does not take
// is refused with a beep, so the field never shows a number other than the
// one it gives.
#pragma once

#include <QString>
#include <functional>

class QLineEdit;

// Text with the full-width digits "０" to "９", "＋", "－" and the minus sign
// "−" as their ASCII forms; every other character as it is.
QString AsciiDigitsAndSigns(QString Text);

// Whether Text is a whole number or on its way to one: an optional sign,
// then digits ("", "-" and "12" are; "1-2" and "a" are not).
bool IsPartialInteger(const QString& Text);

// Makes Edit a number field that holds only texts Takes accepts (after the
// full-width forms became ASCII). A text set from code is kept as it is,
// apart from those forms.
void MakeNumberField(QLineEdit& Edit, std::function<bool(const QString&)> Takes);
