// Clipping mode's commands and its capture of the clipboard. Only the
// clipboard is watched, never the selection, which changes with every
// mouse selection in any program.
#include "ClippingMode.h"

#include "Clipboard.h"
#include "ClippingHost.h"
#include "Cp932.h"
#include "DockButton.h"
#include "EditorEx.h"
#include "EditorQueries.h"
#include "MainMenus.h"
#include "MenuItemIds.h"
#include "OutlineBinding.h"
#include "SubIni.h"
#include "TreeView.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

TClippingMode::TClippingMode(IClippingHost& Host, TClippingParts Parts)
    : Host_(Host), Parts_(Parts),
      ProgramInFront_([] { return QGuiApplication::applicationState() == Qt::ApplicationActive; })
{
    BindCommands();
}

void TClippingMode::BindCommands()
{
    TVelkMenus& menus = Parts_.Menus;
    const auto toggle = [&menus](TCommandId Name) {
        TMenuItem* item = menus.Item(Name);
        item->SetChecked(!item->Checked());
    };
    // Empty lines go either everywhere or only beside the hyphen rules.
    const auto exclusive = [&menus](TCommandId Name, TCommandId Other) {
        TMenuItem* item = menus.Item(Name);
        item->SetChecked(!item->Checked());
        menus.Item(Other)->SetChecked(!item->Checked());
    };
    const TCommandBinding items[] = {
        {Cmd::OpClip, [this] { OpClipClick(); }},
        {Cmd::WeOpTopRtnDel, [exclusive] { exclusive(Cmd::WeOpTopRtnDel, Cmd::WeOphyphen); }},
        {Cmd::WeOphyphen, [exclusive] { exclusive(Cmd::WeOphyphen, Cmd::WeOpTopRtnDel); }},
        {Cmd::WeOpTopSpcDel, [toggle] { toggle(Cmd::WeOpTopSpcDel); }},
        {Cmd::WeOpHKToZK, [toggle] { toggle(Cmd::WeOpHKToZK); }},
        {Cmd::WeOpHs2ToZs, [toggle] { toggle(Cmd::WeOpHs2ToZs); }},
        {Cmd::WeOpLogicLine, [toggle] { toggle(Cmd::WeOpLogicLine); }},
    };
    menus.Bind(items);
}

void TClippingMode::OpClipClick()
{
    On_ = !On_;
    Parts_.Menus.Item(Cmd::OpClip)->SetChecked(On_);
    // No external edit while clipping, nor while one runs elsewhere.
    if (SettingsVars.ExtEditor)
        Parts_.GoEditorButton.SetEnabled(Host_.ExternalEditAllowed());
    Host_.ShowCaption();
}

TWebTextOptions TClippingMode::WebTextOptions() const
{
    const auto on = [this](TCommandId Name) { return Parts_.Menus.Item(Name)->Checked(); };
    TWebTextOptions options;
    options.TopRtnDel = on(Cmd::WeOpTopRtnDel);
    options.Hyphen = on(Cmd::WeOphyphen);
    options.TopSpcDel = on(Cmd::WeOpTopSpcDel);
    options.HKToZK = on(Cmd::WeOpHKToZK);
    options.Hs2ToZs = on(Cmd::WeOpHs2ToZs);
    options.LogicLine = on(Cmd::WeOpLogicLine);
    return options;
}

std::string TClippingMode::ConvertClipText(const std::string& Text) const
{
    return ::ConvertClipText(Text, WebTextOptions());
}

void TClippingMode::CaptureClipboard()
{
    if (!On_)
        return;
    // The program's own copies, from this instance or another, and copies
    // made while one of its windows is in front are never captured; nor
    // does anything go into a page that is out in the external editor.
    const QMimeData* mime = QApplication::clipboard()->mimeData(QClipboard::Clipboard);
    if (!mime || IsProgramData(mime) || ProgramInFront_() || Host_.OwnExternalEditRunning())
        return;
    TEditorEx& dataMemo = Parts_.DataMemo;
    int unmapped = 0;
    const std::string clip = SjisOfClipboardText(mime->text(), unmapped);
    // Told as the editor tells of what it cannot hold.
    if (unmapped > 0 && dataMemo.OnUnmappedCharacters)
        dataMemo.OnUnmappedCharacters(&dataMemo, unmapped);
    // The read-only browse pane takes nothing: the page editor does.
    TEditorEx* active = Host_.ActiveEditor();
    TEditorEx* editor = active->ReadOnly() ? &dataMemo : active;
    if (SettingsVars.AutoClip && !TextEmpty(*editor))
        Parts_.Binding.TreeAddClick();
    editor->setFocus();
    const std::string page = editor->GetText();
    const std::string captured =
        CapturedPageText(page, clip, SettingsVars.WaveTextFlg, SettingsVars.AutoClip, WebTextOptions());
    // Only what changed is replaced, so the row marks above stay put.
    const size_t lead = UnchangedLead(page, captured);
    editor->SetSelStart(static_cast<int>(lead));
    editor->SetSelLength(static_cast<int>(page.size() - lead));
    editor->ReplaceSel(captured.substr(lead));
    Parts_.Binding.StorePage(Parts_.DataTree.Selected());
}
