// Line extraction: the dialog "検索行抽出" asks for the words, and the
// command appends to the selection the selected lines that hold them all.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

class IOutlineHost;
class QComboBox;
class QPushButton;

class TFindLineForm : public QDialog {
public:
    // Reads the word lists entered before from the settings file; shows
    // centred on Owner.
    explicit TFindLineForm(QWidget* Owner = nullptr);

    // The words confirmed (Shift-JIS).
    const std::string& Words() const { return Words_; }
    // Enters the box's text at the top of the history and writes the
    // history; closes with result 1.
    void OKButtonClick();

    QComboBox* ComboBox1;
    QPushButton* OKButton;
    QPushButton* CanButton;

protected:
    // Esc closes with result 2.
    void reject() override;

private:
    std::vector<std::string> History_;
    std::string Words_;
};

// "検索行抽出(&L)" of the main window Owner: refused in the browse view's
// pane.
void FdExtractLineClick(IOutlineHost& Host, QWidget& Owner);
