// The option menu's own switches.
#include "OptionToggles.h"

#include "Dialogs.h"
#include "DockToolbar.h"
#include "EditorEx.h"
#include "MainMenus.h"
#include "MenuItemIds.h"
#include "NumberField.h"
#include "OptionTogglesHost.h"
#include "Sjis.h"
#include "StatusPanel.h"

namespace {

constexpr int MaxInsertNumber = 1001;

// Each toolbar and the item that shows it.
constexpr std::pair<std::string_view, TCommandId> ToolbarItems[] = {
    {"ToolbarFile", Cmd::OpTbFileShow}, {"ToolbarTree", Cmd::OpTbTreeShow},     {"ToolbarEdit", Cmd::OpTbEditShow},
    {"ToolbarFont", Cmd::OpTbFontShow}, {"ToolbarString", Cmd::OpTbStringShow},
};

} // namespace

TOptionToggles::TOptionToggles(IOptionTogglesHost& Host, TOptionTogglesParts Parts) : Host_(Host), Parts_(Parts)
{
    BindCommands();
    FollowToolbars();
}

void TOptionToggles::FollowToolbars()
{
    // A bar also hides by its own close box, and the toolbar places read
    // at the start may hide it: its item says so, so that the settings
    // keep it hidden too.
    for (const auto& [name, id] : ToolbarItems) {
        TDockToolbar* bar = Host_.Toolbar(name);
        TMenuItem* item = Parts_.Menus.Item(id);
        bar->OnVisibleChanged = [bar, item](TObject*) { item->SetChecked(bar->Visible()); };
    }
}

void TOptionToggles::BindCommands()
{
    const auto toggle = [this](TCommandId Name) {
        return [this, Name] {
            TMenuItem* item = Parts_.Menus.Item(Name);
            item->SetChecked(!item->Checked());
            ApplyMenuVisibilities();
        };
    };
    // clang-format off
    const TCommandBinding items[] = {
        {Cmd::OpBoxSel, [this] { OpBoxSelClick(); }},
        {Cmd::OpCheckKakko, [this] { OpCheckKakkoClick(); }},
        {Cmd::OpInsNoInit, [this] { OpInsNoInitClick(); }},
        {Cmd::OpTbFileShow, toggle(Cmd::OpTbFileShow)},
        {Cmd::OpTbTreeShow, toggle(Cmd::OpTbTreeShow)},
        {Cmd::OpTbEditShow, toggle(Cmd::OpTbEditShow)},
        {Cmd::OpTbFontShow, toggle(Cmd::OpTbFontShow)},
        {Cmd::OpTbStringShow, toggle(Cmd::OpTbStringShow)},
        {Cmd::OpSubMoveLink, toggle(Cmd::OpSubMoveLink)},
        {Cmd::OpSubStrAdmin, toggle(Cmd::OpSubStrAdmin)},
    };
    // clang-format on
    Parts_.Menus.Bind(items);
}

void TOptionToggles::OpBoxSelClick()
{
    const auto flip = [](TEditorEx& Editor) {
        Editor.SetSelectionMode(Editor.SelectionMode() == TEditorSelectionMode::smBox ? TEditorSelectionMode::smLine
                                                                                      : TEditorSelectionMode::smBox);
    };
    flip(Parts_.DataMemo);
    if (TEditorEx* second = Host_.SecondEditor())
        flip(*second);
    const bool box = Host_.ActiveEditor()->SelectionMode() == TEditorSelectionMode::smBox;
    Parts_.BoxSelectionPanel.setText(box ? QString::fromUtf8("［矩形選択］") : QString());
    TMenuItem* item = Parts_.Menus.Item(Cmd::OpBoxSel);
    item->SetChecked(!item->Checked());
}

void TOptionToggles::OpCheckKakkoClick()
{
    const std::string text = Host_.ActiveEditor()->SelText();
    if (text.empty())
        return;
    int open = 0;
    int close = 0;
    for (size_t i = 0; i < text.size(); i += sjis::CharLen(text, i)) {
        const uint16_t code = sjis::CharCode(text, i);
        open += code == 0x8175;
        close += code == 0x8176;
    }
    MessageDlg("「 = " + std::to_string(open) + "\r\n\r\n」 = " + std::to_string(close), TMsgDlgType::mtWarning,
               {TMsgDlgBtn::mbOK});
}

void TOptionToggles::OpInsNoInitClick()
{
    int number = Host_.InsertNumber();
    std::string value = "1";
    if (InputQuery("行頭に挿入する番号文字列", "先頭行の番号", value))
        number = TypedNumberOr0(value);
    Host_.SetInsertNumber(number < 0 || number > MaxInsertNumber ? 1 : number);
}

void TOptionToggles::ApplyMenuVisibilities()
{
    const TVelkMenus& menus = Parts_.Menus;
    for (const auto& [bar, item] : ToolbarItems)
        Host_.Toolbar(bar)->SetVisible(menus.Item(item)->Checked());
    const bool moveLink = menus.Item(Cmd::OpSubMoveLink)->Checked();
    for (const TCommandId item : {Cmd::N4, Cmd::pEdGoTop, Cmd::pEdGoBottom, Cmd::pEdSetMark, Cmd::pEdJumpMark,
                                  Cmd::pEdFileLink, Cmd::pEdPageLink})
        menus.Item(item)->SetVisible(moveLink);
    const bool strings = menus.Item(Cmd::OpSubStrAdmin)->Checked();
    for (const TCommandId item : {Cmd::N7, Cmd::pEdStrRtn, Cmd::pEdKeisen, Cmd::pEdComment, Cmd::pEdStrCv,
                                  Cmd::pEdStrSeikei, Cmd::pEdStrSeikeiKakomu, Cmd::pEdStrDel, Cmd::pEdCalc})
        menus.Item(item)->SetVisible(strings);
}
