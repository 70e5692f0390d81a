#include "SearchDialog.h"

#include "Cp932.h"
#include "Dialogs.h"
#include "IniFiles.h"
#include "SearchMessages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <string>

namespace {

QString Utf(const std::string& Sjis) { return QString::fromStdString(SjisToUtf8(Sjis)); }

} // namespace

TSearchDialogBase::TSearchDialogBase(QWidget* Parent, const char* Caption, bool WithReplacement) : QDialog(Parent)
{
    setWindowTitle(QString::fromUtf8(Caption));
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    Texts_ = new QGridLayout;
    Options_ = new QVBoxLayout;
    Buttons_ = new QVBoxLayout;
    left->addLayout(Texts_);
    left->addLayout(Options_);
    layout->addLayout(left, 1);
    layout->addLayout(Buttons_);
    ComboBox1 = AddCombo("ComboBox1", "検索する文字列(&T):");
    if (WithReplacement)
        ComboBox2 = AddCombo("ComboBox2", "置換する文字列(&R):");
}

QComboBox* TSearchDialogBase::AddCombo(const char* Name, const char* Caption)
{
    auto* box = new QComboBox(this);
    box->setObjectName(QString::fromUtf8(Name));
    box->setEditable(true);
    // The dialog keeps its own history: nothing typed is added or completed
    // behind its back.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->setMinimumContentsLength(30);
    auto* label = new QLabel(QString::fromUtf8(Caption), this);
    label->setBuddy(box);
    const int row = Texts_->rowCount();
    Texts_->addWidget(label, row, 0);
    Texts_->addWidget(box, row, 1);
    return box;
}

QCheckBox* TSearchDialogBase::AddCheck(const char* Name, const char* Caption)
{
    auto* box = new QCheckBox(QString::fromUtf8(Caption), this);
    box->setObjectName(QString::fromUtf8(Name));
    Options_->addWidget(box);
    return box;
}

TRadioGroup* TSearchDialogBase::AddRadioGroup(const char* Name, const char* Caption,
                                              std::initializer_list<const char*> Items)
{
    QStringList captions;
    for (const char* item : Items)
        captions << QString::fromUtf8(item);
    auto* group = new TRadioGroup(QString::fromUtf8(Caption), captions, this);
    group->setObjectName(QString::fromUtf8(Name));
    Options_->addWidget(group);
    return group;
}

QPushButton* TSearchDialogBase::AddConfirmButton(const char* Name, const char* Caption, int Result)
{
    auto* button = new QPushButton(QString::fromUtf8(Caption), this);
    button->setObjectName(QString::fromUtf8(Name));
    connect(button, &QPushButton::clicked, this, [this, Result] { Confirm(Result); });
    Buttons_->addWidget(button);
    return button;
}

void TSearchDialogBase::AddClosingButtons()
{
    auto* cancel = new QPushButton(QString::fromUtf8("ｷｬﾝｾﾙ"), this);
    cancel->setObjectName("btnCancel");
    connect(cancel, &QPushButton::clicked, this, [this] { done(2); });
    Buttons_->addWidget(cancel);
    auto addClear = [this](const char* Name, const char* Caption, auto Clear) {
        auto* button = new QPushButton(QString::fromUtf8(Caption), this);
        button->setObjectName(QString::fromUtf8(Name));
        connect(button, &QPushButton::clicked, this, Clear);
        Buttons_->addWidget(button);
    };
    addClear("btnFindStrClr", "検索文字列クリア", [this] { ClearCombo(ComboBox1, History_.FindHistory, FindText_); });
    if (ComboBox2)
        addClear("btnRepStrClr", "置換文字列クリア",
                 [this] { ClearCombo(ComboBox2, History_.ReplaceHistory, ReplaceText_); });
    Buttons_->addStretch();
}

void TSearchDialogBase::ClearCombo(QComboBox* Box, std::vector<std::string>& List, std::string& Field)
{
    Box->clear();
    Box->setEditText({});
    List.clear();
    Field.clear();
}

void TSearchDialogBase::FillCombo(QComboBox* Box, const std::string& Passed, const std::vector<std::string>& List)
{
    Box->clear();
    for (const std::string& entry : List)
        Box->addItem(Utf(entry));
    if (!Passed.empty())
        Box->setEditText(Utf(Passed));
    else
        Box->setEditText(List.empty() ? QString() : Utf(List.front()));
}

void TSearchDialogBase::FormShow()
{
    History_ = ReadSearchHistory(TIniFile(SearchHistoryFileName()));
    FillCombo(ComboBox1, FindText_, History_.FindHistory);
    if (ComboBox2)
        FillCombo(ComboBox2, ReplaceText_, History_.ReplaceHistory);
    ComboBox1->setFocus();
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TSearchDialogBase::Confirm(int Result)
{
    bool findLossless = true;
    bool replaceLossless = true;
    const std::string find = Utf16ToSjis(ComboBox1->currentText().toStdU16String(), &findLossless);
    const std::string replacement =
        ComboBox2 ? Utf16ToSjis(ComboBox2->currentText().toStdU16String(), &replaceLossless) : std::string();
    if (!findLossless || !replaceLossless) {
        MessageDlg(searchmsg::TextRefusal, TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
        return;
    }
    FindBoxText_ = find;
    ReplaceBoxText_ = replacement;
    if (!find.empty()) {
        FindText_ = find;
        AddHistoryEntry(History_.FindHistory, find);
    }
    if (ComboBox2 && !replacement.empty()) {
        ReplaceText_ = replacement;
        AddHistoryEntry(History_.ReplaceHistory, replacement);
    }
    SaveOptions();
    try {
        TIniFile file(SearchHistoryFileName());
        WriteHistory(file);
    } catch (const EIniFileException& E) {
        // The search still runs; only the history is not kept.
        TellOnce(E.Message(), TMsgDlgType::mtError);
    }
    done(Result);
}

TSearchOptionWord TSearchDialogBase::CheckedBits(std::initializer_list<std::pair<QCheckBox*, TSearchOptionWord>> Boxes)
{
    TSearchOptionWord bits = 0;
    for (const auto& [box, bit] : Boxes)
        if (box->isChecked())
            bits |= bit;
    return bits;
}
