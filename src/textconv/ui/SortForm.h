// "ソート": the key column and the direction of the line sort.
#pragma once

#include <QDialog>

class QButtonGroup;
class QLineEdit;
class QPushButton;

// The last confirmed choice, kept for the run.
struct TSortChoice {
    int SortPosition = 1;
    int SortDirection = 0; // 0 ascending, 1 descending
    bool SortPositionEmpty = false;
};
TSortChoice& SortChoice();

class TSortForm : public QDialog {
public:
    explicit TSortForm(QWidget* Parent = nullptr);

    QLineEdit* Edit1 = nullptr;
    QButtonGroup* RadioGroup1 = nullptr;
    QPushButton* OKButton = nullptr;
    QPushButton* CancelButton = nullptr;

    // Keeps the choice and closes with mrOk; a column that is no number of
    // the range is refused with the range, and the dialog stays open.
    void OKButtonClick();

protected:
    void showEvent(QShowEvent* Event) override;
};
