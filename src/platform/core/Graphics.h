// Colours and fonts as plain values. They become Qt colours and fonts only
// when painting (platform_widgets), where system colours are resolved.
#pragma once

#include "Classes.h"
#include "Set.h"

#include <cstdint>
#include <string>

// 0x00BBGGRR; a system colour is 0x80000000 | index; clNone and clDefault
// are markers. Kept as a signed 32-bit value because settings files store
// colours as integers.
using TColor = int32_t;

constexpr TColor RGB(int R, int G, int B) { return static_cast<TColor>(R | G << 8 | B << 16); }
constexpr int GetRValue(TColor C) { return C & 0xFF; }
constexpr int GetGValue(TColor C) { return C >> 8 & 0xFF; }
constexpr int GetBValue(TColor C) { return C >> 16 & 0xFF; }

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

// System colours by their index.
enum class TSystemColor {
    ScrollBar,
    Background,
    ActiveCaption,
    InactiveCaption,
    Menu,
    Window,
    WindowFrame,
    MenuText,
    WindowText,
    CaptionText,
    ActiveBorder,
    InactiveBorder,
    AppWorkSpace,
    Highlight,
    HighlightText,
    BtnFace,
    BtnShadow,
    GrayText,
    BtnText,
    InactiveCaptionText,
    BtnHighlight,
    DkShadow3D,
    Light3D,
    InfoText,
    InfoBk
};
constexpr TColor SystemColor(TSystemColor Index)
{
    return static_cast<TColor>(0x80000000u | static_cast<uint32_t>(Index));
}
constexpr bool IsSystemColor(TColor C) { return (static_cast<uint32_t>(C) & 0xFF000000u) == 0x80000000u; }

constexpr TColor clScrollBar = SystemColor(TSystemColor::ScrollBar);
constexpr TColor clWindow = SystemColor(TSystemColor::Window);
constexpr TColor clWindowText = SystemColor(TSystemColor::WindowText);
constexpr TColor clHighlight = SystemColor(TSystemColor::Highlight);
constexpr TColor clHighlightText = SystemColor(TSystemColor::HighlightText);
constexpr TColor clBtnFace = SystemColor(TSystemColor::BtnFace);
constexpr TColor clBtnShadow = SystemColor(TSystemColor::BtnShadow);
constexpr TColor clBtnText = SystemColor(TSystemColor::BtnText);
constexpr TColor clBtnHighlight = SystemColor(TSystemColor::BtnHighlight);
constexpr TColor clGrayText = SystemColor(TSystemColor::GrayText);
constexpr TColor clInfoText = SystemColor(TSystemColor::InfoText);
constexpr TColor clInfoBk = SystemColor(TSystemColor::InfoBk);
constexpr TColor clMenu = SystemColor(TSystemColor::Menu);
constexpr TColor clMenuText = SystemColor(TSystemColor::MenuText);
constexpr TColor cl3DDkShadow = SystemColor(TSystemColor::DkShadow3D);
constexpr TColor cl3DLight = SystemColor(TSystemColor::Light3D);

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;

constexpr int DEFAULT_CHARSET = 1;
constexpr int SHIFTJIS_CHARSET = 128;

// A font description. Name is the face the program asked for (it is stored
// in settings as given, even when the system substitutes another face).
// Height is in pixels at 96 dots per inch, negative for a character height
// as Size gives; Size is always the positive point size.
class TFont : public TPersistent {
public:
    TFont() = default;

    TNotifyEvent OnChange;

    const std::string& Name() const { return Name_; }
    void SetName(const std::string& Value);
    int Size() const;
    void SetSize(int Value);
    int Height() const { return Height_; }
    void SetHeight(int Value);
    TFontStyles Style() const { return Style_; }
    void SetStyle(TFontStyles Value);
    TColor Color() const { return Color_; }
    void SetColor(TColor Value);
    int Charset() const { return Charset_; }
    void SetCharset(int Value);

    // Copies every value from another TFont and notifies once.
    void Assign(const TPersistent* Source) override;
    bool SameAs(const TFont& Other) const;

    static constexpr int PixelsPerInch = 96;

private:
    void Changed();
    // Sets Field to Value and notifies, unless it holds Value already.
    template <typename T>
    void Change(T& Field, const T& Value)
    {
        if (Field == Value)
            return;
        Field = Value;
        Changed();
    }

    std::string Name_ = "MS Sans Serif";
    int Height_ = -11; // 8 points
    TFontStyles Style_;
    TColor Color_ = clWindowText;
    int Charset_ = DEFAULT_CHARSET;
};
