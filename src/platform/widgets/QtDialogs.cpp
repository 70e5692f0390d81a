#include "QtDialogs.h"

#include "QtColor.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeView>
#include <algorithm>

namespace {

QString ToQString(const std::string& Utf8) { return QString::fromStdString(Utf8); }

// Message texts break lines with CR LF; a Qt label wants LF alone.
QString MessageText(const std::string& Utf8)
{
    return ToQString(Utf8).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// The window a dialog belongs to: the active one, or, while the window
// manager has not activated the main window yet, the first visible main
// window, so that a box asked right after the start stands over it.
QWidget* ActiveWindow()
{
    if (QWidget* active = QApplication::activeWindow())
        return active;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->windowType() == Qt::Window)
            return window;
    return nullptr;
}

struct TButtonLook {
    TMsgDlgBtn Button;
    const char* Caption;
    QMessageBox::ButtonRole Role;
    QKeySequence Key; // typed alone, it presses the button
};

// In the order a box shows them.
const TButtonLook kButtons[] = {
    {TMsgDlgBtn::mbYes, "はい", QMessageBox::YesRole, QKeySequence(Qt::Key_Y)},
    {TMsgDlgBtn::mbNo, "いいえ", QMessageBox::NoRole, QKeySequence(Qt::Key_N)},
    {TMsgDlgBtn::mbOK, "OK", QMessageBox::AcceptRole, QKeySequence()},
    {TMsgDlgBtn::mbCancel, "キャンセル", QMessageBox::RejectRole, QKeySequence()},
    {TMsgDlgBtn::mbAll, "すべて", QMessageBox::AcceptRole, QKeySequence(Qt::Key_A)},
};

// A plain box, which names no type, takes the title of the window it stands
// over (the key dialog's "キーカスタマイズ").
QString TypeCaption(TMsgDlgType Type, const QWidget* Over)
{
    switch (Type) {
    case TMsgDlgType::mtWarning: return QStringLiteral("警告");
    case TMsgDlgType::mtError: return QStringLiteral("エラー");
    case TMsgDlgType::mtInformation: return QStringLiteral("情報");
    case TMsgDlgType::mtConfirmation: return QStringLiteral("確認");
    case TMsgDlgType::mtCustom: break;
    }
    return Over && !Over->windowTitle().isEmpty() ? Over->windowTitle() : QGuiApplication::applicationDisplayName();
}

QMessageBox::Icon TypeIcon(TMsgDlgType Type)
{
    switch (Type) {
    case TMsgDlgType::mtWarning: return QMessageBox::Warning;
    case TMsgDlgType::mtError: return QMessageBox::Critical;
    case TMsgDlgType::mtInformation: return QMessageBox::Information;
    case TMsgDlgType::mtConfirmation: return QMessageBox::Question;
    case TMsgDlgType::mtCustom: break;
    }
    return QMessageBox::NoIcon;
}

TDialogAnswer AskMessage(const TDialogQuestion& Question)
{
    QWidget* over = ActiveWindow();
    QMessageBox box(over);
    box.setWindowTitle(TypeCaption(Question.Type, over));
    box.setIcon(TypeIcon(Question.Type));
    box.setTextFormat(Qt::PlainText);
    box.setText(MessageText(Question.Text));
    const TMsgDlgButtons buttons = Question.Buttons.Empty() ? TMsgDlgButtons{TMsgDlgBtn::mbOK} : Question.Buttons;
    const std::optional<TMsgDlgBtn> returnButton = ReturnButton(Question);
    std::vector<std::pair<QAbstractButton*, TModalResult>> results;
    QPushButton* byDefault = nullptr;
    QPushButton* escape = nullptr;
    QPushButton* no = nullptr;
    QPushButton* ok = nullptr;
    for (const TButtonLook& look : kButtons) {
        if (!buttons.Contains(look.Button))
            continue;
        const auto named = std::find_if(Question.Captions.begin(), Question.Captions.end(),
                                        [&](const auto& Caption) { return Caption.first == look.Button; });
        // A letter would press a button that does not show it.
        const bool ownWords = named != Question.Captions.end();
        QPushButton* button =
            box.addButton(ownWords ? ToQString(named->second) : QString::fromUtf8(look.Caption), look.Role);
        if (!ownWords && !look.Key.isEmpty())
            button->setShortcut(look.Key);
        results.emplace_back(button, ModalResultOf(look.Button));
        if (look.Button == TMsgDlgBtn::mbCancel)
            escape = button;
        else if (look.Button == TMsgDlgBtn::mbNo)
            no = button;
        else if (look.Button == TMsgDlgBtn::mbOK)
            ok = button;
        if (returnButton == look.Button)
            byDefault = button;
    }
    box.setDefaultButton(byDefault);
    box.setEscapeButton(escape ? escape : no ? no : ok);
    if (Question.TopCentre) {
        box.adjustSize();
        box.move(Question.TopCentre->x() - box.width() / 2, Question.TopCentre->y());
    }
    box.exec();
    for (const auto& [button, result] : results)
        if (box.clickedButton() == button)
            return {.Result = result};
    return {.Result = escape ? mrCancel : no ? mrNo : mrOk};
}

TDialogAnswer AskInput(const TDialogQuestion& Question)
{
    QInputDialog dialog(ActiveWindow());
    dialog.setWindowTitle(ToQString(Question.Caption));
    dialog.setLabelText(ToQString(Question.Text));
    dialog.setTextValue(ToQString(Question.Value));
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("キャンセル"));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return {.Result = mrOk, .Values = {dialog.textValue().toStdString()}};
}

