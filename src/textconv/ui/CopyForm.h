// "原稿用紙換算": the manuscript-paper counts of the page, the page with
// the pages below it and the whole file.
#pragma once

#include <QDialog>

#include <array>
#include <string>

class QLabel;
class QPushButton;

class TCopyForm : public QDialog {
public:
    explicit TCopyForm(QWidget* Parent = nullptr);

    QLabel* LbGPage = nullptr;
    QLabel* LbGPageUnder = nullptr;
    QLabel* LbGFile = nullptr;
    QLabel* LbHPage = nullptr;
    QLabel* LbHPageUnder = nullptr;
    QLabel* LbHFile = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* OkButton = nullptr;
};

// Shows the seven texts (UTF-8) in LbGPage, LbGPageUnder, LbGFile, LbHPage,
// LbHPageUnder, LbHFile and Label2; true when closed with OK.
bool ShowCopyForm(const std::array<std::string, 7>& Texts, QWidget* Parent = nullptr);
