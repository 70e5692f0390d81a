// What the settings file reads from and applies to the main window, as
// plain values, so that reading and writing the file need no window.
//
// The main window implements ISettingsHost. Every setter applies its values
// through the controls' own property setters, so that their change handling
// runs as when a person makes the change; a getter gives what the controls
// show now. LoadIni takes a group's current values, changes those its keys
// hold and gives the group back, so a value whose key is absent comes back
// unchanged.
#pragma once

#include "Graphics.h"
#include "ScreenRect.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The window's place. Left and Top are the frame's position, Width and
// Height the size the window is resized to: the setter must take exactly
// what the getter gave, so that a save and a load leave the window where it
// was. WindowState: 0 normal, 1 minimised, 2 maximised; Left to Height are
// the normal (restored) rectangle in every state.
struct TFormPlacement {
    int32_t Left{}, Top{}, Width{}, Height{};
    int32_t WindowState{};
    bool operator==(const TFormPlacement&) const = default;
};

// A screen's available area in the same coordinates as the placement.
using TScreenArea = TScreenRect;

struct TItemColors {
    TColor Color{}, BkColor{};
    bool operator==(const TItemColors&) const = default;
};

// The places of the "「」" pair, the file link and the page link among
// the editor's bracket pairs.
constexpr int KagiBracket = 3, FileLinkBracket = 4, PageLinkBracket = 5;

// The page editor DataMemo's properties the file holds; the members mirror
// the editor's property paths (Margin.Top is DataMemo.Margin.Top).
struct TEditorSettings {
    struct TFontValues {
        std::string Name{}; // Shift-JIS; the face asked for, not its substitute
        int32_t Size{};     // points
        bool operator==(const TFontValues&) const = default;
    };
    struct TMarginValues {
        int32_t Top{}, Left{}, Line{}, Character{};
        bool operator==(const TMarginValues&) const = default;
    };
    struct TCaretValues {
        int32_t TabSpaceCount{};
        bool FreeCaret{}, AutoIndent{}, InTab{}, SoftTab{}, LockScroll{};
        bool operator==(const TCaretValues&) const = default;
    };
    struct TMarkValues {
        bool Visible{};
        TColor Color{};
        bool operator==(const TMarkValues&) const = default;
    };
    struct TMarksValues {
        TMarkValues EofMark{}, RetMark{}, Underline{};
        bool operator==(const TMarksValues&) const = default;
    };
    struct TExMarksValues {
        TMarkValues ParenMark{}, Hit{}, FindMark{}; // Hit and FindMark: colour only
        bool operator==(const TExMarksValues&) const = default;
    };
    struct TRulerValues {
        bool Visible{};
        TColor Color{}, MarkColor{}, BkColor{};
        bool operator==(const TRulerValues&) const = default;
    };
    struct TLeftbarValues {
        bool Visible{};
        TColor BkColor{};
        bool operator==(const TLeftbarValues&) const = default;
    };
    struct TWrapOptionValues {
        bool WordBreak{}, Leading{};
        bool operator==(const TWrapOptionValues&) const = default;
    };
    // View.Colors: each element's Color and BkColor.
    struct TViewColors {
        TItemColors Select{}, Ank{}, Symbol{}, Int{}, Str{}, DBCS{}, Comment{}, Url{}, Mail{}, Reserve{};
        bool operator==(const TViewColors&) const = default;
    };

    TFontValues Font{};
    TMarginValues Margin{};
    TCaretValues Caret{};
    TMarksValues Marks{};
    TExMarksValues ExMarks{};
    TRulerValues Ruler{};
    TLeftbarValues Leftbar{};
    TWrapOptionValues WrapOption{};
    bool WordWrap{};
    TViewColors Colors{}; // View.Colors
    // View.Brackets: "{*" "*}", "{!" "!}", "/*" "*/", "「" "」", the file
    // link and the page link, in this order (see KagiBracket).
    std::array<TItemColors, 6> Brackets{};
    TColor Color{}; // the text area's background

    bool operator==(const TEditorSettings&) const = default;
};

