// The about box: the product name, the version, a line on what the
// program is, and a link label that opens its address.
#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;
class QUrl;

class TVerForm : public QDialog {
public:
    // OpenUrl opens the link label's address.
    explicit TVerForm(std::function<bool(const QUrl&)> OpenUrl, QWidget* Parent = nullptr);

    QLabel* Image1 = nullptr;
    QLabel* LbVersion = nullptr;
    QLabel* lbURL = nullptr;
    QPushButton* OKBtn = nullptr;

    // A press on the link label: it turns teal and its address opens.
    void lbURLMouseDown();

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    std::function<bool(const QUrl&)> OpenUrl_;
};
