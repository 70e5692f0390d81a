#include "VerForm.h"

#include "DialogFrame.h"
#include "ExceptionHandler.h"
#include "FileNameField.h"
#include "FileUrl.h"
#include "Paths.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// The address the link label shows: the folder where the program keeps
// its settings and word lists, as it reads.
QString ProgramFolderText() { return QUrl::fromLocalFile(ShownName(ProgramFolder())).toString(); }

} // namespace

TVerForm::TVerForm(std::function<bool(const QUrl&)> OpenUrl, QWidget* Parent)
    : QDialog(Parent), OpenUrl_(std::move(OpenUrl))
{
    setWindowTitle(QStringLiteral("About Velk2000"));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    auto* layout = new QVBoxLayout(this);
    Image1 = new QLabel(QStringLiteral("Velk2000"), this);
    Image1->setStyleSheet(QStringLiteral("font-size: 28pt; font-weight: bold; color: navy;"));
    LbVersion = new QLabel(QString::fromUtf8("Ver 1.93.1β"), this);
    LbVersion->setStyleSheet(QStringLiteral("font-weight: bold; color: blue;"));
    auto* caption = new QLabel(QString::fromUtf8("日本語テキストのアウトラインプロセッサ"), this);
    caption->setStyleSheet(QStringLiteral("font-weight: bold;"));
    lbURL = new QLabel(ProgramFolderText(), this);
    lbURL->setStyleSheet(QStringLiteral("font-weight: bold; color: darkcyan;"));
    lbURL->setCursor(Qt::PointingHandCursor);
    lbURL->installEventFilter(this);
    OKBtn = new QPushButton(QString::fromUtf8("ＯＫ！"), this);
    OKBtn->setDefault(true);
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    for (QWidget* widget : {static_cast<QWidget*>(Image1), static_cast<QWidget*>(LbVersion),
                            static_cast<QWidget*>(caption), static_cast<QWidget*>(lbURL)})
        layout->addWidget(widget, 0, Qt::AlignHCenter);
    layout->addWidget(OKBtn, 0, Qt::AlignHCenter);
    SetDialogFrame(*this, TDialogBorder::Fixed);
}

void TVerForm::lbURLMouseDown()
{
    lbURL->setStyleSheet(QStringLiteral("font-weight: bold; color: teal;"));
    lbURL->repaint();
    OpenUrl_(FileUrl(ProgramFolder()));
}

bool TVerForm::eventFilter(QObject* Watched, QEvent* Event)
{
    if (Watched == lbURL && Event->type() == QEvent::MouseButtonPress)
        CatchExceptions([this] { lbURLMouseDown(); });
    return QDialog::eventFilter(Watched, Event);
}