// The page tree DataTree's font and background.
struct TTreeLook {
    std::string FontName; // Shift-JIS
    int32_t FontSize{};   // points
    TColor FontColor{};
    TColor Color{};
    bool operator==(const TTreeLook&) const = default;
};

// The colours of the HTML colouring scheme HTMLFountain1 the file holds.
struct THtmlColors {
    TColor TagColor{};     // TagColor.Color
    TColor TagElement{};   // TagElement.Color
    TColor TagAttribute{}; // TagAttribute.Color
    TColor Str{}, Url{}, Mail{};
    TColor Comment{}; // the colour of its "<!--" "-->" bracket item
    bool operator==(const THtmlColors&) const = default;
};

class ISettingsHost {
public:
    virtual ~ISettingsHost() = default;

    // The main window's placement (Left, Top, Width, Height, WindowState).
    // SetPlacement applies the rectangle first, then the state, so that a
    // maximised window still remembers its normal rectangle.
    virtual TFormPlacement Placement() const = 0;
    virtual void SetPlacement(const TFormPlacement& Value) = 0;
    // The available areas of the screens now attached, on which a stored
    // placement is kept; one that meets none of them is not applied.
    virtual std::vector<TScreenArea> ScreenAreas() const = 0;

    // DataMemo's font, margins, caret, marks, ruler, left bar, wrapping and
    // colours.
    virtual TEditorSettings DataMemoSettings() const = 0;
    virtual void SetDataMemoSettings(const TEditorSettings& Value) = 0;
    // DataTree.Font (name, size, colour) and DataTree.Color.
    virtual TTreeLook DataTreeLook() const = 0;
    virtual void SetDataTreeLook(const TTreeLook& Value) = 0;
    // HTMLFountain1's colours.
    virtual THtmlColors HTMLFountain1Colors() const = 0;
    virtual void SetHTMLFountain1Colors(const THtmlColors& Value) = 0;

    // Checked of a menu item by name: WeOpHKToZK, WeOpTopSpcDel,
    // WeOpTopRtnDel, WeOphyphen, WeOpHs2ToZs, WeOpLogicLine, TreeTipHelp,
    // OpTbFileShow, OpTbTreeShow, OpTbEditShow, OpTbFontShow,
    // OpTbStringShow, OpSubMoveLink, OpSubStrAdmin, TreeDisp.
    virtual bool MenuChecked(std::string_view ItemName) const = 0;
    virtual void SetMenuChecked(std::string_view ItemName, bool Checked) = 0;
    // Down of the toolbar buttons sbLineNo and sbToEditor.
    virtual void SetButtonDown(std::string_view ButtonName, bool Down) = 0;
    // ToolbarFont.DockRow.
    virtual void SetToolbarFontDockRow(int Row) = 0;

    // Separater1.Kind: 0 (dkHorizontal) puts the tree panel PanelL left of
    // the editor, 1 (dkVertical) above it.
    virtual int SplitKind() const = 0;
    virtual void SetSplitKind(int Kind) = 0;
    // PanelL.Visible.
    virtual bool TreePanelVisible() const = 0;
    // PanelL.Height when the kind is 1, else Separater1.Left (the tree
    // panel's width in that layout).
    virtual int SplitLine() const = 0;
    virtual void SetTreePanelHeight(int Height) = 0; // PanelL.Height
    virtual void SetTreePanelWidth(int Width) = 0;   // PanelL.Width

    // WrapSpnEd.Value, the toolbar's wrap column (the spin edit clamps).
    virtual int WrapSpinValue() const = 0;
    virtual void SetWrapSpinValue(int Value) = 0;

    // The captions of ImagePopupMenu's items 1 onwards (item 0, "なし", is
    // not stored).
    virtual std::vector<std::string> ImagePopupCaptions() const = 0;
    // Replaces SubIconMenu's lines with Captions: "なし" first, then the
    // stored captions in order.
    virtual void SetSubIconMenu(const std::vector<std::string>& Captions) = 0;
};

// Gives Back to every background that follows the page background: the
// text area, nine colour elements (all but the selection), the left bar,
// the ruler and the brackets other than "「" "」".
void ApplyBackground(TEditorSettings& Editor, TColor Back);
