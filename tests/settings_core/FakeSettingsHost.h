// A stand-in for the main window in the settings-file tests: it keeps every
// value the settings file reads or writes, starting from what a new main
// window shows.
#pragma once

#include "SettingsHost.h"

#include <map>
#include <string>
#include <vector>

struct TFakeFormState {
    TFormPlacement Form;
    std::vector<TScreenArea> Screens;
    TEditorSettings Editor;
    TTreeLook Tree;
    THtmlColors Html;
    std::map<std::string, bool, std::less<>> Menus;
    std::map<std::string, bool, std::less<>> Buttons;
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
    TFakeSettingsHost();

    TFormPlacement Placement() const override { return Form; }
    void SetPlacement(const TFormPlacement& Value) override { Form = Value; }
    std::vector<TScreenArea> ScreenAreas() const override { return Screens; }
    TEditorSettings DataMemoSettings() const override { return Editor; }
    void SetDataMemoSettings(const TEditorSettings& Value) override { Editor = Value; }
    TTreeLook DataTreeLook() const override { return Tree; }
    void SetDataTreeLook(const TTreeLook& Value) override { Tree = Value; }
    THtmlColors HTMLFountain1Colors() const override { return Html; }
    void SetHTMLFountain1Colors(const THtmlColors& Value) override { Html = Value; }
    bool MenuChecked(std::string_view ItemName) const override;
    void SetMenuChecked(std::string_view ItemName, bool Checked) override;
    void SetButtonDown(std::string_view ButtonName, bool Down) override;
    void SetToolbarFontDockRow(int Row) override { ToolbarFontDockRow = Row; }
    int SplitKind() const override { return Kind; }
    void SetSplitKind(int Value) override { Kind = Value; }
    bool TreePanelVisible() const override { return PanelVisible; }
    int SplitLine() const override { return Kind == 1 ? PanelHeight : PanelWidth; }
    void SetTreePanelHeight(int Value) override { PanelHeight = Value; }
    void SetTreePanelWidth(int Value) override { PanelWidth = Value; }
    int WrapSpinValue() const override { return WrapSpin; }
    void SetWrapSpinValue(int Value) override;
    std::vector<std::string> ImagePopupCaptions() const override;
    void SetSubIconMenu(const std::vector<std::string>& Captions) override { SubIconMenu = Captions; }

    // Everything the host shows, to compare two hosts.
    const TFakeFormState& State() const { return *this; }
};
