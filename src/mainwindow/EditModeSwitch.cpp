// The document's edit modes: the colouring scheme, the word list, the quote
// and comment characters each mode gives the page editor.
#include "EditModeSwitch.h"

#include "CommentMarker.h"
#include "Cp932.h"
#include "Dialogs.h"
#include "DockButton.h"
#include "EditModeHost.h"
#include "EditModes.h"
#include "EditorEx.h"
#include "EditorFountain.h"
#include "Files.h"
#include "HTMLFountain.h"
#include "MainMenus.h"
#include "PaneViews.h"
#include "Paths.h"
#include "Strings.h"
#include "SubIni.h"
#include "ToolButtonIds.h"

#include <QLabel>
#include <optional>
#include <vector>

TEditModeSwitch::TEditModeSwitch(IEditModeHost& Host, TEditModeParts Parts) : Host_(Host), Parts_(Parts)
{
    BindCommands();
}

void TEditModeSwitch::BindCommands()
{
    std::vector<TCommandBinding> items;
    for (const TEditModeInfo* mode = EditModes(); mode != EditModes() + EditModeCount; ++mode) {
        items.push_back({mode->Item, [this, value = mode->Value] { SwitchEditMode(value); }});
        TMenuItem* item = Parts_.Menus.Item(mode->Item);
        item->SetRadioItem(true);
        item->SetGroupIndex(1);
    }
    Parts_.Menus.Item(Cmd::subText)->SetChecked(true);
    Parts_.Menus.Bind(items);
}

void TEditModeSwitch::Reset()
{
    Parts_.EdModeLabel.setText(QStringLiteral("Text Mode"));
    Mode_ = 0;
}

void TEditModeSwitch::SwitchEditMode(int Mode)
{
    ApplyEditMode(Mode);
    // The mode is saved with the document.
    Host_.ActiveEditor()->SetModified(true);
    Parts_.SaveButton.SetEnabled(true);
}

void TEditModeSwitch::ApplyCommenter()
{
    Parts_.DataMemo.View()->SetCommenter(CommentMarker(Mode_, SettingsVars.CommentType, SettingsVars.QMark));
}

void TEditModeSwitch::ApplyStrColour()
{
    const TStrColour colour = EditModeInfo(Mode_).StrColour;
    if (colour != TStrColour::Unchanged)
        Parts_.DataMemo.View()->Colors()->Str()->SetColor(colour == TStrColour::Ank ? SettingsVars.AnkCol
                                                                                    : SettingsVars.StrCol);
}

void TEditModeSwitch::ApplyEditMode(int Mode)
{
    const TEditModeInfo& info = EditModeInfo(Mode);
    // The word file is looked for before anything changes. When it is
    // missing the user is told, and the mode still takes effect whole,
    // with no reserved words, so that the document keeps the mode it names.
    std::optional<TStringList> words;
    if (info.ClearsWords)
        words.emplace();
    if (!info.WordFile.empty()) {
        words.emplace();
        const std::string fileName = ProgramFolder() + std::string(info.WordFile);
        if (FileExists(fileName))
            words->LoadFromFile(fileName);
        else
            MessageDlg(std::string(info.WordFile) + " が見つかりません。予約語なしで編集モードを切り替えます。",
                       TMsgDlgType::mtWarning, {TMsgDlgBtn::mbOK});
    }

    // The second pane takes the new colouring when it is made again.
    const TPaneView views = Parts_.PaneViews.CloseViews();
    Parts_.DataMemo.SetFountain(info.Html ? &Parts_.HTMLFountain1 : nullptr);
    if (words)
        Parts_.DataMemo.SetReserveWordList(&*words);
    Parts_.EdModeLabel.setText(QString::fromUtf8(info.Label.data(), static_cast<qsizetype>(info.Label.size())));
    Mode_ = info.Value;
    Parts_.Menus.Item(info.Item)->SetChecked(true);
    if (info.Html) {
        Host_.ActiveEditor()->Font()->SetColor(SettingsVars.AnkCol);
    } else {
        Host_.SetupFountain();
        TEditorViewInfo& view = *Parts_.DataMemo.View();
        if (info.Value == 1)
            view.Brackets()->Items(6)->ItemColor()->SetBkColor(SettingsVars.Colors.Back);
        ApplyStrColour();
        view.SetQuotation(std::string(info.Quotation));
        ApplyCommenter();
    }
    Parts_.PaneViews.ReopenViews(views);
}
