// The clipboard: the selection as plain text (CP932 and LF line ends at the
// edge), a box selection also in the box format "TEditor Box Type", whose
// presence tells a paste to insert the text as a box. Text that comes from
// outside (a paste, the input method, a key's text) is converted once, and
// the characters Shift-JIS cannot hold are reported once per action.
#include "EditorBase.h"

#include "EditorLibrary.h"

#include "Clipboard.h"
#include "Cp932.h"
#include "Dialogs.h"
#include "SysUtils.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <memory>

void TEditor::CopyToClipboard()
{
    if (!Selected())
        return;
    const std::string text = SelText();
    auto mime = std::make_unique<QMimeData>();
    mime->setText(ClipboardTextOf(text));
    // The box format holds the same bytes with a NUL; only its presence
    // is read.
    if (SelectionMode_ == TEditorSelectionMode::smBox)
        SetFormatData(*mime, BoxClipboardFormat(), std::string(text) + '\0');
    MarkProgramData(*mime);
    QGuiApplication::clipboard()->setMimeData(mime.release());
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
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    if (ReadOnly_ || !mime || !mime->hasText())
        return;
    int unmapped = 0;
    const std::string text = SjisOfClipboardText(mime->text(), unmapped);
    if (mime->hasFormat(ClipboardFormatMimeType(BoxClipboardFormat())))
        PasteBox(text);
    else
        InsertText(text);
    ReportUnmapped(unmapped);
}

void TEditor::PasteBoxFromClipboard()
{
    if (ReadOnly_)
        return;
    int unmapped = 0;
    PasteBox(SjisOfClipboardText(QGuiApplication::clipboard()->text(), unmapped));
    ReportUnmapped(unmapped);
}

std::string UnmappedCharactersText(int Count)
{
    return Format("Shift-JIS で表せない文字 %d 個を「?」に置き換えました。", Count);
}

void TEditor::ReportUnmapped(int Count)
{
    if (Count <= 0)
        return;
    if (OnUnmappedCharacters)
        OnUnmappedCharacters(this, Count);
    else
        MessageDlg(UnmappedCharactersText(Count), TMsgDlgType::mtWarning, {TMsgDlgBtn::mbOK});
}
