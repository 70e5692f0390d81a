#include "FakeSettingsHost.h"

#include "SjisLiteral.h"

#include <algorithm>

TFakeSettingsHost::TFakeSettingsHost()
{
    Form = {100, 80, 800, 600, 0};
    Screens = {{0, 0, 1920, 1080}};
    Editor.Font = {"FixedSys", 9};
    Tree = {Sjis("ＭＳ Ｐゴシック"), 10, clBlack, clWindow};
    for (const char* item : {"WeOpHKToZK", "WeOpTopSpcDel", "WeOpTopRtnDel", "WeOphyphen", "WeOpHs2ToZs",
                             "WeOpLogicLine", "TreeTipHelp", "OpTbFileShow", "OpTbTreeShow", "OpTbEditShow",
                             "OpTbFontShow", "OpTbStringShow", "OpSubMoveLink", "OpSubStrAdmin", "TreeDisp"})
        Menus[item] = false;
    Buttons = {{"sbLineNo", false}, {"sbToEditor", false}};
}

bool TFakeSettingsHost::MenuChecked(std::string_view ItemName) const
{
    const auto item = Menus.find(ItemName);
    if (item == Menus.end())
        ADD_FAILURE() << "no menu item " << ItemName;
    return item != Menus.end() && item->second;
}

void TFakeSettingsHost::SetMenuChecked(std::string_view ItemName, bool Checked)
{
    const auto item = Menus.find(ItemName);
    if (item == Menus.end())
        ADD_FAILURE() << "no menu item " << ItemName;
    else
        item->second = Checked;
}

void TFakeSettingsHost::SetButtonDown(std::string_view ButtonName, bool Down)
{
    const auto button = Buttons.find(ButtonName);
    if (button == Buttons.end())
        ADD_FAILURE() << "no button " << ButtonName;
    else
        button->second = Down;
}

// The toolbar's spin edit holds 20 to 250.
void TFakeSettingsHost::SetWrapSpinValue(int Value) { WrapSpin = std::clamp(Value, 20, 250); }

std::vector<std::string> TFakeSettingsHost::ImagePopupCaptions() const
{
    return SubIconMenu.empty() ? std::vector<std::string>{}
                               : std::vector<std::string>(SubIconMenu.begin() + 1, SubIconMenu.end());
}
