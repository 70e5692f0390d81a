// "文字列削除": the chooser of the deletions.
#pragma once

#include "ChooserForm.h"

class TStrDelForm : public TChooserForm {
public:
    explicit TStrDelForm(QWidget* Parent = nullptr);
};
