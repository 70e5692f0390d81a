// The question asked when a document file is dropped on the window: read
// it, insert a link to it, or neither.
#pragma once

#include <QDialog>

class QPushButton;

enum class TLinkChoice { Cancel = 0, Load = 1, Link = 2 };

class TLinkForm : public QDialog {
public:
    explicit TLinkForm(QWidget* Parent = nullptr);

    TLinkChoice Choice() const { return Choice_; }

    QPushButton* btnFileLoad = nullptr;
    QPushButton* btnLinkFile = nullptr;
    QPushButton* CanBtn = nullptr;

private:
    TLinkChoice Choice_ = TLinkChoice::Cancel;
};
