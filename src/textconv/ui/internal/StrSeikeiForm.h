// "文字列整形": the chooser of the line-head inserts, enclosures and
// formattings.
#pragma once

#include "ChooserForm.h"

class TStrSeikeiForm : public TChooserForm {
public:
    explicit TStrSeikeiForm(QWidget* Parent = nullptr);
};
