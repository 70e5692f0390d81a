// Clipping mode: text other programs copy to the clipboard is collected
// into pages, optionally cleaned by the web-text chain. Only the clipboard
// is watched, never the selection, which changes with every mouse
// selection in any program.
#include "Main.h"

#include "Clipboard.h"
#include "Cp932.h"
#include "DockButton.h"
#include "DocumentFiles.h"
#include "EditorEx.h"
#include "EditorQueries.h"
#include "SubIni.h"
#include "TreeView.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

void TVelkForm::BindClippingCommands()
{
    ProgramInFront_ = [] { return QGuiApplication::applicationState() == Qt::ApplicationActive; };
    const auto toggle = [this](std::string_view Name) {
        TMenuItem* item = Menus_.Item(Name);
        item->SetChecked(!item->Checked());
    };
    // Empty lines go either everywhere or only beside the hyphen rules.
    const auto exclusive = [this](std::string_view Name, std::string_view Other) {
        TMenuItem* item = Menus_.Item(Name);
        item->SetChecked(!item->Checked());
        Menus_.Item(Other)->SetChecked(!item->Checked());
    };
    const TCommandBinding items[] = {
        {"OpClip", [this] { OpClipClick(); }},
        {"WeOpTopRtnDel", [exclusive] { exclusive("WeOpTopRtnDel", "WeOphyphen"); }},
        {"WeOphyphen", [exclusive] { exclusive("WeOphyphen", "WeOpTopRtnDel"); }},
        {"WeOpTopSpcDel", [toggle] { toggle("WeOpTopSpcDel"); }},
        {"WeOpHKToZK", [toggle] { toggle("WeOpHKToZK"); }},
        {"WeOpHs2ToZs", [toggle] { toggle("WeOpHs2ToZs"); }},
        {"WeOpLogicLine", [toggle] { toggle("WeOpLogicLine"); }},
    };
    BindItems(items);
}

void TVelkForm::OpClipClick()
{
    TMenuItem* item = Menus_.Item("OpClip");
    item->SetChecked(!item->Checked());
    // No external edit while clipping.
    if (SettingsVars.ExtEditor)
        Button("sbGoEditor")->SetEnabled(!item->Checked());
    DocumentFiles_->RefreshCaption();
}

TWebTextOptions TVelkForm::WebTextOptions() const
{
    const auto on = [this](std::string_view Name) { return Menus_.Item(Name)->Checked(); };
    TWebTextOptions options;
    options.TopRtnDel = on("WeOpTopRtnDel");
    options.Hyphen = on("WeOphyphen");
    options.TopSpcDel = on("WeOpTopSpcDel");
    options.HKToZK = on("WeOpHKToZK");
    options.Hs2ToZs = on("WeOpHs2ToZs");
    options.LogicLine = on("WeOpLogicLine");
    return options;
}

std::string TVelkForm::ConvertClipText(const std::string& Text) { return ::ConvertClipText(Text, WebTextOptions()); }

void TVelkForm::CaptureClipboard()
{
    if (!Menus_.Item("OpClip")->Checked() || !ClipboardHasText_)
        return;
    // The program's own copies, from this instance or another, and copies
    // made while one of its windows is in front are never captured; nor
    // does anything go into a page that is out in the external editor.
    const QMimeData* mime = QApplication::clipboard()->mimeData(QClipboard::Clipboard);
    if (!mime || IsProgramData(mime) || ProgramInFront_() || OwnExternalEdit_)
        return;
    int unmapped = 0;
    const std::string clip = SjisOfClipboardText(mime->text(), unmapped);
    // Told as the editor tells of what it cannot hold.
    if (unmapped > 0 && DataMemo_->OnUnmappedCharacters)
        DataMemo_->OnUnmappedCharacters(DataMemo_, unmapped);
    // The read-only browse pane takes nothing: the page editor does.
    TEditorEx* editor = ActiveEditor_->ReadOnly() ? DataMemo_ : ActiveEditor_;
    if (SettingsVars.AutoClip && !TextEmpty(*editor))
        Binding_->TreeAddClick();
    editor->setFocus();
    const std::string page = editor->GetText();
    const std::string captured =
        CapturedPageText(page, clip, SettingsVars.WaveTextFlg, SettingsVars.AutoClip, WebTextOptions());
    // Only what changed is replaced, so the row marks above stay put.
    const size_t lead = UnchangedLead(page, captured);
    editor->SetSelStart(static_cast<int>(lead));
    editor->SetSelLength(static_cast<int>(page.size() - lead));
    editor->ReplaceSel(captured.substr(lead));
    StorePage(DataTree_->Selected());
}
