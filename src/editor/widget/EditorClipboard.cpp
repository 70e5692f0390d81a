// The clipboard: the selection as plain text (CP932 converted at the edge),
// a box selection also in the box format "TEditor Box Type", whose presence
// tells a paste to insert the text as a box.
#include "EditorBase.h"

#include "edLibrary.h"

#include "Clipboard.h"
#include "Cp932.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <memory>

void TEditor::CopyToClipboard()
{
    if (!Selected())
        return;
    const std::string text = SelText();
    auto data = std::make_unique<QMimeData>();
    data->setText(QString::fromStdU16String(SjisToUtf16(text)));
    // The box format holds the same bytes with a NUL; only its presence
    // is read.
    if (SelectionMode_ == TEditorSelectionMode::smBox)
        SetFormatData(*data, BoxClipboardFormat(), std::string(text) + '\0');
    QGuiApplication::clipboard()->setMimeData(data.release());
}

void TEditor::CutToClipboard()
{
    if (!Selected() || ReadOnly_)
        return;
    CopyToClipboard();
    DeleteSelection();
}

void TEditor::PasteFromClipboard()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    if (ReadOnly_ || !data || !data->hasText())
        return;
    const std::string text = Utf16ToSjis(data->text().toStdU16String());
    if (data->hasFormat(ClipboardFormatMimeType(BoxClipboardFormat())))
        PasteBox(text);
    else
        InsertText(text);
}
