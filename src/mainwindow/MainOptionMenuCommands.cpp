// The option menu's own switches: box selection, the corner-bracket count,
// the number the line numbering starts at, and which toolbars and editor
// popup groups show.
#include "Main.h"

#include "Dialogs.h"
#include "EditorEx.h"
#include "Sjis.h"
#include "StatusPanel.h"

#include <charconv>

namespace {

constexpr int MaxInsertNumber = 1001;

// The whole text as a decimal number; 0 when it is none.
int NumberOr0(const std::string& Text)
{
    int value = 0;
    const auto [end, error] = std::from_chars(Text.data(), Text.data() + Text.size(), value);
    return error == std::errc() && end == Text.data() + Text.size() ? value : 0;
}

} // namespace

void TVelkForm::BindOptionMenuCommands()
{
    const auto toggle = [this](TCommandId Name) {
        return [this, Name] {
            TMenuItem* item = Menus_.Item(Name);
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
    BindItems(items);
}

void TVelkForm::OpBoxSelClick()
{
    const auto flip = [](TEditorEx& Editor) {
        Editor.SetSelectionMode(Editor.SelectionMode() == TEditorSelectionMode::smBox ? TEditorSelectionMode::smLine
                                                                                      : TEditorSelectionMode::smBox);
    };
    flip(*DataMemo_);
    if (TEditorEx* second = SecondEditor())
        flip(*second);
    const bool box = ActiveEditor_->SelectionMode() == TEditorSelectionMode::smBox;
    StatusPanels_[5]->setText(box ? QString::fromUtf8("［矩形選択］") : QString());
    TMenuItem* item = Menus_.Item(Cmd::OpBoxSel);
    item->SetChecked(!item->Checked());
}

void TVelkForm::OpCheckKakkoClick()
{
    const std::string text = ActiveEditor_->SelText();
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

void TVelkForm::OpInsNoInitClick()
{
    std::string value = "1";
    if (InputQuery("行頭に挿入する番号文字列", "先頭行の番号", value))
        InsertNumber_ = NumberOr0(value);
    if (InsertNumber_ < 0 || InsertNumber_ > MaxInsertNumber)
        InsertNumber_ = 1;
}
