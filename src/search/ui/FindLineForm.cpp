#include "FindLineForm.h"

#include "Cp932.h"
#include "Dialogs.h"
#include "EditorEx.h"
#include "ExceptionHandler.h"
#include "HourGlass.h"
#include "IniFiles.h"
#include "LineExtract.h"
#include "OutlineHost.h"
#include "SearchMessages.h"
#include "SubIni.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kOk = 1;
constexpr int kCancel = 2;

QString Utf(const std::string& Sjis) { return QString::fromStdString(SjisToUtf8(Sjis)); }

} // namespace

TFindLineForm::TFindLineForm(QWidget* Owner)
    : QDialog(Owner), ComboBox1(new QComboBox(this)), OKButton(new QPushButton(QString::fromUtf8("OK！"), this)),
      CanButton(new QPushButton(QString::fromUtf8("CanCel"), this)),
      History_(ReadLineHistory(TIniFile(SettingsFilePath())))
{
    setObjectName("FindLineForm");
    setWindowTitle(QString::fromUtf8("検索行抽出"));
    ComboBox1->setObjectName("ComboBox1");
    ComboBox1->setEditable(true);
    // The history is the dialog's own: typing neither completes from it
    // nor adds to it.
    ComboBox1->setCompleter(nullptr);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    for (const std::string& entry : History_)
        ComboBox1->addItem(Utf(entry));
    ComboBox1->setEditText(History_.empty() ? QString() : Utf(History_.front()));
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    CanButton->setObjectName("CanButton");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CanButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ComboBox1);
    layout->addLayout(buttons);
    connect(OKButton, &QPushButton::clicked, this, [this] { CatchExceptions([this] { OKButtonClick(); }); });
    connect(CanButton, &QPushButton::clicked, this, [this] { done(kCancel); });
}

void TFindLineForm::OKButtonClick()
{
    bool lossless = true;
    const std::string text = Utf16ToSjis(ComboBox1->currentText().toStdU16String(), &lossless);
    if (!lossless) {
        MessageDlg(searchmsg::TextRefusal, TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
        return;
    }
    if (!text.empty())
        EnterLineHistory(History_, text);
    Words_ = text;
    try {
        TIniFile file(SettingsFilePath());
        WriteLineHistory(file, History_);
    } catch (const EIniFileException& E) {
        // The extraction still runs; only the history is not kept.
        MessageDlg(E.Message(), TMsgDlgType::mtError, {TMsgDlgBtn::mbOK});
    }
    done(kOk);
}

void TFindLineForm::reject() { done(kCancel); }

void FdExtractLineClick(IOutlineHost& Host, QWidget& Owner)
{
    if (Host.BrowseViewOn() && Host.SecondEditor() != nullptr && Host.ActiveEditor() == Host.SecondEditor()) {
        MessageDlg("閲覧画面では機能しません！", TMsgDlgType::mtWarning, {TMsgDlgBtn::mbOK});
        return;
    }
    TFindLineForm form(&Owner);
    if (ShowModal(form) != kOk || form.Words().empty())
        return;
    TEditorEx& editor = *Host.ActiveEditor();
    if (editor.SelLength() == 0)
        return;
    const THourGlass hourGlass;
    const std::string result = ExtractLines(editor.SelText(), form.Words());
    if (!result.empty())
        editor.SetSelText(result);
}
