// The line sort's question: the key column and the direction. Its answers
// outlive it in the three variables below, which the sort command reads.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;
class QRadioButton;

// The column typed (1 when it is not a number), 0 ascending or 1
// descending, and whether the column was left empty.
extern int SortPosition;
extern int SortDirection;
extern bool SortPositionEmpty;

class TSortForm : public QDialog {
public:
    explicit TSortForm(QWidget* Parent = nullptr);

    QLineEdit* Edit1 = nullptr;
    QRadioButton* Ascending = nullptr;
    QRadioButton* Descending = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

private:
    void OKButtonClick();
};
