// The shown main window over a three-level outline, driven through its menu
// commands: p0 > (p1 > p2), p3; then p4 at the top level. "foo" is in p0,
// p2 and p4.
#pragma once

#include "FormFixture.h"

#include "NodeData.h"
#include "OutlineBinding.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>

#include <tuple>

inline const std::vector<std::pair<int, std::string>> kPages = {
    {0, "p0\r\nfoo one"}, {1, "p1\r\nno hit"}, {2, "p2 foo\r\nfoo"}, {1, "p3"}, {0, "p4 foo"},
};

struct TDialogInput {
    std::string Find;
    std::string Replacement;
    // Check boxes ("-" first: unchecked) and radio buttons by caption, then
    // the closing button.
    std::vector<const char*> Clicks;
};

class OutlineTest : public FormTest {
protected:
    void SetUp() override { Start(); }
    void Start()
    {
        StartShown();
        TTreeNodes& items = form->DataTree()->Items();
        std::vector<TTreeNode*> parents;
        for (size_t i = 0; i < kPages.size(); ++i) {
            const auto& [level, text] = kPages[i];
            parents.resize(static_cast<size_t>(level));
            TTreeNode* node = i == 0 ? items.Item(0) : items.AddChild(level ? parents.back() : nullptr, "");
            auto data = std::make_unique<TNodeData>();
            data->SetItemStr(text);
            node->SetData(std::move(data));
            node->SetText(text.substr(0, text.find('\r')));
            parents.push_back(node);
        }
        form->Binding().ShowPage(static_cast<TNodeData*>(items.Item(0)->Data()));
        QApplication::processEvents();
    }
    int SelectedIndex() const { return form->DataTree()->Items().Selected()->AbsoluteIndex(); }
    std::string PageText(int Index) const
    {
        if (Node(Index)->Selected())
            return form->DataMemo()->GetText();
        return static_cast<TNodeData*>(Node(Index)->Data())->ItemStr();
    }
    // Every page's title and text, in tree order.
    std::string Outline() const
    {
        std::string outline;
        for (int i = 0; i < form->DataTree()->Items().Count(); ++i)
            outline += Node(i)->Text() + ":" + PageText(i) + "|";
        return outline;
    }
    void Run(const char* Item)
    {
        form->MenuItem(Item)->Click();
        QApplication::processEvents();
    }
    // Answers the next find dialog: fills its boxes, clicks, and closes it.
    void Fill(const TDialogInput& Input)
    {
        dialogs.AnswerForm([Input](QDialog& Dialog) {
            // Typed as keys: the command's walk must not take the dialog's keys.
            for (const auto& [name, text] : {std::pair{"ComboBox1", Input.Find}, {"ComboBox2", Input.Replacement}})
                if (auto* box = Dialog.findChild<QComboBox*>(name)) {
                    box->lineEdit()->clear();
                    QTest::keyClicks(box->lineEdit(), QString::fromStdString(text));
                }
            for (const char* name : Input.Clicks) {
                // A check box is clicked into the state asked: "-" unchecked.
                const bool check = name[0] != '-';
                QAbstractButton* button = ButtonOf(Dialog, check ? name : name + 1);
                if (!button)
                    ADD_FAILURE() << "no " << name;
                else if (!button->isCheckable() || button->isChecked() != check)
                    button->click();
            }
            return Dialog.result();
        });
    }
    // A button by its name, or a radio button by its caption.
    static QAbstractButton* ButtonOf(QDialog& Dialog, const char* Name)
    {
        if (auto* button = Dialog.findChild<QAbstractButton*>(Name))
            return button;
        for (auto* radio : Dialog.findChildren<QRadioButton*>())
            if (radio->text() == QString::fromUtf8(Name))
                return radio;
        return nullptr;
    }
    // Where the walk stands: the page and the caret row and column.
    std::tuple<int, int, int> At() const { return {SelectedIndex(), form->DataMemo()->Row(), form->DataMemo()->Col()}; }
};
