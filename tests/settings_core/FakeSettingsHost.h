// A stand-in for the main window in the settings-file tests: it keeps every
// value the settings file reads or writes, starting from what a new main
// window shows. A menu item or button it does not have throws.
#pragma once

#include "SettingsHost.h"
#include "SjisLiteral.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

struct TFakeFormState {
    TFormPlacement Form{100, 80, 800, 600, 0};
    std::vector<TScreenArea> Screens{{0, 0, 1920, 1080}};
    TEditorSettings Editor{.Font = {"FixedSys", 9}};
    TTreeLook Tree{Sjis("ＭＳ Ｐゴシック"), 10, clBlack, clWindow};
    THtmlColors Html;
    std::map<std::string, bool> Menus{{"WeOpHKToZK", false},    {"WeOpTopSpcDel", false}, {"WeOpTopRtnDel", false},
                                      {"WeOphyphen", false},    {"WeOpHs2ToZs", false},   {"WeOpLogicLine", false},
                                      {"TreeTipHelp", false},   {"OpTbFileShow", false},  {"OpTbTreeShow", false},
                                      {"OpTbEditShow", false},  {"OpTbFontShow", false},  {"OpTbStringShow", false},
                                      {"OpSubMoveLink", false}, {"OpSubStrAdmin", false}, {"TreeDisp", false}};
    std::map<std::string, bool> Buttons{{"sbLineNo", false}, {"sbToEditor", false}};
    int ToolbarFontDockRow = 0;
    int Kind = 0;
    bool PanelVisible = true;
    int PanelWidth = 200, PanelHeight = 150;
    int WrapSpin = 0;
    std::vector<std::string> SubIconMenu;

    bool operator==(const TFakeFormState&) const = default;
};

class TFakeSettingsHost final : public ISettingsHost, public TFakeFormState {
public:
    TFormPlacement Placement() const override { return Form; }
    void SetPlacement(const TFormPlacement& Value) override { Form = Value; }
    std::vector<TScreenArea> ScreenAreas() const override { return Screens; }
    TEditorSettings DataMemoSettings() const override { return Editor; }
    void SetDataMemoSettings(const TEditorSettings& Value) override { Editor = Value; }
    TTreeLook DataTreeLook() const override { return Tree; }
    void SetDataTreeLook(const TTreeLook& Value) override { Tree = Value; }
    THtmlColors HTMLFountain1Colors() const override { return Html; }
    void SetHTMLFountain1Colors(const THtmlColors& Value) override { Html = Value; }
    bool MenuChecked(std::string_view Name) const override { return Menus.at(std::string(Name)); }
    void SetMenuChecked(std::string_view Name, bool Checked) override { Menus.at(std::string(Name)) = Checked; }
    void SetButtonDown(std::string_view Name, bool Down) override { Buttons.at(std::string(Name)) = Down; }
    void SetToolbarFontDockRow(int Row) override { ToolbarFontDockRow = Row; }
    int SplitKind() const override { return Kind; }
    void SetSplitKind(int Value) override { Kind = Value; }
    bool TreePanelVisible() const override { return PanelVisible; }
    int SplitLine() const override { return Kind == 1 ? PanelHeight : PanelWidth; }
    void SetTreePanelHeight(int Value) override { PanelHeight = Value; }
    void SetTreePanelWidth(int Value) override { PanelWidth = Value; }
    int WrapSpinValue() const override { return WrapSpin; }
    // The toolbar's spin edit holds 20 to 250.
    void SetWrapSpinValue(int Value) override { WrapSpin = std::clamp(Value, 20, 250); }
    std::vector<std::string> ImagePopupCaptions() const override
    {
        return SubIconMenu.empty() ? SubIconMenu : std::vector(SubIconMenu.begin() + 1, SubIconMenu.end());
    }
    void SetSubIconMenu(const std::vector<std::string>& Captions) override { SubIconMenu = Captions; }

    // Everything the host shows, to compare two hosts.
    const TFakeFormState& State() const { return *this; }
};
