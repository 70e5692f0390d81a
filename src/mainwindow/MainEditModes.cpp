// The document's edit modes: the colouring scheme, the word list, the quote
// and comment characters each mode gives the page editor.
#include "Main.h"

#include "CommentMarker.h"
#include "Cp932.h"
#include "Dialogs.h"
#include "DockButton.h"
#include "EditModes.h"
#include "EditorEx.h"
#include "EditorFountain.h"
#include "EditorLook.h"
#include "Files.h"
#include "HTMLFountain.h"
#include "PaneViews.h"
#include "Paths.h"
#include "Strings.h"
#include "SubIni.h"

#include <QLabel>

void TVelkForm::BindEditModeCommands()
{
    std::vector<TCommandBinding> items;
    for (const TEditModeInfo* mode = EditModes(); mode != EditModes() + EditModeCount; ++mode) {
        items.push_back({mode->Item, [this, value = mode->Value] { SwitchEditMode(value); }});
        TMenuItem* item = Menus_.Item(mode->Item);
        item->SetRadioItem(true);
        item->SetGroupIndex(1);
    }
    Menus_.Item(Cmd::subText)->SetChecked(true);
    BindItems(items);
}

void TVelkForm::SwitchEditMode(int Mode)
{
    ApplyEditMode(Mode);
    // The mode is saved with the document.
    ActiveEditor_->SetModified(true);
    Button(Cmd::sbSave)->SetEnabled(true);
}

void TVelkForm::ApplyEditMode(int Mode)
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
    const TPaneView views = PaneViews_->CloseViews();
    DataMemo_->SetFountain(info.Html ? HTMLFountain1_.get() : nullptr);
    if (words)
        DataMemo_->SetReserveWordList(&*words);
    EdModeLabel_->setText(QString::fromUtf8(info.Label.data(), static_cast<qsizetype>(info.Label.size())));
    EditMode_ = info.Value;
    Menus_.Item(info.Item)->SetChecked(true);
    if (info.Html) {
        ActiveEditor_->Font()->SetColor(SettingsVars.AnkCol);
    } else {
        EditorLook_->SetupFountain();
        TEditorViewInfo& view = *DataMemo_->View();
        if (info.Value == 1)
            view.Brackets()->Items(6)->ItemColor()->SetBkColor(SettingsVars.Colors.Back);
        view.Colors()->Str()->SetColor(info.StrColour == TStrColour::Ank ? SettingsVars.AnkCol : SettingsVars.StrCol);
        view.SetQuotation(std::string(info.Quotation));
        Commenter_ = CommentMarker(info.Value, SettingsVars.CommentType, SettingsVars.QMark);
        view.SetCommenter(Commenter_);
    }
    PaneViews_->ReopenViews(views);
}
