#include "QtColor.h"

#include <QGuiApplication>
#include <array>

namespace {

struct TPaletteColor {
    QPalette::ColorGroup Group;
    QPalette::ColorRole Role;
};

// The palette colour that plays each system colour's part, by index.
constexpr std::array<TPaletteColor, 25> SystemColors{{
    {QPalette::Active, QPalette::Button},            // ScrollBar
    {QPalette::Active, QPalette::Dark},              // Background (the desktop)
    {QPalette::Active, QPalette::Highlight},         // ActiveCaption
    {QPalette::Inactive, QPalette::Highlight},       // InactiveCaption
    {QPalette::Active, QPalette::Window},            // Menu
    {QPalette::Active, QPalette::Base},              // Window
    {QPalette::Active, QPalette::Shadow},            // WindowFrame
    {QPalette::Active, QPalette::WindowText},        // MenuText
    {QPalette::Active, QPalette::Text},              // WindowText
    {QPalette::Active, QPalette::HighlightedText},   // CaptionText
    {QPalette::Active, QPalette::Button},            // ActiveBorder
    {QPalette::Inactive, QPalette::Button},          // InactiveBorder
    {QPalette::Active, QPalette::Dark},              // AppWorkSpace
    {QPalette::Active, QPalette::Highlight},         // Highlight
    {QPalette::Active, QPalette::HighlightedText},   // HighlightText
    {QPalette::Active, QPalette::Button},            // BtnFace
    {QPalette::Active, QPalette::Dark},              // BtnShadow
    {QPalette::Disabled, QPalette::Text},            // GrayText
    {QPalette::Active, QPalette::ButtonText},        // BtnText
    {QPalette::Inactive, QPalette::HighlightedText}, // InactiveCaptionText
    {QPalette::Active, QPalette::Light},             // BtnHighlight
    {QPalette::Active, QPalette::Shadow},            // DkShadow3D
    {QPalette::Active, QPalette::Midlight},          // Light3D
    {QPalette::Active, QPalette::ToolTipText},       // InfoText
    {QPalette::Active, QPalette::ToolTipBase},       // InfoBk
}};

bool IsNoColor(TColor Color) { return Color == clNone || Color == clDefault; }

QColor ResolvedColor(TColor Color, const QPalette& Palette)
{
    if (IsSystemColor(Color)) {
        const auto index = static_cast<size_t>(Color & 0x00FFFFFF);
        if (index >= SystemColors.size())
            return QColor(Qt::black);
        const TPaletteColor& entry = SystemColors[index];
        return Palette.color(entry.Group, entry.Role);
    }
    return QColor(GetRValue(Color), GetGValue(Color), GetBValue(Color));
}

} // namespace

QColor ColorToQColor(TColor Color, TColor Default, const QPalette& Palette)
{
    if (IsNoColor(Color))
        Color = Default;
    if (IsNoColor(Color))
        return QColor(Qt::transparent);
    return ResolvedColor(Color, Palette);
}

QColor ColorToQColor(TColor Color, TColor Default) { return ColorToQColor(Color, Default, QGuiApplication::palette()); }
