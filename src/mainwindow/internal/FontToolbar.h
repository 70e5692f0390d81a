// The font toolbar: the editor's font and size, the wrap column and wrap at
// the window's edge, line numbers, and the symbol chooser with its list
// "mark.dat", most recently used first. It makes its controls on the bar,
// binds its buttons and items, and reaches the window through its host.
#pragma once

#include "SymbolList.h"

#include <string>

class IFontToolbarHost;
class QComboBox;
class QLabel;
class TDockToolbar;
class TMySpinEdit;
class TSymbolListModel;
class TToolDock;
class TVelkMenus;

class TFontToolbar {
public:
    // Makes the controls on Bar after the edit mode's label, which it sizes
    // for the widest mode's name; Bar docked on LeftDock goes back to
    // TopDock. Nothing runs until BindCommands.
    TFontToolbar(IFontToolbarHost& Host, TVelkMenus& Menus, TDockToolbar& Bar, QLabel& EdModeLabel, TToolDock& TopDock,
                 TToolDock& LeftDock);
    ~TFontToolbar();
    TFontToolbar(const TFontToolbar&) = delete;
    TFontToolbar& operator=(const TFontToolbar&) = delete;

    // The controls, sbMark, sbLineNo, sbRTN and the items EdMark and ReLoad
    // run their handlers.
    void BindCommands();

    // Start-up: the fixed-pitch fonts, DataMemo's font and size shown.
    void FillFontCombo();
    // The built-in symbols, replaced by "mark.dat" when it exists; one that
    // cannot be read is not told here (the start-up notice tells it).
    void LoadSymbolList();
    // Writes "mark.dat" when its list changed, over the file last read or
    // written only (TSymbolFile::Write); throws when the file cannot be
    // written, or was there but could not be read (it is kept as it is).
    void SaveSymbolList();
    // The first show: the buttons, the wrap column and the symbol shown as
    // the settings left them.
    void FormShow();
    // WrapSpnEd follows whether the active pane wraps (Wraps) and RightRtn;
    // sbRTN whether it wraps.
    void EnableWrapControls(bool Wraps);

    void ComboBox1Change();
    void FontSpnEdChange();
    void WrapSpnEdChange();
    void sbRTNClick();
    void sbLineNoClick();
    void ComboBox2Change(int Index);
    void sbMarkClick();
    void ReLoadClick();

    QComboBox* ComboBox1() const { return ComboBox1_; }
    QComboBox* ComboBox2() const { return ComboBox2_; }
    TMySpinEdit* FontSpnEd() const { return FontSpnEd_; }
    TMySpinEdit* WrapSpnEd() const { return WrapSpnEd_; }
    const TSymbolList& SymbolList() const;
    // The wrap column last applied while the text did not wrap at the
    // window's edge.
    int WrapByteCache() const { return WrapByteCache_; }

private:
    void CreateFontToolbarControls(QLabel& EdModeLabel);
    // List in the chooser, its top entry shown.
    void ShowSymbols(TSymbolList List);
    void ApplyWrapByte(int Value);

    IFontToolbarHost& Host_;
    TVelkMenus& Menus_;
    TDockToolbar& Bar_;
    TToolDock& TopDock_;
    TToolDock& LeftDock_;
    QComboBox* ComboBox1_ = nullptr;
    QComboBox* ComboBox2_ = nullptr;
    TMySpinEdit* FontSpnEd_ = nullptr;
    TMySpinEdit* WrapSpnEd_ = nullptr;
    std::string LastFontName_;
    int LastFontSize_ = 0;
    int WrapByteCache_ = 0;
    TSymbolListModel* Symbols_ = nullptr;
    TSymbolFile SymbolFile_;
};
