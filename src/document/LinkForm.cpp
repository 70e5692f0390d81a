#include "LinkForm.h"

#include "DialogFrame.h"

#include <QHBoxLayout>
#include <QPushButton>

TLinkForm::TLinkForm(QWidget* Parent) : QDialog(Parent)
{
    setWindowTitle(QStringLiteral("vk2file"));
    auto* layout = new QHBoxLayout(this);
    btnFileLoad = new QPushButton(QStringLiteral("ファイルを読み込む"), this);
    btnLinkFile = new QPushButton(QStringLiteral("リンク挿入"), this);
    CanBtn = new QPushButton(QStringLiteral("Cancel"), this);
    for (QPushButton* button : {btnFileLoad, btnLinkFile, CanBtn})
        layout->addWidget(button);
    SetDialogFrame(*this, TDialogBorder::Fixed);
    const auto choose = [this](TLinkChoice Choice) {
        Choice_ = Choice;
        accept();
    };
    connect(btnFileLoad, &QPushButton::clicked, this, [choose] { choose(TLinkChoice::Load); });
    connect(btnLinkFile, &QPushButton::clicked, this, [choose] { choose(TLinkChoice::Link); });
    // Escape rejects as Cancel does.
    connect(CanBtn, &QPushButton::clicked, this, &QDialog::reject);
}
