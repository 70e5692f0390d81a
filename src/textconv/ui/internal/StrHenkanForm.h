// "文字列変換": the chooser of the width, case, kana, numeral and
// sentence-style conversions, coloured by kind.
#pragma once

#include "ChooserForm.h"

class TStrHenkanForm : public TChooserForm {
public:
    explicit TStrHenkanForm(QWidget* Parent = nullptr);
};