// Qt's file list writes folders as "Folder", dates in the system's
// locale, and names a type it does not know after its extension ("vk2
// File"); a Japanese user reads "フォルダー", Japanese dates and the
// document type name the desktop's file managers show.
class TJapaneseFileColumns : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& Index, int Role) const override
    {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (Role != Qt::DisplayRole || !files || (Index.column() != kType && Index.column() != kDate))
            return QIdentityProxyModel::data(Index, Role);
        const QFileInfo info = files->fileInfo(mapToSource(Index));
        if (Index.column() == kDate)
            return QLocale().toString(info.lastModified(), QLocale::ShortFormat);
        if (info.isDir())
            return QStringLiteral("フォルダー");
        if (info.suffix().compare(QStringLiteral("vk2"), Qt::CaseInsensitive) == 0)
            return QStringLiteral("Velk2000File");
        return QIdentityProxyModel::data(Index, Role);
    }

private:
    static constexpr int kType = 2;
    static constexpr int kDate = 3;
};

// Qt sizes the Size, Type and Date columns for short English words;
// Japanese headers, type names and dates need more.
void WidenColumns(QFileDialog& Dialog)
{
    auto* details = Dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    if (!details)
        return;
    const QFontMetrics metrics(details->font());
    const int padding = 3 * metrics.averageCharWidth();
    QHeaderView* header = details->header();
    header->resizeSection(1, metrics.horizontalAdvance(QStringLiteral("1,023.99 KiB")) + padding);
    header->resizeSection(2, metrics.horizontalAdvance(QStringLiteral("テキスト ドキュメント")) + padding);
    header->resizeSection(3, metrics.horizontalAdvance(QStringLiteral("2026/12/31 23:59")) + padding);
}

TDialogAnswer AskFile(const TDialogQuestion& Question)
{
    const bool save = Question.Kind == TDialogKind::SaveFile;
    QFileDialog dialog(ActiveWindow(), ToQString(Question.Caption), ToQString(Question.InitialDir));
    dialog.setProxyModel(new TJapaneseFileColumns(&dialog));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save                   ? QFileDialog::AnyFile
                       : Question.MultiSelect ? QFileDialog::ExistingFiles
                                              : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !Question.OverwritePrompt);
    const QStringList filters = QtNameFilters(Question.Filter);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    if (!Question.Value.empty())
        dialog.selectFile(ToQString(Question.Value));
    dialog.setLabelText(QFileDialog::Accept, save ? QStringLiteral("保存") : QStringLiteral("開く"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("キャンセル"));
    WidenColumns(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    TDialogAnswer answer{.Result = mrOk};
    for (const QString& file : dialog.selectedFiles())
        answer.Values.push_back(file.toStdString());
    return answer;
}

TDialogAnswer AskFolder(const TDialogQuestion& Question)
{
    const QString folder =
        QFileDialog::getExistingDirectory(ActiveWindow(), ToQString(Question.Caption), ToQString(Question.Value));
    if (folder.isEmpty())
        return {};
    return {.Result = mrOk, .Values = {folder.toStdString()}};
}

TDialogAnswer AskColor(const TDialogQuestion& Question)
{
    const QColor chosen =
        QColorDialog::getColor(ColorToQColor(Question.Color, clBlack), ActiveWindow(), QStringLiteral("色の設定"));
    if (!chosen.isValid())
        return {};
    return {.Result = mrOk, .Color = RGB(chosen.red(), chosen.green(), chosen.blue())};
}

TDialogAnswer RunForm(const TDialogQuestion& Question)
{
    const int result = Question.Form->exec();
    return {.Result = result == QDialog::Rejected ? mrCancel : result};
}

class TQtDialogs : public TDialogHook {
public:
    TDialogAnswer Ask(const TDialogQuestion& Question) override
    {
        switch (Question.Kind) {
        case TDialogKind::Message: return AskMessage(Question);
        case TDialogKind::Input: return AskInput(Question);
        case TDialogKind::OpenFile:
        case TDialogKind::SaveFile: return AskFile(Question);
        case TDialogKind::Folder: return AskFolder(Question);
        case TDialogKind::Color: return AskColor(Question);
        case TDialogKind::Form: return RunForm(Question);
        }
        return {};
    }
};

// Adds Pattern, and its lower- and upper-case forms, to Patterns once each.
void AddPattern(QStringList& Patterns, const QString& Pattern)
{
    const QString all = Pattern == QStringLiteral("*.*") ? QStringLiteral("*") : Pattern;
    for (const QString& form : {all, all.toLower(), all.toUpper()})
        if (!Patterns.contains(form))
            Patterns.append(form);
}

} // namespace

TDialogHook& QtDialogs()
{
    static TQtDialogs dialogs;
    return dialogs;
}

QStringList QtNameFilters(std::string_view Filter)
{
    const QStringList parts = QString::fromUtf8(Filter.data(), static_cast<qsizetype>(Filter.size())).split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(u';', Qt::SkipEmptyParts))
            AddPattern(patterns, pattern.trimmed());
        if (!patterns.isEmpty())
            filters.append(parts[i] + QStringLiteral(" (") + patterns.join(u' ') + u')');
    }
    return filters;
}
